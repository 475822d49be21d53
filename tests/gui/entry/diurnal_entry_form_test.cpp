// InputD1: second-person mode, "Use natal data" and the present moment, as
// a user clicks them.
#include "gui/entry/diurnal_entry_form.hpp"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLabel>
#include <QRadioButton>
#include <QSignalSpy>

#include "gui/entry/entry_desk.hpp"
#include "people/entry_rules.hpp"

namespace solvaris {
namespace {

using testing::Click;
using testing::Control;
using testing::EntryDesk;
using testing::Shown;
using testing::TypeInto;

struct Field {
    const char* control;
    std::string DiurnalEntryWindow::*member;
};

constexpr Field kFields[] = {
    {"txtDiurnalMonth", &DiurnalEntryWindow::txtDiurnalMonth},
    {"txtDiurnalDay", &DiurnalEntryWindow::txtDiurnalDay},
    {"txtDiurnalYear", &DiurnalEntryWindow::txtDiurnalYear},
    {"txtDiurnalHour", &DiurnalEntryWindow::txtDiurnalHour},
    {"txtDiurnalMinute", &DiurnalEntryWindow::txtDiurnalMinute},
    {"txtDiurnalTZ", &DiurnalEntryWindow::txtDiurnalTZ},
    {"txtDiurnalLongDeg", &DiurnalEntryWindow::txtDiurnalLongDeg},
    {"txtDiurnalLongMin", &DiurnalEntryWindow::txtDiurnalLongMin},
    {"txtDiurnalLatDeg", &DiurnalEntryWindow::txtDiurnalLatDeg},
    {"txtDiurnalLatMin", &DiurnalEntryWindow::txtDiurnalLatMin},
};

void ExpectShows(QWidget& window, const DiurnalEntryWindow& expected, const char* when) {
    for (const Field& f : kFields) {
        EXPECT_EQ(Shown(window, f.control), expected.*f.member) << when << " " << f.control;
    }
    EXPECT_EQ(Control<QRadioButton>(window, "optDiurnalPM").isChecked(), expected.optDiurnalPM)
        << when;
    EXPECT_EQ(Control<QRadioButton>(window, "optDiurnalEast").isChecked(), expected.optDiurnalEast)
        << when;
    EXPECT_EQ(Control<QRadioButton>(window, "optDiurnalSouth").isChecked(),
              expected.optDiurnalSouth)
        << when;
}

TEST(DiurnalEntryForm, SecondPersonModeChangesTheRecordAndTheCaption) {
    EntryDesk desk;
    DiurnalEntryForm diurnal(desk.workstation);
    diurnal.show();
    QSignalSpy changed(&desk.workstation, &Workstation::secondPersonChanged);
    auto& box = Control<QCheckBox>(diurnal, "chk2ndPerson");
    EXPECT_EQ(box.text(), "2nd Person");

    Click(diurnal, "chk2ndPerson");
    EXPECT_TRUE(desk.workstation.diurnalEntry.chk2ndPerson);
    ASSERT_EQ(changed.count(), 1);
    EXPECT_TRUE(changed.at(0).at(0).toBool());

    // A name picked in second-person mode becomes the box's caption.
    desk.workstation.diurnalEntry.chk2ndPersonCaption = "Golden Sydney";
    desk.workstation.AnnounceEntryChanged();
    EXPECT_EQ(box.text(), "Golden Sydney");
    EXPECT_TRUE(box.isChecked());

    desk.session.wheel.switched = true;
    Click(diurnal, "chk2ndPerson");
    EXPECT_FALSE(desk.workstation.diurnalEntry.chk2ndPerson);
    ASSERT_EQ(changed.count(), 2);
    EXPECT_FALSE(changed.at(1).at(0).toBool());
    EXPECT_EQ(box.text(), "2nd Person");
    EXPECT_EQ(desk.workstation.diurnalEntry.chk2ndPersonCaption, "2nd Person");
    EXPECT_FALSE(desk.session.wheel.switched);
}

TEST(DiurnalEntryForm, UseNatalDataCopiesTimeAndPlaceAndUncheckingReturnsToNow) {
    EntryDesk desk;
    DiurnalEntryForm diurnal(desk.workstation);
    diurnal.show();
    DiurnalEntryWindow present;
    FillNow(present, desk.session.options, desk.platform);
    ExpectShows(diurnal, present, "opening");

    DiurnalEntryWindow golden;
    testing::TypeGoldenNewYork(desk.workstation.natalEntry, golden);
    desk.workstation.natalEntry.optEast = true;
    desk.workstation.natalEntry.optSouth = true;
    desk.workstation.natalEntry.txtTZ = "-10";

    Click(diurnal, "chkNatOrNow");
    EXPECT_TRUE(desk.workstation.diurnalEntry.chkNatOrNow);
    DiurnalEntryWindow copied = present;
    CopyNatalIntoDiurnal(desk.workstation.natalEntry, copied);
    ExpectShows(diurnal, copied, "natal data");
    // The date stays the present one; time and place are the natal ones.
    EXPECT_EQ(Shown(diurnal, "txtDiurnalYear"), present.txtDiurnalYear);
    EXPECT_EQ(Shown(diurnal, "txtDiurnalHour"), "7");
    EXPECT_EQ(Shown(diurnal, "txtDiurnalTZ"), "-10");

    desk.platform.SetNow({2027, 7, 4, 23, 59, 0});
    FillNow(present, desk.session.options, desk.platform);
    Click(diurnal, "chkNatOrNow");
    EXPECT_FALSE(desk.workstation.diurnalEntry.chkNatOrNow);
    ExpectShows(diurnal, present, "unchecked");
}

TEST(DiurnalEntryForm, EveryEditReachesItsFieldOfTheRecord) {
    EntryDesk desk;
    DiurnalEntryForm diurnal(desk.workstation);
    diurnal.show();
    for (const Field& f : kFields) {
        TypeInto(diurnal, f.control, "7");
        EXPECT_EQ(desk.workstation.diurnalEntry.*f.member, "7") << f.control;
    }
    Click(diurnal, "optDiurnalSouth");
    EXPECT_TRUE(desk.workstation.diurnalEntry.optDiurnalSouth);
}

TEST(DiurnalEntryForm, ControlsCarryTheirNamesAndCaptions) {
    EntryDesk desk;
    DiurnalEntryForm diurnal(desk.workstation);
    EXPECT_EQ(diurnal.objectName(), "InputD1");
    EXPECT_EQ(diurnal.windowTitle(), "Diurnal Input Data");
    const std::pair<const char*, const char*> captions[] = {
        {"txtDiurnalMonth", "Diurnal Month"},  {"txtDiurnalDay", "Diurnal Day"},
        {"txtDiurnalYear", "Diurnal Year"},    {"txtDiurnalHour", "Diurnal Hour"},
        {"txtDiurnalMinute", "Diurnal Min."},  {"txtDiurnalTZ", "D. Time Zone . . ."},
        {"txtDiurnalLongDeg", "D. Long Deg."}, {"txtDiurnalLongMin", "D. Long Min."},
        {"txtDiurnalLatDeg", "D. Lat Deg."},   {"txtDiurnalLatMin", "D. Lat Min."}};
    for (const auto& [control, caption] : captions) {
        EXPECT_EQ(testing::CaptionOf(diurnal, control), caption);
    }
    EXPECT_EQ(Control<QCheckBox>(diurnal, "chkNatOrNow").text(), "Use natal data");
    const std::vector<std::string> focusOrder = {
        "txtDiurnalMonth",   "txtDiurnalDay",     "txtDiurnalYear",  "txtDiurnalHour",
        "txtDiurnalMinute",  "optDiurnalAM",      "optDiurnalPM",    "txtDiurnalTZ",
        "txtDiurnalLongDeg", "txtDiurnalLongMin", "optDiurnalEast",  "optDiurnalWest",
        "txtDiurnalLatDeg",  "txtDiurnalLatMin",  "optDiurnalNorth", "optDiurnalSouth",
        "chk2ndPerson",      "chkNatOrNow"};
    EXPECT_EQ(testing::FocusOrder(diurnal, "txtDiurnalMonth", focusOrder.size()), focusOrder);
    EXPECT_TRUE(Control<QLabel>(diurnal, "Label1").isEnabled());
    EXPECT_TRUE(Control<QLabel>(diurnal, "Label2").isEnabled());
}

}  // namespace
}  // namespace solvaris
