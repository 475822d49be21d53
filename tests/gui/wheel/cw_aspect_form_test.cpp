// CWAspect beside the wheel: right of it where there is room, else left of
// it, as tall as the wheel and wholly on the screen; moved by the user, it
// opens again where it stands. The grid's lines hold their table in
// tests/reports/aspect_reports_test.cpp; the orb file in force is
// wheels_form_test's.
#include "gui/wheel/cw_aspect_form.hpp"

#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QScreen>

#include "app/wheel_command.hpp"
#include "support/window_desk.hpp"

namespace solvaris {
namespace {

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

}  // namespace
}  // namespace solvaris
