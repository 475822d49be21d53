// A full-page wheel printed to PDF, read back with poppler's tools as a
// reader's viewer would: true to shape (the circles round, every house line
// ending on the outer circle, every aspect line inside the inner one, both
// at any page shape) and drawn as vectors (its text extractable). Skipped
// where poppler-utils are not installed.
#include <gtest/gtest.h>

#include <QLineF>
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
#include "support/scripted_platform.hpp"

namespace solvaris {
namespace {

// The stroked paths of the page as poppler's SVG gives them, all in the
// one coordinate frame Qt's page uses: straight lines by their two ends,
// curves (the circles) by all their points.
struct StrokedPaths {
    std::vector<std::pair<QPointF, QPointF>> lines;
    std::vector<std::vector<QPointF>> curves;
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
        std::vector<QPointF> points;
        for (std::size_t i = 0; i + 1 < values.size(); i += 2) {
            points.push_back({values[i], values[i + 1]});
        }
        if (d.find('C') != std::string::npos) {
            paths.curves.push_back(points);
        } else if (points.size() == 2) {
            paths.lines.emplace_back(points[0], points[1]);
        }
    }
    return paths;
}

struct Circle {
    QPointF centre;
    double radius;
    double heightPerWidth;
};

Circle CircleOf(const std::vector<QPointF>& points) {
    const auto [left, right] = std::minmax_element(
        points.begin(), points.end(), [](QPointF a, QPointF b) { return a.x() < b.x(); });
    const auto [top, bottom] = std::minmax_element(
        points.begin(), points.end(), [](QPointF a, QPointF b) { return a.y() < b.y(); });
    return {{(left->x() + right->x()) / 2, (top->y() + bottom->y()) / 2},
            (right->x() - left->x()) / 2,
            (bottom->y() - top->y()) / (right->x() - left->x())};
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
    // 5 December 1950, 7.45 P.M., New York: Pisces on the Midheaven's line
    // and aspects across the whole disc.
    const NatalEntryWindow natal{
        "Printed Person",
        {"12", "5", "1950", "7", "45", true, "5", "74", "0", false, "40", "43", false}};
    DiurnalEntryWindow diurnal;
    diurnal.fields.month = "3";
    diurnal.fields.day = "1";
    diurnal.fields.year = "2024";
    diurnal.fields.hour = "12";
    diurnal.fields.minute = "0";
    diurnal.fields.zone = "5";
    diurnal.fields.longDeg = "74";
    diurnal.fields.longMin = "0";
    diurnal.fields.latDeg = "40";
    diurnal.fields.latMin = "43";
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
    EXPECT_NE(text.find("Printed Person - natal"), std::string::npos) << text;
    EXPECT_NE(text.find("Placidus"), std::string::npos);
    EXPECT_NE(text.find("\u2653"), std::string::npos) << "the glyphs are text too: Pisces";

    const StrokedPaths paths =
        ReadStrokedPaths(testing::RunShell("pdftocairo -svg", {pdf.string(), "-"}).out);
    ASSERT_EQ(paths.curves.size(), 2u) << "the outer and the inner circle";
    ASSERT_GE(paths.lines.size(), 12u);
    EXPECT_EQ(std::count(paths.transforms.begin(), paths.transforms.end(), paths.transforms[0]),
              static_cast<long>(paths.transforms.size()))
        << "one frame for every path";
    Circle outer = CircleOf(paths.curves[0]);
    Circle inner = CircleOf(paths.curves[1]);
    if (inner.radius > outer.radius) {
        std::swap(inner, outer);
    }
    EXPECT_NEAR(outer.heightPerWidth, 1, 1e-3);
    EXPECT_NEAR(inner.radius / outer.radius, 120.0 / 217, 1e-3);
    EXPECT_NEAR(Distance(inner.centre, outer.centre), 0, 1e-3 * outer.radius);

    const double tolerance = 2e-3 * outer.radius;
    int houseLines = 0;
    for (const auto& [a, b] : paths.lines) {
        const double near = std::min(Distance(a, outer.centre), Distance(b, outer.centre));
        const double far = std::max(Distance(a, outer.centre), Distance(b, outer.centre));
        if (near > inner.radius + tolerance) {
            // A point's tick or leader line, inside the outer circle.
            EXPECT_LE(far, outer.radius + tolerance);
        } else if (far > inner.radius + tolerance) {
            // A house line, from the inner circle to the outer.
            ++houseLines;
            EXPECT_NEAR(near, inner.radius, tolerance);
            EXPECT_NEAR(far, outer.radius, tolerance);
        } else {
            // An aspect line, ending on the inner circle.
            EXPECT_NEAR(near, inner.radius, tolerance);
            EXPECT_NEAR(far, inner.radius, tolerance);
        }
    }
    EXPECT_EQ(houseLines, 12);
}

}  // namespace
}  // namespace solvaris
