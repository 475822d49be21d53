// NameEdit opened from Names: the file's text with its caption and hint,
// Save writing it back with CR LF line ends, Quit reloading the list, and a
// failed save saying so while the text stays in the window.
#include "gui/people/name_edit_form.hpp"

#include <gtest/gtest.h>

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

#include "gui/people/names_desk.hpp"

namespace solvaris {
namespace {

using testing::Click;
using testing::Control;
using testing::NamesDesk;

constexpr const char* kTwoNames =
    "One,01 Jan 1901,1.00,A,0,000.00,00.00\r\nTwo,02 Feb 1902,2.30,P,-1,-002.20,48.52\r\n";

QWidget& OpenEditor(NamesDesk& d) {
    Click(d.names, "cmdEditList");
    auto* editor = d.names.findChild<QWidget*>(QStringLiteral("NameEdit"));
    if (editor == nullptr) {
        ADD_FAILURE() << "no NameEdit";
        throw std::runtime_error("NameEdit");
    }
    return *editor;
}

TEST(NameEditForm, SaveAndQuitRoundTripTheFile) {
    struct Case {
        const char* what;
        const char* typedAtEnd;  // typed after the last character of the text
        const char* file;        // the file after Save
        QStringList listed;      // the names list after Quit
    };
    const Case cases[] = {
        {"unchanged", "", kTwoNames, {"One", "Two"}},
        {"a name added",
         "Three,03 Mar 1903,3.00,A,0,000.00,00.00",
         "One,01 Jan 1901,1.00,A,0,000.00,00.00\r\nTwo,02 Feb 1902,2.30,P,-1,-002.20,48.52\r\n"
         "Three,03 Mar 1903,3.00,A,0,000.00,00.00\r\n",
         {"One", "Two", "Three"}},
        // Only the last line break goes; the blank lines stay, and the list
        // passes over them.
        {"blank lines at the end",
         "\n\n",
         "One,01 Jan 1901,1.00,A,0,000.00,00.00\r\n"
         "Two,02 Feb 1902,2.30,P,-1,-002.20,48.52\r\n\r\n\r\n",
         {"One", "Two"}},
    };
    for (const Case& c : cases) {
        NamesDesk d(kTwoNames);
        QWidget& editor = OpenEditor(d);
        EXPECT_EQ(editor.windowTitle().toStdString(), "Edit: " + d.file);
        EXPECT_EQ(Control<QLabel>(editor, "lblHint").text(),
                  "Ctrl-C to copy.  Ctrl-X to cut.  Ctrl-V to paste.");
        auto& text = Control<QPlainTextEdit>(editor, "txtContent");
        EXPECT_EQ(text.toPlainText(), QString(kTwoNames).replace("\r\n", "\n")) << c.what;
        text.moveCursor(QTextCursor::End);
        text.insertPlainText(c.typedAtEnd);
        Click(editor, "btnSave");
        EXPECT_TRUE(d.desk.platform.Messages().empty()) << c.what;
        EXPECT_EQ(d.folder.Read("NAMES.FIL"), c.file) << c.what;
        EXPECT_EQ(d.Listed(), QStringList({"One", "Two"})) << c.what;  // not before Quit
        Click(d.names, "cmdEditList");  // the open editor comes forward, no second one
        EXPECT_EQ(d.names.findChildren<NameEditForm*>().size(), 1) << c.what;
        Click(editor, "btnQuit");
        EXPECT_EQ(d.Listed(), c.listed) << c.what;
    }
}

TEST(NameEditForm, AFailedSaveSaysSoAndKeepsTheText) {
    NamesDesk d(kTwoNames);
    QWidget& editor = OpenEditor(d);
    auto& text = Control<QPlainTextEdit>(editor, "txtContent");
    // A comma in a name would shift every later record: refused, file kept.
    text.setPlainText("Smith, Jo,01 Jan 1901,1.00,A,0,000.00,00.00\n");
    Click(editor, "btnSave");
    ASSERT_EQ(d.desk.platform.Messages().size(), 1u);
    EXPECT_EQ(d.desk.platform.Messages()[0].title, "Warning!");
    EXPECT_NE(d.desk.platform.Messages()[0].text.find("comma"), std::string::npos);
    EXPECT_EQ(d.folder.Read("NAMES.FIL"), kTwoNames);
    d.desk.platform.ClearMessages();
    text.setPlainText("Edited,01 Jan 1901,1.00,A,0,000.00,00.00\n");
    // The folder goes away under the editor: nowhere to write.
    std::filesystem::remove_all(d.folder.path());
    Click(editor, "btnSave");
    ASSERT_EQ(d.desk.platform.Messages().size(), 1u);
    const ShownMessage& shown = d.desk.platform.Messages()[0];
    EXPECT_EQ(shown.title, "Error!");
    EXPECT_EQ(shown.icon, MessageIcon::Critical);
    EXPECT_EQ(shown.text.rfind("The names file was not saved: ", 0), 0u) << shown.text;
    EXPECT_TRUE(editor.isVisible());
    EXPECT_EQ(text.toPlainText(), "Edited,01 Jan 1901,1.00,A,0,000.00,00.00\n");
}

TEST(NameEditForm, AFileNotThereYetOpensEmptyAndSaveCreatesIt) {
    NamesDesk d(kTwoNames);
    std::filesystem::remove(d.file);
    QWidget& editor = OpenEditor(d);
    auto& text = Control<QPlainTextEdit>(editor, "txtContent");
    EXPECT_TRUE(text.toPlainText().isEmpty());
    text.setPlainText("New,01 Jan 1901,1.00,A,0,000.00,00.00");
    Click(editor, "btnSave");
    EXPECT_EQ(d.folder.Read("NAMES.FIL"), "New,01 Jan 1901,1.00,A,0,000.00,00.00\r\n");
}

}  // namespace
}  // namespace solvaris
