#include <gtest/gtest.h>

#include "chart/birth_data.hpp"
#include "chart/chart_store.hpp"
#include "chart/house_system.hpp"
#include "support/sample_people.hpp"

namespace solvaris {
namespace {

TEST(CuspSlots, SlotOrderAndLabels) {
    struct Case {
        int slot, house;
        const char* label;
    };
    for (const Case& c : {Case{1, 10, "10TH"}, Case{3, 12, "12TH"}, Case{4, 1, " 1ST"},
                          Case{7, 4, " 4TH"}, Case{12, 9, " 9TH"}}) {
        EXPECT_EQ(HouseOfSlot(c.slot), c.house);
        EXPECT_EQ(SlotOfHouse(c.house), c.slot);
        EXPECT_EQ(HouseLabel(c.slot), c.label);
    }
}

TEST(BirthData, AgeAndLastBirthday) {
    struct Case {
        int nd, nm, ny, dd, dm, dy, age, lastBirthday;
    };
    for (const Case& c :
         {Case{15, 6, 1960, 15, 6, 2000, 40, 2000}, Case{15, 6, 1960, 14, 6, 2000, 39, 1999},
          Case{15, 6, 1960, 1, 5, 2000, 39, 1999}, Case{15, 6, 1960, 1, 7, 2000, 40, 2000},
          Case{29, 2, 1960, 28, 2, 2001, 40, 2000}}) {
        const BirthData natal = Person(c.nd, c.nm, c.ny, 12.00f, "P.M.");
        const BirthData diurnal = Person(c.dd, c.dm, c.dy, 12.00f, "P.M.");
        EXPECT_EQ(AgeYears(natal, diurnal), c.age);
        EXPECT_EQ(LastBirthdayYear(natal, diurnal), c.lastBirthday);
    }
}

TEST(BirthData, CoordinateTextsAndSigns) {
    EXPECT_EQ(LatitudeText(-40.30f), "SOUTH");
    EXPECT_EQ(LatitudeText(-0.0f), "NORTH");
    EXPECT_EQ(LongitudeText(-0.01f), "EAST");
    EXPECT_EQ(LongitudeText(74.0f), "WEST");
    EXPECT_EQ(SignNumber(29.999), 1);
    EXPECT_EQ(SignNumber(30), 2);
    EXPECT_EQ(SignNumber(359.99), 12);
}

}  // namespace
}  // namespace solvaris
