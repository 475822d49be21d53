// InputD driven as a user drives it: typed keys, clicked buttons, the
// scripted platform answering; what it shows compared with the golden
// reports and the core's own rules.
#include "gui/entry/natal_entry_form.hpp"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QApplication>
#include <QClipboard>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

#include "gui/entry/diurnal_entry_form.hpp"
#include "gui/entry/entry_desk.hpp"
#include "people/entry_rules.hpp"
#include "people/names_file.hpp"
#include "support/temp_folder.hpp"

namespace solvaris {
namespace {

using testing::Click;
using testing::Control;
using testing::EntryDesk;
using testing::Shown;
using testing::TypeInto;

struct Typed {
    const char* control;
    const char* keys;
};

// The golden New York birth and transit moment, typed key by key; the
// natal hour as "19", which the hour rule turns into 7 P.M.
void TypeGoldenNewYork(NatalEntryForm& natal, DiurnalEntryForm& diurnal) {
    for (const Typed& t :
         {Typed{"txtName", "Golden New York"}, Typed{"txtMonth", "12"}, Typed{"txtDay", "5"},
          Typed{"txtYear", "1950"}, Typed{"txtBirthHour", "19"}, Typed{"txtBirthMinute", "45"},
          Typed{"txtTZ", "5"}, Typed{"txtLongDeg", "74"}, Typed{"txtLongMin", "00"},
          Typed{"txtLatDeg", "40"}, Typed{"txtLatMin", "43"}}) {
        TypeInto(natal, t.control, t.keys);
    }
    Click(natal, "optWest");
    Click(natal, "optNorth");
    for (const Typed& t : {Typed{"txtDiurnalMonth", "1"}, Typed{"txtDiurnalDay", "1"},
                           Typed{"txtDiurnalYear", "2000"}, Typed{"txtDiurnalHour", "12"},
                           Typed{"txtDiurnalMinute", "00"}, Typed{"txtDiurnalTZ", "8"},
                           Typed{"txtDiurnalLongDeg", "118"}, Typed{"txtDiurnalLongMin", "15"},
                           Typed{"txtDiurnalLatDeg", "34"}, Typed{"txtDiurnalLatMin", "03"}}) {
        TypeInto(diurnal, t.control, t.keys);
    }
    Click(diurnal, "optDiurnalPM");
    Click(diurnal, "optDiurnalWest");
    Click(diurnal, "optDiurnalNorth");
}

TEST(NatalEntryForm, TypedGoldenBirthAndOKShowTheNatalReport) {
    EntryDesk desk;
    NatalEntryForm natal(desk.workstation);
    DiurnalEntryForm diurnal(desk.workstation);
    natal.show();
    diurnal.show();
    TypeGoldenNewYork(natal, diurnal);

    NatalEntryWindow expectedNatal;
    DiurnalEntryWindow expectedDiurnal;
    testing::TypeGoldenNewYork(expectedNatal, expectedDiurnal);
    const NatalEntryWindow& entry = desk.workstation.natalEntry;
    EXPECT_EQ(entry.txtBirthHour, "7");
    EXPECT_TRUE(entry.optPM);
    EXPECT_EQ(ReadNatalData(entry, DateOrder::MonthDayYear).dateText, "12/5/1950");

    Click(natal, "cmdOK");
    EXPECT_TRUE(desk.platform.Messages().empty());
    EXPECT_EQ(desk.dataWindow.text, testing::GoldenReport("new-york", "natal"));
    // OK empties the buffer first: a second OK leaves one report in it.
    const int lines = desk.session.reports.LineCount();
    Click(natal, "cmdOK");
    EXPECT_EQ(desk.session.reports.LineCount(), lines);
    // Enter runs OK from a field, an option button and the focused OK
    // button of InputD, and from a field of InputD1.
    const struct {
        QWidget* window;
        const char* control;
        Qt::Key key;
    } enters[] = {
        {&natal, "txtYear", Qt::Key_Return},           {&natal, "txtName", Qt::Key_Enter},
        {&natal, "optWest", Qt::Key_Return},           {&natal, "cmdOK", Qt::Key_Return},
        {&diurnal, "txtDiurnalMonth", Qt::Key_Return}, {&diurnal, "chkNatOrNow", Qt::Key_Enter}};
    for (const auto& enter : enters) {
        desk.dataWindow.text.clear();
        desk.session.reports.EmptySession();
        auto& control = Control<QWidget>(*enter.window, enter.control);
        control.setFocus();
        QTest::keyClick(&control, enter.key);
        EXPECT_EQ(desk.dataWindow.text, testing::GoldenReport("new-york", "natal"))
            << enter.control;
        EXPECT_EQ(desk.session.reports.LineCount(), lines) << enter.control;
    }
    EXPECT_TRUE(desk.platform.Messages().empty());
}

TEST(NatalEntryForm, NumberFieldsDiscardOtherKeys) {
    EntryDesk desk;
    NatalEntryForm natal(desk.workstation);
    DiurnalEntryForm diurnal(desk.workstation);
    struct Case {
        QWidget* window;
        const char* control;
        const char* keys;
        const char* shown;
    };
    for (const Case& c : {
             Case{&natal, "txtName", "Ann-Marie 2.", "Ann-Marie 2."},
             Case{&natal, "txtMonth", "1x2", "12"},
             Case{&natal, "txtDay", "a5", "5"},
             Case{&natal, "txtYear", "19.5-0", "1950"},
             Case{&natal, "txtBirthMinute", "4a5.", "45."},
             Case{&natal, "txtTZ", "-5.5e", "-5.5"},
             Case{&natal, "txtLongDeg", "7 4", "74"},
             Case{&natal, "txtLongMin", "3.0", "30"},
             Case{&natal, "txtLatDeg", "-40", "40"},
             Case{&natal, "txtLatMin", "4N3", "43"},
             Case{&diurnal, "txtDiurnalDay", "x3", "3"},
             Case{&diurnal, "txtDiurnalMinute", "0.5m", "0.5"},
             Case{&diurnal, "txtDiurnalTZ", "-8h", "-8"},
             Case{&diurnal, "txtDiurnalLatDeg", "S34", "34"},
         }) {
        TypeInto(*c.window, c.control, c.keys);
        EXPECT_EQ(Shown(*c.window, c.control), c.shown) << c.control;
    }
    EXPECT_EQ(desk.workstation.natalEntry.txtYear, "1950");
    EXPECT_EQ(desk.workstation.diurnalEntry.txtDiurnalTZ, "-8");
    // Pasting goes through the same rule: all of the text or none of it.
    auto& year = Control<QLineEdit>(natal, "txtYear");
    struct Paste {
        const char* clipboard;
        const char* year;
    };
    for (const Paste& p : {Paste{"19a0", "1950"}, Paste{"1951", "1951"}, Paste{"-7", "1951"}}) {
        QApplication::clipboard()->setText(p.clipboard);
        year.selectAll();
        QTest::keySequence(&year, QKeySequence::Paste);
        EXPECT_EQ(desk.workstation.natalEntry.txtYear, p.year) << p.clipboard;
        EXPECT_EQ(year.text().toStdString(), p.year) << p.clipboard;
    }
    EXPECT_EQ(year.contextMenuPolicy(), Qt::NoContextMenu);
    // Entering a field, by mouse too, selects all of it, so that typing
    // replaces it. A click into the window's focused field activates the
    // window (the field's focus comes back) before the press places the
    // cursor: all of it still selected after the click, in either window.
    natal.show();
    diurnal.show();
    for (const auto& [window, control] : {std::pair<QWidget*, const char*>{&natal, "txtName"},
                                          {&natal, "txtYear"},
                                          {&natal, "txtTZ"},
                                          {&diurnal, "txtDiurnalMonth"}}) {
        auto& field = Control<QLineEdit>(*window, control);
        field.deselect();
        QFocusEvent entered(QEvent::FocusIn, Qt::MouseFocusReason);
        QApplication::sendEvent(&field, &entered);
        QApplication::processEvents();
        EXPECT_EQ(field.selectedText(), field.text()) << control;
        EXPECT_FALSE(field.text().isEmpty()) << control;
        field.setFocus();
        QApplication::processEvents();
        field.deselect();
        QFocusEvent activated(QEvent::FocusIn, Qt::ActiveWindowFocusReason);
        QApplication::sendEvent(&field, &activated);
        QApplication::processEvents();
        QTest::mouseClick(&field, Qt::LeftButton, {}, QPoint(4, field.height() / 2));
        EXPECT_EQ(field.selectedText(), field.text()) << control << " clicked";
        // A second click places the cursor.
        QTest::mouseClick(&field, Qt::LeftButton, {}, QPoint(4, field.height() / 2));
        EXPECT_FALSE(field.hasSelectedText()) << control << " clicked again";
    }
    // Backspace still edits.
    TypeInto(natal, "txtYear", "1950");
    QTest::keyClick(&Control<QLineEdit>(natal, "txtYear"), Qt::Key_Backspace);
    EXPECT_EQ(desk.workstation.natalEntry.txtYear, "195");
}

TEST(NatalEntryForm, HourRuleInBothWindows) {
    struct Case {
        const char* typed;
        const char* shown;
        bool pm;
        bool asksForAValue;
    };
    for (const Case& c : {Case{"15", "3", true, false}, Case{"0", "12", false, false},
                          Case{"12", "12", false, false}, Case{"13", "1", true, false},
                          Case{"24", "12", true, false}, Case{"9", "9", false, false},
                          Case{"5\b", "", false, true}}) {
        EntryDesk desk;
        NatalEntryForm natal(desk.workstation);
        DiurnalEntryForm diurnal(desk.workstation);
        desk.workstation.natalEntry.optPM = false;
        desk.workstation.diurnalEntry.optDiurnalPM = false;
        desk.workstation.AnnounceEntryChanged();

        TypeInto(natal, "txtBirthHour", c.typed);
        TypeInto(diurnal, "txtDiurnalHour", c.typed);
        EXPECT_EQ(Shown(natal, "txtBirthHour"), c.shown) << c.typed;
        EXPECT_EQ(desk.workstation.natalEntry.txtBirthHour, c.shown) << c.typed;
        EXPECT_EQ(Control<QRadioButton>(natal, "optPM").isChecked(), c.pm) << c.typed;
        EXPECT_EQ(desk.workstation.natalEntry.optPM, c.pm) << c.typed;
        EXPECT_EQ(Shown(diurnal, "txtDiurnalHour"), c.shown) << c.typed;
        EXPECT_EQ(desk.workstation.diurnalEntry.optDiurnalPM, c.pm) << c.typed;
        const auto& shown = desk.platform.Messages();
        ASSERT_EQ(shown.size(), c.asksForAValue ? 2u : 0u) << c.typed;
        if (c.asksForAValue) {
            EXPECT_EQ(shown[0].text, "Please fill in a value for birth hour.");
            EXPECT_EQ(shown[1].text, "Please fill in a value for diurnal hour.");
            EXPECT_EQ(shown[0].title, "Warning!");
        }
    }
}

TEST(NatalEntryForm, HemisphereButtonsTurnTheZoneSignInBothWindows) {
    EntryDesk desk;
    NatalEntryForm natal(desk.workstation);
    DiurnalEntryForm diurnal(desk.workstation);
    natal.show();
    diurnal.show();
    struct Step {
        QWidget* window;
        const char* zoneField;
        const char* zoneTyped;
        const char* button;
        const char* zone;
    };
    for (const Step& s : {
             Step{&natal, "txtTZ", "5", "optEast", "-5"},
             Step{&natal, "txtTZ", nullptr, "optWest", "5"},
             Step{&natal, "txtTZ", "-5.5", "optWest", "5.5"},
             Step{&natal, "txtTZ", "0", "optEast", "0"},
             Step{&diurnal, "txtDiurnalTZ", "8", "optDiurnalEast", "-8"},
             Step{&diurnal, "txtDiurnalTZ", nullptr, "optDiurnalWest", "8"},
         }) {
        if (s.zoneTyped != nullptr) {
            TypeInto(*s.window, s.zoneField, s.zoneTyped);
        }
        Click(*s.window, s.button);
        EXPECT_EQ(Shown(*s.window, s.zoneField), s.zone) << s.button;
    }
    EXPECT_EQ(desk.workstation.natalEntry.txtTZ, "0");
    EXPECT_TRUE(desk.workstation.natalEntry.optEast);
    EXPECT_EQ(desk.workstation.diurnalEntry.txtDiurnalTZ, "8");
    EXPECT_FALSE(desk.workstation.diurnalEntry.optDiurnalEast);
}

TEST(NatalEntryForm, RefusedEntryShowsTheCheckMessageAndNoReport) {
    struct Case {
        bool diurnal;
        const char* control;
        const char* keys;
        const char* message;
    };
    for (const Case& c : {
             Case{false, "txtMonth", "13", "Error in natal input data section. Please correct."},
             Case{false, "txtYear", "99", "Error in natal input data section. Please correct."},
             Case{false, "txtBirthMinute", "60",
                  "Error in natal input data section. Please correct."},
             Case{false, "txtLatDeg", "70",
                  "Your latitude is too high. Lower to 66 degrees, 00 minutes or below OR change "
                  "house systems."},
             Case{true, "txtDiurnalDay", "32",
                  "Error in diurnal input data section. Please correct."},
         }) {
        EntryDesk desk;
        NatalEntryForm natal(desk.workstation);
        DiurnalEntryForm diurnal(desk.workstation);
        natal.show();
        diurnal.show();
        TypeGoldenNewYork(natal, diurnal);
        TypeInto(c.diurnal ? static_cast<QWidget&>(diurnal) : natal, c.control, c.keys);
        Click(natal, "cmdOK");
        ASSERT_EQ(desk.platform.Messages().size(), 1u) << c.control;
        EXPECT_EQ(desk.platform.Messages()[0].text, c.message) << c.control;
        EXPECT_EQ(desk.platform.Messages()[0].title, "Warning!");
        EXPECT_EQ(desk.dataWindow.shows, 0) << c.control;
    }
}

TEST(NatalEntryForm, OpeningAndNowShowThePresentMomentAtHome) {
    EntryDesk desk;
    NatalEntryForm natal(desk.workstation);
    NatalEntryWindow present;
    FillNow(present, desk.session.options, desk.platform);
    ASSERT_EQ(present.txtName, "Now");
    struct Field {
        const char* control;
        std::string NatalEntryWindow::*member;
    };
    const Field fields[] = {
        {"txtName", &NatalEntryWindow::txtName},
        {"txtMonth", &NatalEntryWindow::txtMonth},
        {"txtDay", &NatalEntryWindow::txtDay},
        {"txtYear", &NatalEntryWindow::txtYear},
        {"txtBirthHour", &NatalEntryWindow::txtBirthHour},
        {"txtBirthMinute", &NatalEntryWindow::txtBirthMinute},
        {"txtTZ", &NatalEntryWindow::txtTZ},
        {"txtLongDeg", &NatalEntryWindow::txtLongDeg},
        {"txtLongMin", &NatalEntryWindow::txtLongMin},
        {"txtLatDeg", &NatalEntryWindow::txtLatDeg},
        {"txtLatMin", &NatalEntryWindow::txtLatMin},
    };
    auto expectPresent = [&](const char* when) {
        for (const Field& f : fields) {
            EXPECT_EQ(Shown(natal, f.control), present.*f.member) << when << " " << f.control;
        }
        EXPECT_EQ(Control<QRadioButton>(natal, "optPM").isChecked(), present.optPM) << when;
        EXPECT_EQ(Control<QRadioButton>(natal, "optEast").isChecked(), present.optEast) << when;
        EXPECT_EQ(Control<QRadioButton>(natal, "optSouth").isChecked(), present.optSouth) << when;
    };
    expectPresent("opening");

    TypeInto(natal, "txtName", "Someone");
    TypeInto(natal, "txtYear", "1901");
    desk.platform.SetNow({2027, 3, 1, 9, 5, 0});
    FillNow(present, desk.session.options, desk.platform);
    Click(natal, "cmdNow");
    expectPresent("Now");
    EXPECT_EQ(desk.workstation.natalEntry.txtYear, present.txtYear);
}

TEST(NatalEntryForm, SaveToDiskWritesTheNamesFileAndAFailureKeepsTheText) {
    testing::TempFolder folder;
    EntryDesk desk;
    NatalEntryForm natal(desk.workstation);
    DiurnalEntryForm diurnal(desk.workstation);
    natal.show();
    diurnal.show();
    TypeGoldenNewYork(natal, diurnal);
    const std::filesystem::path names = folder / "NAMES.FIL";
    desk.session.settings.dataFile = names.string();

    Click(natal, "cmdSave");
    EXPECT_TRUE(desk.platform.Messages().empty());
    const std::vector<NameRecord> records = ReadNamesList(names, desk.platform);
    ASSERT_EQ(records.size(), 1u);
    NatalEntryWindow readBack;
    ASSERT_TRUE(FillNatalFromRecord(records[0], readBack, DateOrder::MonthDayYear, desk.platform));
    const BirthData typed = ReadNatalData(desk.workstation.natalEntry, DateOrder::MonthDayYear);
    const BirthData saved = ReadNatalData(readBack, DateOrder::MonthDayYear);
    EXPECT_EQ(saved.name, "Golden New York");
    EXPECT_EQ(saved.day, typed.day);
    EXPECT_EQ(saved.month, typed.month);
    EXPECT_EQ(saved.year, typed.year);
    EXPECT_FLOAT_EQ(saved.time, typed.time);
    EXPECT_EQ(saved.meridiem, "P.M.");
    EXPECT_EQ(saved.timeZone, typed.timeZone);
    EXPECT_FLOAT_EQ(saved.longitude, typed.longitude);
    EXPECT_FLOAT_EQ(saved.latitude, typed.latitude);

    // A folder that cannot take the file: under a plain file always, and a
    // read-only folder where permissions bind (not for root).
    const std::filesystem::path plainFile = folder.Write("plain", "x");
    std::vector<std::filesystem::path> unwritable = {plainFile / "NAMES.FIL"};
    if (::geteuid() != 0) {
        std::filesystem::create_directory(folder / "locked");
        ::chmod((folder / "locked").c_str(), 0555);
        unwritable.push_back(folder / "locked" / "NAMES.FIL");
    }
    for (const std::filesystem::path& target : unwritable) {
        desk.platform.ClearMessages();
        desk.workstation.names.currentFile = target.string();
        Click(natal, "cmdSave");
        ASSERT_EQ(desk.platform.Messages().size(), 1u) << target;
        EXPECT_EQ(desk.platform.Messages()[0].text.rfind("The person was not saved", 0), 0u)
            << desk.platform.Messages()[0].text;
        EXPECT_EQ(Shown(natal, "txtName"), "Golden New York");
        EXPECT_EQ(Shown(natal, "txtLatMin"), "43");
        EXPECT_FALSE(std::filesystem::exists(target));
    }
    ::chmod((folder / "locked").c_str(), 0755);
}

TEST(NatalEntryForm, EphemerisAsksMidnightOrNoonAndShowsTheFirstPage) {
    EntryDesk desk;
    NatalEntryForm natal(desk.workstation);
    DiurnalEntryForm diurnal(desk.workstation);
    natal.show();
    diurnal.show();
    TypeGoldenNewYork(natal, diurnal);
    desk.platform.QueueAnswer(MessageAnswer::Yes);
    Click(natal, "cmdEphemeris");
    ASSERT_EQ(desk.platform.Messages().size(), 1u);
    EXPECT_EQ(desk.platform.Messages()[0].text,
              "Click on 'YES' for midnight emphemeris. Click on 'NO' for noon ephemeris.");
    EXPECT_EQ(desk.platform.Messages()[0].title, "Midnight or Noon ephemeris");
    EXPECT_EQ(desk.platform.Messages()[0].icon, MessageIcon::Question);
    EXPECT_EQ(desk.platform.Messages()[0].buttons, MessageButtons::YesNo);
    EXPECT_EQ(desk.dataWindow.text, testing::GoldenReport("new-york", "ephemeris"));
    EXPECT_FALSE(natal.isVisible());
    EXPECT_FALSE(diurnal.isVisible());
    // The preset the following pages start from is what the window shows.
    EXPECT_EQ(Shown(natal, "txtName"), "Ephemeris");
    EXPECT_EQ(Shown(natal, "txtTZ"), "0");
    EXPECT_TRUE(desk.workstation.ephemeris.shown);
    Click(natal, "cmdOK");
    EXPECT_FALSE(desk.workstation.ephemeris.shown);
    // No is noon.
    desk.platform.QueueAnswer(MessageAnswer::No);
    Click(natal, "cmdEphemeris");
    EXPECT_EQ(desk.workstation.ephemeris.hour, EphemerisHour::Noon);
    EXPECT_TRUE(Control<QRadioButton>(natal, "optPM").isChecked());  // the noon preset
}

TEST(NatalEntryForm, ControlsInOrderWithTheirCaptions) {
    EntryDesk desk;
    NatalEntryForm natal(desk.workstation);
    EXPECT_EQ(natal.objectName(), "InputD");
    EXPECT_EQ(natal.windowTitle(), "Natal Input Data");
    const std::vector<std::string> focusOrder = {
        "txtName", "txtMonth",  "txtDay",      "txtYear",    "txtBirthHour", "txtBirthMinute",
        "optAM",   "optPM",     "txtTZ",       "txtLongDeg", "txtLongMin",   "optEast",
        "optWest", "txtLatDeg", "txtLatMin",   "optNorth",   "optSouth",     "cmdOK",
        "cmdSave", "cmdNow",    "cmdEphemeris"};
    EXPECT_EQ(testing::FocusOrder(natal, "txtName", focusOrder.size()), focusOrder);
    struct Caption {
        const char* control;
        const char* caption;
    };
    for (const Caption& c : {Caption{"cmdOK", "OK"}, Caption{"cmdSave", "Save to disk"},
                             Caption{"cmdNow", "Now"}, Caption{"cmdEphemeris", "Ephemeris"}}) {
        EXPECT_EQ(Control<QPushButton>(natal, c.control).text().toStdString(), c.caption);
    }
    for (const Caption& c :
         {Caption{"txtName", "Name"}, Caption{"txtMonth", "Birth Month"},
          Caption{"txtDay", "Birth Day"}, Caption{"txtYear", "Birth Year"},
          Caption{"txtBirthHour", "Birth Hour"}, Caption{"txtBirthMinute", "Birth Minute"},
          Caption{"txtTZ", "Time Zone . . ."}, Caption{"txtLongDeg", "Long Degrees"},
          Caption{"txtLongMin", "Long Minutes"}, Caption{"txtLatDeg", "Lat Degrees"},
          Caption{"txtLatMin", "Lat Minutes"}}) {
        EXPECT_EQ(testing::CaptionOf(natal, c.control), c.caption);
    }
    for (const Caption& c :
         {Caption{"optAM", "Am/Pm"}, Caption{"optEast", "Ea/We"}, Caption{"optSouth", "No/So"}}) {
        const auto* frame = qobject_cast<QGroupBox*>(Control<QWidget>(natal, c.control).parent());
        ASSERT_NE(frame, nullptr) << c.control;
        EXPECT_EQ(frame->title().toStdString(), c.caption);
    }
    for (const Caption& c : {Caption{"Label1", "TZ Help"}, Caption{"Label2", "ACS Atlas"}}) {
        EXPECT_EQ(Control<QLabel>(natal, c.control).text().toStdString(), c.caption);
        EXPECT_TRUE(Control<QLabel>(natal, c.control).isEnabled()) << c.control;
    }
}

}  // namespace
}  // namespace solvaris
