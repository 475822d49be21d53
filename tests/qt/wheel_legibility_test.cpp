// Legibility of painted wheels: seeded random charts, prepared by the
// Wheels commands as the command line prepares them, painted as the window
// paints them (every other chart into a 1024 by 768 image, the rest into
// the smallest window, 640 by 480) while every text's box is kept, and
// the overlapping pairs of texts counted per layout (one single, one dual
// and one triple wheel per chart, the single wheel also as the European
// type).
//
// No two texts overlap (aspect glyphs included), no part of a label lies
// over another part of it, no label is struck through by a house, aspect or
// leader line, and no heading line reaches into the outer circle (names of
// up to 40 characters).
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <functional>
#include <random>
#include <sstream>
#include <string>
#include <tuple>

#include "app/compute_charts.hpp"
#include "app/wheel_command.hpp"
#include "app/wheel_drawing.hpp"
#include "base/horary_glyphs.hpp"
#include "base/options.hpp"
#include "base/program_folder.hpp"
#include "platform/headless/text_box_canvas.hpp"
#include "platform/qt/image_export.hpp"
#include "support/scripted_platform.hpp"
#include "wheel/ring_layout.hpp"
#include "wheel/ring_parameters.hpp"
#include "wheel/text_overlaps.hpp"

namespace solvaris {
namespace {

// The sanitizer build runs every paint several times slower; it checks a
// tenth of the charts.
#if defined(__SANITIZE_ADDRESS__)
constexpr int kChartCount = 100;
#else
constexpr int kChartCount = 1000;
#endif
struct WindowSize {
    int widthPixels;
    int heightPixels;
};
constexpr std::array kWindowSizes{WindowSize{1024, 768}, WindowSize{640, 480}};
// Placidus cusps exist up to 66 degrees north and south.
constexpr int kLatitudeLimitDegrees = 65;

constexpr std::array kSingleKinds{
    WheelKind::Natal,        WheelKind::Progressed,  WheelKind::SolarArc,
    WheelKind::Transits,     WheelKind::SolarReturn, WheelKind::LunarReturn,
    WheelKind::Flat,         WheelKind::Solar,       WheelKind::SolarEquilibrium,
    WheelKind::WholeSignAsc, WheelKind::WholeSignMC};
constexpr std::array kDualKinds{WheelKind::DualProgressed, WheelKind::DualSolarArc,
                                WheelKind::DualTransits, WheelKind::DualSolarReturn,
                                WheelKind::DualLunarReturn};
constexpr std::array kTripleKinds{WheelKind::TripleProgressed, WheelKind::TripleSolarArc};

int Uniform(std::mt19937& random, int low, int high) {
    return std::uniform_int_distribution<int>(low, high)(random);
}

std::string Number(int value) { return std::to_string(value); }

// A name of 4 to 30 letters and spaces: the longest, with " - progressed", fills the heading's
// room.
std::string RandomName(std::mt19937& random) {
    std::string name;
    const int length = Uniform(random, 4, 40);
    for (int i = 0; i < length; ++i) {
        name += i > 0 && i % 9 == 0 ? ' ' : static_cast<char>('a' + Uniform(random, 0, 25));
    }
    name[0] = 'A';
    return name;
}

struct RandomEntry {
    NatalEntryWindow natal;
    DiurnalEntryWindow diurnal;
};

// A date of the year `year` gives, a time and a place within the latitudes
// the houses allow, the hemisphere's sign agreeing with the zone's.
EntryFields RandomFields(std::mt19937& random, const std::function<int()>& year) {
    EntryFields f;
    f.month = Number(Uniform(random, 1, 12));
    f.day = Number(Uniform(random, 1, 28));
    f.year = Number(year());
    f.hour = Number(Uniform(random, 1, 12));
    f.minute = Number(Uniform(random, 0, 59));
    f.pm = Uniform(random, 0, 1) == 1;
    f.zone = Number(Uniform(random, -2, 12));
    f.longDeg = Number(Uniform(random, 0, 179));
    f.longMin = Number(Uniform(random, 0, 59));
    f.east = f.zone.front() == '-';
    f.latDeg = Number(Uniform(random, 0, kLatitudeLimitDegrees));
    f.latMin = Number(Uniform(random, 0, 59));
    f.south = Uniform(random, 0, 1) == 1;
    return f;
}

// A birth from 1900 to 2099; the transit moment up to ninety years later
// somewhere else; every third chart compares a second person.
RandomEntry RandomCharts(std::mt19937& random) {
    RandomEntry e;
    const int year = Uniform(random, 1900, 2099);
    e.natal.txtName = RandomName(random);
    e.natal.fields = RandomFields(random, [&] { return year; });
    e.diurnal.fields =
        RandomFields(random, [&] { return std::min(2099, year + Uniform(random, 0, 90)); });
    e.diurnal.chk2ndPerson = Uniform(random, 0, 2) == 0;
    e.diurnal.chk2ndPersonCaption = e.diurnal.chk2ndPerson ? RandomName(random) : "2nd Person";
    return e;
}

struct PaintedWheel {
    std::vector<PrintedBox> boxes;
    std::vector<DrawnLine> lines;
};

PaintedWheel PaintPrepared(Session& session, ScriptedPlatform& platform, bool european,
                           WindowSize size) {
    WheelDrawing drawing;
    EXPECT_EQ(LoadWheelDrawing(session, european, drawing), "");
    PaintedWheel painted;
    PaintImage(size.widthPixels, size.heightPixels, 1, [&](Canvas& surface) {
        TextBoxCanvas canvas(surface);
        PaintSessionWheel(session, drawing, canvas, platform, size.widthPixels, size.heightPixels);
        painted = {canvas.Boxes(), canvas.Lines()};
    });
    return painted;
}

// The wheel's outer circle, which the heading must stay clear of.
constexpr double kOuterCircleUnits = 217;
// Conjunction to septile: the aspects whose glyphs mark the lines.
constexpr int kAspectGlyphCount = 16;

bool IsAspectGlyph(const PrintedBox& box) {
    if (!box.glyphFont || box.text.size() != 1) {
        return false;
    }
    const auto code = static_cast<unsigned char>(box.text[0]);
    return code >= AspectGlyphCode(1) && code <= AspectGlyphCode(kAspectGlyphCount);
}

// A heading line (a text face) that reaches into the wheel's outer circle.
bool HeadingIntoRing(const PrintedBox& box) {
    const double nearestX = std::clamp(0.0, box.left, box.right);
    const double nearestY = std::clamp(0.0, box.bottom, box.top);
    return !box.glyphFont && box.right > box.left &&
           std::hypot(nearestX, nearestY) < kOuterCircleUnits;
}

std::string Describe(const std::vector<PrintedBox>& boxes, const std::vector<int>& textOf,
                     int text) {
    std::ostringstream out;
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        if (textOf[i] == text) {
            out << " [" << static_cast<int>(static_cast<unsigned char>(boxes[i].text[0]))
                << "] at (" << boxes[i].left << ", " << boxes[i].top << ")";
        }
    }
    return out.str();
}

// The single wheels drawn again as the European type, counted apart.
constexpr std::size_t kEuropean = 3;

struct LayoutCount {
    int wheels = 0;
    int textPairs = 0;
    int crowdedLabelParts = 0;
    int textsOnLines = 0;  // struck through by a house, aspect or leader line
    int headingsIntoRing = 0;
    std::string first;  // the first fault met, described
};

void Count(LayoutCount& count, const PaintedWheel& wheel) {
    ++count.wheels;
    const std::vector<int> textOf = TextOfEachBox(wheel.boxes, OverlapRule{});
    const auto note = [&](const std::string& what) {
        count.first = count.first.empty() ? what : count.first;
    };
    for (const auto& [a, b] : OverlappingTextPairs(wheel.boxes)) {
        ++count.textPairs;
        note(Describe(wheel.boxes, textOf, a) + " over" + Describe(wheel.boxes, textOf, b));
    }
    count.crowdedLabelParts += static_cast<int>(CrowdedLabelParts(wheel.boxes).size());
    // An aspect glyph marks its own line; where lines crowd the centre, others may cross it.
    for (const int text : TextsCrossedByLines(wheel.boxes, wheel.lines)) {
        const auto firstBox = std::find(textOf.begin(), textOf.end(), text) - textOf.begin();
        if (!IsAspectGlyph(wheel.boxes[static_cast<std::size_t>(firstBox)])) {
            ++count.textsOnLines;
            note(Describe(wheel.boxes, textOf, text) + " on a line");
        }
    }
    count.headingsIntoRing +=
        static_cast<int>(std::count_if(wheel.boxes.begin(), wheel.boxes.end(), HeadingIntoRing));
}

TEST(WheelLegibility, OverlappingTextsOverSeededRandomCharts) {
    Session session;
    session.folder = SOLVARIS_DATA_DIR;
    LoadOptions(FindInFolder(session.folder, kOptionsFileName), session.options);
    ScriptedPlatform platform;
    std::mt19937 random(14);
    std::array<LayoutCount, 4> counts{};
    int refused = 0;
    for (int chart = 0; chart < kChartCount; ++chart) {
        const RandomEntry entry = RandomCharts(random);
        if (!ComputeChartStore(session, entry.natal, entry.diurnal, HouseSystem::Placidus,
                               platform)) {
            ++refused;
            continue;
        }
        const auto at = static_cast<std::size_t>(chart);
        for (const WheelKind kind :
             {kSingleKinds[at % kSingleKinds.size()], kDualKinds[at % kDualKinds.size()],
              kTripleKinds[at % kTripleKinds.size()]}) {
            if (!RunWheelCommand(session, kind, entry.diurnal, platform)) {
                continue;
            }
            const auto layout = static_cast<std::size_t>(session.wheel.layout);
            const WindowSize size = kWindowSizes[at % kWindowSizes.size()];
            Count(counts[layout], PaintPrepared(session, platform, false, size));
            if (layout == 0) {
                Count(counts[kEuropean], PaintPrepared(session, platform, true, size));
            }
        }
    }
    EXPECT_EQ(refused, 0);
    const char* layouts[] = {"single", "dual", "triple", "European single"};
    for (std::size_t layout = 0; layout < counts.size(); ++layout) {
        const LayoutCount& c = counts[layout];
        EXPECT_EQ(c.wheels, kChartCount) << layouts[layout];
        EXPECT_EQ(std::tuple(c.textPairs, c.crowdedLabelParts, c.textsOnLines, c.headingsIntoRing),
                  std::tuple(0, 0, 0, 0))
            << layouts[layout] << " (overlapping texts, crowded label parts, texts on lines, "
            << "headings into the ring):" << c.first;
    }
}

}  // namespace
}  // namespace solvaris
