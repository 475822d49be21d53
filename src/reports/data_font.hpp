// The data window's font size: Increase and Decrease move the stored size
// by one step every time, but change the text box only while the stored
// size is inside 8 to 12 points; the items are enabled by the same bounds.
#pragma once

#include <optional>

namespace solvaris {

enum class FontStep { Increase, Decrease };

inline constexpr double kSmallestDataFontPoints = 8;
inline constexpr double kLargestDataFontPoints = 12;

// Half the display profile's font step of a screen wider than 800 pixels
// at 15 twips a pixel (96 dots an inch).
inline constexpr double kDataFontStepPoints = 0.75;

// Moves `storedPoints` by the step; the text box's new size when it
// changes.
std::optional<double> StepDataFontSize(double& storedPoints, double stepPoints, FontStep step);

bool CanDecreaseDataFont(double storedPoints);
bool CanIncreaseDataFont(double storedPoints);

// The settings' form of a font flag: -1 on, 0 off.
inline double FontFlagSetting(bool on) { return on ? -1 : 0; }

}  // namespace solvaris
