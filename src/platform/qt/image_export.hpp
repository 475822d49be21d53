// Drawing on a canvas into a PNG image, an SVG drawing or a PDF page,
// without a display (Qt's offscreen platform when none is set).
#pragma once

#include <QImage>
#include <QPainter>
#include <QRectF>
#include <functional>

#include "platform/canvas.hpp"
#include "platform/image_file.hpp"

namespace solvaris {

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

}  // namespace solvaris
