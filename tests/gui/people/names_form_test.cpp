// Names driven with the mouse and the keys: a click or an arrow key fills
// InputD (or InputD1 in second-person mode) as the core's fill does, a
// double click computes the
// golden chart, Change List and Save to disk reload the list, the locked
// list scrolls with at most 12 entries above its selection, and every
// message of the names list is shown.
#include "gui/people/names_form.hpp"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QRadioButton>
#include <QSignalSpy>

#include "base/text_lines.hpp"
#include "gui/people/names_desk.hpp"
#include "people/entry_rules.hpp"
#include "people/names_file.hpp"

namespace solvaris {
namespace {

using testing::Click;
using testing::Control;
using testing::NamesDesk;
using testing::Shown;

constexpr const char* kListError =
    "You have an error in the current names file. You need to check and see if you have "
    "entered the data correctly and in the proper amount. Please correct the data by "
    "clicking on the Edit this List command button in the Names window and edit the "
    "incorrect data.";
constexpr const char* kRecordError =
    "Format error or typographical error in selected data. Please correct this data entry "
    "by clicking on the Edit this List command button in the Names window and editing the "
    "data associated with your chosen name.";

std::vector<std::string> FieldsOf(const NatalEntryWindow& w) {
    return {w.txtName,
            w.txtMonth,
            w.txtDay,
            w.txtYear,
            w.txtBirthHour,
            w.txtBirthMinute,
            w.optPM ? "PM" : "AM",
            w.txtTZ,
            w.txtLongDeg,
            w.txtLongMin,
            w.optEast ? "E" : "W",
            w.txtLatDeg,
            w.txtLatMin,
            w.optSouth ? "S" : "N"};
}

std::vector<std::string> FieldsOf(const DiurnalEntryWindow& w) {
    return {w.chk2ndPersonCaption,
            w.txtDiurnalMonth,
            w.txtDiurnalDay,
            w.txtDiurnalYear,
            w.txtDiurnalHour,
            w.txtDiurnalMinute,
            w.optDiurnalPM ? "PM" : "AM",
            w.txtDiurnalTZ,
            w.txtDiurnalLongDeg,
            w.txtDiurnalLongMin,
            w.optDiurnalEast ? "E" : "W",
            w.txtDiurnalLatDeg,
            w.txtDiurnalLatMin,
            w.optDiurnalSouth ? "S" : "N"};
}

std::vector<std::string> ShippedLines() { return SplitLines(testing::ShippedNamesFile()); }

TEST(NamesForm, AClickOnEveryShippedNameFillsInputDAsTheCoreDoes) {
    NamesDesk d(testing::ShippedNamesFile());
    const std::vector<std::string> lines = ShippedLines();
    ASSERT_EQ(d.List().count(), static_cast<int>(lines.size()));
    for (std::size_t row = 0; row < lines.size(); ++row) {
        const NameRecord record = *ParseNameLine(lines[row]);
        EXPECT_EQ(d.List().item(static_cast<int>(row))->text().toStdString(), record.name);
        d.ClickRow(static_cast<int>(row));
        NatalEntryWindow expected;
        ASSERT_TRUE(
            FillNatalFromRecord(record, expected, DateOrder::MonthDayYear, d.desk.platform));
        EXPECT_EQ(FieldsOf(d.desk.workstation.natalEntry), FieldsOf(expected)) << record.name;
        // InputD shows it, and InputD1 went back to the present moment.
        EXPECT_EQ(Shown(d.natal, "txtName"), record.name);
        EXPECT_EQ(Shown(d.natal, "txtLongDeg"), expected.txtLongDeg) << record.name;
        EXPECT_EQ(Control<QRadioButton>(d.natal, "optEast").isChecked(), expected.optEast);
        EXPECT_EQ(Shown(d.diurnal, "txtDiurnalYear"), "2026");
    }
    // The keys that move the selection fill InputD as a click does.
    d.ClickRow(0);
    const struct {
        Qt::Key key;
        std::size_t row;
    } keys[] = {{Qt::Key_Down, 1},
                {Qt::Key_End, lines.size() - 1},
                {Qt::Key_Up, lines.size() - 2},
                {Qt::Key_Home, 0}};
    for (const auto& k : keys) {
        QTest::keyClick(&d.List(), k.key);
        EXPECT_EQ(Shown(d.natal, "txtName"), ParseNameLine(lines[k.row])->name) << k.row;
    }
    EXPECT_TRUE(d.desk.platform.Messages().empty());
}

TEST(NamesForm, SecondPersonClickFillsInputD1AndLeavesInputDAlone) {
    NamesDesk d(testing::ShippedNamesFile());
    Click(d.diurnal, "chk2ndPerson");
    ASSERT_TRUE(d.desk.workstation.diurnalEntry.chk2ndPerson);
    const std::vector<std::string> before = FieldsOf(d.desk.workstation.natalEntry);
    d.ClickRow(1);
    const NameRecord record = *ParseNameLine(ShippedLines()[1]);
    DiurnalEntryWindow expected;
    ASSERT_TRUE(FillDiurnalFromRecord(record, expected, DateOrder::MonthDayYear, d.desk.platform));
    EXPECT_EQ(FieldsOf(d.desk.workstation.diurnalEntry), FieldsOf(expected));
    EXPECT_EQ(Control<QCheckBox>(d.diurnal, "chk2ndPerson").text().toStdString(),
              "Sample Person Sydney");
    EXPECT_EQ(Shown(d.diurnal, "txtDiurnalTZ"), "-10");
    EXPECT_EQ(FieldsOf(d.desk.workstation.natalEntry), before);
}

TEST(NamesForm, DoubleClickComputesTheGoldenChart) {
    const auto golden = ReadFileBytes(std::string(SOLVARIS_TEST_DATA_DIR) + "/reports/GOLDEN.FIL");
    ASSERT_TRUE(golden);
    NamesDesk d(*golden);
    ASSERT_EQ(d.List().item(0)->text(), "Golden New York");
    d.ClickRow(0, true);
    EXPECT_TRUE(d.desk.platform.Messages().empty());
    EXPECT_EQ(d.desk.dataWindow.text, testing::GoldenReport("new-york", "natal"));
}

TEST(NamesForm, ChangeListAndSaveToDiskReloadTheList) {
    NamesDesk d(testing::ShippedNamesFile());
    const std::string other = d.folder
                                  .Write("OTHER.FIL",
                                         "One,01 Jan 1901,1.00,A,0,000.00,00.00\r\n"
                                         "Two,02 Feb 1902,2.30,P,-1,-002.20,48.52\r\n")
                                  .string();
    Click(d.names, "Check1");
    EXPECT_TRUE(d.desk.workstation.names.lockList);
    d.ClickRow(5);
    EXPECT_EQ(d.desk.workstation.names.rememberedIndex, 5);

    // A cancelled chooser changes nothing; a chosen file is listed from the top.
    Click(d.names, "cmdNewFileList");
    EXPECT_EQ(d.List().count(), 8);
    d.desk.platform.QueueChosenFile(other);
    Click(d.names, "cmdNewFileList");
    EXPECT_EQ(d.Listed(), (QStringList{"One", "Two"}));
    EXPECT_EQ(d.List().currentRow(), 0);
    EXPECT_EQ(d.desk.session.settings.dataFile, other);

    // Save to disk of a name held in capitals: No keeps both, and the list
    // shows the new entry selected.
    testing::TypeInto(d.natal, "txtName", "two");
    d.desk.platform.QueueAnswer(MessageAnswer::No);
    Click(d.natal, "cmdSave");
    ASSERT_EQ(d.desk.platform.Messages().size(), 1u);
    EXPECT_EQ(d.desk.platform.Messages()[0].title, "Two already exists");
    EXPECT_EQ(d.Listed(), (QStringList{"One", "Two", "two"}));
    EXPECT_EQ(d.List().currentRow(), 2);
    EXPECT_TRUE(std::filesystem::exists(d.folder / "OTHER.OLD"));
}

TEST(NamesForm, LockedListShowsAtMostTwelveEntriesAboveTheSelection) {
    constexpr int kPersons = 100;
    std::string file;
    for (int i = 0; i < kPersons; ++i) {
        file += "Person " + std::to_string(i) + ",01 Jan 1950,1.00,A,0,000.00,00.00\r\n";
    }
    struct Case {
        bool locked;
        int remembered;
        int selected;
        int top;  // -1: as far down as the list goes
    };
    for (const Case& c : {Case{true, 30, 30, 18}, Case{true, 5, 5, 0}, Case{true, 12, 12, 0},
                          Case{true, 13, 13, 1}, Case{true, 0, 0, 0}, Case{true, 99, 99, -1},
                          Case{false, 30, -1, 0}, Case{true, kPersons, -1, 0}}) {
        NamesDesk d(file);
        ASSERT_GE(d.RowsShown(), 13);
        ASSERT_LE(d.RowsShown(), 40);
        d.desk.workstation.names.lockList = c.locked;
        d.desk.workstation.names.rememberedIndex = c.remembered;
        d.names.LoadList();
        EXPECT_EQ(d.List().currentRow(), c.selected) << c.remembered;
        if (c.top >= 0) {
            EXPECT_EQ(d.TopRow(), c.top) << c.remembered;
        } else {
            EXPECT_TRUE(d.RowShown(c.remembered));
            EXPECT_GT(d.TopRow(), 0);
        }
    }
}

TEST(NamesForm, EveryMessageOfTheList) {
    struct Case {
        const char* what;
        const char* file;
        int clickedRow;  // -1: no click
        const char* message;
        int listed;
    };
    const Case cases[] = {
        {"short last record", "A,05 Dec 1950,7.45,P,5,074.00,40.43\r\nB,1,2\r\n", -1, kListError,
         1},
        {"no file", nullptr, -1, kListError, 0},
        {"bad date", "Bad,31 Foo 1950,7.45,P,5,074.00,40.43\r\n", 0, kRecordError, 1},
        {"bad longitude", "Bad,05 Dec 1950,7.45,P,5,east,40.43\r\n", 0, kRecordError, 1},
    };
    for (const Case& c : cases) {
        NamesDesk d(c.file != nullptr ? c.file : "");
        if (c.file == nullptr) {
            std::filesystem::remove(d.file);
        }
        d.desk.platform.ClearMessages();
        if (c.clickedRow >= 0) {
            d.ClickRow(c.clickedRow);
        } else {
            d.names.LoadList();
        }
        ASSERT_EQ(d.desk.platform.Messages().size(), 1u) << c.what;
        EXPECT_EQ(d.desk.platform.Messages()[0].text, c.message) << c.what;
        EXPECT_EQ(d.desk.platform.Messages()[0].title, "Error!") << c.what;
        EXPECT_EQ(d.desk.platform.Messages()[0].icon, MessageIcon::Critical) << c.what;
        EXPECT_EQ(d.List().count(), c.listed) << c.what;
    }
    // The comma refusal of Save to disk leaves file and list as they were.
    NamesDesk d(testing::ShippedNamesFile());
    testing::TypeInto(d.natal, "txtName", "Doe, Jane");
    Click(d.natal, "cmdSave");
    ASSERT_EQ(d.desk.platform.Messages().size(), 1u);
    EXPECT_EQ(d.desk.platform.Messages()[0].text,
              "You cannot have a comma in the name. Please remove the comma and try again.");
    EXPECT_EQ(d.folder.Read("NAMES.FIL"), testing::ShippedNamesFile());
    EXPECT_EQ(d.List().count(), 8);
}

TEST(NamesForm, CitiesButtonClosesTheWindowAndAsksForTheCities) {
    NamesDesk d(testing::ShippedNamesFile());
    // The ephemeris hides the entry windows and the list with them.
    Q_EMIT d.desk.workstation.entryWindowsHidden();
    EXPECT_FALSE(d.names.isVisible());
    d.names.show();
    QSignalSpy asked(&d.names, &NamesForm::citiesRequested);
    Click(d.names, "Command1");
    EXPECT_EQ(asked.count(), 1);
    EXPECT_FALSE(d.names.isVisible());
}

}  // namespace
}  // namespace solvaris
