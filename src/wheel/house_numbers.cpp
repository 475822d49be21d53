#include "wheel/house_numbers.hpp"

#include <array>

namespace solvaris {

namespace {

struct Digit {
    const char* text;
    double x;
    double y;
};

constexpr std::array<Digit, 15> kHouseDigits{{
    {"1", -52, -6},
    {"2", -40, -30},
    {"3", -16, -44},
    {"4", 10, -44},
    {"5", 32, -30},
    {"6", 46, -6},
    {"7", 46, 18},
    {"8", 32, 40},
    {"9", 10, 52},
    {"1", -20, 52},
    {"0", -12, 52},
    {"1", -44, 40},
    {"1", -36, 40},
    {"1", -56, 18},
    {"2", -48, 18},
}};

}  // namespace

void DrawHouseNumbers(Canvas& canvas) {
    for (const Digit& digit : kHouseDigits) {
        canvas.MoveTo(digit.x, digit.y);
        canvas.Print(digit.text);
    }
}

}  // namespace solvaris
