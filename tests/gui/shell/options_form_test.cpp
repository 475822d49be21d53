// The Options window driven as a user does: an edited value saved, the
// master copy restored, a save that cannot write and a restore without the
// master said while the typed text stays, a missing file. The file rules
// hold their table in tests/app/settings_test.cpp.
#include "gui/shell/options_form.hpp"

#include <gtest/gtest.h>

#include <QPlainTextEdit>
#include <QPointer>
#include <QSignalSpy>

#include "support/window_desk.hpp"

namespace solvaris {
namespace {

using testing::Click;
using testing::OvertypeStart;
using testing::Shown;
using testing::WindowDesk;

TEST(OptionsForm, SaveRestoreQuitAndAMissingFileKeepFileTableAndTextInStep) {
    WindowDesk desk;
    QSignalSpy reloaded(&desk.workstation, &Workstation::optionsReloaded);
    const std::string master = desk.folder.Read("OPTIONS.MAS");
    QPointer<OptionsForm> form = OpenOptionsForm(desk.workstation);
    ASSERT_TRUE(form);
    EXPECT_EQ(form->windowTitle(), "Edit: OPTIONS.OPT");
    EXPECT_EQ(Shown(*form, "txtContent"), master);
    // Saved: the file and the option table take what was typed.
    const std::string typed = OvertypeStart(*form, "txtContent", "  12.5 ");
    Click(*form, "btnSave");
    EXPECT_EQ(desk.folder.Read("OPTIONS.OPT"), typed);
    EXPECT_FLOAT_EQ(desk.session.options(1), 12.5f);
    EXPECT_EQ(reloaded.count(), 1);
    // Restore default: the master copy in the file and in the window.
    Click(*form, "cmdRestoreDefault");
    EXPECT_EQ(desk.folder.Read("OPTIONS.OPT"), master);
    EXPECT_EQ(Shown(*form, "txtContent"), master);
    EXPECT_TRUE(desk.platform.Messages().empty());
    // A save that cannot write and a restore without the master say so;
    // nothing typed is lost to a fault, and the table stays.
    const std::string again = OvertypeStart(*form, "txtContent", "  14.5 ");
    std::filesystem::remove(desk.folder / "OPTIONS.OPT");
    std::filesystem::create_directories(desk.folder / "OPTIONS.OPT" / "keep");
    std::filesystem::remove(desk.folder / "OPTIONS.MAS");
    for (const auto& [button, said] : {std::pair{"btnSave", "OPTIONS.OPT"},
                                       {"cmdRestoreDefault", "Cannot do what is requested."}}) {
        desk.platform.ClearMessages();
        Click(*form, button);
        ASSERT_EQ(desk.platform.Messages().size(), 1u) << button;
        EXPECT_NE(desk.platform.Messages()[0].text.find(said), std::string::npos) << button;
        EXPECT_EQ(Shown(*form, "txtContent"), again) << button;
    }
    EXPECT_EQ(reloaded.count(), 1);
    EXPECT_FLOAT_EQ(desk.session.options(1), 12.5f);
    Click(*form, "btnQuit");
    testing::DiscardClosedWindows();
    EXPECT_FALSE(form);
    // A missing file opens nothing.
    desk.platform.ClearMessages();
    std::filesystem::remove_all(desk.folder / "OPTIONS.OPT");
    EXPECT_EQ(OpenOptionsForm(desk.workstation), nullptr);
    ASSERT_EQ(desk.platform.Messages().size(), 1u);
    EXPECT_EQ(desk.platform.Messages()[0].text, "File Not Found");
}

}  // namespace
}  // namespace solvaris
