// InputD1: second-person mode, "Use natal data" and the present moment, as
// a user clicks them.
#include "gui/entry/diurnal_entry_form.hpp"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QSignalSpy>

#include "people/entry_rules.hpp"
#include "support/window_desk.hpp"

namespace solvaris {
namespace {

using testing::Click;
using testing::Control;
using testing::EntryOf;
using testing::Showing;
using testing::WindowDesk;

TEST(DiurnalEntryForm, SecondPersonModeChangesTheRecordAndTheCaption) {
    WindowDesk desk({.entryWindows = true});
    QSignalSpy changed(&desk.workstation, &Workstation::secondPersonChanged);
    auto& box = Control<QCheckBox>(*desk.diurnal, "chk2ndPerson");
    Click(*desk.diurnal, "chk2ndPerson");
    EXPECT_TRUE(desk.workstation.diurnalEntry.chk2ndPerson);
    // A name picked in second-person mode becomes the box's caption.
    desk.workstation.diurnalEntry.chk2ndPersonCaption = "Golden Sydney";
    desk.workstation.AnnounceEntryChanged();
    EXPECT_EQ(box.text(), "Golden Sydney");

    desk.session.wheel.switched = true;
    Click(*desk.diurnal, "chk2ndPerson");
    EXPECT_FALSE(desk.workstation.diurnalEntry.chk2ndPerson);
    EXPECT_EQ(box.text(), "2nd Person");
    EXPECT_FALSE(desk.session.wheel.switched);
    ASSERT_EQ(changed.count(), 2);
    EXPECT_TRUE(changed.at(0).at(0).toBool());
    EXPECT_FALSE(changed.at(1).at(0).toBool());
}

TEST(DiurnalEntryForm, UseNatalDataCopiesTimeAndPlaceAndUncheckingReturnsToNow) {
    WindowDesk desk({.entryWindows = true});
    desk.workstation.natalEntry.fields.south = true;
    DiurnalEntryWindow copied = desk.workstation.diurnalEntry;
    CopyTimeAndPlace(desk.workstation.natalEntry.fields, copied.fields);
    Click(*desk.diurnal, "chkNatOrNow");
    EXPECT_TRUE(desk.workstation.diurnalEntry.chkNatOrNow);
    EXPECT_EQ(Showing(*desk.diurnal), EntryOf(copied));
    EXPECT_EQ(testing::Shown(*desk.diurnal, "txtDiurnalYear"), "2000");  // the date stays

    desk.platform.SetNow({2027, 7, 4, 23, 59, 0});
    DiurnalEntryWindow present;
    FillNow(present.fields, desk.session.options, desk.platform);
    Click(*desk.diurnal, "chkNatOrNow");
    EXPECT_FALSE(desk.workstation.diurnalEntry.chkNatOrNow);
    EXPECT_EQ(Showing(*desk.diurnal), EntryOf(present));
}

}  // namespace
}  // namespace solvaris
