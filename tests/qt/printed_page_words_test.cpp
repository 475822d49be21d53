// Full-page wheels with their aspect grid printed to PDF on Letter and A4 and read back with
// poppler's pdftotext as a viewer reads them: no word over another. Skipped where poppler-utils
// are not installed.
#include <gtest/gtest.h>

#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QRectF>
#include <cmath>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "app/compute_charts.hpp"
#include "app/wheel_command.hpp"
#include "app/wheel_drawing.hpp"
#include "base/option_numbers.hpp"
#include "base/options.hpp"
#include "base/program_folder.hpp"
#include "platform/qt/image_export.hpp"
#include "platform/qt/qt_canvas.hpp"
#include "support/run_program.hpp"
#include "support/sample_people.hpp"
#include "support/scripted_platform.hpp"

namespace solvaris {
namespace {

struct Word {
    QRectF box;
    std::string text;
};

// pdftotext's box of a word is its font's whole line height; the inked part of a glyph leaves
// the top and bottom sixth of it, where the characters of a vertical label meet.
std::vector<Word> ReadWords(const std::string& bboxHtml) {
    constexpr double kLeadingShare = 0.15;
    const std::regex word(
        R"re(xMin="([0-9.]+)" yMin="([0-9.]+)" xMax="([0-9.]+)" yMax="([0-9.]+)">([^<]*)<)re");
    std::vector<Word> words;
    for (auto it = std::sregex_iterator(bboxHtml.begin(), bboxHtml.end(), word);
         it != std::sregex_iterator(); ++it) {
        const double left = std::stod((*it)[1]);
        const double top = std::stod((*it)[2]);
        const double right = std::stod((*it)[3]);
        const double bottom = std::stod((*it)[4]);
        const double leading = kLeadingShare * (bottom - top);
        words.push_back(
            {QRectF(QPointF(left, top + leading), QPointF(right, bottom - leading)), (*it)[5]});
    }
    return words;
}

// Word boxes overlapping by more than a hair (the parts of one label touch).
std::vector<std::string> OverlappingWords(const std::vector<Word>& words) {
    constexpr double kHairPoints = 0.3;
    std::vector<std::string> pairs;
    for (std::size_t i = 0; i < words.size(); ++i) {
        for (std::size_t j = i + 1; j < words.size(); ++j) {
            const QRectF common = words[i].box.intersected(words[j].box);
            if (common.width() > kHairPoints && common.height() > kHairPoints) {
                pairs.push_back(words[i].text + " over " + words[j].text);
            }
        }
    }
    return pairs;
}

std::string PrintPage(Session& session, ScriptedPlatform& platform, bool european,
                      QPageSize::PageSizeId paper, const std::filesystem::path& file) {
    WheelDrawing drawing;
    EXPECT_EQ(LoadWheelDrawing(session, european, drawing), "");
    drawing.state.printMode = WheelPrintMode::FullPage;
    {
        QPdfWriter pdf(QString::fromStdString(file.string()));
        pdf.setPageSize(QPageSize(paper));
        pdf.setResolution(300);
        QPainter painter(&pdf);
        QtCanvas canvas(painter, QRectF(0, 0, pdf.width(), pdf.height()));
        PaintSessionWheel(session, drawing, canvas, platform, 1024, 768);
    }
    return testing::RunShell("pdftotext -bbox", {file.string(), "-"}).out;
}

// Between two header cells; a word space of 10-point text is about 2.5 points.
constexpr double kHeaderGapPoints = 2.5;

TEST(PrintedPage, NoWordOverAnotherOnLetterOrA4) {
    if (testing::RunShell("command -v pdftotext", {}).status != 0) {
        GTEST_SKIP() << "poppler-utils are not installed";
    }
    EnsureGuiApplication();
    Session session;
    session.folder = SOLVARIS_DATA_DIR;
    LoadOptions(FindInFolder(session.folder, kOptionsFileName), session.options);
    ASSERT_NE(session.options(opt::PrintedAspectGrid), 0);
    ScriptedPlatform platform;
    const NatalEntryWindow natal = SampleNatalWindow();
    DiurnalEntryWindow diurnal{natal.fields};
    diurnal.fields.year = "2026";
    ASSERT_TRUE(ComputeChartStore(session, natal, diurnal, HouseSystem::Placidus, platform));
    testing::TempFolder folder;
    const struct {
        WheelKind kind;
        bool european;
    } wheels[] = {{WheelKind::Natal, false},
                  {WheelKind::Natal, true},
                  {WheelKind::DualTransits, false},
                  {WheelKind::DualProgressed, false}};
    for (const auto paper : {QPageSize::Letter, QPageSize::A4}) {
        for (const auto& wheel : wheels) {
            ASSERT_TRUE(RunWheelCommand(session, wheel.kind, diurnal, platform));
            const std::vector<Word> words =
                ReadWords(PrintPage(session, platform, wheel.european, paper, folder / "page.pdf"));
            const std::string where = (paper == QPageSize::A4 ? "A4, kind " : "Letter, kind ") +
                                      std::to_string(static_cast<int>(wheel.kind)) +
                                      (wheel.european ? " European" : "");
            // The grid's last two header cells, "AC" and "MC" side by side, read apart.
            int headerPairs = 0;
            for (const Word& ac : words) {
                for (const Word& mc : words) {
                    if (ac.text == "AC" && mc.text == "MC" &&
                        std::fabs(ac.box.center().y() - mc.box.center().y()) < 1 &&
                        mc.box.left() > ac.box.left()) {
                        ++headerPairs;
                        EXPECT_GE(mc.box.left() - ac.box.right(), kHeaderGapPoints) << where;
                    }
                }
            }
            EXPECT_EQ(headerPairs, 1) << where;
            EXPECT_EQ(OverlappingWords(words), std::vector<std::string>{}) << where;
        }
    }
}

}  // namespace
}  // namespace solvaris
