#include "gui/platform/qt_printer.hpp"

#include <QFontMetricsF>
#include <QMarginsF>
#include <QPageLayout>
#include <QPrintDialog>
#include <algorithm>

namespace solvaris {

namespace {

// Narrow margins so that 80 columns of 12-point Courier fit on A4 and
// letter paper alike.
constexpr double kMarginMillimetres = 6;

std::unique_ptr<QPrinter> NewQPrinter() {
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setPageMargins(
        QMarginsF(kMarginMillimetres, kMarginMillimetres, kMarginMillimetres, kMarginMillimetres),
        QPageLayout::Millimeter);
    return printer;
}

}  // namespace

QtPrinter::QtPrinter(std::unique_ptr<QPrinter> printer) : printer_(std::move(printer)) {
    font_.setFamily(QString::fromUtf8(kPrinterFontName.data(), kPrinterFontName.size()));
    font_.setStyleHint(QFont::TypeWriter);
    font_.setFixedPitch(true);
}

QtPrinter::~QtPrinter() {
    // A job dropped without EndJob is still closed, so the file or the
    // spooler is not left half written.
    if (started_ && !ended_) {
        painter_.end();
    }
}

bool QtPrinter::Started() {
    if (!failure_.empty() || ended_) {
        return false;
    }
    if (!started_) {
        if (!painter_.begin(printer_.get())) {
            failure_ = printer_->outputFileName().isEmpty()
                           ? "The printer " + printer_->printerName().toStdString() +
                                 " could not be started."
                           : "The file " + printer_->outputFileName().toStdString() +
                                 " could not be written.";
            return false;
        }
        started_ = true;
    }
    return true;
}

void QtPrinter::SetFont(std::string_view name, double sizePoints) {
    font_.setFamily(QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())));
    font_.setPointSizeF(sizePoints);
}

void QtPrinter::PrintLine(std::string_view text) {
    if (!Started()) {
        return;
    }
    const QFontMetricsF metrics(font_, printer_.get());
    const double pageHeight = printer_->height();
    // The last of `pageLines_` lines must end above the bottom.
    const double pitch =
        pageLines_ > 1
            ? std::min(metrics.lineSpacing(), (pageHeight - metrics.height()) / (pageLines_ - 1))
            : metrics.lineSpacing();
    constexpr double kRoundingPixels = 0.5;
    if (y_ > 0 && y_ + metrics.height() > pageHeight + kRoundingPixels) {
        NewPage();
        if (!failure_.empty()) {
            return;
        }
    }
    lines_.push_back(
        {page_, y_, font_, QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()))});
    y_ += pitch;
}

void QtPrinter::NewPage() {
    if (!Started()) {
        return;
    }
    ++page_;
    y_ = 0;
}

void QtPrinter::PaintJob() {
    // Trailing blanks print nothing and take no room.
    const double pageWidth = printer_->width();
    double squeeze = 1;
    for (const PlacedLine& line : lines_) {
        QString inked = line.text;
        while (inked.endsWith(QLatin1Char(' '))) {
            inked.chop(1);
        }
        const double width = QFontMetricsF(line.font, printer_.get()).horizontalAdvance(inked);
        if (width > pageWidth) {
            squeeze = std::min(squeeze, pageWidth / width);
        }
    }
    auto line = lines_.begin();
    for (int page = 0; page <= page_; ++page) {
        if (page > 0 && !printer_->newPage()) {
            failure_ = "The printer could not start a new page.";
            return;
        }
        for (; line != lines_.end() && line->page == page; ++line) {
            painter_.setFont(line->font);
            painter_.save();
            painter_.translate(0, line->top + QFontMetricsF(line->font, printer_.get()).ascent());
            painter_.scale(squeeze, 1);
            painter_.drawText(QPointF(0, 0), line->text);
            painter_.restore();
        }
    }
}

std::string QtPrinter::EndJob() {
    // An empty job still prints its one empty page.
    if (Started()) {
        PaintJob();
        if (!painter_.end() && failure_.empty()) {
            failure_ = "The print job could not be finished.";
        }
        ended_ = true;
    }
    return failure_;
}

std::unique_ptr<QPrinter> ChooseQtPaper(QWidget* parent) {
    auto printer = NewQPrinter();
    QPrintDialog dialog(printer.get(), parent);
    if (dialog.exec() != QDialog::Accepted) {
        return nullptr;
    }
    return printer;
}

std::unique_ptr<Printer> ChooseQtPrinter(QWidget* parent) {
    auto printer = ChooseQtPaper(parent);
    if (!printer) {
        return nullptr;
    }
    return std::make_unique<QtPrinter>(std::move(printer));
}

std::unique_ptr<Printer> PdfFilePrinter(const std::filesystem::path& file) {
    auto printer = NewQPrinter();
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(QString::fromStdString(file.string()));
    return std::make_unique<QtPrinter>(std::move(printer));
}

}  // namespace solvaris
