// Drawing on a canvas into a PNG image, an SVG drawing or a PDF page,
// without a display (Qt's offscreen platform when none is set).
#pragma once

#include <QImage>
#include <QPainter>
#include <QRectF>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>

#include "base/file_replace.hpp"
#include "platform/canvas.hpp"

namespace solvaris {

enum class ImageFormat { Png, Svg, Pdf };

// By the file's extension, in any case; nothing for other extensions.
std::optional<ImageFormat> ImageFormatOf(const std::filesystem::path& file);

// The Qt application the painters need, made once; offscreen unless the
// environment names a platform.
void EnsureGuiApplication();

// The drawing on a white image of `width` by `height` pixels, each
// `devicePixelRatio` device pixels across (a window on a high-density
// screen), the text taking the share of the wheel that a 1024 by 768
// chart window gives it, whatever the shape (the wheel's size follows the
// smaller side): what the PNG export draws, at any size. Null for a size
// outside 1 to 16384 pixels.
QImage PaintImage(int width, int height, double devicePixelRatio,
                  const std::function<void(Canvas&)>& paint);

// The same drawing as PaintImage's picture of `width` by `height` pixels,
// as vectors on the painter's device (a printed page), filling `target`
// (device units) with the picture's proportions of text to drawing kept.
void PaintPictureOnDevice(QPainter& painter, const QRectF& target, int width, int height,
                          const std::function<void(Canvas&)>& paint);

struct ImageRequest {
    std::filesystem::path file;
    ImageFormat format = ImageFormat::Png;
    int widthPixels = 1024;  // PNG and SVG; a PDF is one Letter page
    int heightPixels = 768;
};

// `paint` draws on the canvas of the whole image or page; the file is
// written through the crash-safe replacement. Empty on success, else what
// went wrong (an earlier file of that name is then left as it was).
// `fault` makes a step of the write fail, for tests.
std::string ExportImage(const ImageRequest& request, const std::function<void(Canvas&)>& paint,
                        const ReplaceFault& fault = {});

}  // namespace solvaris
