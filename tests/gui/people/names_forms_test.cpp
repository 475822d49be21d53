// The names list and its editor. The names file's rules hold their table in
// tests/people/names_file_test.cpp.
#include <gtest/gtest.h>

#include <QCheckBox>

#include "gui/people/name_edit_form.hpp"
#include "gui/people/names_form.hpp"
#include "people/entry_rules.hpp"
#include "people/names_file.hpp"
#include "support/window_desk.hpp"

namespace solvaris {
namespace {

using testing::Click;
using testing::ClickLine;
using testing::Control;
using testing::EntryOf;
using testing::Lines;
using testing::WindowDesk;

constexpr const char* kTwoNames =
    "One,01 Jan 1901,1.00,A,0,000.00,00.00\r\nTwo,02 Feb 1902,2.30,P,-1,-002.20,48.52\r\n";

QListWidget& List(NamesForm& names) { return Control<QListWidget>(names, "NamesOnFile"); }

TEST(NamesForm, AClickOrKeyFillsEitherEntryAsTheCoreDoes) {
    WindowDesk desk({.entryWindows = true});
    NamesForm names(desk.workstation);
    names.show();
    const std::vector<std::string> lines = SplitLines(desk.folder.Read("NAMES.FIL"));
    ASSERT_EQ(List(names).count(), static_cast<int>(lines.size()));
    const auto expectFilledFrom = [&](std::size_t row) {
        NatalEntryWindow expected;
        const NameRecord record = *ParseNameLine(lines[row]);
        ASSERT_TRUE(FillNatalFromRecord(record, expected, DateOrder::MonthDayYear, desk.platform));
        EXPECT_EQ(EntryOf(desk.workstation.natalEntry), EntryOf(expected)) << record.name;
        EXPECT_EQ(testing::Showing(*desk.natal), EntryOf(expected)) << record.name;
    };
    ClickLine(List(names), static_cast<int>(lines.size() - 1));
    expectFilledFrom(lines.size() - 1);
    // InputD1 went back to the present moment.
    EXPECT_EQ(testing::Shown(*desk.diurnal, "txtDiurnalYear"), "2026");
    QTest::keyClick(&List(names), Qt::Key_Home);  // a key moves the selection too
    expectFilledFrom(0);
    EXPECT_TRUE(desk.platform.Messages().empty());

    // In second-person mode a click fills InputD1 and leaves InputD alone.
    Click(*desk.diurnal, "chk2ndPerson");
    const std::string natalBefore = EntryOf(desk.workstation.natalEntry);
    ClickLine(List(names), 1);
    DiurnalEntryWindow expected;
    const NameRecord record = *ParseNameLine(lines[1]);
    ASSERT_TRUE(FillDiurnalFromRecord(record, expected, DateOrder::MonthDayYear, desk.platform));
    EXPECT_EQ(testing::Showing(*desk.diurnal), EntryOf(expected));
    EXPECT_EQ(Control<QCheckBox>(*desk.diurnal, "chk2ndPerson").text().toStdString(), record.name);
    EXPECT_EQ(EntryOf(desk.workstation.natalEntry), natalBefore);
}

TEST(NamesForm, DoubleClickComputesTheGoldenChart) {
    WindowDesk desk({.goldenChart = false});
    const auto golden = ReadFileBytes(std::string(SOLVARIS_TEST_DATA_DIR) + "/reports/GOLDEN.FIL");
    ASSERT_TRUE(golden);
    desk.folder.Write("NAMES.FIL", *golden);
    NamesForm names(desk.workstation);
    names.show();
    ClickLine(List(names), "Golden New York", true);
    EXPECT_TRUE(desk.platform.Messages().empty());
    EXPECT_EQ(desk.dataWindow.text, testing::GoldenReport("new-york", "natal"));
}

TEST(NamesForm, ChangeListAndSaveToDiskReloadTheList) {
    WindowDesk desk({.entryWindows = true});
    NamesForm names(desk.workstation);
    names.show();
    const std::string other = desk.folder.Write("OTHER.FIL", kTwoNames).string();
    // The locked list keeps the person clicked when it loads again.
    Click(names, "Check1");
    testing::ClickLine(List(names), 5);
    Q_EMIT desk.workstation.namesSaved();
    EXPECT_EQ(List(names).currentRow(), 5);
    Click(names, "cmdNewFileList");  // cancelled: nothing changes
    EXPECT_EQ(List(names).count(), 8);
    desk.platform.QueueChosenFile(other);
    Click(names, "cmdNewFileList");
    EXPECT_EQ(Lines(List(names)), (std::vector<std::string>{"One", "Two"}));
    EXPECT_EQ(desk.session.settings.dataFile, other);
    // Save to disk of a name held in capitals: No keeps both, the new one selected.
    testing::TypeInto(*desk.natal, "txtName", "two");
    desk.platform.QueueAnswer(MessageAnswer::No);
    Click(*desk.natal, "cmdSave");
    EXPECT_EQ(desk.platform.Messages().size(), 1u);
    EXPECT_EQ(Lines(List(names)), (std::vector<std::string>{"One", "Two", "two"}));
    EXPECT_EQ(List(names).currentRow(), 2);
    // The ephemeris hides the entry windows and the list with them.
    Q_EMIT desk.workstation.entryWindowsHidden();
    EXPECT_FALSE(names.isVisible());
}

// A bad record at the end is said; the good ones are listed.
TEST(NamesForm, LockedListShowsAtMostTwelveEntriesAboveTheSelection) {
    WindowDesk desk;
    std::string file;
    for (int i = 0; i < 100; ++i) {
        file += "Person " + std::to_string(i) + ",01 Jan 1950,1.00,A,0,000.00,00.00\r\n";
    }
    desk.folder.Write("NAMES.FIL", file + "B,1,2\r\n");
    NamesForm names(desk.workstation);
    names.resize(320, 420);
    names.show();
    EXPECT_EQ(testing::Said(desk.platform).rfind("You have an error in the current names file.", 0),
              0u);
    QListWidget& list = List(names);
    ASSERT_EQ(list.count(), 100);
    const auto topRow = [&list]() { return list.indexAt(QPoint(4, 4)).row(); };
    ASSERT_GE(list.viewport()->height() / list.visualItemRect(list.item(0)).height(), 13);
    struct Case {
        bool locked;
        int remembered;
        int selected;
        int top;  // -1: as far down as the list goes
    };
    for (const Case& c : {Case{false, 30, -1, 0}, Case{true, 30, 30, 18}, Case{true, 12, 12, 0},
                          Case{true, 13, 13, 1}, Case{true, 99, 99, -1}}) {
        SCOPED_TRACE(c.remembered);
        desk.workstation.names.lockList = c.locked;
        desk.workstation.names.rememberedIndex = c.remembered;
        names.LoadList();
        EXPECT_EQ(list.currentRow(), c.selected);
        if (c.top >= 0) {
            EXPECT_EQ(topRow(), c.top);
        } else {
            EXPECT_TRUE(list.viewport()->rect().contains(list.visualItemRect(list.item(99))));
            EXPECT_GT(topRow(), 0);
        }
    }
}

// Saved and quit first; the list passes over a blank line.
TEST(NameEditForm, ARefusedOrFailedSaveSaysSoAndKeepsTheText) {
    WindowDesk desk;
    const std::string file = desk.folder.Write("TWO.FIL", kTwoNames).string();
    desk.workstation.names.currentFile = file;
    NamesForm names(desk.workstation);
    names.show();
    Click(names, "cmdEditList");
    auto* editor = &Control<NameEditForm>(names, "NameEdit");
    EXPECT_EQ(editor->windowTitle().toStdString(), "Edit: " + file);
    EXPECT_EQ(testing::Shown(*editor, "txtContent"), kTwoNames);
    auto* text = &Control<QPlainTextEdit>(*editor, "txtContent");
    text->moveCursor(QTextCursor::End);
    // A blank line after it stays in the file; the list passes over it.
    text->insertPlainText("Three,03 Mar 1903,3.00,A,0,000.00,00.00\n\n");
    Click(*editor, "btnSave");
    const std::string saved =
        std::string(kTwoNames) + "Three,03 Mar 1903,3.00,A,0,000.00,00.00\r\n\r\n";
    EXPECT_EQ(desk.folder.Read("TWO.FIL"), saved);
    Click(names, "cmdEditList");  // the open editor comes forward, no second one
    EXPECT_EQ(names.findChildren<NameEditForm*>().size(), 1);
    Click(*editor, "btnQuit");
    EXPECT_EQ(Lines(List(names)), (std::vector<std::string>{"One", "Two", "Three"}));

    Click(names, "cmdEditList");
    editor = &Control<NameEditForm>(names, "NameEdit");
    text = &Control<QPlainTextEdit>(*editor, "txtContent");
    // A comma in a name would shift every later record: refused, file kept.
    text->setPlainText("Smith, Jo,01 Jan 1901,1.00,A,0,000.00,00.00\n");
    Click(*editor, "btnSave");
    EXPECT_NE(testing::Said(desk.platform).find("comma"), std::string::npos);
    EXPECT_EQ(desk.folder.Read("TWO.FIL"), saved);
    // The folder goes away under the editor: nowhere to write.
    text->setPlainText("Edited,01 Jan 1901,1.00,A,0,000.00,00.00\n");
    std::filesystem::remove_all(desk.folder.path());
    Click(*editor, "btnSave");
    ASSERT_EQ(desk.platform.Messages().size(), 2u);
    EXPECT_EQ(desk.platform.Messages()[1].title, "Error!");
    EXPECT_EQ(desk.platform.Messages()[1].text.rfind("The names file was not saved: ", 0), 0u);
    EXPECT_EQ(text->toPlainText(), "Edited,01 Jan 1901,1.00,A,0,000.00,00.00\n");
}

}  // namespace
}  // namespace solvaris
