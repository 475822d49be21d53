#include "app/display_profile.hpp"

#include <cmath>

namespace solvaris {

namespace {

// Densities are compared to the whole twips per pixel they round to (a
// screen of 97 dots per inch counts as 15).
bool TwipsPerPixelIs(double twipsPerPixel, int value) {
    return std::lround(twipsPerPixel) == value;
}

}  // namespace

DisplayProfile ChooseDisplayProfile(int screenWidthPixels, double twipsPerPixel) {
    if (screenWidthPixels == 640) {
        return {640, 480, 8490, 7200, 1.5};
    }
    if (screenWidthPixels == 800) {
        return TwipsPerPixelIs(twipsPerPixel, 12) ? DisplayProfile{800, 600, 8400, 7200, 1.2}
                                                  : DisplayProfile{800, 600, 10725, 8940, 1.5};
    }
    return TwipsPerPixelIs(twipsPerPixel, 15) ? DisplayProfile{1024, 768, 14050, 11505, 1.5}
                                              : DisplayProfile{1024, 768, 10970, 9204, 1.2};
}

}  // namespace solvaris
