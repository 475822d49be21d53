// SelectFIle on a folder of the test's own, clicked as a user does. Listing
// and preselection hold their table in tests/people/file_choice_test.cpp.
#include "gui/platform/select_file_form.hpp"

#include <gtest/gtest.h>

#include <QLabel>

#include "support/temp_folder.hpp"
#include "support/window_desk.hpp"

namespace solvaris {
namespace {

using testing::Control;
using testing::Lines;

QListWidget& List(QWidget& chooser, const char* name) {
    return Control<QListWidget>(chooser, name);
}

TEST(SelectFileForm, SelectDoubleClickCancelAndAnUnreadableFolder) {
    testing::TempFolder folder;
    for (const char* file : {"b.fil", "NAMES.FIL", "GA_MA.LL", "sub/OTHER.FIL"}) {
        std::filesystem::create_directories(folder / "sub");
        folder.Write(file, "x\r\n");
    }
    ScriptedPlatform platform;
    const std::string here = folder.path().string();
    const std::vector<std::string> files = {"b.fil", "NAMES.FIL"};
    {
        SelectFileForm chooser(platform, "*.FIL", here + "/names.fil");
        chooser.show();
        EXPECT_EQ(Lines(List(chooser, "lstFiles")), files);
        EXPECT_EQ(Lines(List(chooser, "lstFolders")), (std::vector<std::string>{"..", "sub"}));
        EXPECT_EQ(List(chooser, "lstFiles").currentRow(), 1);
        testing::Click(chooser, "cmdSelect");
        EXPECT_EQ(chooser.result(), QDialog::Accepted);
        EXPECT_EQ(chooser.ChosenPath(), here + "/NAMES.FIL");
    }
    {
        SelectFileForm chooser(platform, "*.FIL", here + "/NAMES.FIL");
        chooser.show();
        testing::ClickLine(List(chooser, "lstFolders"), "sub", true);
        EXPECT_EQ(Lines(List(chooser, "lstFiles")), std::vector<std::string>{"OTHER.FIL"});
        EXPECT_EQ(Control<QLabel>(chooser, "lblFolder").text().toStdString(), here + "/sub");
        testing::ClickLine(List(chooser, "lstFolders"), "..", true);
        EXPECT_EQ(Lines(List(chooser, "lstFiles")), files);
        testing::ClickLine(List(chooser, "lstFiles"), "b.fil", true);
        EXPECT_EQ(chooser.result(), QDialog::Accepted);
        EXPECT_EQ(chooser.ChosenPath(), here + "/b.fil");
    }
    {
        SelectFileForm chooser(platform, "*.FIL", here + "/NAMES.FIL");
        chooser.show();
        testing::Click(chooser, "cmdCancel");
        EXPECT_EQ(chooser.result(), QDialog::Rejected);
        EXPECT_EQ(chooser.ChosenPath(), "");
    }
    EXPECT_TRUE(platform.Messages().empty());
    SelectFileForm chooser(platform, "*.FIL", here + "/NAMES.FIL");
    chooser.show();
    std::filesystem::remove_all(folder / "sub");
    testing::ClickLine(List(chooser, "lstFolders"), "sub", true);
    ASSERT_EQ(platform.Messages().size(), 1u);
    EXPECT_EQ(platform.Messages()[0].text, "The folder " + here + "/sub cannot be read.");
    EXPECT_EQ(Lines(List(chooser, "lstFiles")), files);
}

}  // namespace
}  // namespace solvaris
