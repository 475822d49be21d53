// A full-page wheel printed to PDF, read back with poppler's tools as a viewer would: true to
// shape and drawn as vectors. Skipped where poppler-utils are not installed.
#include <gtest/gtest.h>

#include <QLineF>
#include <QPolygonF>
#include <algorithm>
#include <regex>
#include <string>
#include <vector>

#include "app/compute_charts.hpp"
#include "app/wheel_command.hpp"
#include "app/wheel_drawing.hpp"
#include "base/option_numbers.hpp"
#include "base/options.hpp"
#include "base/program_folder.hpp"
#include "platform/qt/image_export.hpp"
#include "support/run_program.hpp"
#include "support/sample_people.hpp"
#include "support/scripted_platform.hpp"

namespace solvaris {
namespace {

// The stroked paths in poppler's SVG: lines by their two ends, curves (circles) by all points.
struct StrokedPaths {
    std::vector<std::pair<QPointF, QPointF>> lines;
    std::vector<QPolygonF> curves;
    std::vector<std::string> transforms;
};

StrokedPaths ReadStrokedPaths(const std::string& svg) {
    StrokedPaths paths;
    const std::regex path(
        R"re(<path style="fill:none;[^"]*" d="([^"]*)"( transform="([^"]*)")?)re");
    const std::regex number(R"(-?[0-9]+(\.[0-9]+)?)");
    for (auto it = std::sregex_iterator(svg.begin(), svg.end(), path); it != std::sregex_iterator();
         ++it) {
        const std::string d = (*it)[1];
        paths.transforms.push_back((*it)[3]);
        std::vector<double> values;
        for (auto n = std::sregex_iterator(d.begin(), d.end(), number); n != std::sregex_iterator();
             ++n) {
            values.push_back(std::stod(n->str()));
        }
        QPolygonF points;
        for (std::size_t i = 0; i + 1 < values.size(); i += 2) {
            points.append({values[i], values[i + 1]});
        }
        if (d.find('C') != std::string::npos) {
            paths.curves.push_back(points);
        } else if (points.size() == 2) {
            paths.lines.emplace_back(points[0], points[1]);
        }
    }
    return paths;
}

double Distance(QPointF a, QPointF b) { return QLineF(a, b).length(); }

TEST(PrintedWheel, AFullPageIsTrueToShapeAndVectors) {
    if (testing::RunShell("command -v pdftocairo && command -v pdftotext", {}).status != 0) {
        GTEST_SKIP() << "poppler-utils are not installed";
    }
    Session session;
    session.folder = SOLVARIS_DATA_DIR;
    LoadOptions(FindInFolder(session.folder, kOptionsFileName), session.options);
    session.options.Set(opt::WheelAspectLines, 1);
    ScriptedPlatform platform;
    // Pisces on the Midheaven's line and aspects across the whole disc.
    const NatalEntryWindow natal = SampleNatalWindow();
    const DiurnalEntryWindow diurnal{natal.fields};
    ASSERT_TRUE(ComputeChartStore(session, natal, diurnal, HouseSystem::Placidus, platform));
    ASSERT_TRUE(RunWheelCommand(session, WheelKind::Natal, diurnal, platform));
    WheelDrawing drawing;
    ASSERT_EQ(LoadWheelDrawing(session, false, drawing), "");
    drawing.state.printMode = WheelPrintMode::FullPage;

    testing::TempFolder folder;
    const std::filesystem::path pdf = folder / "wheel.pdf";
    ASSERT_EQ(ExportImage({pdf, ImageFormat::Pdf},
                          [&](Canvas& canvas) {
                              PaintSessionWheel(session, drawing, canvas, platform, 1024, 768);
                          }),
              "");

    const std::string text = testing::RunShell("pdftotext", {pdf.string(), "-"}).out;
    EXPECT_NE(text.find("Sample Natal - natal"), std::string::npos) << text;
    EXPECT_NE(text.find("Placidus"), std::string::npos);
    EXPECT_NE(text.find("\u2653"), std::string::npos) << "the glyphs are text too: Pisces";

    const StrokedPaths paths =
        ReadStrokedPaths(testing::RunShell("pdftocairo -svg", {pdf.string(), "-"}).out);
    ASSERT_EQ(paths.curves.size(), 2u) << "the outer and the inner circle";
    EXPECT_EQ(std::count(paths.transforms.begin(), paths.transforms.end(), paths.transforms[0]),
              static_cast<long>(paths.transforms.size()))
        << "one frame for every path";
    const auto [innerBox, outerBox] =
        std::minmax({paths.curves[0].boundingRect(), paths.curves[1].boundingRect()},
                    [](const QRectF& a, const QRectF& b) { return a.width() < b.width(); });
    const QPointF centre = outerBox.center();
    const double outerRadius = outerBox.width() / 2;
    const double innerRadius = innerBox.width() / 2;
    EXPECT_NEAR(outerBox.height() / outerBox.width(), 1, 1e-3);
    EXPECT_NEAR(innerRadius / outerRadius, 120.0 / 217, 1e-3);
    EXPECT_NEAR(Distance(innerBox.center(), centre), 0, 1e-3 * outerRadius);

    const double tolerance = 2e-3 * outerRadius;
    int houseLines = 0;
    for (const auto& [a, b] : paths.lines) {
        const double near = std::min(Distance(a, centre), Distance(b, centre));
        const double far = std::max(Distance(a, centre), Distance(b, centre));
        if (near > innerRadius + tolerance) {
            // A point's tick or leader line, inside the outer circle.
            EXPECT_LE(far, outerRadius + tolerance);
        } else if (far > innerRadius + tolerance) {
            // A house line, from the inner circle to the outer.
            ++houseLines;
            EXPECT_NEAR(near, innerRadius, tolerance);
            EXPECT_NEAR(far, outerRadius, tolerance);
        } else {
            // An aspect line, ending on the inner circle.
            EXPECT_NEAR(near, innerRadius, tolerance);
            EXPECT_NEAR(far, innerRadius, tolerance);
        }
    }
    EXPECT_EQ(houseLines, 12);
}

}  // namespace
}  // namespace solvaris
