#include "chart/harmonic_chart.hpp"

#include <gtest/gtest.h>

#include <tuple>

#include "base/option_numbers.hpp"
#include "chart/chart_kinds.hpp"
#include "engine/angles.hpp"
#include "support/scripted_platform.hpp"

namespace solvaris {
namespace {

TEST(HarmonicChart, LongitudesTimesNModulo360) {
    using Case = std::tuple<double, int, double>;
    const Case cases[] = {
        {0, 2, 0},   {179.75, 2, 359.5}, {180, 2, 0},   {200.25, 2, 40.5}, {359.9, 2, 359.8},
        {10, 1, 10}, {73, 5, 5},         {1, 180, 180}, {2, 180, 0},       {359.5, 180, 270},
    };
    for (const auto& [longitude, n, expected] : cases) {
        EXPECT_NEAR(HarmonicLongitude(longitude, n), expected, 1e-9) << longitude << " x" << n;
    }
    OptionTable options;
    EXPECT_EQ(HarmonicOfOption(options), 1);  // no line 224: the natal chart
    for (const float value : {2.0f, 180.0f}) {
        options.Set(opt::Harmonic, value);
        EXPECT_EQ(HarmonicOfOption(options), static_cast<int>(value));
    }
    for (const float value : {181.0f, 2.5f, -3.0f}) {
        options.Set(opt::Harmonic, value);
        EXPECT_EQ(HarmonicOfOption(options), 1) << value;
    }
}

TEST(HarmonicChart, NatalWheelOfTheFifthHarmonic) {
    ChartStore charts;
    for (int p = 1; p <= kPointCount; ++p) {
        charts.natal.points.longitude[p] = 7.25 * p;
    }
    charts.natal.texts.housePositionText = std::string(150, ' ');
    charts.natal.texts.retrogradeMarks[Saturn - 1] = 'R';
    const BirthData natal{};
    WheelInputs in{charts, natal, natal, false, ""};
    in.harmonic = 5;
    ScriptedPlatform platform;
    const auto wheel = PrepareWheel(WheelKind::Natal, in, OptionTable{}, platform);
    ASSERT_TRUE(wheel);
    EXPECT_EQ(wheel->innerHeader[6], "Harmonic 5");
    const double ascendant = Normalize360(5 * 7.25 * 14);
    EXPECT_NEAR(wheel->longitude[Ascendant], ascendant, 1e-9);
    EXPECT_NEAR(wheel->longitude[Mars], 5 * 7.25 * 4, 1e-9);
    // Equal houses from the harmonic Ascendant, the 10th cusp 270 degrees on.
    EXPECT_NEAR(wheel->cusps[SlotOfHouse(1)], ascendant, 1e-9);
    EXPECT_NEAR(wheel->cusps[SlotOfHouse(10)], Normalize360(ascendant + 270), 1e-9);
    EXPECT_EQ(wheel->texts.retrogradeMarks[Saturn - 1], 'R');
    EXPECT_EQ(wheel->texts.housePositionText.substr(10 * (Ascendant - 1), 10), " 1ST HOUSE");
}

}  // namespace
}  // namespace solvaris
