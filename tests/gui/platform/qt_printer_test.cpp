// The Qt printer into a PDF file: the pages the print rules ask for, the
// printer's own page break when the paper is full, a file that cannot be
// written reported; and on recorded paper, the columns of a job with a
// line wider than the page kept under one another.
#include "gui/platform/qt_printer.hpp"

#include <gtest/gtest.h>

#include <QFontMetricsF>
#include <QPaintEngine>
#include <QPrintEngine>
#include <climits>
#include <cmath>
#include <regex>

#include "reports/print_file.hpp"
#include "support/temp_folder.hpp"

namespace solvaris {
namespace {

// The page objects of a PDF file: "/Type /Page" not followed by "s".
std::size_t PdfPageCount(const std::string& pdf) {
    static const std::regex page(R"(/Type\s*/Page[^s])");
    return static_cast<std::size_t>(
        std::distance(std::sregex_iterator(pdf.begin(), pdf.end(), page), std::sregex_iterator()));
}

TEST(QtPrinter, PdfPagesFollowThePrintRules) {
    testing::TempFolder folder;
    struct Case {
        int lines;
        int pageLines;
        std::size_t pages;
    };
    // 30 lines a page are far fewer than a page holds; 200 lines without an
    // option of their own fill pages until the printer starts new ones.
    const Case cases[] = {{130, 60, 3}, {120, 60, 2}, {90, 30, 3}, {0, 60, 1}};
    for (const Case& c : cases) {
        std::vector<std::string> lines;
        for (int i = 1; i <= c.lines; ++i) {
            lines.push_back("line " + std::to_string(i) + std::string(70, '-'));
        }
        const auto file = folder / ("out" + std::to_string(c.lines) + ".pdf");
        auto printer = PdfFilePrinter(file);
        EXPECT_EQ(PrintLines(*printer, kPrintPoints, lines, c.pageLines, PageBreaks::EveryPage),
                  "");
        const std::string pdf = folder.Read(file.filename().string());
        ASSERT_EQ(pdf.substr(0, 5), "%PDF-");
        EXPECT_EQ(PdfPageCount(pdf), c.pages) << c.lines;
    }

    // Without a page length the printer breaks where the paper ends: 12
    // points a line leave some 60 lines on A4 or letter paper.
    std::vector<std::string> many(200, std::string(80, 'x'));
    auto printer = PdfFilePrinter(folder / "many.pdf");
    EXPECT_EQ(PrintLines(*printer, kPrintPoints, many, 0, PageBreaks::EveryPage), "");
    const std::size_t pages = PdfPageCount(folder.Read("many.pdf"));
    EXPECT_GE(pages, 3u);
    EXPECT_LE(pages, 5u);

    auto unwritable = PdfFilePrinter(folder / "no such folder" / "out.pdf");
    const std::string failure =
        PrintLines(*unwritable, kPrintPoints, {"a"}, 60, PageBreaks::EveryPage);
    EXPECT_NE(failure.find("out.pdf"), std::string::npos) << failure;
}

// Paper that records each text drawn on it: its page, where it starts and
// how much narrower than the font it is drawn.
struct DrawnText {
    int page;
    double left;
    double squeeze;
    QString text;
};

class RecordingPaintEngine : public QPaintEngine {
public:
    RecordingPaintEngine() : QPaintEngine(QPaintEngine::AllFeatures) {}
    bool begin(QPaintDevice*) override { return true; }
    bool end() override { return true; }
    void updateState(const QPaintEngineState& state) override {
        if (state.state() & QPaintEngine::DirtyTransform) {
            transform_ = state.transform();
        }
    }
    void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}
    void drawTextItem(const QPointF& at, const QTextItem& item) override {
        texts.push_back({page, transform_.map(at).x(), transform_.m11(), item.text()});
    }
    Type type() const override { return QPaintEngine::User; }

    int page = 0;
    std::vector<DrawnText> texts;

private:
    QTransform transform_;
};

// 72 dots to the inch, so that a point is a pixel.
class RecordingPrintEngine : public QPrintEngine {
public:
    RecordingPrintEngine(RecordingPaintEngine& paint, int widthPixels)
        : paint_(paint), width_(widthPixels) {}
    void setProperty(PrintEnginePropertyKey, const QVariant&) override {}
    QVariant property(PrintEnginePropertyKey) const override { return {}; }
    bool newPage() override {
        ++paint_.page;
        return true;
    }
    bool abort() override { return false; }
    int metric(QPaintDevice::PaintDeviceMetric metric) const override {
        switch (metric) {
            case QPaintDevice::PdmWidth: return width_;
            case QPaintDevice::PdmHeight: return 800;
            case QPaintDevice::PdmWidthMM: return width_ * 254 / 720;
            case QPaintDevice::PdmHeightMM: return 800 * 254 / 720;
            case QPaintDevice::PdmDpiX:
            case QPaintDevice::PdmDpiY:
            case QPaintDevice::PdmPhysicalDpiX:
            case QPaintDevice::PdmPhysicalDpiY: return 72;
            case QPaintDevice::PdmDepth: return 32;
            case QPaintDevice::PdmNumColors: return INT_MAX;
            case QPaintDevice::PdmDevicePixelRatio: return 1;
            case QPaintDevice::PdmDevicePixelRatioScaled:
                return static_cast<int>(QPaintDevice::devicePixelRatioFScale());
            default: return 0;
        }
    }
    QPrinter::PrinterState printerState() const override {
        return paint_.isActive() ? QPrinter::Active : QPrinter::Idle;
    }

private:
    RecordingPaintEngine& paint_;
    int width_;
};

// The engines outlive the printer that draws through them.
struct RecordingEngines {
    explicit RecordingEngines(int widthPixels) : print(paint, widthPixels) {}
    RecordingPaintEngine paint;
    RecordingPrintEngine print;
};

class RecordingPrinter : private RecordingEngines, public QPrinter {
public:
    explicit RecordingPrinter(int widthPixels) : RecordingEngines(widthPixels) {
        setEngines(&print, &paint);
    }
    const std::vector<DrawnText>& Texts() const { return paint.texts; }
};

TEST(QtPrinter, ALineWiderThanThePageSqueezesTheWholeJobAlike) {
    QFont courier(QString::fromUtf8(kPrinterFontName.data()));
    courier.setStyleHint(QFont::TypeWriter);
    courier.setFixedPitch(true);
    courier.setPointSizeF(kPrintPoints);
    RecordingPrinter probe(1000);
    const double column = QFontMetricsF(courier, &probe).horizontalAdvance(QLatin1Char('x'));
    const int pageColumns = 90;
    const auto columns = [](int inked, int blanks = 0) {
        return std::string(static_cast<std::size_t>(inked), 'x') +
               std::string(static_cast<std::size_t>(blanks), ' ');
    };
    struct Case {
        const char* what;
        std::vector<std::string> lines;
        int pageLines;
        int widestColumns;  // the line the job is squeezed for; 0: none
        int pages;
    };
    const Case cases[] = {
        {"trailing blanks take no room", {columns(80), columns(80, 40), columns(90)}, 60, 0, 1},
        {"the 98-column line of the natal report",
         {columns(80), columns(98), columns(80)},
         60,
         98,
         1},
        {"a wide line on the second page", {columns(80), columns(60), columns(120, 8)}, 2, 120, 2},
    };
    for (const Case& c : cases) {
        auto owned =
            std::make_unique<RecordingPrinter>(static_cast<int>(std::ceil(column * pageColumns)));
        const RecordingPrinter& paper = *owned;
        QtPrinter printer(std::move(owned));
        ASSERT_EQ(PrintLines(printer, kPrintPoints, c.lines, c.pageLines, PageBreaks::EveryPage),
                  "")
            << c.what;
        const double squeeze = c.widestColumns == 0 ? 1 : double(pageColumns) / c.widestColumns;
        ASSERT_EQ(paper.Texts().size(), c.lines.size()) << c.what;
        for (const DrawnText& text : paper.Texts()) {
            // Every line alike, so column n of one line stands above column
            // n of the next.
            EXPECT_NEAR(text.squeeze, squeeze, 0.01) << c.what << ": " << text.text.size();
            EXPECT_EQ(text.left, 0) << c.what;
            EXPECT_LE(text.squeeze * column * QString(text.text).trimmed().size(),
                      paper.width() + 0.5)
                << c.what;
        }
        EXPECT_EQ(paper.Texts().back().page + 1, c.pages) << c.what;
    }
}

}  // namespace
}  // namespace solvaris
