// OrbsEdit driven as a user does: the orb file's text typed over, saved
// and seen again character for character; Quit discarding; a save that
// cannot write and a file that cannot be read saying so and losing nothing.
#include "gui/wheel/orbs_edit_form.hpp"

#include <gtest/gtest.h>
#include <unistd.h>

#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <filesystem>

#include "gui/wheel/grid_desk.hpp"

namespace solvaris {
namespace {

using testing::DiscardClosed;
using testing::GridDesk;
using testing::ShownText;

void Click(QWidget& form, const char* button) {
    QTest::mouseClick(form.findChild<QPushButton*>(button), Qt::LeftButton);
}

QPlainTextEdit& Text(QWidget& form) { return *form.findChild<QPlainTextEdit*>("txtContent"); }

// The first line's seven value columns overtyped.
void TypeFirstOrb(QWidget& form, const char* value) {
    QPlainTextEdit& text = Text(form);
    QTest::keyClick(&text, Qt::Key_Home, Qt::ControlModifier);
    for (int i = 0; i < 7; ++i) {
        QTest::keyClick(&text, Qt::Key_Delete);
    }
    QTest::keyClicks(&text, value);
}

void TypeAtEnd(QWidget& form, const char* keys) {
    QPlainTextEdit& text = Text(form);
    QTest::keyClick(&text, Qt::Key_End, Qt::ControlModifier);
    // A line break is the Return key.
    const QStringList lines = QString(keys).split('\n');
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (i > 0) {
            QTest::keyClick(&text, Qt::Key_Return);
        }
        QTest::keyClicks(&text, lines[i]);
    }
}

TEST(OrbsEditForm, SaveWritesWhatWasTypedQuitDiscardsAndReopeningShowsTheFile) {
    const struct {
        const char* what;
        const char* file;        // before
        const char* firstOrb;    // typed over the first seven columns, or nothing
        const char* typedAtEnd;  // then typed at the end
        bool backspaceAtEnd;     // the last line break deleted first
        const char* saved;       // the file after Save
    } cases[] = {
        {"an orb overtyped", "  8.0  Conjunction\r\n  6.0  Sextile\r\n", " 10.5  ", "", false,
         " 10.5  Conjunction\r\n  6.0  Sextile\r\n"},
        {"a line added", "  8.0  Conjunction\r\n", nullptr, "  6.0  Sextile\n", false,
         "  8.0  Conjunction\r\n  6.0  Sextile\r\n"},
        // Only the last line break goes before the write adds one: the
        // empty lines typed stay.
        {"empty lines at the end", "  8.0  Conjunction\r\n", nullptr, "\n\n", false,
         "  8.0  Conjunction\r\n\r\n\r\n"},
        // Without its last line break the text loses nothing.
        {"the last line break deleted", "  8.0  Conjunction\r\n  6.0  Sextile\r\n", nullptr, "",
         true, "  8.0  Conjunction\r\n  6.0  Sextile\r\n"},
        {"a file written with LF line ends", "  8.0  Conjunction\n  6.0  Sextile", nullptr, "",
         false, "  8.0  Conjunction\r\n  6.0  Sextile\r\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        GridDesk desk;
        const std::string path = desk.folder.Write("MINE.ORB", c.file).string();
        desk.session.currentOrbFile = path;
        desk.session.orbTable.fill(4);
        QPointer<OrbsEditForm> form = OpenOrbsEdit(desk.workstation);
        ASSERT_TRUE(form);
        EXPECT_TRUE(form->isVisible());
        EXPECT_EQ(form->objectName(), "OrbsEdit");
        EXPECT_EQ(form->windowTitle().toStdString(), "Edit: " + path);
        if (c.firstOrb != nullptr) {
            TypeFirstOrb(*form, c.firstOrb);
        }
        if (c.backspaceAtEnd) {
            TypeAtEnd(*form, "");
            QTest::keyClick(&Text(*form), Qt::Key_Backspace);
        }
        TypeAtEnd(*form, c.typedAtEnd);
        const std::string typed = ShownText(*form, "txtContent");
        Click(*form, "btnSave");
        EXPECT_TRUE(desk.platform.Messages().empty());
        EXPECT_EQ(desk.folder.Read("MINE.ORB"), c.saved);
        EXPECT_TRUE(form->isVisible());
        EXPECT_EQ(ShownText(*form, "txtContent"), typed);
        EXPECT_EQ(desk.session.orbTable[1], 4.0f);  // not reloaded
        // Typed again and quit: discarded without a question.
        TypeFirstOrb(*form, " 99    ");
        Click(*form, "btnQuit");
        DiscardClosed();
        EXPECT_FALSE(form);
        EXPECT_TRUE(desk.platform.Messages().empty());

        QPointer<OrbsEditForm> again = OpenOrbsEdit(desk.workstation);
        ASSERT_TRUE(again);
        EXPECT_EQ(ShownText(*again, "txtContent"), c.saved);
        delete again.data();
    }
}

TEST(OrbsEditForm, ASaveThatCannotWriteSaysWhyAndKeepsTextAndFile) {
    const struct {
        const char* what;
        void (*spoil)(const std::filesystem::path& folder);
        bool needsOrdinaryUser;  // permissions do not bind the superuser
    } cases[] = {
        {"a read-only folder",
         [](const std::filesystem::path& folder) {
             std::filesystem::permissions(
                 folder, std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
         },
         true},
        {"the folder gone",
         [](const std::filesystem::path& folder) { std::filesystem::remove_all(folder); }, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        if (c.needsOrdinaryUser && ::geteuid() == 0) {
            continue;
        }
        GridDesk desk;
        const std::filesystem::path folder = desk.folder / "sub";
        std::filesystem::create_directory(folder);
        std::filesystem::copy_file(desk.folder / "NATAL.ORB", folder / "NATAL.ORB");
        desk.session.currentOrbFile = (folder / "NATAL.ORB").string();
        const std::string before = desk.folder.Read("sub/NATAL.ORB");
        QPointer<OrbsEditForm> form = OpenOrbsEdit(desk.workstation);
        ASSERT_TRUE(form);
        TypeFirstOrb(*form, " 12    ");
        const std::string typed = ShownText(*form, "txtContent");
        c.spoil(folder);
        Click(*form, "btnSave");
        std::error_code ignored;
        std::filesystem::permissions(folder, std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::add, ignored);
        ASSERT_EQ(desk.platform.Messages().size(), 1u);
        const ShownMessage& shown = desk.platform.Messages()[0];
        EXPECT_EQ(shown.text.rfind("The orb file was not saved: ", 0), 0u) << shown.text;
        EXPECT_NE(shown.text.find(desk.session.currentOrbFile), std::string::npos);
        EXPECT_EQ(shown.title, "Error!");
        EXPECT_EQ(shown.icon, MessageIcon::Critical);
        EXPECT_TRUE(form->isVisible());
        EXPECT_EQ(ShownText(*form, "txtContent"), typed);
        if (std::filesystem::exists(folder)) {
            EXPECT_EQ(desk.folder.Read("sub/NATAL.ORB"), before);
        }
        delete form.data();
    }
}

TEST(OrbsEditForm, AnOrbFileThatCannotBeReadSaysSoAndOpensNothingToSave) {
    const struct {
        const char* what;
        const char* file;  // in the test's folder; a folder when it ends in '/'
        const char* problem;
    } cases[] = {
        {"missing", "GONE.ORB", "no such file"},
        {"a folder", "DIR.ORB/", "a folder"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        GridDesk desk;
        std::string file = c.file;
        if (file.ends_with('/')) {
            file.pop_back();
            std::filesystem::create_directory(desk.folder / file);
        }
        desk.session.currentOrbFile = (desk.folder / file).string();
        EXPECT_EQ(OpenOrbsEdit(desk.workstation), nullptr);
        ASSERT_EQ(desk.platform.Messages().size(), 1u);
        EXPECT_EQ(desk.platform.Messages()[0].text, "The orb file " + desk.session.currentOrbFile +
                                                        " cannot be read (" + c.problem +
                                                        "), so it cannot be edited.");
        // Built directly, the window has nothing to lose: Save is off.
        OrbsEditForm form(desk.workstation);
        EXPECT_FALSE(form.Loaded());
        EXPECT_FALSE(form.findChild<QPushButton*>("btnSave")->isEnabled());
        EXPECT_TRUE(Text(form).isReadOnly());
        EXPECT_TRUE(std::filesystem::exists(desk.folder / file) == file.starts_with("DIR"));
    }
}

}  // namespace
}  // namespace solvaris
