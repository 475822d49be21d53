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
#include "base/text_lines.hpp"
#include "platform/qt/qt_canvas.hpp"
#include "platform/qt/runtime_folder.hpp"

namespace solvaris {

namespace {

// The chart window is 14050 twips wide (9.76 inches) on a 1024-pixel
// screen; an image of any size keeps the window's proportion of text to
// wheel.
constexpr double kWindowInches = 14050.0 / 1440.0;
constexpr int kPdfDotsPerInch = 300;

void Paint(QPainter& painter, QRectF device, const std::function<void(Canvas&)>& paint) {
    QtCanvas canvas(painter, device);
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

std::optional<ImageFormat> ImageFormatOf(const std::filesystem::path& file) {
    const std::string ext = file.extension().string();
    if (EqualIgnoringCase(ext, ".png")) {
        return ImageFormat::Png;
    }
    if (EqualIgnoringCase(ext, ".svg")) {
        return ImageFormat::Svg;
    }
    if (EqualIgnoringCase(ext, ".pdf")) {
        return ImageFormat::Pdf;
    }
    return std::nullopt;
}

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
    // come out the same share of the picture on any screen.
    const int dotsPerMetre = static_cast<int>(width / kWindowInches / 0.0254);
    image.setDotsPerMeterX(dotsPerMetre);
    image.setDotsPerMeterY(dotsPerMetre);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        Paint(painter, QRectF(0, 0, width, height), paint);
    }
    return image;
}

std::string ExportImage(const ImageRequest& request, const std::function<void(Canvas&)>& paint,
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
            Paint(painter, QRectF(0, 0, width, height), paint);
            return painter.end() ? Save(request, bytes, fault) : Failed(request.file);
        }
        case ImageFormat::Pdf: {
            QPainter painter;
            {
                QPdfWriter pdf(&buffer);
                pdf.setPageSize(QPageSize(QPageSize::Letter));
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
