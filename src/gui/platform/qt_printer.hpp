// The printer on Qt: QPainter on a QPrinter, for the system's printers and
// for PDF files. Lines go down the page from its top in the font set last;
// a line that would pass the bottom starts a new page. When a line is wider
// than the page, every line of the job is drawn narrower by the same
// measure, so that the columns of a report stay under one another. Lines
// are set closer than the font's spacing when a page must hold more of
// them.
#pragma once

#include <QFont>
#include <QPainter>
#include <QPrinter>
#include <QString>
#include <filesystem>
#include <memory>
#include <vector>

#include "platform/printer.hpp"

class QWidget;

namespace solvaris {

class QtPrinter : public Printer {
public:
    explicit QtPrinter(std::unique_ptr<QPrinter> printer);
    ~QtPrinter() override;

    void SetFont(std::string_view name, double sizePoints) override;
    void SetPageLines(int lines) override { pageLines_ = lines; }
    void PrintLine(std::string_view text) override;
    void NewPage() override;
    std::string EndJob() override;

private:
    // The painter on the printer, begun on first use; false after a failure.
    bool Started();
    // The job's lines on their pages, all squeezed alike.
    void PaintJob();

    // A line placed on its page, drawn when the job ends: only then is the
    // widest line of the job known.
    struct PlacedLine {
        int page;
        double top;  // device pixels below the top of the printable area
        QFont font;
        QString text;
    };

    std::unique_ptr<QPrinter> printer_;
    QPainter painter_;
    QFont font_;
    bool started_ = false;
    bool ended_ = false;
    std::string failure_;
    double y_ = 0;  // device pixels below the top of the printable area
    int page_ = 0;
    std::vector<PlacedLine> lines_;
    int pageLines_ = 0;
};

// The print dialog, offering the system's printers and printing to a PDF
// file; null when the user cancels.
std::unique_ptr<Printer> ChooseQtPrinter(QWidget* parent);

// The print dialog for a page to paint on (the chart wheel); null when the
// user cancels.
std::unique_ptr<QPrinter> ChooseQtPaper(QWidget* parent);

// A printer that writes a PDF file.
std::unique_ptr<Printer> PdfFilePrinter(const std::filesystem::path& file);

}  // namespace solvaris
