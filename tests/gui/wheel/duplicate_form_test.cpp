// Duplicate: the wheel window to the right half of the screen, the still
// picture beside it, the wheel window's place and width back when the
// duplicate closes. A window with nothing to copy is in wheels_form_test.
#include "gui/wheel/duplicate_form.hpp"

#include <gtest/gtest.h>

#include <QScreen>

#include "gui/wheel/wheels_form.hpp"
#include "support/window_desk.hpp"

namespace solvaris {
namespace {

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

}  // namespace
}  // namespace solvaris
