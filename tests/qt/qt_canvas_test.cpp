#include "platform/qt/qt_canvas.hpp"

#include <gtest/gtest.h>

#include <QFontInfo>
#include <QFontMetrics>
#include <QImage>
#include <fstream>
#include <string>

#include "base/horary_glyphs.hpp"
#include "platform/qt/image_export.hpp"
#include "support/temp_folder.hpp"

namespace solvaris {
namespace {

// Every code the wheel and the aspect grid print in the glyph font.
std::vector<unsigned char> GlyphCodes() {
    std::vector<unsigned char> codes;
    for (int c = 156; c <= 238; ++c) {
        if (!GlyphSymbol(static_cast<unsigned char>(c)).empty()) {
            codes.push_back(static_cast<unsigned char>(c));
        }
    }
    return codes;
}

TEST(GlyphFont, TheFreeFontDrawsEveryCode) {
    const QFont font(kGlyphFontFamily);
    ASSERT_EQ(QFontInfo(font).family(), QString(kGlyphFontFamily))
        << "the glyph font is not installed";
    const QFontMetrics metrics(font);
    const std::vector<unsigned char> codes = GlyphCodes();
    EXPECT_EQ(codes.size(), 15u + 12 + 16 + 2);  // points, signs, aspects, CP and R
    for (unsigned char code : codes) {
        const std::string symbol(GlyphSymbol(code));
        for (const char32_t ucs : QString::fromStdString(symbol).toUcs4()) {
            EXPECT_TRUE(metrics.inFontUcs4(ucs))
                << "code " << int(code) << " U+" << std::hex << unsigned(ucs);
        }
    }
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
        EXPECT_GT(canvas.CurrentX(), before);
        EXPECT_NEAR(canvas.CurrentX() - before, canvas.TextWidth("ABC"), 1e-9);
        EXPECT_TRUE(canvas.SetFont("HORARY", 12));
        EXPECT_GT(canvas.TextHeight("x"), 0);
    }
    EXPECT_EQ(image.pixelColor(180, 50), PaletteColour(12));
    EXPECT_EQ(image.pixelColor(40, 30), PaletteColour(9));  // (-60, 20) in pixels
    EXPECT_EQ(image.pixelColor(150, 90), QColor(Qt::white));
    // The palette's ends; a colour beyond it is black.
    EXPECT_EQ(PaletteColour(7), QColor(192, 192, 192));
    EXPECT_EQ(PaletteColour(15), QColor(255, 255, 255));
    EXPECT_EQ(PaletteColour(99), QColor(0, 0, 0));
}

std::string Head(const std::filesystem::path& file, std::size_t n) {
    std::ifstream in(file, std::ios::binary);
    std::string head(n, '\0');
    in.read(head.data(), static_cast<std::streamsize>(n));
    head.resize(static_cast<std::size_t>(in.gcount()));
    return head;
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
    struct Case {
        const char* name;
        const char* magic;
    };
    for (const Case& c :
         {Case{"w.png", "\x89PNG"}, Case{"w.SVG", "<?xml"}, Case{"w.pdf", "%PDF"}}) {
        const auto format = ImageFormatOf(c.name);
        ASSERT_TRUE(format) << c.name;
        EXPECT_EQ(ExportImage({folder / c.name, *format, 400, 300}, paint), "") << c.name;
        EXPECT_EQ(Head(folder / c.name, 4), std::string(c.magic).substr(0, 4)) << c.name;
    }
    EXPECT_FALSE(ImageFormatOf("w.bmp"));
    EXPECT_NE(ExportImage({folder / "none" / "w.png", ImageFormat::Png, 400, 300}, paint), "");
    EXPECT_FALSE(std::filesystem::exists(folder / "none" / "w.png"));
    EXPECT_NE(ExportImage({folder / "tiny.png", ImageFormat::Png, 2, 2}, paint), "");

    // A write that fails (a full disk) leaves the earlier image whole, in
    // every format and at every step; so does a folder in the file's place.
    for (const Case& c :
         {Case{"w.png", "\x89PNG"}, Case{"w.SVG", "<?xml"}, Case{"w.pdf", "%PDF"}}) {
        const std::uintmax_t size = std::filesystem::file_size(folder / c.name);
        for (ReplaceStep step :
             {ReplaceStep::Create, ReplaceStep::Write, ReplaceStep::Flush, ReplaceStep::Rename}) {
            EXPECT_NE(
                ExportImage({folder / c.name, *ImageFormatOf(c.name), 600, 450}, paint, {step}), "")
                << c.name;
            EXPECT_EQ(std::filesystem::file_size(folder / c.name), size) << c.name;
            EXPECT_EQ(Head(folder / c.name, 4), std::string(c.magic).substr(0, 4)) << c.name;
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
