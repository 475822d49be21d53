// The names text's rules hold their table in tests/people/names_file_test.cpp.
#include "gui/people/name_edit_form.hpp"

#include <gtest/gtest.h>

#include "gui/people/names_form.hpp"
#include "support/window_desk.hpp"

namespace solvaris {
namespace {

using testing::Click;
using testing::Control;
using testing::Lines;

constexpr const char* kTwoNames =
    "One,01 Jan 1901,1.00,A,0,000.00,00.00\r\nTwo,02 Feb 1902,2.30,P,-1,-002.20,48.52\r\n";

TEST(NameEditForm, SaveAndQuitRoundTripTheFile) {
    for (const bool fileThere : {true, false}) {
        SCOPED_TRACE(fileThere ? "file there" : "no file yet");
        testing::WindowDesk desk;
        const std::string file = (desk.folder / "TWO.FIL").string();
        desk.folder.Write("TWO.FIL", kTwoNames);
        desk.workstation.names.currentFile = file;
        NamesForm names(desk.workstation);
        names.show();
        if (!fileThere) {
            std::filesystem::remove(file);
        }
        Click(names, "cmdEditList");
        auto& editor = Control<NameEditForm>(names, "NameEdit");
        EXPECT_EQ(editor.windowTitle().toStdString(), "Edit: " + file);
        EXPECT_EQ(testing::Shown(editor, "txtContent"), fileThere ? kTwoNames : "");
        auto& text = Control<QPlainTextEdit>(editor, "txtContent");
        text.moveCursor(QTextCursor::End);
        // A blank line after it stays in the file; the list passes over it.
        text.insertPlainText("Three,03 Mar 1903,3.00,A,0,000.00,00.00\n\n");
        Click(editor, "btnSave");
        EXPECT_TRUE(desk.platform.Messages().empty());
        const std::string saved = std::string(fileThere ? kTwoNames : "") +
                                  "Three,03 Mar 1903,3.00,A,0,000.00,00.00\r\n\r\n";
        EXPECT_EQ(desk.folder.Read("TWO.FIL"), saved);
        Click(names, "cmdEditList");  // the open editor comes forward, no second one
        EXPECT_EQ(names.findChildren<NameEditForm*>().size(), 1);
        Click(editor, "btnQuit");
        EXPECT_EQ(Lines(Control<QListWidget>(names, "NamesOnFile")),
                  fileThere ? (std::vector<std::string>{"One", "Two", "Three"})
                            : std::vector<std::string>{"Three"});
    }
}

TEST(NameEditForm, ARefusedOrFailedSaveSaysSoAndKeepsTheText) {
    testing::WindowDesk desk;
    desk.folder.Write("TWO.FIL", kTwoNames);
    desk.workstation.names.currentFile = (desk.folder / "TWO.FIL").string();
    NamesForm names(desk.workstation);
    Click(names, "cmdEditList");
    auto& editor = Control<NameEditForm>(names, "NameEdit");
    auto& text = Control<QPlainTextEdit>(editor, "txtContent");
    // A comma in a name would shift every later record: refused, file kept.
    text.setPlainText("Smith, Jo,01 Jan 1901,1.00,A,0,000.00,00.00\n");
    Click(editor, "btnSave");
    ASSERT_EQ(desk.platform.Messages().size(), 1u);
    EXPECT_NE(desk.platform.Messages()[0].text.find("comma"), std::string::npos);
    EXPECT_EQ(desk.folder.Read("TWO.FIL"), kTwoNames);
    desk.platform.ClearMessages();
    // The folder goes away under the editor: nowhere to write.
    text.setPlainText("Edited,01 Jan 1901,1.00,A,0,000.00,00.00\n");
    std::filesystem::remove_all(desk.folder.path());
    Click(editor, "btnSave");
    ASSERT_EQ(desk.platform.Messages().size(), 1u);
    EXPECT_EQ(desk.platform.Messages()[0].title, "Error!");
    EXPECT_EQ(desk.platform.Messages()[0].text.rfind("The names file was not saved: ", 0), 0u);
    EXPECT_EQ(text.toPlainText(), "Edited,01 Jan 1901,1.00,A,0,000.00,00.00\n");
}

}  // namespace
}  // namespace solvaris
