// Duplicate: the wheel window to the right half of the screen, the still
// picture beside it, the wheel window's place and width back when the
// duplicate closes, and a window with nothing to copy said plainly.
#include "gui/wheel/duplicate_form.hpp"

#include <gtest/gtest.h>

#include <QScreen>

#include "gui/wheel/wheel_desk.hpp"

namespace solvaris {
namespace {

using testing::WheelDesk;

DuplicateForm* OpenDuplicate() {
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->objectName() == "Duplicat" && window->isVisible()) {
            return qobject_cast<DuplicateForm*>(window);
        }
    }
    return nullptr;
}

TEST(DuplicateForm, TheWheelGoesRightAndComesBackWhenTheDuplicateCloses) {
    WheelDesk desk;
    WheelsForm* wheels = desk.Open("mnuWheelsDualNatTran");
    wheels->move(40, 30);
    wheels->resize(600, 450);
    const QRect screen = wheels->screen()->availableGeometry();
    const int half = screen.width() / 2;

    desk.Click("mnuDuplicate");
    DuplicateForm* duplicate = OpenDuplicate();
    ASSERT_NE(duplicate, nullptr);
    EXPECT_EQ(duplicate->windowTitle(), "Duplicate Chartwheel");
    EXPECT_EQ(wheels->x(), screen.left() + half);
    EXPECT_EQ(wheels->width(), half);
    EXPECT_EQ(wheels->height(), 450);
    // As wide as the wheel window and 325 twips taller.
    EXPECT_EQ(duplicate->width(), half);
    EXPECT_EQ(duplicate->height(), 450 + 22);
    // The picture is the wheel window's drawing area as painted.
    EXPECT_EQ(duplicate->Picture(), wheels->ClientImage());
    EXPECT_FALSE(desk.platform.Busy());
    EXPECT_TRUE(desk.platform.Messages().empty());

    // Wider than the half beside the duplicate: back to the half.
    wheels->resize(half + 100, 450);
    EXPECT_EQ(wheels->width(), half);
    EXPECT_EQ(wheels->x(), screen.left() + half);

    // A still picture: the wheel window's next chart leaves it as it was.
    const QImage kept = duplicate->Picture();
    desk.Open("mnuWheelsSingleNatal");
    EXPECT_EQ(duplicate->Picture(), kept);

    duplicate->close();
    EXPECT_EQ(wheels->x(), 40);
    EXPECT_EQ(wheels->width(), 600);
    EXPECT_EQ(wheels->y(), 30);
    EXPECT_EQ(wheels->height(), 450);
}

TEST(DuplicateForm, NothingToCopyIsSaidAndNoDuplicateOpens) {
    WheelDesk desk;
    WheelsForm* wheels = desk.Open("mnuWheelsSingleNatal");
    wheels->centralWidget()->setMaximumHeight(0);
    desk.Click("mnuDuplicate");
    ASSERT_EQ(desk.platform.Messages().size(), 1u);
    const ShownMessage& message = desk.platform.Messages()[0];
    EXPECT_EQ(message.text, "Unable to print the form");
    EXPECT_EQ(message.title, "Warning!");
    EXPECT_EQ(message.icon, MessageIcon::Information);
    EXPECT_EQ(OpenDuplicate(), nullptr);
    EXPECT_FALSE(desk.platform.Busy());
}

}  // namespace
}  // namespace solvaris
