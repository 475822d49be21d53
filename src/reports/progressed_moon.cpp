#include "reports/progressed_moon.hpp"

#include <cmath>

#include "aspects/aspect_codes.hpp"
#include "aspects/parallels.hpp"
#include "base/format_pattern.hpp"
#include "base/option_numbers.hpp"
#include "engine/angles.hpp"
#include "reports/aspect_lists.hpp"
#include "reports/position_format.hpp"

namespace solvaris {

namespace {

// The natal points the Moon meets: Sun to Pluto, the Moon, Ascendant and
// Midheaven.
constexpr int kNatalTargets[] = {Sun,    Mercury, Venus, Mars, Jupiter,   Saturn,
                                 Uranus, Neptune, Pluto, Moon, Ascendant, Midheaven};
// The progressed points: the same without the Moon itself.
constexpr int kProgressedTargets[] = {Sun,    Mercury, Venus, Mars,      Jupiter,  Saturn,
                                      Uranus, Neptune, Pluto, Ascendant, Midheaven};

// Walks the thirteen month labels from the birth month of the last
// birthday's year.
class MonthCounter {
public:
    MonthCounter(int day, int month, int year) : day_(day), month_(month), year_(year) {}
    std::string Label() const { return MonthLabel(day_, month_, year_); }
    void Advance() {
        if (++month_ > 12) {
            month_ = 1;
            ++year_;
        }
    }

private:
    int day_;
    int month_;
    int year_;
};

MonthCounter CounterOf(const ReportSession& session) {
    return {session.natal.day, session.natal.month, session.lastBirthdayYear};
}

// The number as the platform writes it: a leading blank for a positive
// value.
std::string PlatformNumber(int value) { return (value >= 0 ? " " : "") + std::to_string(value); }

void Heading(ReportContext& ctx, const char* title) {
    ctx.Blank();
    ctx.Line(title);
    ctx.Blank();
}

std::string AspectLine(const std::string& label, double moon, const FoundAspect& found, int p) {
    std::string line = label;
    line += LongitudeDM(moon);
    line += "     ";
    line += AspectName(found.code);
    line += "   ";
    line += ReportName(p);
    line += found.d < 0 ? "     " : "      ";
    line += FormatNumber(found.d, "0.0");
    line += " degrees";
    return line;
}

}  // namespace

std::array<double, kProgressedMonths> MonthlyLongitudes(double now, double next) {
    double delta = next - now;
    if (std::fabs(delta) > 180) {
        delta += 360;
    }
    std::array<double, kProgressedMonths> months{};
    for (int k = 0; k < kProgressedMonths; ++k) {
        months[static_cast<std::size_t>(k)] = Normalize360(now + delta * k / 12);
    }
    return months;
}

std::array<double, kProgressedMonths> MonthlyDeclinations(double now, double next) {
    std::array<double, kProgressedMonths> months{};
    for (int k = 0; k < kProgressedMonths; ++k) {
        months[static_cast<std::size_t>(k)] = now + (next - now) * k / 12;
    }
    return months;
}

std::string MonthLabel(int day, int month, int year) {
    std::string label = " ";
    label += PlatformNumber(day);
    label += ' ';
    label += MonthAbbreviation(month);
    label += PlatformNumber(year);
    label += " - ";
    return label;
}

void ProgressedMoonAspectsToNatal(ReportContext& ctx) {
    const ChartStore& charts = ctx.session.charts;
    const auto moon = MonthlyLongitudes(charts.progressed.atBirthday.longitude[Moon],
                                        charts.progressed.nextYear.longitude[Moon]);
    const PointArray& natal = charts.natal.points.longitude;
    Heading(ctx, "                 PROGRESSED MOON ASPECTS TO NATAL PLANETS");
    MonthCounter counter = CounterOf(ctx.session);
    for (double lambda : moon) {
        for (int p : kNatalTargets) {
            const FoundAspect found = SignedFixedTest(lambda, natal[p]);
            if (found.code != NoAspect) {
                ctx.Line(AspectLine(counter.Label(), lambda, found, p));
            }
        }
        counter.Advance();
    }
}

void ProgressedMoonAspectsToProgressed(ReportContext& ctx) {
    const ProgressedSet& progressed = ctx.session.charts.progressed;
    const PointArray& now = progressed.atBirthday.longitude;
    const PointArray& next = progressed.nextYear.longitude;
    const auto moon = MonthlyLongitudes(now[Moon], next[Moon]);
    Heading(ctx, "              PROGRESSED MOON ASPECTS TO PROGRESSED PLANETS");
    MonthCounter counter = CounterOf(ctx.session);
    for (int k = 0; k < kProgressedMonths; ++k) {
        const double lambda = moon[static_cast<std::size_t>(k)];
        for (int p : kProgressedTargets) {
            double delta = next[p] - now[p];
            if (delta > 180) {
                delta -= 360;
            } else if (delta < -180) {
                delta += 360;
            }
            const double point = Normalize360(now[p] + delta * k / 12);
            const FoundAspect found = SignedFixedTest(lambda, point);
            if (found.code != NoAspect) {
                ctx.Line(AspectLine(counter.Label(), lambda, found, p));
            }
        }
        counter.Advance();
    }
}

void ProgressedMoonParallelsToNatal(ReportContext& ctx) {
    const ChartStore& charts = ctx.session.charts;
    const auto moon = MonthlyDeclinations(charts.progressed.atBirthday.declination[Moon],
                                          charts.progressed.nextYear.declination[Moon]);
    const PointArray& natal = charts.natal.points.declination;
    const double orb = ctx.session.options(opt::ParallelOrb);
    Heading(ctx, "              PROGRESSED MOON PARALLELS TO NATAL PLANETS");
    MonthCounter counter = CounterOf(ctx.session);
    for (double delta : moon) {
        for (int p : kNatalTargets) {
            const FoundParallel found = ParallelTest(delta, natal[p], orb);
            if (found.kind == ParallelKind::None) {
                continue;
            }
            std::string line = counter.Label();
            line += DeclinationDM(delta);
            line += "    ";
            line += found.kind == ParallelKind::Contra ? "C.Parallel" : "Parallel  ";
            line += "    ";
            line += ReportName(p);
            line += "     ";
            line += FormatNumber(found.d, "0.0");
            line += " degrees";
            ctx.Line(line);
        }
        counter.Advance();
    }
}

}  // namespace solvaris
