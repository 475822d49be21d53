// The progressed Moon month by month through the year of life that began at
// the last birthday: thirteen positions from that birthday to the next, each
// compared with the natal or the progressed chart of the same month.
#pragma once

#include <array>
#include <string>

#include "reports/report_context.hpp"

namespace solvaris {

inline constexpr int kProgressedMonths = 13;  // months 0 to 12

// Month k of the year: now + (next - now) k / 12; longitudes take the short
// way forward across 0 Aries and are normalised.
std::array<double, kProgressedMonths> MonthlyLongitudes(double now, double next);
std::array<double, kProgressedMonths> MonthlyDeclinations(double now, double next);

// " 5 DEC 2020 - " with the blanks of the platform's number conversion:
// "  5 DEC 2020 - ".
std::string MonthLabel(int day, int month, int year);

void ProgressedMoonAspectsToNatal(ReportContext& ctx);
void ProgressedMoonAspectsToProgressed(ReportContext& ctx);
void ProgressedMoonParallelsToNatal(ReportContext& ctx);

}  // namespace solvaris
