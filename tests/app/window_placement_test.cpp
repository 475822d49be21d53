#include "app/window_placement.hpp"

#include <gtest/gtest.h>

#include "app/display_profile.hpp"

namespace solvaris {
namespace {

TEST(WindowPlacement, TwipsAndPixelsAtTheScreensDensity) {
    struct Case {
        double dotsPerInch;
        double twipsPerPixel;
        TwipsRect twips;
        PixelRect pixels;
    };
    const Case cases[] = {
        {96, 15, {900, 0, 10860, 675}, {60, 0, 724, 45}},
        {144, 10, {900, 945, 9600, 8250}, {90, 95, 960, 825}},
        {192, 7.5, {-1500, 30, 10860, 675}, {-200, 4, 1448, 90}},
        {0, 15, {900, 0, 10860, 675}, {60, 0, 724, 45}},  // density unknown
    };
    for (const Case& c : cases) {
        const double tpp = TwipsPerPixel(c.dotsPerInch);
        EXPECT_DOUBLE_EQ(tpp, c.twipsPerPixel);
        const PixelRect p = TwipsToPixels(c.twips, tpp);
        EXPECT_EQ(p, c.pixels) << c.dotsPerInch;
        // Back to twips and again to pixels: the placement stays put.
        EXPECT_EQ(TwipsToPixels(PixelsToTwips(p, tpp), tpp), p) << c.dotsPerInch;
    }
    // Absurd settings values do not overflow.
    const PixelRect huge = TwipsToPixels({1e30, -1e30, 1e30, 1e30}, 15);
    EXPECT_EQ(huge, (PixelRect{1000000, -1000000, 1000000, 1000000}));
}

TEST(WindowPlacement, AWindowOnNoScreenComesBack) {
    const std::vector<PixelRect> two = {{0, 0, 1280, 1024}, {1280, 0, 1920, 1080}};
    const std::vector<PixelRect> one = {{0, 0, 1280, 1024}};
    struct Case {
        const char* what;
        PixelRect window;
        const std::vector<PixelRect>* screens;
        PixelRect placed;
    };
    const Case cases[] = {
        {"on the second screen", {2000, 500, 724, 45}, &two, {2000, 500, 724, 45}},
        {"second screen unplugged", {2000, 500, 724, 45}, &one, {556, 500, 724, 45}},
        {"far above", {100, -5000, 724, 45}, &one, {100, 0, 724, 45}},
        {"left of every screen", {-800, 100, 724, 45}, &two, {0, 100, 724, 45}},
        {"only a sliver shows", {1270, 100, 724, 45}, &one, {556, 100, 724, 45}},
        {"a grip shows", {1256, 100, 724, 45}, &one, {1256, 100, 724, 45}},
        {"larger than the screen", {5000, 5000, 3000, 2000}, &one, {0, 0, 1280, 1024}},
        {"across both screens", {1000, 10, 724, 45}, &two, {1000, 10, 724, 45}},
        {"no screen known", {0, 0, 100, 50}, nullptr, {0, 0, 100, 50}},
    };
    const std::vector<PixelRect> none;
    for (const Case& c : cases) {
        const auto& screens = c.screens != nullptr ? *c.screens : none;
        EXPECT_EQ(BringOntoScreen(c.window, screens), c.placed) << c.what;
    }
    const std::vector<PixelRect> offset = {{-1920, 200, 1920, 1080}};
    EXPECT_EQ(BringOntoScreen({60, 0, 724, 45}, offset), (PixelRect{-724, 200, 724, 45}));
}

TEST(WindowPlacement, KeptInTheSettingsAndPlacedFromThemAgain) {
    const std::vector<PixelRect> screen = {{0, 0, 1280, 1024}};
    using enum KeptWindow;
    struct Case {
        const char* what;
        KeptWindow window;
        PixelRect shown;
        double storedLeftTwips;
        PixelRect placed;
    };
    const Case cases[] = {
        {"main", Main, {60, 0, 724, 45}, 900, {60, 0, 724, 45}},
        {"main off the screen", Main, {2000, 500, 724, 45}, 30000, {556, 500, 724, 45}},
        {"data off the screen", Data, {2000, 500, 800, 600}, 30000, {0, 0, 800, 600}},
        {"data beyond 16 bits", Data, {3000, 90, 800, 600}, 32767, {0, 0, 800, 600}},
        {"data far left", Data, {-3000, 90, 800, 600}, -32768, {0, 0, 800, 600}},
        {"wheel", Wheel, {120, 60, 480, 360}, 1800, {120, 60, 480, 360}},
        {"wheel far left", Wheel, {-3000, 60, 480, 360}, -45000, {0, 60, 480, 360}},
    };
    for (const Case& c : cases) {
        Settings settings;
        StorePlacement(settings, c.window, c.shown, 15);
        const double storedLeft = c.window == Main   ? settings.mainLeft
                                  : c.window == Data ? settings.dataLeft
                                                     : settings.wheelLeft;
        EXPECT_EQ(storedLeft, c.storedLeftTwips) << c.what;
        EXPECT_EQ(PlacementFromSettings(settings, c.window, 15, screen), c.placed) << c.what;
    }
}

// The entry windows and the names list below the main window: from its left
// edge, moved left as far as the screen's right edge asks, and each on the
// screen when even that is not enough.
TEST(WindowPlacement, ARowBelowStaysOnTheScreen) {
    const PixelRect screen{0, 0, 1280, 1024};
    struct Row {
        const char* what;
        PixelRect above, screen;
        int width;  // of each of the three frames
        std::vector<int> lefts;
        int top;
    };
    const Row rows[] = {
        {"fits", {60, 0, 724, 60}, screen, 400, {60, 468, 876}, 68},
        {"ends on the edge", {64, 0, 724, 60}, screen, 400, {64, 472, 880}, 68},
        // The main window 40 pixels right: 1320 would pass 1280.
        {"moved right", {104, 0, 724, 60}, screen, 400, {64, 472, 880}, 68},
        {"main past the edge", {1200, 0, 724, 60}, screen, 400, {64, 472, 880}, 68},
        {"wider than the screen", {60, 0, 724, 60}, screen, 500, {0, 508, 780}, 68},
        {"main low", {60, 900, 724, 60}, screen, 400, {60, 468, 876}, 724},
        {"second screen", {1400, 0, 724, 60}, {1280, 0, 1024, 768}, 300, {1388, 1696, 2004}, 68},
    };
    for (const Row& row : rows) {
        const std::vector<PixelRect> frames(3, PixelRect{0, 0, row.width, 300});
        const std::vector<PixelRect> placed = RowBelow(row.above, frames, 8, row.screen);
        ASSERT_EQ(placed.size(), 3u) << row.what;
        for (std::size_t i = 0; i < placed.size(); ++i) {
            EXPECT_EQ(placed[i].left, row.lefts[i]) << row.what << ' ' << i;
            EXPECT_EQ(placed[i].top, row.top) << row.what;
            EXPECT_EQ(placed[i].width, row.width);
            EXPECT_EQ(KeepWithin(placed[i], row.screen), placed[i]) << row.what << ' ' << i;
        }
    }
}

// The cities list opens where the names list stands: the row keeps room
// for it as far as the screen allows, and it takes no more than that room.
TEST(WindowPlacement, TheCitiesListInTheNamesListsPlace) {
    const PixelRect screen{0, 0, 1280, 1024};
    const std::vector<PixelRect> row = {{0, 0, 456, 287}, {0, 0, 468, 257}, {0, 0, 278, 296}};
    struct Width {
        int wanted, screenWidth, width;
    };
    for (const Width& w : {Width{300, 1280, 300}, Width{360, 1280, 340}, Width{200, 1280, 278},
                           Width{360, 1024, 278}}) {
        EXPECT_EQ(LastInRowWidth(row, w.wanted, 8, {0, 0, w.screenWidth, 1024}), w.width)
            << w.wanted << ' ' << w.screenWidth;
    }
    struct Place {
        PixelRect names, cities, placed;
    };
    for (const Place& p : {
             Place{{940, 53, 278, 296}, {0, 0, 360, 460}, {940, 53, 340, 460}},
             Place{{100, 53, 278, 296}, {0, 0, 360, 460}, {100, 53, 360, 460}},
             Place{{1100, 700, 278, 296}, {0, 0, 360, 460}, {1002, 564, 278, 460}},
         }) {
        EXPECT_EQ(InPlaceOf(p.names, p.cities, screen), p.placed) << p.names.left;
    }
}

TEST(DisplayProfile, FromScreenWidthAndTwipsPerPixel) {
    struct Case {
        int widthPixels;
        double twipsPerPixel;
        DisplayProfile profile;
    };
    const Case cases[] = {
        {640, 15, {640, 480, 8490, 7200, 1.5}},
        {800, 12, {800, 600, 8400, 7200, 1.2}},
        {800, 15, {800, 600, 10725, 8940, 1.5}},
        {1024, 15, {1024, 768, 14050, 11505, 1.5}},
        {1920, 1440.0 / 97, {1024, 768, 14050, 11505, 1.5}},
        {2560, 7.5, {1024, 768, 10970, 9204, 1.2}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ChooseDisplayProfile(c.widthPixels, c.twipsPerPixel), c.profile)
            << c.widthPixels << " at " << c.twipsPerPixel;
    }
}

}  // namespace
}  // namespace solvaris
