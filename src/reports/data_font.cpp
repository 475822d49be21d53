#include "reports/data_font.hpp"

namespace solvaris {

std::optional<double> StepDataFontSize(double& storedPoints, double stepPoints, FontStep step) {
    std::optional<double> shown;
    if (step == FontStep::Decrease) {
        if (CanDecreaseDataFont(storedPoints)) {
            shown = storedPoints - stepPoints;
        }
        storedPoints -= stepPoints;
    } else {
        if (CanIncreaseDataFont(storedPoints)) {
            shown = storedPoints + stepPoints;
        }
        storedPoints += stepPoints;
    }
    return shown;
}

bool CanDecreaseDataFont(double storedPoints) { return storedPoints > kSmallestDataFontPoints; }
bool CanIncreaseDataFont(double storedPoints) { return storedPoints < kLargestDataFontPoints; }

}  // namespace solvaris
