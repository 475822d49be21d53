#include "chart/planetary_hours.hpp"

#include <cmath>
#include <cstdio>

#include "chart/angles.hpp"
#include "engine/angles.hpp"
#include "engine/calendar.hpp"
#include "engine/chart_point.hpp"
#include "engine/sidereal.hpp"
#include "engine/sun.hpp"
#include "engine/swiss_ephemeris.hpp"

namespace solvaris {

namespace {

constexpr std::string_view kWeekdayNames =
    "WEDNESDAYTHURSDAY FRIDAY   SATURDAY SUNDAY   MONDAY   TUESDAY  ";
// Read cyclically from index 2: the descending order Saturn to the Moon.
constexpr std::array<std::string_view, 7> kRulers{"Mer ", "Moo ", "Sat ", "Jup ",
                                                  "Mar ", "Sun ", "Ven "};

constexpr std::array<RulerKeywords, 7> kKeywords{{
    {"Sat ", "Saturn",
     "Discipline,  restraint, limitation, perserverence, boundaries, organization, toughness, "
     "structure, form, work."},
    {"Jup ", "Jupiter",
     "Expansion, growth, opportunity, wealth,  foreign travel, education, law, philosophy, "
     "religion, joviality, well-wishing, legal aspects of contracts and leases."},
    {"Mar ", "Mars",
     "Action, energy,  aggressiveness, competition, initiative, enterprise, courage, boldness, "
     "daring, risk-taking, roller blading, swimming, exercise, cutting the grass."},
    {"Ven ", "Venus",
     "Harmony, diplomacy, beauty, art, music, socializing, relaxing, love, gardening, luxury, "
     "pampering."},
    {"Mer ", "Mercury",
     "Communications, writing, phone calls, short journeys, contracts, thought, neighbors, "
     "relatives, health issues, service, letters, mailing items."},
    {"Moo ", "Moon",
     "Nurturing, growth, laundry, grocery shopping, doing dishes, habitual tasks, dealings with "
     "women, liquids, water, sympathy, compassion, restaurants, dining, dealing with the "
     "public, cutting the grass, gardening, swimming."},
    {"Sun ", "Sun",
     "Power, authority, will, showing  off, children, creativity, amusements, vitality, "
     "self-expression, pride, generosity."},
}};

constexpr int kIterationsPerPass = 2500;
constexpr double kLastGain = 0.0625;
constexpr double kConvergedDeg = 0.000347;  // a tenth of a second of the Ascendant
constexpr double kOneMinute = 1.0 / 1440;
// The carry limit of the minutes: just below .595, so 59.5 minutes and up
// show as the next hour.
constexpr double kMinuteCarry = 0.594999999999999;

struct Place {
    double zone;       // hours, west positive
    double longitude;  // degrees, west positive
    double latitude;   // degrees, north positive
};

// The Sun's longitude and the Ascendant at UT fraction t of the anchor day:
// the built-in mean sidereal time and obliquity, or Swiss Ephemeris's
// apparent sidereal time, true obliquity and apparent Sun.
struct SunAndAscendant {
    double sun;
    double ascendant;
};
SunAndAscendant SunAndAscendantAt(const Ephemeris& ephemeris, double anchor, double t,
                                  const Place& place) {
    if (ephemeris.Swiss()) {
        const double jd = anchor + t;
        const SwissEarthFrame frame = SwissFrameAt(ephemeris, jd);
        const double ramc = RamcFromSiderealTime(frame.siderealTime, place.longitude);
        return {SwissLongitude(ephemeris, Sun, jd),
                AscendantFromRamc(ramc, frame.obliquity, place.latitude)};
    }
    const double centuries = (anchor - 2415020 + t) / 36525;
    const double ramc = RamcFromSiderealTime(SiderealTime(centuries, t), place.longitude);
    return {SunPosition(centuries), AscendantFromRamc(ramc, Obliquity(centuries), place.latitude)};
}

// Sun minus the Ascendant (offset 0) or the Descendant (offset 180) at UT
// fraction t of the anchor day, within -180 <= d < 180.
double SunFromAngle(const Ephemeris& ephemeris, double anchor, double t, const Place& place,
                    double offset) {
    const SunAndAscendant at = SunAndAscendantAt(ephemeris, anchor, t, place);
    double d = at.sun - Normalize360(at.ascendant + offset);
    if (d >= 180) {
        d -= 360;
    }
    if (d < -180) {
        d += 360;
    }
    return d;
}

// Drives the Sun onto the angle from local noon; a failed pass halves the
// gain, which the next search inherits.
std::optional<double> Crossing(const Ephemeris& ephemeris, double anchor, const Place& place,
                               double offset, double& gain) {
    for (;;) {
        double t = (12 + place.zone) / 24;
        for (int i = 0; i < kIterationsPerPass; ++i) {
            const double d = SunFromAngle(ephemeris, anchor, t, place, offset);
            t += d * gain / 2880;
            if (std::fabs(d) < kConvergedDeg) {
                const double now = std::fabs(SunFromAngle(ephemeris, anchor, t, place, offset));
                const double later =
                    std::fabs(SunFromAngle(ephemeris, anchor, t + kOneMinute, place, offset));
                const double earlier =
                    std::fabs(SunFromAngle(ephemeris, anchor, t - kOneMinute, place, offset));
                if (later < now && later < earlier) {
                    t += kOneMinute;
                }
                if (earlier < now && earlier < later) {
                    t -= kOneMinute;
                }
                double hours = 24 * t - place.zone;
                if (hours < 0) {
                    hours += 24;
                }
                if (hours > 24) {
                    hours -= 24;
                }
                return hours;
            }
        }
        if (gain <= kLastGain) {
            return std::nullopt;
        }
        gain /= 2;
    }
}

std::string Format(const char* pattern, double value) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, pattern, value);
    return buffer;
}

std::string PadTo(std::string text, std::size_t width) {
    if (text.size() < width) {
        text.resize(width, ' ');
    }
    return text;
}

}  // namespace

bool PlanetaryHoursLatitudeAllowed(float latitudePacked, Platform& platform) {
    // "Below" reads as nearer the equator only in the north.
    constexpr const char* kTooExtreme =
        "Cannot calculate planetary hours. The latitude is too extreme. It must be 66 degrees, 0 "
        "minutes";
    if (latitudePacked > 66.00) {
        platform.ShowMessage(std::string(kTooExtreme) + " or below.", "Warning!",
                             MessageIcon::Information);
        return false;
    }
    if (latitudePacked < -66.00) {
        platform.ShowMessage(std::string(kTooExtreme) + " South or nearer the equator.", "Warning!",
                             MessageIcon::Information);
        return false;
    }
    return true;
}

double PlanetaryHoursAnchor(int year, int month, int day) {
    return JulianDayNumber(year, month, day) - 0.5;
}

int WeekdayIndex(double anchor) {
    const int w = static_cast<int>(std::fmod(std::floor(anchor + 0.5) - 2411369, 7));
    return w < 0 ? w + 7 : w;
}

std::string_view WeekdayName(int weekday) {
    std::string_view name = kWeekdayNames.substr(9 * weekday, 9);
    return name.substr(0, name.find_last_not_of(' ') + 1);
}

std::string DateHeading(double anchor) {
    const CivilDate date = CalendarDateOfDayNumber(anchor);
    const std::string_view upper = MonthAbbreviation(date.month);
    std::string month(upper);
    month[1] = static_cast<char>(month[1] - 'A' + 'a');
    month[2] = static_cast<char>(month[2] - 'A' + 'a');
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%02d %s %04d", date.day, month.c_str(), date.year);
    return std::string(WeekdayName(WeekdayIndex(anchor))) + " - " + buffer;
}

std::string PlaceHeading(const BirthData& place) {
    return Format("%05.2f", std::fabs(place.longitude)) + " " + place.longitudeText.substr(0, 1) +
           ", " + Format("%05.2f", std::fabs(place.latitude)) + " " +
           place.latitudeText.substr(0, 1);
}

std::string PlaceLabel(const BirthData& place, std::string_view zoneTyped) {
    const std::size_t first = zoneTyped.find_first_not_of(' ');
    const std::string_view zone =
        first == std::string_view::npos ? std::string_view() : zoneTyped.substr(first);
    return PlaceHeading(place) + " (" + std::string(zone) + ")";
}

double SearchGain(float latitudePacked) {
    if (latitudePacked >= 60) {
        return 1;
    }
    if (latitudePacked >= 50) {
        return 2;
    }
    if (latitudePacked <= -60) {
        return 0.5;
    }
    if (latitudePacked <= -50) {
        return 1;
    }
    return 4;
}

SunTimes SunriseSunset(const Ephemeris& ephemeris, double anchor, const BirthData& place,
                       Platform& platform) {
    const Place p{place.timeZone, SignedFromPacked(place.longitude),
                  SignedFromPacked(place.latitude)};
    double gain = SearchGain(place.latitude);
    SunTimes times;
    if (const auto rise = Crossing(ephemeris, anchor, p, 0, gain)) {
        times.sunrise = *rise;
        times.sunriseFound = true;
    } else {
        platform.ShowMessage("I cannot find sunrise. The latitude is too extreme.", "Warning!",
                             MessageIcon::Information);
    }
    if (const auto set = Crossing(ephemeris, anchor, p, 180, gain)) {
        times.sunset = *set;
        times.sunsetFound = true;
    } else {
        platform.ShowMessage("I cannot find sunset. The latitude is too extreme.", "Warning!",
                             MessageIcon::Information);
    }
    return times;
}

std::string_view DayHourRuler(int weekday, int hour) { return kRulers[(24 * weekday + hour) % 7]; }

std::string_view NightHourRuler(int weekday, int hour) {
    return kRulers[(24 * weekday + 12 + hour) % 7];
}

std::string HourTimeText(double hours) {
    double v = ToPacked(hours);
    if (v >= 24) {
        v -= 24;
    }
    if (v - std::floor(v) >= kMinuteCarry) {
        v = std::floor(v) + 1;
        if (v >= 24) {
            v -= 24;
        }
    }
    const char* suffix = v < 12 ? "a" : "p";
    if (v >= 13) {
        v -= 12;
    } else if (v < 1) {
        v += 12;
    }
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%s%.2f%s", v < 10 ? " " : "", v, suffix);
    return buffer;
}

PlanetaryDay ComputePlanetaryDay(const Ephemeris& ephemeris, double anchor, const BirthData& place,
                                 Platform& platform) {
    PlanetaryDay day;
    day.anchor = anchor;
    day.weekday = WeekdayIndex(anchor);
    day.dateHeading = DateHeading(anchor);
    day.placeHeading = PlaceHeading(place);
    day.sun = SunriseSunset(ephemeris, anchor, place, platform);
    const double dayLength = (day.sun.sunset - day.sun.sunrise) / 12;
    const double nightLength = (day.sun.sunrise + 24 - day.sun.sunset) / 12;
    for (int k = 0; k < 12; ++k) {
        HourRow& row = day.rows[k];
        row.dayRuler = DayHourRuler(day.weekday, k);
        row.nightRuler = NightHourRuler(day.weekday, k);
        if (day.sun.BothFound()) {
            row.dayStart = HourTimeText(day.sun.sunrise + k * dayLength);
            row.nightStart = HourTimeText(day.sun.sunset + k * nightLength);
        } else {
            row.dayStart = kNoHourTimeText;
            row.nightStart = kNoHourTimeText;
        }
    }
    return day;
}

std::optional<PlanetaryDay> OpenPlanetaryHours(const Ephemeris& ephemeris, const BirthData& natal,
                                               Platform& platform) {
    if (!PlanetaryHoursLatitudeAllowed(natal.latitude, platform)) {
        return std::nullopt;
    }
    return ComputePlanetaryDay(ephemeris, PlanetaryHoursAnchor(natal.year, natal.month, natal.day),
                               natal, platform);
}

std::string RowText(const HourRow& row) {
    return row.dayRuler + row.dayStart + "    " + row.nightRuler + row.nightStart;
}

std::vector<std::string> DayLines(const PlanetaryDay& day) {
    std::vector<std::string> lines{day.dateHeading, day.placeHeading};
    for (const HourRow& row : day.rows) {
        lines.push_back(RowText(row));
    }
    return lines;
}

std::vector<std::string> ThreeDayReport(const Ephemeris& ephemeris, double& anchor,
                                        const BirthData& place, Platform& platform) {
    std::array<std::vector<std::string>, 3> days;
    for (int i = 0; i < 3; ++i) {
        if (i > 0) {
            anchor = ForwardDay(anchor);
        }
        days[i] = DayLines(ComputePlanetaryDay(ephemeris, anchor, place, platform));
    }
    std::vector<std::string> report{""};
    for (std::size_t line = 0; line < days[0].size(); ++line) {
        if (line < 2) {
            report.push_back("  " + PadTo(days[0][line], 30) + PadTo(days[1][line], 30) +
                             days[2][line]);
        } else {
            report.push_back("  " + days[0][line] + "      " + days[1][line] + "      " +
                             days[2][line]);
        }
    }
    return report;
}

std::optional<RulerKeywords> RulerKeywordsOf(std::string_view cell) {
    for (const RulerKeywords& k : kKeywords) {
        if (k.ruler == cell) {
            return k;
        }
    }
    return std::nullopt;
}

bool ShowRulerKeywords(std::string_view cell, Platform& platform) {
    const auto keywords = RulerKeywordsOf(cell);
    if (!keywords) {
        return false;
    }
    platform.ShowMessage(keywords->text, keywords->title, MessageIcon::Information);
    return true;
}

}  // namespace solvaris
