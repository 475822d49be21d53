#include "platform/qt/image_export.hpp"

#include <QBuffer>
#include <QByteArray>
#include <QGuiApplication>
#include <QImage>
#include <QPageSize>
#include <QPdfWriter>
#include <QSvgGenerator>
#include <cmath>
#include <cstdlib>

#include "base/file_replace.hpp"
#include "platform/qt/qt_canvas.hpp"
#include "platform/qt/runtime_folder.hpp"

namespace solvaris {

namespace {

// The chart window is 14050 twips wide (9.76 inches) on a 1024-pixel
// screen; an image of any size keeps the window's proportion of text to
// wheel.
constexpr double kWindowInches = 14050.0 / 1440.0;
constexpr int kPdfDotsPerInch = 300;

// The width of the 4:3 window whose wheel is as large as the wheel of a
// picture this size: the wheel takes its size from the picture's smaller
// side (a vertical half-range of 225 units, or a horizontal one of 244 on
// a picture higher than wide, where a 4:3 window shows 300), and the text
// keeps its share of the wheel at any shape of window.
double TextReferenceWidth(double width, double height) {
    return width >= height ? height * 4 / 3 : width * 300 / 244;
}

void Paint(QPainter& painter, QRectF device, const std::function<void(Canvas&)>& paint,
           GlyphDrawing glyphs = GlyphDrawing::AsText) {
    QtCanvas canvas(painter, device, glyphs);
    paint(canvas);
}

std::string Failed(const std::filesystem::path& file) {
    return "The image " + file.string() + " cannot be drawn.";
}

// The drawing goes to the file through the crash-safe replacement: a write
// that fails (a full disk) leaves an earlier image of that name whole.
std::string Save(const ImageRequest& request, const QByteArray& bytes, const ReplaceFault& fault) {
    const std::string failure = ReplaceFileContent(
        request.file, std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())),
        {std::nullopt, fault});
    return failure.empty()
               ? std::string()
               : "The image " + request.file.string() + " cannot be written: " + failure + ".";
}

}  // namespace

void EnsureGuiApplication() {
    if (QGuiApplication::instance() != nullptr) {
        return;
    }
    if (std::getenv("QT_QPA_PLATFORM") == nullptr) {
        setenv("QT_QPA_PLATFORM", "offscreen", 0);
    }
    EnsureRuntimeFolder();
    static int argc = 1;
    static char name[] = "solvaris";
    static char* argv[] = {name, nullptr};
    // Kept for the life of the process: Qt's own statics outlive main.
    static QGuiApplication* const app = new QGuiApplication(argc, argv);
    static_cast<void>(app);
}

QImage PaintImage(int width, int height, double devicePixelRatio,
                  const std::function<void(Canvas&)>& paint) {
    constexpr int kLargestSide = 16384;
    const double ratio = devicePixelRatio > 0 ? devicePixelRatio : 1.0;
    const auto devicePixels = [ratio](int pixels) {
        return static_cast<int>(std::lround(pixels * ratio));
    };
    if (width < 1 || height < 1 || devicePixels(width) > kLargestSide ||
        devicePixels(height) > kLargestSide) {
        return {};
    }
    QImage image(devicePixels(width), devicePixels(height), QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    // The resolution counts pixels as the window does, so a font's points
    // come out the same share of the wheel on any screen and any shape.
    const int dotsPerMetre =
        static_cast<int>(TextReferenceWidth(width, height) / kWindowInches / 0.0254);
    image.setDotsPerMeterX(dotsPerMetre);
    image.setDotsPerMeterY(dotsPerMetre);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        Paint(painter, QRectF(0, 0, width, height), paint);
    }
    return image;
}

void PaintPictureOnDevice(QPainter& painter, const QRectF& target, int width, int height,
                          const std::function<void(Canvas&)>& paint) {
    const QPaintDevice* device = painter.device();
    if (device == nullptr || width < 1 || height < 1 || target.isEmpty()) {
        return;
    }
    // The picture is laid out as wide as the window in inches at the
    // device's resolution, so that a font's points take the share they
    // take in the window, and then scaled into the target.
    const double laidWidth =
        device->logicalDpiX() * kWindowInches * width / TextReferenceWidth(width, height);
    const double laidHeight = laidWidth * height / width;
    painter.save();
    painter.translate(target.topLeft());
    painter.scale(target.width() / laidWidth, target.height() / laidHeight);
    Paint(painter, QRectF(0, 0, laidWidth, laidHeight), paint);
    painter.restore();
}

Problem ExportImage(const ImageRequest& request, const std::function<void(Canvas&)>& paint,
                    const ReplaceFault& fault) {
    EnsureGuiApplication();
    const int width = request.widthPixels;
    const int height = request.heightPixels;
    if (width < 16 || height < 16 || width > 16384 || height > 16384) {
        return "The image size must lie between 16 and 16384 pixels.";
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    switch (request.format) {
        case ImageFormat::Png: {
            const QImage image = PaintImage(width, height, 1.0, paint);
            return image.save(&buffer, "PNG") ? Save(request, bytes, fault) : Failed(request.file);
        }
        case ImageFormat::Svg: {
            QSvgGenerator svg;
            svg.setOutputDevice(&buffer);
            svg.setSize(QSize(width, height));
            svg.setViewBox(QRect(0, 0, width, height));
            svg.setResolution(static_cast<int>(width / kWindowInches));
            svg.setTitle("SOLVARIS chart wheel");
            QPainter painter;
            if (!painter.begin(&svg)) {
                return Failed(request.file);
            }
            // The glyphs as outlines: the file names no font it does not carry.
            Paint(painter, QRectF(0, 0, width, height), paint, GlyphDrawing::AsOutlines);
            return painter.end() ? Save(request, bytes, fault) : Failed(request.file);
        }
        case ImageFormat::Pdf: {
            QPainter painter;
            {
                QPdfWriter pdf(&buffer);
                pdf.setPageSize(
                    QPageSize(request.paper == PaperSize::A4 ? QPageSize::A4 : QPageSize::Letter));
                pdf.setResolution(kPdfDotsPerInch);
                pdf.setTitle("SOLVARIS chart wheel");
                pdf.setCreator("SOLVARIS");
                if (!painter.begin(&pdf)) {
                    return Failed(request.file);
                }
                Paint(painter, QRectF(0, 0, pdf.width(), pdf.height()), paint);
                if (!painter.end()) {
                    return Failed(request.file);
                }
            }
            return Save(request, bytes, fault);
        }
    }
    return Failed(request.file);
}

}  // namespace solvaris
