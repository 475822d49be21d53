// The Options window driven as a user does: an edited value saved and seen
// again, the master copy restored, a save that cannot write and a restore
// without the master said while the typed text stays, a missing file. The
// file rules hold their table in tests/app/settings_test.cpp.
#include "gui/shell/options_form.hpp"

#include <gtest/gtest.h>

#include <QPlainTextEdit>
#include <QPointer>
#include <QSignalSpy>

#include "support/window_desk.hpp"

namespace solvaris {
namespace {

using testing::Click;
using testing::TextShown;
using testing::WindowDesk;

TEST(OptionsForm, SaveRestoreAndQuitKeepFileTableAndTextInStep) {
    enum class Fault { None, UnwritableFile, NoMaster };
    const struct {
        const char* what;
        Fault fault;
        bool restore;            // Restore default after the save
        float firstOptionAfter;  // option 1, the conjunction's orb, at the end
        const char* message;     // nullptr: none
    } cases[] = {
        {"save, then reopen", Fault::None, false, 12.5f, nullptr},
        {"save, restore default, quit", Fault::None, true, 12.5f, nullptr},
        {"save that cannot write", Fault::UnwritableFile, false, 8.0f, "OPTIONS.OPT"},
        {"restore without the master", Fault::NoMaster, true, 12.5f,
         "Error in operation. Cannot do what is requested."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        WindowDesk desk;
        QSignalSpy reloaded(&desk.workstation, &Workstation::optionsReloaded);
        const std::string master = desk.folder.Read("OPTIONS.MAS");
        QPointer<OptionsForm> form = OpenOptionsForm(desk.workstation);
        ASSERT_TRUE(form);
        EXPECT_EQ(form->windowTitle(), "Edit: OPTIONS.OPT");
        EXPECT_EQ(TextShown(*form, "txtContent"), master);
        // The first option's seven value columns overtyped.
        auto& text = testing::Control<QPlainTextEdit>(*form, "txtContent");
        QTest::keyClick(&text, Qt::Key_Home, Qt::ControlModifier);
        for (int i = 0; i < 7; ++i) {
            QTest::keyClick(&text, Qt::Key_Delete);
        }
        QTest::keyClicks(&text, "  12.5 ");
        const std::string typed = TextShown(*form, "txtContent");
        if (c.fault == Fault::UnwritableFile) {
            std::filesystem::remove(desk.folder / "OPTIONS.OPT");
            std::filesystem::create_directory(desk.folder / "OPTIONS.OPT");
            desk.folder.Write("OPTIONS.OPT/keep", "x");
        }
        if (c.fault == Fault::NoMaster) {
            std::filesystem::remove(desk.folder / "OPTIONS.MAS");
        }
        Click(*form, "btnSave");
        EXPECT_EQ(reloaded.count(), c.fault == Fault::UnwritableFile ? 0 : 1);
        if (c.restore) {
            Click(*form, "cmdRestoreDefault");
        }
        const bool restored = c.restore && c.fault != Fault::NoMaster;
        // Whatever the save or the restore did, the window shows the text
        // that holds: nothing typed is lost to a fault.
        EXPECT_EQ(TextShown(*form, "txtContent"), restored ? master : typed);
        ASSERT_EQ(desk.platform.Messages().size(), c.message ? 1u : 0u);
        if (c.message != nullptr) {
            EXPECT_NE(desk.platform.Messages()[0].text.find(c.message), std::string::npos);
        }
        Click(*form, "btnQuit");
        testing::DiscardClosedWindows();
        EXPECT_FALSE(form);
        EXPECT_FLOAT_EQ(desk.session.options(1), c.firstOptionAfter);
        if (c.fault == Fault::UnwritableFile) {
            continue;
        }
        // Reopened, the window shows the file character for character.
        QPointer<OptionsForm> again = OpenOptionsForm(desk.workstation);
        ASSERT_TRUE(again);
        EXPECT_EQ(TextShown(*again, "txtContent"), restored ? master : typed);
        EXPECT_EQ(desk.folder.Read("OPTIONS.OPT"), restored ? master : typed);
        delete again.data();
    }
}

TEST(OptionsForm, AMissingFileOpensNothing) {
    WindowDesk desk;
    std::filesystem::remove(desk.folder / "OPTIONS.OPT");
    EXPECT_EQ(OpenOptionsForm(desk.workstation), nullptr);
    ASSERT_EQ(desk.platform.Messages().size(), 1u);
    EXPECT_EQ(desk.platform.Messages()[0].text, "File Not Found");
}

}  // namespace
}  // namespace solvaris
