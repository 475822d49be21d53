// The wheel window's picture: its size at any density; the same place at any density and shape.
#include <gtest/gtest.h>

#include <QImage>
#include <string>

#include "base/horary_glyphs.hpp"
#include "platform/qt/image_export.hpp"
#include "wheel/wheel_scale.hpp"

namespace solvaris {
namespace {

void Paint(Canvas& canvas) {
    canvas.SetScale(-300, 225, 300, -225);
    canvas.Circle(0, 0, 217, 0);
    canvas.SetFont("HORARY", 14);
    canvas.MoveTo(-40, 20);
    canvas.Print(std::string{static_cast<char>(PointGlyphCode(1)), '1', '5'});
    canvas.SetFont("Courier New", 8);
    canvas.MoveTo(-290, 215);
    canvas.Print("Placidus");
}

// The smallest rectangle holding every pixel that is not white.
QRect Inked(const QImage& image) {
    QRect box;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixel(x, y) != qRgb(255, 255, 255)) {
                box |= QRect(x, y, 1, 1);
            }
        }
    }
    return box;
}

TEST(PaintImage, SizesDensitiesAndRefusals) {
    struct Case {
        int width, height;
        double ratio;
        QSize devicePixels;  // empty: no image
    };
    const Case cases[] = {{1024, 768, 2.0, QSize(2048, 1536)},
                          {640, 480, 1.5, QSize(960, 720)},
                          {0, 768, 1.0, QSize()},
                          {-5, 10, 1.0, QSize()},
                          {16384, 10, 1.0, QSize(16384, 10)},
                          {16384, 10, 2.0, QSize()},
                          {100, 100, 0.0, QSize(100, 100)},
                          {1, 1, 1.0, QSize(1, 1)}};
    for (const Case& c : cases) {
        SCOPED_TRACE(&c - cases);
        const QImage image = PaintImage(c.width, c.height, c.ratio, Paint);
        EXPECT_EQ(image.isNull() ? QSize() : image.size(), c.devicePixels);
        EXPECT_EQ(image.isNull() ? QSize() : image.deviceIndependentSize().toSize(),
                  c.devicePixels.isEmpty() ? QSize() : QSize(c.width, c.height));
    }
}

TEST(PaintImage, TwiceTheDensityDrawsTheSamePictureFiner) {
    const QImage single = PaintImage(1024, 768, 1.0, Paint);
    const QImage twice = PaintImage(1024, 768, 2.0, Paint);
    // The circle, glyph and heading take the same place, to a window pixel.
    const QRect one = Inked(single);
    const QRect two = Inked(twice);
    EXPECT_NEAR(two.left() / 2.0, one.left(), 1.0);
    EXPECT_NEAR(two.top() / 2.0, one.top(), 1.0);
    EXPECT_NEAR((two.right() + 1) / 2.0, one.right() + 1, 1.0);
    EXPECT_NEAR((two.bottom() + 1) / 2.0, one.bottom() + 1, 1.0);
    // The text alone (the top-left corner, outside the circle) as well.
    const QRect textOne = Inked(single.copy(0, 0, 120, 40));
    const QRect textTwo = Inked(twice.copy(0, 0, 240, 80));
    ASSERT_FALSE(textOne.isEmpty());
    EXPECT_NEAR(textTwo.width() / 2.0, textOne.width(), 1.5);
    EXPECT_NEAR(textTwo.height() / 2.0, textOne.height(), 1.5);
}

// In a wide, low window or a narrow, high one the centre's glyph is as large against the
// circle as in a 4:3 window.
TEST(PaintImage, TextKeepsItsShareOfTheWheelAtAnyShape) {
    const auto glyphPerCircle = [](int width, int height) {
        const int scale = *ScreenScale(width, height);
        const UserScale corners = ScreenUserScale(scale, width, height);
        const QImage image = PaintImage(width, height, 1.0, [&](Canvas& canvas) {
            canvas.SetScale(corners.left, corners.top, corners.right, corners.bottom);
            canvas.Circle(0, 0, 217, 0);
            canvas.SetFont("HORARY", 14);
            canvas.MoveTo(-10, 10);
            canvas.Print(std::string{static_cast<char>(PointGlyphCode(1))});
        });
        const QRect circle = Inked(image);
        const QRect centre(circle.center().x() - circle.width() / 4,
                           circle.center().y() - circle.height() / 4, circle.width() / 2,
                           circle.height() / 2);
        return double(Inked(image.copy(centre)).height()) / circle.height();
    };
    const double window = glyphPerCircle(1024, 768);
    ASSERT_GT(window, 0.01);
    for (const QSize shape : {QSize(2048, 768), QSize(800, 800), QSize(600, 900)}) {
        EXPECT_NEAR(glyphPerCircle(shape.width(), shape.height()) / window, 1, 0.08)
            << shape.width() << "x" << shape.height();
    }
}

}  // namespace
}  // namespace solvaris
