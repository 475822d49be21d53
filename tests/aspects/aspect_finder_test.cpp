#include "aspects/aspect_finder.hpp"

#include <gtest/gtest.h>

#include "aspects/aspect_codes.hpp"
#include "aspects/orb_choice.hpp"
#include "aspects/orb_table.hpp"
#include "aspects/parallels.hpp"
#include "engine/chart_point.hpp"
#include "support/scripted_platform.hpp"
#include "support/temp_folder.hpp"

namespace solvaris {
namespace {

TEST(AspectFinder, SeparationFixedTestBandsAndRounding) {
    EXPECT_DOUBLE_EQ(Separation(350, 10), 20);
    EXPECT_DOUBLE_EQ(Separation(10, 250.5), 119.5);
    EXPECT_DOUBLE_EQ(Separation(0, 180), 180);
    struct Case {
        double s;
        int code;
        double d;
    };
    const Case cases[] = {
        {61.0, Sextile, 1.0},      {61.0001, NoAspect, 0}, {59, Sextile, -1.0},
        {179.0, Opposition, -1.0}, {180, Opposition, 0},   {178.99, NoAspect, 0},
        {1.0, Conjunction, 1.0},   {60.25, Sextile, 0.3},  {59.75, Sextile, -0.2},
        {45.5, SemiSquare, 0.5},   {151, Quincunx, 1.0},   {72, NoAspect, 0},
    };
    for (const Case& c : cases) {
        const FoundAspect found = FixedTest(c.s);
        EXPECT_EQ(found.code, c.code) << c.s;
        EXPECT_NEAR(found.d, c.d, 1e-12) << c.s;
    }
    EXPECT_NEAR(RoundToTenths(-0.25), -0.2, 1e-12);
    EXPECT_NEAR(RoundToTenths(0.25), 0.3, 1e-12);
}

TEST(AspectFinder, TableTestLastSuccessAndSwitches) {
    OrbTable orbs;
    orbs.fill(2);
    orbs[1] = 8;  // conjunction
    EXPECT_EQ(TableTest(7.5, orbs, false, false).code, Conjunction);
    EXPECT_DOUBLE_EQ(TableTest(7.5, orbs, false, false).d, 7.5);

    orbs[1] = 31;  // a conjunction orb that swallows the semi-sextile
    EXPECT_EQ(TableTest(30, orbs, false, false).code, Conjunction);

    orbs.fill(1);
    EXPECT_EQ(TableTest(72.5, orbs, false, false).code, NoAspect);  // minor aspects off
    EXPECT_EQ(TableTest(72.5, orbs, true, false).code, Quintile);
    EXPECT_EQ(TableTest(51.5, orbs, true, false).code, NoAspect);  // no septile in reports
    EXPECT_EQ(TableTest(51.5, orbs, true, true).code, Septile);
    EXPECT_EQ(TableTest(61.0, orbs, false, false).code, Sextile);  // closed bound
    EXPECT_EQ(TableTest(61.001, orbs, false, false).code, NoAspect);
    EXPECT_EQ(TableTest(179, orbs, false, false).code, Opposition);

    orbs.fill(0);  // an orb of 0 counts only when exact
    EXPECT_EQ(TableTest(90, orbs, false, false).code, Square);
    EXPECT_EQ(TableTest(90.01, orbs, false, false).code, NoAspect);

    // The lunations' test: the major aspects only, one orb.
    EXPECT_EQ(MajorAspectTest(121.96, 2).code, Trine);
    EXPECT_NEAR(MajorAspectTest(121.96, 2).d, 2.0, 1e-12);
    EXPECT_EQ(MajorAspectTest(122.1, 2).code, NoAspect);
}

TEST(AspectFinder, PlanetClassOrbs) {
    struct Case {
        int p1, p2;
        PointNumbering numbering;
        double orb;
    };
    const Case cases[] = {
        {1, 11, PointNumbering::ChartPoints, 3},  // the node wins over the Sun
        {10, 4, PointNumbering::ChartPoints, 8}, {2, 4, PointNumbering::ChartPoints, 6},
        {2, 4, PointNumbering::GridRows, 8},  // row 2 is the Moon
        {10, 4, PointNumbering::GridRows, 6},    {12, 3, PointNumbering::GridRows, 3},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(PlanetClassOrb(c.p1, c.p2, c.numbering), c.orb) << c.p1 << ' ' << c.p2;
    }
    EXPECT_EQ(ClassTest(60, Sun, NorthNode, PointNumbering::ChartPoints).code, NoAspect);
    EXPECT_EQ(ClassTest(2.5, Sun, NorthNode, PointNumbering::ChartPoints).code, Conjunction);
    EXPECT_EQ(ClassTest(7.9, Sun, Moon, PointNumbering::ChartPoints).code, Conjunction);
    EXPECT_EQ(ClassTest(30, Mars, Venus, PointNumbering::ChartPoints).code, NoAspect);
    EXPECT_EQ(ClassTest(174, Mars, Venus, PointNumbering::ChartPoints).code, Opposition);
}

TEST(Parallels, SidesAndBounds) {
    EXPECT_EQ(ParallelTest(0, -0.5, 1).kind, ParallelKind::Contra);  // 0 counts as north
    EXPECT_EQ(ParallelTest(23.0, 22.0, 1).kind, ParallelKind::Same);
    EXPECT_DOUBLE_EQ(ParallelTest(23.0, 22.0, 1).d, 1.0);
    EXPECT_EQ(ParallelTest(-23.0, -21.9, 1).kind, ParallelKind::None);
    EXPECT_EQ(ParallelTest(-10, -10.5, 1).kind, ParallelKind::Same);
}

TEST(OrbTable, LinesEmptyLineAndKeptEntries) {
    testing::TempFolder folder;
    ScriptedPlatform platform;
    OrbTable table{};
    table.fill(9);
    std::string full;
    for (int k = 1; k <= 20; ++k) {
        full += std::to_string(k) + ".5   label\r\n";  // three lines past the table
    }
    ASSERT_TRUE(LoadOrbTable(folder.Write("FULL.ORB", full), table, platform));
    EXPECT_EQ(table[1], 1.5f);
    EXPECT_EQ(table[17], 17.5f);

    ASSERT_TRUE(LoadOrbTable(
        folder.Write("SHORT.ORB", "  8.5  Conjunction\r\nSextile\r\n12345678\r\n\r\n4\r\n"), table,
        platform));
    EXPECT_EQ(table[1], 8.5f);
    EXPECT_EQ(table[2], 0.0f);        // no number
    EXPECT_EQ(table[3], 1234567.0f);  // seven characters only
    EXPECT_EQ(table[4], 4.5f);        // after the empty line: kept
    EXPECT_TRUE(platform.Messages().empty());

    // Unreadable (the message is the reader faults'): the table kept.
    EXPECT_FALSE(LoadOrbTable(folder / "MISSING.ORB", table, platform));
    EXPECT_EQ(table[1], 8.5f);
}

TEST(OrbChoice, OnlyNatalAndReturnFilesGiveWay) {
    const std::filesystem::path folder = "/home/a/solvaris";
    EXPECT_TRUE(GridUsesPlanetClassOrbs(1, (folder / "NATAL.ORB").string(), folder));
    EXPECT_TRUE(GridUsesPlanetClassOrbs(1, (folder / "LUNARRTN.ORB").string(), folder));
    EXPECT_FALSE(GridUsesPlanetClassOrbs(1, (folder / "TRANSIT.ORB").string(), folder));
    EXPECT_FALSE(GridUsesPlanetClassOrbs(0, (folder / "NATAL.ORB").string(), folder));
    EXPECT_FALSE(GridUsesPlanetClassOrbs(1, "/elsewhere/NATAL.ORB", folder));
}

}  // namespace
}  // namespace solvaris
