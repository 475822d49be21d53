// The windows beside the wheel. The grid's lines hold their table in
// tests/reports/aspect_reports_test.cpp, the orb text's line ends in
// tests/aspects/orb_table_test.cpp.
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QPointer>
#include <QPushButton>
#include <QScreen>

#include "app/wheel_command.hpp"
#include "gui/wheel/cw_aspect_form.hpp"
#include "gui/wheel/duplicate_form.hpp"
#include "gui/wheel/orbs_edit_form.hpp"
#include "gui/wheel/wheels_form.hpp"
#include "support/window_desk.hpp"

namespace solvaris {
namespace {

using testing::Click;
using testing::OvertypeStart;
using testing::Shown;

TEST(CwAspectForm, StandsBesideTheWheelOnTheScreenWhereItWasMoved) {
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    const struct {
        const char* what;
        QRect wheel;
        bool right;  // the grid right of the wheel, else left of it
    } cases[] = {
        {"room on the right", QRect(screen.left(), screen.top(), 400, 300), true},
        {"against the right edge", QRect(screen.right() - 399, screen.top() + 10, 400, 300), false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        testing::WindowDesk desk;
        ASSERT_TRUE(desk.workstation.ComputeChart());
        ASSERT_TRUE(RunWheelCommand(desk.session, WheelKind::Natal, desk.workstation.diurnalEntry,
                                    desk.platform));
        QWidget wheel;
        wheel.setGeometry(c.wheel);
        wheel.show();
        QPointer<CwAspectForm> slot;
        ReopenAspectGrid(desk.workstation, slot, &wheel);
        ASSERT_TRUE(slot);
        EXPECT_FALSE(testing::Shown(*slot, "Text1").empty());
        const QRect grid = slot->frameGeometry();
        const QRect frame = wheel.frameGeometry();
        EXPECT_TRUE(screen.contains(grid));
        EXPECT_TRUE(c.right ? grid.left() > frame.right() : grid.right() < frame.left());
        EXPECT_EQ(grid.top(), frame.top());
        EXPECT_EQ(slot->height(), wheel.height());
        slot->move(grid.topLeft() + QPoint(0, 20));
        const QRect moved = slot->geometry();
        ReopenAspectGrid(desk.workstation, slot, &wheel);
        testing::DiscardClosedWindows();
        EXPECT_EQ(wheel.findChildren<CwAspectForm*>().size(), 1u);
        EXPECT_EQ(slot->geometry(), moved);
    }
}

TEST(DuplicateForm, TheWheelGoesRightAndComesBackWhenTheDuplicateCloses) {
    testing::WindowDesk desk({.mainForm = true});
    testing::Choose(*desk.main, "mnuWheelsDualNatTran");
    auto& wheels = testing::Control<WheelsForm>(*desk.main, "Wheels");
    wheels.move(40, 30);
    wheels.resize(600, 450);
    const QRect screen = wheels.screen()->availableGeometry();
    const int half = screen.width() / 2;

    testing::Choose(wheels, "mnuDuplicate");
    auto* duplicate = testing::OpenWindow<DuplicateForm>("Duplicat");
    ASSERT_NE(duplicate, nullptr);
    EXPECT_EQ(QRect(wheels.pos(), wheels.size()), QRect(screen.left() + half, 30, half, 450));
    // As wide as the wheel window and 325 twips taller.
    EXPECT_EQ(duplicate->size(), QSize(half, 450 + 22));
    // The picture is the wheel window's drawing area as painted.
    EXPECT_EQ(duplicate->Picture(), wheels.ClientImage());
    EXPECT_FALSE(desk.platform.Busy());
    EXPECT_TRUE(desk.platform.Messages().empty());

    // Wider than the half beside the duplicate: back to the half.
    wheels.resize(half + 100, 450);
    EXPECT_EQ(QRect(wheels.pos(), wheels.size()), QRect(screen.left() + half, 30, half, 450));

    // A still picture: the wheel window's next chart leaves it as it was.
    const QImage kept = duplicate->Picture();
    testing::Choose(*desk.main, "mnuWheelsSingleNatal");
    EXPECT_EQ(duplicate->Picture(), kept);

    duplicate->close();
    EXPECT_EQ(QRect(wheels.pos(), wheels.size()), QRect(40, 30, 600, 450));
}

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
    EXPECT_EQ(testing::Said(desk.platform), "The orb file " + desk.session.currentOrbFile +
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
