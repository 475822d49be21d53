#include "platform/qt/qt_canvas.hpp"

#include <gtest/gtest.h>

#include <QFontInfo>
#include <QFontMetrics>
#include <QImage>
#include <string>

#include "base/horary_glyphs.hpp"
#include "platform/qt/image_export.hpp"
#include "support/temp_folder.hpp"

namespace solvaris {
namespace {

TEST(GlyphFont, TheFreeFontDrawsEveryCode) {
    const QFont font(kGlyphFontFamily);
    ASSERT_EQ(QFontInfo(font).family(), QString(kGlyphFontFamily))
        << "the glyph font is not installed";
    const QFontMetrics metrics(font);
    // Every code the wheel and the aspect grid print in the glyph font.
    int codes = 0;
    for (int c = 156; c <= 238; ++c) {
        const QString symbol =
            QString::fromStdString(std::string(GlyphSymbol(static_cast<unsigned char>(c))));
        codes += symbol.isEmpty() ? 0 : 1;
        for (const char32_t ucs : symbol.toUcs4()) {
            EXPECT_TRUE(metrics.inFontUcs4(ucs)) << "code " << c << " U+" << std::hex << int(ucs);
        }
    }
    EXPECT_EQ(codes, 15 + 12 + 16 + 2);  // points, signs, aspects, CP and R
}

TEST(QtCanvas, UserScaleLinesFilledCirclesAndPalette) {
    QImage image(200, 100, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        QtCanvas canvas(painter, QRectF(0, 0, 200, 100));
        canvas.SetScale(-100, 50, 100, -50);  // y upward, origin in the middle
        canvas.Line(0, -0.5, 100, -0.5, 12);  // through the middle of pixel row 50
        canvas.SetFillStyle(FillStyle::Solid);
        canvas.SetFillColour(9);
        canvas.Circle(-60, 20, 10, 9);  // light blue disc left and up
        canvas.MoveTo(-100, 50);
        EXPECT_TRUE(canvas.SetFont("Courier New", 10));
        const double before = canvas.CurrentX();
        canvas.Print("ABC");
        EXPECT_GT(canvas.TextWidth("ABC"), 0);
        EXPECT_NEAR(canvas.CurrentX() - before, canvas.TextWidth("ABC"), 1e-9);
        EXPECT_TRUE(canvas.SetFont("HORARY", 12));
        EXPECT_GT(canvas.TextHeight("x"), 0);
    }
    EXPECT_EQ(image.pixelColor(180, 50), PaletteColour(12));
    EXPECT_EQ(image.pixelColor(40, 30), PaletteColour(9));  // (-60, 20) in pixels
    EXPECT_EQ(image.pixelColor(150, 90), QColor(Qt::white));
    EXPECT_EQ(PaletteColour(99), QColor(0, 0, 0));  // beyond the palette
}

TEST(ImageExport, EveryFormatAndItsFailures) {
    testing::TempFolder folder;
    const auto paint = [](Canvas& canvas) {
        canvas.SetScale(-250, 250, 250, -250);
        canvas.Circle(0, 0, 217, 0);
        canvas.SetFont("HORARY", 12);
        canvas.MoveTo(0, 0);
        canvas.Print(std::string{static_cast<char>(PointGlyphCode(1))});
    };
    const std::pair<const char*, std::string> formats[] = {
        {"w.png", "\x89PNG"}, {"w.SVG", "<?xm"}, {"w.pdf", "%PDF"}};
    for (const auto& [name, magic] : formats) {
        const auto format = ImageFormatOf(name);
        ASSERT_TRUE(format) << name;
        EXPECT_EQ(ExportImage({folder / name, *format, 400, 300}, paint), "") << name;
        EXPECT_EQ(testing::ReadBytes(folder / name).substr(0, 4), magic) << name;
    }
    EXPECT_FALSE(ImageFormatOf("w.bmp"));
    EXPECT_NE(ExportImage({folder / "tiny.png", ImageFormat::Png, 2, 2}, paint), "");

    // A write that fails (a full disk) leaves the earlier image whole, in
    // every format and at every step; so does a folder in the file's place.
    for (const auto& [name, magic] : formats) {
        const std::string before = testing::ReadBytes(folder / name);
        for (ReplaceStep step :
             {ReplaceStep::Create, ReplaceStep::Write, ReplaceStep::Flush, ReplaceStep::Rename}) {
            EXPECT_NE(ExportImage({folder / name, *ImageFormatOf(name), 600, 450}, paint, {step}),
                      "")
                << name;
            EXPECT_EQ(testing::ReadBytes(folder / name), before) << name;
        }
    }
    std::filesystem::create_directory(folder / "d.png");
    EXPECT_NE(ExportImage({folder / "d.png", ImageFormat::Png, 400, 300}, paint), "");
    EXPECT_TRUE(std::filesystem::is_directory(folder / "d.png"));
    for (const auto& entry : std::filesystem::directory_iterator(folder.path())) {
        EXPECT_FALSE(entry.path().string().ends_with(".$$$")) << entry.path();
    }
}

}  // namespace
}  // namespace solvaris
