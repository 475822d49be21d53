// OrbsEdit driven as a user does: the orb file's text typed over, saved and
// seen again; Quit discarding; a save that cannot write and a file that
// cannot be read saying so and losing nothing. The text's line ends hold
// their table in tests/aspects/orb_table_test.cpp.
#include "gui/wheel/orbs_edit_form.hpp"

#include <gtest/gtest.h>

#include <QPointer>
#include <QPushButton>

#include "support/window_desk.hpp"

namespace solvaris {
namespace {

using testing::Click;
using testing::TextShown;
using testing::WindowDesk;

// The first line's seven value columns overtyped.
void TypeFirstOrb(QWidget& form, const char* value) {
    auto& text = testing::Control<QPlainTextEdit>(form, "txtContent");
    QTest::keyClick(&text, Qt::Key_Home, Qt::ControlModifier);
    for (int i = 0; i < 7; ++i) {
        QTest::keyClick(&text, Qt::Key_Delete);
    }
    QTest::keyClicks(&text, value);
}

TEST(OrbsEditForm, SaveWritesWhatWasTypedQuitDiscardsAndReopeningShowsTheFile) {
    WindowDesk desk;
    const std::string path =
        desk.folder.Write("MINE.ORB", "  8.0  Conjunction\n  6.0  Sextile").string();
    desk.session.currentOrbFile = path;
    desk.session.orbTable.fill(4);
    QPointer<OrbsEditForm> form = OpenOrbsEdit(desk.workstation);
    ASSERT_TRUE(form && form->isVisible());
    EXPECT_EQ(form->windowTitle().toStdString(), "Edit: " + path);
    TypeFirstOrb(*form, " 10.5  ");
    Click(*form, "btnSave");
    const std::string saved = " 10.5  Conjunction\r\n  6.0  Sextile\r\n";
    EXPECT_EQ(desk.folder.Read("MINE.ORB"), saved);
    EXPECT_EQ(TextShown(*form, "txtContent"), saved);
    EXPECT_EQ(desk.session.orbTable[1], 4.0f);  // not reloaded
    // Typed again and quit: discarded without a question.
    TypeFirstOrb(*form, " 99    ");
    Click(*form, "btnQuit");
    testing::DiscardClosedWindows();
    EXPECT_FALSE(form);
    QPointer<OrbsEditForm> again = OpenOrbsEdit(desk.workstation);
    ASSERT_TRUE(again);
    EXPECT_EQ(TextShown(*again, "txtContent"), saved);
    EXPECT_TRUE(desk.platform.Messages().empty());
}

TEST(OrbsEditForm, ASaveThatCannotWriteSaysWhyAndKeepsTheText) {
    WindowDesk desk;
    std::filesystem::create_directory(desk.folder / "sub");
    desk.session.currentOrbFile =
        desk.folder.Write("sub/NATAL.ORB", "  8.0  Conjunction\r\n").string();
    QPointer<OrbsEditForm> form = OpenOrbsEdit(desk.workstation);
    ASSERT_TRUE(form);
    TypeFirstOrb(*form, " 12    ");
    const std::string typed = TextShown(*form, "txtContent");
    std::filesystem::remove_all(desk.folder / "sub");
    Click(*form, "btnSave");
    ASSERT_EQ(desk.platform.Messages().size(), 1u);
    const ShownMessage& shown = desk.platform.Messages()[0];
    EXPECT_EQ(shown.text.rfind("The orb file was not saved: ", 0), 0u) << shown.text;
    EXPECT_NE(shown.text.find(desk.session.currentOrbFile), std::string::npos);
    EXPECT_EQ(shown.icon, MessageIcon::Critical);
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(TextShown(*form, "txtContent"), typed);
}

TEST(OrbsEditForm, AnOrbFileThatCannotBeReadOpensNothingToSave) {
    WindowDesk desk;
    desk.session.currentOrbFile = (desk.folder / "GONE.ORB").string();
    EXPECT_EQ(OpenOrbsEdit(desk.workstation), nullptr);
    ASSERT_EQ(desk.platform.Messages().size(), 1u);
    EXPECT_EQ(desk.platform.Messages()[0].text, "The orb file " + desk.session.currentOrbFile +
                                                    " cannot be read (no such file), so it cannot "
                                                    "be edited.");
    // Built directly, the window has nothing to lose: Save is off.
    OrbsEditForm form(desk.workstation);
    EXPECT_FALSE(form.findChild<QPushButton*>("btnSave")->isEnabled());
    EXPECT_TRUE(testing::Control<QPlainTextEdit>(form, "txtContent").isReadOnly());
    EXPECT_FALSE(std::filesystem::exists(desk.folder / "GONE.ORB"));
}

}  // namespace
}  // namespace solvaris
