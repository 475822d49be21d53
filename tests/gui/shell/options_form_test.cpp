// The Options window driven as a user does: an edited value saved and seen
// again, the master copy restored, a save that cannot write, a missing file.
#include "gui/shell/options_form.hpp"

#include <gtest/gtest.h>

#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <filesystem>

#include "base/program_folder.hpp"
#include "gui/shell/workstation.hpp"
#include "gui/support/golden_session.hpp"
#include "support/scripted_platform.hpp"
#include "support/temp_folder.hpp"

namespace solvaris {
namespace {

// The conjunction's orb, the first line of the shipped file.
constexpr int kFirstOption = 1;

struct OptionsDesk {
    OptionsDesk() {
        testing::OpenShippedSession(session);
        for (const char* name : {"OPTIONS.OPT", "OPTIONS.MAS"}) {
            std::filesystem::copy_file(session.folder / name, folder / name);
        }
        session.folder = folder.path();
        reloaded = std::make_unique<QSignalSpy>(&workstation, &Workstation::optionsReloaded);
    }
    QPointer<OptionsForm> Open() { return OpenOptionsForm(workstation); }
    static QPlainTextEdit* Text(QWidget* form) {
        return form->findChild<QPlainTextEdit*>("txtContent");
    }
    static std::string Shown(QWidget* form) {
        return Text(form)->toPlainText().replace("\n", "\r\n").toStdString();
    }
    static void Click(QWidget* form, const char* button) {
        QTest::mouseClick(form->findChild<QPushButton*>(button), Qt::LeftButton);
    }
    // The first option's seven value columns overtyped.
    static void TypeFirstValue(QWidget* form, const char* value) {
        QPlainTextEdit* text = Text(form);
        QTest::keyClick(text, Qt::Key_Home, Qt::ControlModifier);
        for (int i = 0; i < 7; ++i) {
            QTest::keyClick(text, Qt::Key_Delete);
        }
        QTest::keyClicks(text, value);
    }

    testing::TempFolder folder;
    Session session;
    ScriptedPlatform platform;
    Workstation workstation{session, platform};
    std::unique_ptr<QSignalSpy> reloaded;
};

TEST(OptionsForm, SaveRestoreAndQuitKeepFileTableAndTextInStep) {
    const struct {
        const char* what;
        bool restoreDefault;     // Restore default after the save
        bool unwritable;         // OPTIONS.OPT replaced by a folder before the save
        float firstOptionAfter;  // option 1 in the table at the end
        bool fileEqualsMaster;   // OPTIONS.OPT byte for byte OPTIONS.MAS
        int reloads;
    } cases[] = {
        {"save, then reopen", false, false, 12.5f, false, 1},
        {"save, restore default, quit", true, false, 12.5f, true, 1},
        {"save that cannot write", false, true, 8.0f, false, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        OptionsDesk desk;
        const std::string master = desk.folder.Read("OPTIONS.MAS");
        QPointer<OptionsForm> form = desk.Open();
        ASSERT_TRUE(form);
        EXPECT_EQ(form->windowTitle(), "Edit: OPTIONS.OPT");
        EXPECT_EQ(OptionsDesk::Shown(form), master);

        OptionsDesk::TypeFirstValue(form, "  12.5 ");
        const std::string typed = OptionsDesk::Shown(form);
        if (c.unwritable) {
            std::filesystem::remove(desk.folder / "OPTIONS.OPT");
            std::filesystem::create_directory(desk.folder / "OPTIONS.OPT");
            desk.folder.Write("OPTIONS.OPT/keep", "x");
        }
        OptionsDesk::Click(form, "btnSave");
        EXPECT_EQ(desk.reloaded->count(), c.reloads);
        EXPECT_EQ(desk.platform.Messages().size(), c.unwritable ? 1u : 0u);
        // Whatever the save did, the window keeps what was typed.
        EXPECT_EQ(OptionsDesk::Shown(form), typed);

        if (c.restoreDefault) {
            OptionsDesk::Click(form, "cmdRestoreDefault");
            EXPECT_EQ(OptionsDesk::Shown(form), master);
        }
        OptionsDesk::Click(form, "btnQuit");
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_FALSE(form);
        EXPECT_FLOAT_EQ(desk.session.options(kFirstOption), c.firstOptionAfter);
        if (c.unwritable) {
            continue;
        }
        EXPECT_EQ(desk.folder.Read("OPTIONS.OPT") == master, c.fileEqualsMaster);
        // Reopened, the window shows the file character for character.
        QPointer<OptionsForm> again = desk.Open();
        ASSERT_TRUE(again);
        EXPECT_EQ(OptionsDesk::Shown(again), c.restoreDefault ? master : typed);
        EXPECT_EQ(desk.folder.Read("OPTIONS.OPT"), c.restoreDefault ? master : typed);
        delete again.data();
    }
}

TEST(OptionsForm, RestoreWithoutTheMasterSaysSoAndKeepsTheText) {
    OptionsDesk desk;
    QPointer<OptionsForm> form = desk.Open();
    ASSERT_TRUE(form);
    OptionsDesk::TypeFirstValue(form, "  12.5 ");
    const std::string typed = OptionsDesk::Shown(form);
    const std::string file = desk.folder.Read("OPTIONS.OPT");
    std::filesystem::remove(desk.folder / "OPTIONS.MAS");
    OptionsDesk::Click(form, "cmdRestoreDefault");
    ASSERT_EQ(desk.platform.Messages().size(), 1u);
    EXPECT_EQ(desk.platform.Messages()[0].text, "Error in operation. Cannot do what is requested.");
    EXPECT_EQ(OptionsDesk::Shown(form), typed);
    EXPECT_EQ(desk.folder.Read("OPTIONS.OPT"), file);
    delete form.data();
}

TEST(OptionsForm, AMissingFileOpensNothing) {
    OptionsDesk desk;
    std::filesystem::remove(desk.folder / "OPTIONS.OPT");
    EXPECT_EQ(desk.Open(), nullptr);
    ASSERT_EQ(desk.platform.Messages().size(), 1u);
    EXPECT_EQ(desk.platform.Messages()[0].text, "File Not Found");
    EXPECT_EQ(desk.platform.Messages()[0].title, "Warning!");
    EXPECT_EQ(desk.platform.Messages()[0].icon, MessageIcon::Information);
}

}  // namespace
}  // namespace solvaris
