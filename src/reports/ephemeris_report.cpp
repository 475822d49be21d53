#include "reports/ephemeris_report.hpp"

#include <array>
#include <cmath>

#include "base/format_pattern.hpp"
#include "chart/zodiac.hpp"
#include "engine/angles.hpp"
#include "engine/ephemeris.hpp"
#include "engine/positions.hpp"
#include "people/entry_rules.hpp"
#include "reports/headings.hpp"
#include "reports/position_format.hpp"

namespace solvaris {

namespace {

constexpr int kSaturday = 7;

// Two pages back from the first day not yet listed: the page before the
// one shown.
constexpr double kBackwardDays = 2 * kEphemerisDays;

// "05 Dec".
std::string DayAndMonth(const CivilDate& date) {
    return FormatDate(date.year, date.month, date.day).substr(0, 6);
}

// "13SAG42m07": truncated minutes and seconds, for the Sun and the Moon.
std::string SecondsCell(double longitude) {
    const SplitLongitude s = Split(longitude);
    std::string cell = "  ";
    cell += TwoDigits(s.degrees);
    cell += SignAbbreviation(s.sign);
    cell += TwoDigits(s.truncatedMinutes);
    cell += 'm';
    cell += TwoDigits(s.seconds);
    return cell;
}

// "21CAP05": rounded minutes, for Mercury to Pluto.
std::string MinutesCell(double longitude) {
    const SplitLongitude s = Split(longitude);
    std::string cell = " ";
    cell += TwoDigits(s.degrees);
    cell += SignAbbreviation(s.sign);
    cell += TwoDigits(s.minutes);
    return cell;
}

void WritePageHeading(ReportContext& ctx, const BirthData& checked, double startDay,
                      const Zodiac& zodiac) {
    ctx.Begin();
    ctx.Blank();
    ctx.Line(EphemerisHeadingLine(checked, startDay));
    if (zodiac.sidereal) {
        ctx.Line("  " + ZodiacHeading(zodiac));
    }
    ctx.Blank();
    ctx.Line(std::string(kEphemerisColumns));
    ctx.Line(std::string(kEphemerisUnderline));
}

// The days from paging.nextDay on, with a blank line after every Saturday
// that another day follows; a day whose positions fail ends the page.
void WriteDays(ReportContext& ctx, const Ephemeris& ephemeris, const Zodiac& zodiac,
               EphemerisPaging& paging) {
    const double utFraction = paging.hour == EphemerisHour::Noon ? 0.5 : 0.0;
    for (int i = 0; i < kEphemerisDays; ++i) {
        const double day = paging.nextDay;
        PositionTables tables;
        if (!ComputeDayPositions(ephemeris, day, utFraction, tables)) {
            return;
        }
        if (i > 0 && WeekdayOfDayNumber(day - 1) == kSaturday) {
            ctx.Blank();
        }
        const CivilDate date = CalendarDateOfDayNumber(day);
        const double ayanamsa = AyanamsaDeg(zodiac, ephemeris, day - 0.5 + utFraction);
        ctx.Line(EphemerisLongitudeLine(date, InZodiac(tables.longitude, ayanamsa)));
        ctx.Line(EphemerisDeclinationLine(date, tables.declination));
        paging.nextDay = day + 1;
    }
}

}  // namespace

std::string EphemerisHeadingLine(const BirthData& checked, double startDay) {
    const CivilDate start = CalendarDateOfDayNumber(startDay);
    std::string line = "  ";
    line += kEphemerisName;
    line += " starting ";
    line += FullWeekdayName(WeekdayOfDayNumber(startDay));
    line += ", ";
    line += FormatDate(start.year, start.month, start.day);
    line += " at TZ = ";
    line += FormatNumber(checked.timeZone, "##0.0");
    line += ", ";
    line += FormatNumber(checked.time, "00.00");
    line += ' ';
    line += checked.meridiem;
    line += ", ";
    line += FormatNumber(std::fabs(checked.longitude), "00.00");
    line += ' ';
    line += checked.longitudeText.substr(0, 1);
    line += ", ";
    line += FormatNumber(std::fabs(checked.latitude), "00.00");
    line += ' ';
    line += checked.latitudeText.substr(0, 1);
    return line;
}

std::string EphemerisLongitudeLine(const CivilDate& date, const PointArray& longitude) {
    std::string line = "  ";
    line += DayAndMonth(date);
    line += SecondsCell(longitude[Sun]);
    line += SecondsCell(longitude[Moon]);
    line += ' ';
    for (int p = Mercury; p <= Pluto; ++p) {
        line += MinutesCell(longitude[p]);
    }
    return line;
}

std::string EphemerisDeclinationLine(const CivilDate& date, const PointArray& declination) {
    std::string line = "  ";
    line += DayAndMonth(date);
    line += "     ";
    line += DeclinationDM(declination[Sun]);
    line += "     ";
    line += DeclinationDM(declination[Moon]);
    line += ' ';
    for (int p = Mercury; p <= Pluto; ++p) {
        line += ' ';
        line += DeclinationDM(declination[p]);
    }
    return line;
}

bool StartEphemeris(ReportContext& ctx, NatalEntryWindow& natal, HouseSystem& houseSystem,
                    EphemerisHour hour, EphemerisPaging& paging) {
    paging.hour = hour;
    // The session and the current report, even when the fields are refused.
    ctx.session.reports.EmptySession();
    ctx.Begin();
    return RunEphemeris(ctx, natal, houseSystem, paging);
}

bool RunEphemeris(ReportContext& ctx, NatalEntryWindow& natal, HouseSystem& houseSystem,
                  EphemerisPaging& paging) {
    if (!ValidateEphemerisEntry(natal, houseSystem, ctx.platform)) {
        return false;
    }
    paging.shown = true;
    // The heading shows the zone, time and place as checked: the user's on
    // the first page, the preset's on the following ones.
    const BirthData checked = ReadNatalData(natal, ctx.platform.UserDateOrder());
    WriteEphemerisPreset(natal, houseSystem, paging.hour);
    ctx.session.charts.kind = ChartKind::Natal;

    paging.nextDay = JulianDayNumber(checked.year, checked.month, checked.day);
    const double firstDay = paging.nextDay;
    const Zodiac zodiac = ChosenZodiac(ctx.session.options);
    WritePageHeading(ctx, checked, firstDay, zodiac);
    const Ephemeris ephemeris = ctx.session.ChosenEphemeris();
    WriteDays(ctx, ephemeris, zodiac, paging);
    // Below the days, so that the page keeps its layout.
    if (PlutoBeyondTheory(ephemeris, firstDay) ||
        PlutoBeyondTheory(ephemeris, firstDay + kEphemerisDays - 1)) {
        ctx.Blank();
        ctx.Line(PlutoOutsideTheoryLine("the listed"));
    }
    ctx.ShowComputed(ephemeris);
    ctx.window.SetMoreMenuVisible(true);
    return true;
}

bool EphemerisForward(ReportContext& ctx, NatalEntryWindow& natal, HouseSystem& houseSystem,
                      EphemerisPaging& paging) {
    WriteEphemerisStart(natal, paging.nextDay);
    return RunEphemeris(ctx, natal, houseSystem, paging);
}

bool EphemerisBackward(ReportContext& ctx, NatalEntryWindow& natal, HouseSystem& houseSystem,
                       EphemerisPaging& paging) {
    WriteEphemerisStart(natal, paging.nextDay - kBackwardDays);
    return RunEphemeris(ctx, natal, houseSystem, paging);
}

}  // namespace solvaris
