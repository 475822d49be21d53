// The blocks every report shares: the natal heading, the diurnal lines, the
// house-cusp block and the position list; and the natal data report built
// from them.
#pragma once

#include <string>
#include <string_view>

#include "chart/birth_data.hpp"
#include "engine/chart_point.hpp"
#include "reports/report_context.hpp"

namespace solvaris {

// The date, zone, clock time, latitude and longitude of a record in one
// line (line 3 of the natal heading).
std::string BirthDataLine(const BirthData& data);

// "  NOTE: natal Pluto lies outside its theory's range (1885-2099); its
// position is approximate." for the chart named.
std::string PlutoOutsideTheoryLine(std::string_view chart);
// That line for each of the charts marked in `which`: natal, progressed,
// transiting, in this order.
void PlutoOutsideTheoryLines(ReportContext& ctx, const PlutoOutsideTheory& which);

// "  Sidereal (Lahiri)" in the sidereal zodiac, nothing in the tropical one,
// whose reports keep their lines.
void ZodiacHeadingLine(ReportContext& ctx);

// BeginReport, then a blank line, the name and the birth data line; the
// zodiac's line and the Pluto note when the natal chart is outside its
// theory's range.
void NatalHeading(ReportContext& ctx);
// The natal heading and "  Diurnal date = dd mmm yyyy"; the Pluto notes of
// the progressed and transit charts.
void DualHeading(ReportContext& ctx);
// The diurnal record's birth data line.
std::string DiurnalDataLine(const BirthData& diurnal);

// The cusps of the working set: three to a line, or only the 10th and the
// 1st for a progressed chart.
void HouseCuspBlock(ReportContext& ctx);
// The same under another name of the houses.
void HouseCuspBlock(ReportContext& ctx, std::string_view housesName);

enum class ListDeclinations { Natal, Working, None };

// The start of a position line: longitude, report name, retrograde mark
// and four blanks.
std::string PositionLineStart(const WorkingSet& working, int point);

// The list's points in order: Sun, Moon, Mercury to Pluto, north node, Part
// of Fortune, Ascendant, Midheaven (never the south node).
inline constexpr int kPositionListOrder[] = {Sun,       Moon,          Mercury,   Venus,    Mars,
                                             Jupiter,   Saturn,        Uranus,    Neptune,  Pluto,
                                             NorthNode, PartOfFortune, Ascendant, Midheaven};

// Fourteen position lines of the working set (Sun, Moon, Mercury to Pluto,
// north node, Part of Fortune, Ascendant, Midheaven) after a blank line; a
// progressed or transit list ends with its Pluto note when it has one.
void PositionList(ReportContext& ctx, ListDeclinations declinations);

// The Vertex / Equatorial Ascendant and Co-Ascendant / Polar Ascendant
// lines.
void SpecialPointLines(ReportContext& ctx, double vertex, double equatorial, double coAscendant,
                       double polar);

// The body of the natal data report; the natal data command is
// NatalHeading, this, ShowReport.
void NatalDataReport(ReportContext& ctx);

// The whole natal data command.
void NatalDataCommand(ReportContext& ctx);

}  // namespace solvaris
