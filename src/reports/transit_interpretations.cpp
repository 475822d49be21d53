#include "reports/transit_interpretations.hpp"

#include <cmath>

#include "aspects/aspect_codes.hpp"
#include "base/format_pattern.hpp"
#include "base/program_folder.hpp"
#include "chart/angles.hpp"
#include "chart/zodiac.hpp"
#include "engine/calendar.hpp"
#include "engine/ephemeris.hpp"
#include "engine/positions.hpp"
#include "reports/aspect_lists.hpp"
#include "reports/headings.hpp"
#include "reports/interpretation_file.hpp"

namespace solvaris {

namespace {

std::string DateLine(double dayNumber, const std::string& name) {
    const CivilDate date = CalendarDateOfDayNumber(dayNumber);
    std::string line = "     ";
    line += FullWeekdayName(WeekdayOfDayNumber(dayNumber));
    line += ", ";
    line += FormatDate(date.year, date.month, date.day);
    line += " - ";
    line += name;
    return line;
}

// The bodies of `day` at the clock time of the last chart computation, in
// the natal chart's zodiac (the equatorial places stay), into `tables` and
// the working set; false when they cannot be computed.
bool TransitsOfDay(ChartStore& charts, const BirthData& diurnal, double day,
                   PositionTables& tables) {
    const double dayFraction =
        DayFraction(diurnal.time, diurnal.meridiem == "P.M.", diurnal.timeZone);
    if (!ComputeDayPositions(charts.ephemeris, day, dayFraction, tables)) {
        return false;
    }
    tables.longitude = InZodiac(
        tables.longitude, AyanamsaDeg(charts.zodiac, charts.ephemeris, day - 0.5 + dayFraction));
    charts.working.points.longitude = tables.longitude;
    charts.working.points.declination = tables.declination;
    charts.working.points.rightAscension = tables.rightAscension;
    return true;
}

// "MARS Square VENUS": the key of a paragraph in the interpretation files.
std::string InterpretationKey(int transiting, int code, int natal) {
    std::string key(kPointListNames[static_cast<std::size_t>(transiting)]);
    key += ' ';
    key += AspectWord(code);
    key += ' ';
    key += kPointListNames[static_cast<std::size_t>(natal)];
    return key;
}

// The paragraph of each natal body the transiting body `t` aspects, under
// its key and orb: whether there was one.
bool InterpretTransitingBody(ReportContext& ctx, int t, const PointArray& transiting) {
    const ReportSession& session = ctx.session;
    const std::filesystem::path file = FindInFolder(session.folder, InterpretationFileName(t));
    bool any = false;
    for (int n = Sun; n <= Moon; ++n) {
        const FoundAspect found =
            SignedFixedTest(transiting[t], session.charts.natal.points.longitude[n]);
        if (found.code == NoAspect) {
            continue;
        }
        const std::string key = InterpretationKey(t, found.code, n);
        const auto paragraph = FindInterpretation(file, key);
        if (!paragraph) {
            continue;
        }
        ctx.Line("     " + key + " (" + FormatNumber(std::fabs(found.d), "0.0") + " degree)");
        for (const std::string& line : *paragraph) {
            ctx.Line(line);
        }
        ctx.Blank();
        any = true;
    }
    return any;
}

}  // namespace

void TransitInterpretationsRun(ReportContext& ctx) {
    ReportSession& session = ctx.session;
    ChartStore& charts = session.charts;
    session.reports.interpretationStepping = true;
    ctx.window.SetMoreMenuVisible(true);
    ctx.window.SetMoreNewDateVisible(true);
    ctx.Blank();
    ctx.Line("                    TRANSITING PLANET ASPECTS TO NATAL PLANETS");
    ctx.Blank();
    const double day = charts.interpretationDay;
    PositionTables tables;
    const bool computed = TransitsOfDay(charts, session.diurnal, day, tables);
    ctx.Line(DateLine(day, session.natal.name));
    ZodiacHeadingLine(ctx);
    if (PlutoBeyondTheory(charts.ephemeris, day)) {
        ctx.Line(PlutoOutsideTheoryLine("transiting"));
    }
    ctx.Blank();
    bool any = false;
    for (int t = Sun; computed && t <= Pluto; ++t) {
        any = InterpretTransitingBody(ctx, t, tables.longitude) || any;
    }
    if (!any) {
        ctx.Line("     No aspects today.");
    }
    charts.interpretationDay = day + 1;
    ctx.Blank();
}

void TransitInterpretationsCommand(ReportContext& ctx) {
    ctx.Begin();
    TransitInterpretationsRun(ctx);
    ctx.ShowComputed(ctx.session.charts.ephemeris);
}

void InterpretationsForward(ReportContext& ctx) { TransitInterpretationsCommand(ctx); }

void InterpretationsBackward(ReportContext& ctx) {
    ctx.session.charts.interpretationDay -= 2;
    TransitInterpretationsCommand(ctx);
}

void InterpretationsNewDate(ReportContext& ctx, double dayNumber) {
    ctx.session.charts.interpretationDay = dayNumber;
    TransitInterpretationsCommand(ctx);
}

}  // namespace solvaris
