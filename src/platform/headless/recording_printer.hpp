// The printer for tests: every page it is given, with the font, goes into
// a record that the test owns (and outlives the printer the print command
// asked for); the record can make the job fail at its end.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/printer.hpp"

namespace solvaris {

struct PrintedPage {
    std::vector<std::string> lines;
};

struct PrintRecord {
    std::string fontName;
    double fontSizePoints = 0;
    int pageLines = 0;
    std::vector<PrintedPage> pages;
    int jobsEnded = 0;
    // What EndJob reports; empty for a job that printed.
    Problem failure;

    // The number of lines on each page, for comparing with a table.
    std::vector<std::size_t> PageLengths() const {
        std::vector<std::size_t> lengths;
        for (const PrintedPage& page : pages) {
            lengths.push_back(page.lines.size());
        }
        return lengths;
    }
    std::vector<std::string> Lines() const {
        std::vector<std::string> lines;
        for (const PrintedPage& page : pages) {
            lines.insert(lines.end(), page.lines.begin(), page.lines.end());
        }
        return lines;
    }
};

class RecordingPrinter : public Printer {
public:
    explicit RecordingPrinter(PrintRecord& record) : record_(record) {}

    void SetFont(std::string_view name, double sizePoints) override {
        record_.fontName = name;
        record_.fontSizePoints = sizePoints;
    }
    void SetPageLines(int lines) override { record_.pageLines = lines; }
    void PrintLine(std::string_view text) override {
        if (record_.pages.empty()) {
            record_.pages.emplace_back();
        }
        record_.pages.back().lines.emplace_back(text);
    }
    void NewPage() override {
        if (record_.pages.empty()) {
            record_.pages.emplace_back();
        }
        record_.pages.emplace_back();
    }
    Problem EndJob() override {
        ++record_.jobsEnded;
        return record_.failure;
    }

private:
    PrintRecord& record_;
};

// A chooser that hands out printers recording into `record`, as if the
// user pressed OK in the print dialog each time.
inline PrinterChooser RecordingPrinterChooser(PrintRecord& record) {
    return [&record]() -> std::unique_ptr<Printer> {
        return std::make_unique<RecordingPrinter>(record);
    };
}

}  // namespace solvaris
