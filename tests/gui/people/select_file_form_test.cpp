// SelectFIle on a folder of the test's own: the pattern's files listed with
// the current file preselected, folders entered by a double click, Select
// or a double click on a file giving the full path, Cancel an empty one.
#include "gui/people/select_file_form.hpp"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include "gui/entry/entry_desk.hpp"
#include "support/scripted_platform.hpp"
#include "support/temp_folder.hpp"

namespace solvaris {
namespace {

using testing::Control;

QStringList Entries(QWidget& window, const char* name) {
    auto& list = Control<QListWidget>(window, name);
    QStringList entries;
    for (int row = 0; row < list.count(); ++row) {
        entries.append(list.item(row)->text());
    }
    return entries;
}

void DoubleClickEntry(QWidget& window, const char* name, const QString& entry) {
    auto& list = Control<QListWidget>(window, name);
    const QList<QListWidgetItem*> found = list.findItems(entry, Qt::MatchExactly);
    ASSERT_EQ(found.size(), 1) << entry.toStdString();
    const QPoint at = list.visualItemRect(found[0]).center();
    // A double click is a click and then the second press.
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(list.viewport(), Qt::LeftButton, {}, at);
}

struct Chooser {
    Chooser() {
        for (const char* file : {"b.fil", "NAMES.FIL", "GA_MA.LL", "notes.txt"}) {
            folder.Write(file, "x\r\n");
        }
        std::filesystem::create_directories(folder / "sub");
        folder.Write("sub/OTHER.FIL", "x\r\n");
    }
    testing::TempFolder folder;
    ScriptedPlatform platform;
};

TEST(SelectFileForm, ListsThePatternsFilesWithTheCurrentOneSelected) {
    Chooser c;
    struct Case {
        const char* pattern;
        std::string current;
        QStringList files;
        int selected;
    };
    const std::string here = c.folder.path().string();
    for (const Case& k : {Case{"*.FIL", here + "/NAMES.FIL", {"b.fil", "NAMES.FIL"}, 1},
                          Case{"*.FIL", here + "/names.fil", {"b.fil", "NAMES.FIL"}, 1},
                          Case{"*.FIL", here + "/GONE.FIL", {"b.fil", "NAMES.FIL"}, 0},
                          Case{"*.LL", here + "/NAMES.FIL", {"GA_MA.LL"}, 0},
                          Case{"*.ORB", here + "/NATAL.ORB", {}, -1}}) {
        SelectFileForm chooser(c.platform, k.pattern, k.current);
        EXPECT_EQ(chooser.objectName(), "SelectFIle");
        EXPECT_EQ(Entries(chooser, "lstFiles"), k.files) << k.pattern;
        EXPECT_EQ(Control<QListWidget>(chooser, "lstFiles").currentRow(), k.selected);
        EXPECT_EQ(Control<QPushButton>(chooser, "cmdSelect").isEnabled(), k.selected >= 0);
        EXPECT_EQ(Entries(chooser, "lstFolders"), (QStringList{"..", "sub"}));
        EXPECT_EQ(Control<QLabel>(chooser, "lblFolder").text().toStdString(), here);
        EXPECT_EQ(Control<QComboBox>(chooser, "lstDrives").itemText(0), "/");
    }
    EXPECT_TRUE(c.platform.Messages().empty());
}

TEST(SelectFileForm, SelectDoubleClickAndCancel) {
    Chooser c;
    const std::string here = c.folder.path().string();
    {
        SelectFileForm chooser(c.platform, "*.FIL", here + "/NAMES.FIL");
        chooser.show();
        testing::Click(chooser, "cmdSelect");
        EXPECT_EQ(chooser.result(), QDialog::Accepted);
        EXPECT_EQ(chooser.ChosenPath(), here + "/NAMES.FIL");
    }
    {
        SelectFileForm chooser(c.platform, "*.FIL", here + "/NAMES.FIL");
        chooser.show();
        DoubleClickEntry(chooser, "lstFolders", "sub");
        EXPECT_EQ(Entries(chooser, "lstFiles"), QStringList{"OTHER.FIL"});
        EXPECT_EQ(Control<QLabel>(chooser, "lblFolder").text().toStdString(), here + "/sub");
        DoubleClickEntry(chooser, "lstFolders", "..");
        EXPECT_EQ(Entries(chooser, "lstFiles"), (QStringList{"b.fil", "NAMES.FIL"}));
        DoubleClickEntry(chooser, "lstFiles", "b.fil");
        EXPECT_EQ(chooser.result(), QDialog::Accepted);
        EXPECT_EQ(chooser.ChosenPath(), here + "/b.fil");
    }
    {
        SelectFileForm chooser(c.platform, "*.FIL", here + "/NAMES.FIL");
        chooser.show();
        testing::Click(chooser, "cmdCancel");
        EXPECT_EQ(chooser.result(), QDialog::Rejected);
        EXPECT_EQ(chooser.ChosenPath(), "");
    }
    EXPECT_TRUE(c.platform.Messages().empty());
}

TEST(SelectFileForm, AFolderThatCannotBeReadIsSaidAndTheListStays) {
    Chooser c;
    const std::string here = c.folder.path().string();
    SelectFileForm chooser(c.platform, "*.FIL", here + "/NAMES.FIL");
    chooser.show();
    std::filesystem::remove_all(c.folder / "sub");
    DoubleClickEntry(chooser, "lstFolders", "sub");
    ASSERT_EQ(c.platform.Messages().size(), 1u);
    EXPECT_EQ(c.platform.Messages()[0].text, "The folder " + here + "/sub cannot be read.");
    EXPECT_EQ(Entries(chooser, "lstFiles"), (QStringList{"b.fil", "NAMES.FIL"}));
}

}  // namespace
}  // namespace solvaris
