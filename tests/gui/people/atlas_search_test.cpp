// The world atlas in the cities window: typing lists and never picks; the
// list picks as the core does, the zone by the tz database at the birth.
#include "people/atlas_search.hpp"

#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>

#include "app/session_atlas.hpp"
#include "gui/people/geograph_form.hpp"
#include "people/atlas_pick.hpp"
#include "support/window_desk.hpp"

namespace solvaris {
namespace {

using testing::Control;
using testing::EntryOf;
using testing::Showing;
using testing::WindowDesk;

void TypeBirth(WindowDesk& desk, const char* year, const char* month, const char* day,
               const char* hour, const char* minute, bool pm) {
    EntryFields& f = desk.workstation.natalEntry.fields;
    f.year = year;
    f.month = month;
    f.day = day;
    f.hour = hour;
    f.minute = minute;
    f.pm = pm;
    desk.workstation.AnnounceEntryChanged();
}

TEST(AtlasSearch, TypingListsAndTheListPicksAsTheCoreDoes) {
    WindowDesk desk({.entryWindows = true});
    auto* geograph = new GeographForm(desk.workstation);
    geograph->show();
    auto& field = Control<QLineEdit>(*geograph, "txtAtlasSearch");
    auto& list = Control<QListWidget>(*geograph, "lstAtlasPlaces");
    TypeBirth(desk, "1880", "6", "1", "12", "00", true);
    const std::string before = Showing(*desk.natal);

    QTest::keyClicks(&field, "buffalo, new york");
    ASSERT_GT(list.count(), 0);
    EXPECT_EQ(list.item(0)->text().toStdString(),
              "Buffalo, New York, United States of America  (258071)");
    EXPECT_EQ(Showing(*desk.natal), before);  // typing picked nothing
    EXPECT_TRUE(desk.platform.Messages().empty());

    // The core's own pick on copies of the records, the oracle.
    NatalEntryWindow natal = desk.workstation.natalEntry;
    DiurnalEntryWindow diurnal = desk.workstation.diurnalEntry;
    Problem problem;
    const Atlas* atlas = SessionAtlas(desk.session, problem);
    ASSERT_NE(atlas, nullptr) << problem;
    const auto buffalo = FindAtlasPlaces(*atlas, "buffalo, new york", 1);
    ASSERT_EQ(buffalo.size(), 1u);
    const auto rule = PickAtlasPlaceForEntry(*atlas, *buffalo[0], natal, diurnal,
                                             desk.session.options, desk.platform, Fold::Earlier);
    ASSERT_TRUE(rule);
    EXPECT_NE(rule->find("local mean time at 78W53"), std::string::npos) << *rule;

    QTest::keyClick(&field, Qt::Key_Down);
    EXPECT_EQ(Showing(*desk.natal), EntryOf(natal));
    EXPECT_EQ(testing::Shown(*desk.natal, "txtLongDeg"), "78");
    EXPECT_EQ(testing::Shown(*desk.natal, "txtLatDeg"), "42");
    EXPECT_EQ(Control<QLabel>(*geograph, "lblZoneRule").text().toStdString(),
              "Buffalo, New York, United States of America: " + *rule);
    EXPECT_TRUE(desk.platform.Messages().empty());

    // A clock time that never happened there: said, and nothing changes.
    TypeBirth(desk, "2040", "3", "11", "2", "30", false);
    const std::string skipped = Showing(*desk.natal);
    field.clear();
    QTest::keyClicks(&field, "chicago");
    QTest::keyClick(&field, Qt::Key_Return);
    EXPECT_EQ(Showing(*desk.natal), skipped);
    EXPECT_EQ(desk.platform.Messages().size(), 1u);

    // Nothing found is said under the list; an empty field lists nothing.
    field.clear();
    QTest::keyClicks(&field, "xyzzyq");
    EXPECT_EQ(list.count(), 0);
    EXPECT_EQ(Control<QLabel>(*geograph, "lblAtlasStatus").text().toStdString(),
              "No place of the atlas matches.");
    field.clear();
    EXPECT_EQ(list.count(), 0);
}

}  // namespace
}  // namespace solvaris
