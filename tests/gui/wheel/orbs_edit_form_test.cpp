// OrbsEdit driven as a user does: typed over, saved, quit, reopened; a save
// that cannot write and a file that cannot be read say so and lose nothing.
// The text's line ends hold their table in tests/aspects/orb_table_test.cpp.
#include "gui/wheel/orbs_edit_form.hpp"

#include <gtest/gtest.h>

#include <QPointer>
#include <QPushButton>

#include "support/window_desk.hpp"

namespace solvaris {
namespace {

using testing::Click;
using testing::OvertypeStart;
using testing::Shown;

TEST(OrbsEditForm, SaveQuitReopenAndEveryFailureLosesNothing) {
    testing::WindowDesk desk;
    const std::string path =
        desk.folder.Write("MINE.ORB", "  8.0  Conjunction\n  6.0  Sextile").string();
    desk.session.currentOrbFile = path;
    desk.session.orbTable.fill(4);
    QPointer<OrbsEditForm> form = OpenOrbsEdit(desk.workstation);
    ASSERT_TRUE(form && form->isVisible());
    EXPECT_EQ(form->windowTitle().toStdString(), "Edit: " + path);
    OvertypeStart(*form, "txtContent", " 10.5  ");
    Click(*form, "btnSave");
    const std::string saved = " 10.5  Conjunction\r\n  6.0  Sextile\r\n";
    EXPECT_EQ(desk.folder.Read("MINE.ORB"), saved);
    EXPECT_EQ(Shown(*form, "txtContent"), saved);
    EXPECT_EQ(desk.session.orbTable[1], 4.0f);  // not reloaded
    // Typed again and quit: discarded without a question.
    OvertypeStart(*form, "txtContent", " 99    ");
    Click(*form, "btnQuit");
    testing::DiscardClosedWindows();
    EXPECT_FALSE(form);
    QPointer<OrbsEditForm> again = OpenOrbsEdit(desk.workstation);
    ASSERT_TRUE(again);
    EXPECT_EQ(Shown(*again, "txtContent"), saved);
    EXPECT_TRUE(desk.platform.Messages().empty());

    // A folder in the file's place: said, the typed text kept.
    const std::string typed = OvertypeStart(*again, "txtContent", " 12    ");
    std::filesystem::remove(path);
    std::filesystem::create_directories(path + "/keep");
    Click(*again, "btnSave");
    ASSERT_EQ(desk.platform.Messages().size(), 1u);
    const ShownMessage& shown = desk.platform.Messages()[0];
    EXPECT_EQ(shown.text.rfind("The orb file was not saved: ", 0), 0u) << shown.text;
    EXPECT_NE(shown.text.find(path), std::string::npos);
    EXPECT_EQ(shown.icon, MessageIcon::Critical);
    EXPECT_TRUE(again->isVisible());
    EXPECT_EQ(Shown(*again, "txtContent"), typed);

    desk.platform.ClearMessages();
    desk.session.currentOrbFile = (desk.folder / "GONE.ORB").string();
    EXPECT_EQ(OpenOrbsEdit(desk.workstation), nullptr);
    ASSERT_EQ(desk.platform.Messages().size(), 1u);
    EXPECT_EQ(desk.platform.Messages()[0].text, "The orb file " + desk.session.currentOrbFile +
                                                    " cannot be read (no such file), so it cannot "
                                                    "be edited.");
    // Built directly, the window has nothing to lose: Save is off.
    OrbsEditForm unread(desk.workstation);
    EXPECT_FALSE(testing::Control<QPushButton>(unread, "btnSave").isEnabled());
    EXPECT_TRUE(testing::Control<QPlainTextEdit>(unread, "txtContent").isReadOnly());
    EXPECT_FALSE(std::filesystem::exists(desk.folder / "GONE.ORB"));
}

}  // namespace
}  // namespace solvaris
