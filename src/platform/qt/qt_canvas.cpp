#include "platform/qt/qt_canvas.hpp"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QPainterPath>
#include <QPen>
#include <QRawFont>
#include <array>
#include <cmath>

#include "base/horary_glyphs.hpp"
#include "base/text_lines.hpp"

namespace solvaris {

QColor PaletteColour(int index) {
    static constexpr std::array<unsigned, 16> kRgb{
        0x000000, 0x000080, 0x008000, 0x008080, 0x800000, 0x800080, 0x808000, 0xC0C0C0,
        0x808080, 0x0000FF, 0x00FF00, 0x00FFFF, 0xFF0000, 0xFF00FF, 0xFFFF00, 0xFFFFFF};
    if (index < 0 || index >= 16) {
        index = 0;
    }
    return QColor::fromRgb(kRgb[static_cast<std::size_t>(index)]);
}

QtCanvas::QtCanvas(QPainter& painter, QRectF device, GlyphDrawing glyphs)
    : painter_(painter), device_(device), glyphs_(glyphs) {
    painter_.setRenderHint(QPainter::Antialiasing);
    painter_.setRenderHint(QPainter::TextAntialiasing);
}

QPointF QtCanvas::ToDevice(double x, double y) const {
    return {device_.left() + (x - left_) * device_.width() / (right_ - left_),
            device_.top() + (y - top_) * device_.height() / (bottom_ - top_)};
}

QString QtCanvas::TextOf(std::string_view text) const {
    if (glyphFont_) {
        const std::string symbols = GlyphTextToUnicode(text);
        return QString::fromUtf8(symbols.data(), static_cast<qsizetype>(symbols.size()));
    }
    // Texts from files may be Windows-1252; the canvas takes whatever it is
    // given without failing.
    const std::string utf8 = IsValidUtf8(text) ? std::string(text) : Windows1252ToUtf8(text);
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

double QtCanvas::HeightPerWidth() const {
    // A printer's device units may differ across and down.
    const QPaintDevice* device = painter_.device();
    const double across =
        device != nullptr && device->logicalDpiX() > 0 ? device->logicalDpiX() : 1;
    const double down = device != nullptr && device->logicalDpiY() > 0 ? device->logicalDpiY() : 1;
    return device_.width() > 0 ? (device_.height() / down) / (device_.width() / across) : 1;
}

void QtCanvas::Clear(int backgroundColour) {
    painter_.fillRect(device_, PaletteColour(backgroundColour));
}

void QtCanvas::SetScale(double left, double top, double right, double bottom) {
    if (left == right || top == bottom) {
        return;  // a degenerate scale would divide by zero; keep the last one
    }
    left_ = left;
    top_ = top;
    right_ = right;
    bottom_ = bottom;
}

void QtCanvas::SetForeColour(int colour) { fore_ = colour; }
void QtCanvas::SetFillColour(int colour) { fill_ = colour; }
void QtCanvas::SetFillStyle(FillStyle style) { fillStyle_ = style; }

const QtCanvas::FontEntry& QtCanvas::FontFor(const QString& family, double pointSize) {
    const auto key = std::make_pair(family, pointSize);
    if (const auto found = fonts_.find(key); found != fonts_.end()) {
        return found->second;
    }
    auto known = familyAvailable_.find(family);
    if (known == familyAvailable_.end()) {
        known = familyAvailable_.emplace(family, QFontDatabase::hasFamily(family)).first;
    }
    QFont font(family);
    font.setPointSizeF(pointSize);
    const QFontMetricsF metrics(font, painter_.device());
    return fonts_.emplace(key, FontEntry{font, metrics, known->second}).first->second;
}

bool QtCanvas::SetFont(std::string_view name, double pointSize) {
    glyphFont_ = EqualIgnoringCase(name, "HORARY");
    const QString family =
        glyphFont_ ? QString(kGlyphFontFamily)
                   : QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
    font_ = &FontFor(family, pointSize > 0 ? pointSize : 1);
    painter_.setFont(font_->font);
    // Other faces are substituted by the system; only a missing glyph font
    // leaves the wheel without its symbols.
    return !glyphFont_ || font_->available;
}

const QFontMetricsF& QtCanvas::Metrics() {
    if (!font_) {
        font_ = &FontFor(painter_.font().family(), painter_.font().pointSizeF());
    }
    return font_->metrics;
}

double QtCanvas::TextWidth(std::string_view text) {
    return Metrics().horizontalAdvance(TextOf(text)) * std::fabs(right_ - left_) / device_.width();
}

double QtCanvas::TextHeight(std::string_view) {
    return Metrics().height() * std::fabs(bottom_ - top_) / device_.height();
}

void QtCanvas::MoveTo(double x, double y) {
    x_ = x;
    y_ = y;
}

void QtCanvas::Print(std::string_view text) {
    const QString s = TextOf(text);
    const QFontMetricsF& metrics = Metrics();
    const QPointF at = ToDevice(x_, y_);
    const QPointF baseline(at.x(), at.y() + metrics.ascent());
    if (glyphFont_ && glyphs_ == GlyphDrawing::AsOutlines) {
        FillOutlines(s, baseline);
    } else {
        painter_.setPen(PaletteColour(fore_));
        painter_.drawText(baseline, s);
    }
    const double widthUser = metrics.horizontalAdvance(s) * (right_ - left_) / device_.width();
    x_ += widthUser;
}

void QtCanvas::FillOutlines(const QString& text, QPointF baseline) {
    // The font at the device's own pixel size, as drawText would use it.
    QRawFont raw = QRawFont::fromFont(font_->font);
    const QPaintDevice* device = painter_.device();
    const double dotsPerInch =
        device != nullptr && device->logicalDpiY() > 0 ? device->logicalDpiY() : 72.0;
    raw.setPixelSize(font_->font.pointSizeF() * dotsPerInch / 72);
    const QList<quint32> glyphs = raw.glyphIndexesForString(text);
    const QList<QPointF> advances = raw.advancesForGlyphIndexes(glyphs);
    QPainterPath outlines;
    QPointF pen = baseline;
    for (qsizetype i = 0; i < glyphs.size(); ++i) {
        outlines.addPath(raw.pathForGlyph(glyphs[i]).translated(pen));
        pen += advances.value(i);
    }
    painter_.fillPath(outlines, PaletteColour(fore_));
}

void QtCanvas::Line(double x1, double y1, double x2, double y2, int colour) {
    painter_.setPen(QPen(PaletteColour(colour), 1));
    painter_.drawLine(ToDevice(x1, y1), ToDevice(x2, y2));
    x_ = x2;
    y_ = y2;
}

void QtCanvas::Circle(double x, double y, double radius, int colour) {
    // The radius is measured along the x axis, as the platform's circles are.
    const double r = std::fabs(radius * device_.width() / (right_ - left_));
    painter_.setPen(QPen(PaletteColour(colour), 1));
    painter_.setBrush(fillStyle_ == FillStyle::Solid ? QBrush(PaletteColour(fill_))
                                                     : QBrush(Qt::NoBrush));
    painter_.drawEllipse(ToDevice(x, y), r, r);
    painter_.setBrush(Qt::NoBrush);
}

void QtCanvas::Arc(double x, double y, double radius, double startDegrees, double endDegrees,
                   int colour) {
    const double r = std::fabs(radius * device_.width() / (right_ - left_));
    const QPointF c = ToDevice(x, y);
    double span = std::fmod(endDegrees - startDegrees, 360.0);
    if (span < 0) {
        span += 360;
    }
    painter_.setPen(QPen(PaletteColour(colour), 1));
    painter_.drawArc(QRectF(c.x() - r, c.y() - r, 2 * r, 2 * r),
                     static_cast<int>(std::lround(startDegrees * 16)),
                     static_cast<int>(std::lround(span * 16)));
}

}  // namespace solvaris
