// Legibility of painted wheels: seeded random charts, prepared by the
// Wheels commands as the command line prepares them, painted through the
// Qt canvas into a 1024 by 768 image while every text's box is kept, and
// the overlapping pairs of texts counted per layout.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <array>
#include <map>
#include <iostream>
#include <random>
#include <sstream>
#include <string>

#include "app/compute_charts.hpp"
#include "app/wheel_command.hpp"
#include "app/wheel_drawing.hpp"
#include "base/options.hpp"
#include "base/program_folder.hpp"
#include "platform/headless/scripted_platform.hpp"
#include "platform/headless/text_box_canvas.hpp"
#include "platform/qt/qt_canvas.hpp"
#include "wheel/ring_layout.hpp"
#include "wheel/ring_parameters.hpp"

namespace solvaris {
namespace {

// The sanitizer build runs every paint several times slower; it checks a
// tenth of the charts, whose figures the ceilings below also hold.
#if defined(__SANITIZE_ADDRESS__)
constexpr int kChartCount = 100;
#else
constexpr int kChartCount = 200;
#endif
constexpr int kWidthPixels = 1024;
constexpr int kHeightPixels = 768;
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

// A name of 4 to 40 letters and spaces: long names test the heading's room.
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

// A birth from 1900 to 2099 anywhere within the latitudes the houses allow;
// the transit moment up to ninety years later somewhere else; every third
// chart compares a second person.
RandomEntry RandomCharts(std::mt19937& random) {
    RandomEntry e;
    const int year = Uniform(random, 1900, 2099);
    e.natal = {RandomName(random),
               Number(Uniform(random, 1, 12)),
               Number(Uniform(random, 1, 28)),
               Number(year),
               Number(Uniform(random, 1, 12)),
               Number(Uniform(random, 0, 59)),
               Uniform(random, 0, 1) == 1,
               Number(Uniform(random, -2, 12)),
               Number(Uniform(random, 0, 179)),
               Number(Uniform(random, 0, 59)),
               false,
               Number(Uniform(random, 0, kLatitudeLimitDegrees)),
               Number(Uniform(random, 0, 59)),
               Uniform(random, 0, 1) == 1};
    e.natal.optEast = e.natal.txtTZ.front() == '-';
    DiurnalEntryWindow& d = e.diurnal;
    d.txtDiurnalMonth = Number(Uniform(random, 1, 12));
    d.txtDiurnalDay = Number(Uniform(random, 1, 28));
    d.txtDiurnalYear = Number(std::min(2099, year + Uniform(random, 0, 90)));
    d.txtDiurnalHour = Number(Uniform(random, 1, 12));
    d.txtDiurnalMinute = Number(Uniform(random, 0, 59));
    d.optDiurnalPM = Uniform(random, 0, 1) == 1;
    d.txtDiurnalTZ = Number(Uniform(random, -2, 12));
    d.txtDiurnalLongDeg = Number(Uniform(random, 0, 179));
    d.txtDiurnalLongMin = Number(Uniform(random, 0, 59));
    d.optDiurnalEast = d.txtDiurnalTZ.front() == '-';
    d.txtDiurnalLatDeg = Number(Uniform(random, 0, kLatitudeLimitDegrees));
    d.txtDiurnalLatMin = Number(Uniform(random, 0, 59));
    d.optDiurnalSouth = Uniform(random, 0, 1) == 1;
    d.chk2ndPerson = Uniform(random, 0, 2) == 0;
    d.chk2ndPersonCaption = d.chk2ndPerson ? RandomName(random) : "2nd Person";
    return e;
}

// Whether every house of the main ring holds no more points than its
// slots: only then do the placement rules give each glyph its own slot.
bool MainRingHasRoom(const WheelDrawing& drawing) {
    const RingLayout layout = LayRing(drawing.state, RingRole::Main, drawing.data);
    std::array<int, 13> count{};
    for (const PlacedPoint& p : layout.placed) {
        ++count[static_cast<std::size_t>(p.house)];
    }
    const int slots = RingParametersOf(RingRole::Main, drawing.state.layout).slotsPerHouse;
    return std::all_of(count.begin(), count.end(), [&](int n) { return n <= slots; });
}

struct PaintedWheel {
    std::vector<PrintedBox> boxes;
    bool roomForEveryGlyph = true;
};

PaintedWheel PaintPrepared(Session& session, ScriptedPlatform& platform) {
    WheelDrawing drawing;
    EXPECT_EQ(LoadWheelDrawing(session, false, drawing), "");
    QImage image(kWidthPixels, kHeightPixels, QImage::Format_RGB32);
    QPainter painter(&image);
    QtCanvas surface(painter, QRectF(0, 0, kWidthPixels, kHeightPixels));
    TextBoxCanvas canvas(surface);
    PaintSessionWheel(session, drawing, canvas, platform, kWidthPixels, kHeightPixels);
    return {canvas.Boxes(), MainRingHasRoom(drawing)};
}

std::string Describe(const std::vector<PrintedBox>& boxes, int text) {
    const std::vector<int> textOf = TextOfEachBox(boxes, OverlapRule{});
    std::ostringstream out;
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        if (textOf[i] == text) {
            out << '[' << boxes[i].text << "] at (" << boxes[i].left << ", " << boxes[i].top
                << ") ";
        }
    }
    return out.str();
}

struct LayoutCount {
    const char* layout;
    int wheels = 0;
    int overlaps = 0;
    int wheelsWithOverlaps = 0;
    int excludedWheels = 0;
    std::string firstExample;
    std::map<std::string, int> kinds;
};

std::string KindOf(const std::vector<PrintedBox>& boxes, int text) {
    const std::vector<int> textOf = TextOfEachBox(boxes, OverlapRule{});
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        if (textOf[i] != text) continue;
        const PrintedBox& b = boxes[i];
        if (!b.glyphFont) return "heading";
        const int c = static_cast<unsigned char>(b.text[0]);
        if (c >= 224) return "point";
        if (c >= 160 && c < 180) return "aspect";
        if (c >= 192 && c <= 203) return "sign";
        return "digits";
    }
    return "?";
}

void Count(LayoutCount& count, const PaintedWheel& wheel, bool excludeCrowded) {
    if (excludeCrowded && !wheel.roomForEveryGlyph) {
        ++count.excludedWheels;
        return;
    }
    ++count.wheels;
    const auto pairs = OverlappingTextPairs(wheel.boxes);
    count.overlaps += static_cast<int>(pairs.size());
    count.wheelsWithOverlaps += pairs.empty() ? 0 : 1;
    for (const auto& [a, b] : pairs) {
        ++count.kinds[KindOf(wheel.boxes, a) + "-" + KindOf(wheel.boxes, b)];
    }
    if (!pairs.empty() && count.firstExample.empty()) {
        count.firstExample = Describe(wheel.boxes, pairs[0].first) + "over " +
                             Describe(wheel.boxes, pairs[0].second);
    }
}

TEST(WheelLegibility, OverlappingTextsOverSeededRandomCharts) {
    Session session;
    session.folder = SOLVARIS_DATA_DIR;
    LoadOptions(FindInFolder(session.folder, kOptionsFileName), session.options);
    ScriptedPlatform platform;
    std::mt19937 random(14);
    LayoutCount single{"single", 0, 0, 0, 0, {}, {}};
    LayoutCount dual{"dual", 0, 0, 0, 0, {}, {}};
    LayoutCount triple{"triple", 0, 0, 0, 0, {}, {}};
    int refused = 0;
    for (int chart = 0; chart < kChartCount; ++chart) {
        const RandomEntry entry = RandomCharts(random);
        if (!ComputeChartStore(session, entry.natal, entry.diurnal, HouseSystem::Placidus,
                               platform)) {
            ++refused;
            continue;
        }
        const auto paint = [&](WheelKind kind, LayoutCount& count, bool excludeCrowded) {
            if (RunWheelCommand(session, kind, entry.diurnal, platform)) {
                Count(count, PaintPrepared(session, platform), excludeCrowded);
            }
        };
        const auto at = static_cast<std::size_t>(chart);
        paint(kSingleKinds[at % kSingleKinds.size()], single, true);
        paint(kDualKinds[at % kDualKinds.size()], dual, false);
        paint(kTripleKinds[at % kTripleKinds.size()], triple, false);
    }
    for (const LayoutCount* c : {&single, &dual, &triple}) {
        std::cout << c->layout << ": " << c->wheels << " wheels, " << c->overlaps
                  << " overlapping pairs in " << c->wheelsWithOverlaps << " wheels, "
                  << c->excludedWheels << " without room; first: " << c->firstExample << '\n';
        for (const auto& [k, n] : c->kinds) std::cout << "   " << k << " " << n << '\n';
    }
    EXPECT_EQ(refused, 0);
    EXPECT_EQ(single.overlaps, 0) << single.firstExample;
}

}  // namespace
}  // namespace solvaris
