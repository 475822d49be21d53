// The caption clock: the title text, the date, five blanks and the time on
// either clock; the home clock across midnight, month and year ends.
#include "app/caption_clock.hpp"

#include <gtest/gtest.h>

namespace solvaris {
namespace {

TEST(CaptionClock, TitleDateFiveBlanksAndTheTime) {
    struct Case {
        LocalDateTime present;
        bool twelveHour;
        const char* caption;
    };
    const Case cases[] = {
        {{2026, 12, 5, 12, 3, 15}, false, "SOLVARIS (Tropical zodiac) - 05 Dec 2026     12:03:15"},
        {{2026, 12, 5, 12, 3, 15},
         true,
         "SOLVARIS (Tropical zodiac) - 05 Dec 2026     12:03:15 PM"},
        {{2026, 12, 5, 14, 3, 5}, true, "SOLVARIS (Tropical zodiac) - 05 Dec 2026     2:03:05 PM"},
        {{2027, 1, 31, 0, 0, 0}, true, "SOLVARIS (Tropical zodiac) - 31 Jan 2027     12:00:00 AM"},
        {{2027, 1, 31, 0, 0, 0}, false, "SOLVARIS (Tropical zodiac) - 31 Jan 2027     00:00:00"},
        {{1999, 7, 9, 23, 59, 59}, false, "SOLVARIS (Tropical zodiac) - 09 Jul 1999     23:59:59"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(MainWindowCaption(c.present, c.twelveHour), c.caption);
    }
}

TEST(CaptionClock, ZoneClockCrossesDayMonthAndYearEnds) {
    struct Case {
        LocalDateTime universal;
        double zoneWest;
        LocalDateTime expected;
    };
    const Case cases[] = {
        {{2026, 12, 5, 17, 3, 15}, 5, {2026, 12, 5, 12, 3, 15}},
        {{2026, 12, 5, 3, 0, 0}, 5, {2026, 12, 4, 22, 0, 0}},
        {{2027, 1, 1, 2, 30, 0}, 5, {2026, 12, 31, 21, 30, 0}},
        {{2026, 2, 28, 23, 0, 0}, -1, {2026, 3, 1, 0, 0, 0}},
        {{2028, 2, 28, 23, 0, 0}, -1, {2028, 2, 29, 0, 0, 0}},
        {{2026, 6, 1, 0, 0, 0}, -5.5, {2026, 6, 1, 5, 30, 0}},
        {{2026, 6, 1, 0, 0, 0}, 0, {2026, 6, 1, 0, 0, 0}},
    };
    for (const Case& c : cases) {
        const LocalDateTime t = ZoneClockTime(c.universal, c.zoneWest);
        const LocalDateTime& e = c.expected;
        EXPECT_EQ(std::tie(t.year, t.month, t.day, t.hour, t.minute, t.second),
                  std::tie(e.year, e.month, e.day, e.hour, e.minute, e.second))
            << c.zoneWest << " " << c.universal.day << " " << c.universal.hour;
    }
}

}  // namespace
}  // namespace solvaris
