// The SVG picture carries the glyph font's symbols as outlines: no text asks for a font, and
// drawn by an SVG renderer it looks as the same paint does with the font's text.
#include <gtest/gtest.h>

#include <QBuffer>
#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QPainter>
#include <QSvgGenerator>
#include <QSvgRenderer>
#include <cstdlib>
#include <string>

#include "base/horary_glyphs.hpp"
#include "platform/qt/image_export.hpp"
#include "platform/qt/qt_canvas.hpp"
#include "support/temp_folder.hpp"

namespace solvaris {
namespace {

constexpr int kWidth = 400;
constexpr int kHeight = 300;

// Rows of the points' and signs' glyphs and of digits at three sizes.
void PaintGlyphRows(Canvas& canvas) {
    canvas.Clear(15);
    canvas.SetScale(0, 0, kWidth, kHeight);
    const double sizes[] = {10, 16, 24};
    double y = 10;
    for (const double size : sizes) {
        canvas.SetFont("HORARY", size);
        canvas.SetForeColour(1);
        canvas.MoveTo(10, y);
        for (int point = 1; point <= 15; ++point) {
            canvas.Print(std::string(1, static_cast<char>(PointGlyphCode(point))));
        }
        canvas.SetForeColour(4);
        canvas.MoveTo(10, y + 40);
        for (int sign = 1; sign <= 12; ++sign) {
            canvas.Print(std::string(1, static_cast<char>(SignGlyphCode(sign))));
        }
        canvas.Print("0123456789");
        y += 90;
    }
}

// The paint as an SVG document with the glyphs drawn either way, drawn back by Qt's renderer.
QImage Rendered(GlyphDrawing glyphs) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QSvgGenerator generator;
    generator.setOutputDevice(&buffer);
    generator.setSize(QSize(kWidth, kHeight));
    generator.setViewBox(QRect(0, 0, kWidth, kHeight));
    generator.setResolution(40);
    {
        QPainter painter(&generator);
        QtCanvas canvas(painter, QRectF(0, 0, kWidth, kHeight), glyphs);
        PaintGlyphRows(canvas);
    }
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    image.fill(Qt::white);
    QSvgRenderer svg(bytes);
    QPainter painter(&image);
    svg.render(&painter);
    return image;
}

// A pixel whose grey differs by more than a quarter of the scale.
bool Differs(QRgb a, QRgb b) { return std::abs(qGray(a) - qGray(b)) > 64; }

TEST(SvgExport, GlyphsAsOutlinesLookAsTheFontsText) {
    testing::TempFolder folder;
    const std::filesystem::path file = folder / "glyphs.svg";
    ASSERT_EQ(ExportImage({file, ImageFormat::Svg, kWidth, kHeight}, PaintGlyphRows), "");
    EXPECT_EQ(testing::ReadBytes(file).find("<text"), std::string::npos)
        << "no text asks for a font";

    // Where the font is installed its text is the picture the outlines must give.
    const QImage text = Rendered(GlyphDrawing::AsText);
    const QImage outlines = Rendered(GlyphDrawing::AsOutlines);
    int inked = 0;
    int differing = 0;
    for (int y = 0; y < kHeight; ++y) {
        for (int x = 0; x < kWidth; ++x) {
            inked += qGray(text.pixel(x, y)) < 192 ? 1 : 0;
            differing += Differs(text.pixel(x, y), outlines.pixel(x, y)) ? 1 : 0;
        }
    }
    ASSERT_GT(inked, 1000) << "the glyphs are drawn";
    // Antialiased edges may differ; the glyphs stand in the same place at the same size.
    EXPECT_LT(differing, inked / 10) << differing << " of " << inked << " inked pixels";
}

}  // namespace
}  // namespace solvaris
