// The display profile from the screen's width and density.
#include "app/display_profile.hpp"

#include <gtest/gtest.h>

namespace solvaris {
namespace {

TEST(DisplayProfile, FromScreenWidthAndTwipsPerPixel) {
    struct Case {
        int widthPixels;
        double twipsPerPixel;
        DisplayProfile profile;
    };
    const Case cases[] = {
        {640, 15, {640, 480, 8490, 7200, 1.5}},
        {640, 12, {640, 480, 8490, 7200, 1.5}},
        {800, 12, {800, 600, 8400, 7200, 1.2}},
        {800, 15, {800, 600, 10725, 8940, 1.5}},
        {1024, 15, {1024, 768, 14050, 11505, 1.5}},
        {1024, 12, {1024, 768, 10970, 9204, 1.2}},
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
