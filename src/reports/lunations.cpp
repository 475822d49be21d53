#include "reports/lunations.hpp"

#include <cmath>

#include "aspects/aspect_codes.hpp"
#include "aspects/aspect_finder.hpp"
#include "base/format_pattern.hpp"
#include "base/option_numbers.hpp"
#include "chart/zodiac.hpp"
#include "reports/new_moons.hpp"

namespace solvaris {

void LunationsReport(ReportContext& ctx) {
    const PointArray& natal = ctx.session.charts.natal.points.longitude;
    const double orb = ctx.session.options(opt::LunationOrb);
    ctx.Blank();
    ctx.Line("              LUNATIONS AND LUNATION ASPECTS");
    ctx.Blank();
    const ChartStore& charts = ctx.session.charts;
    for (NewMoon moon : FindNewMoons(charts.ephemeris, charts.lunationStart)) {
        // In the natal chart's zodiac, so that the aspects measure the same.
        moon.longitude =
            InZodiac(moon.longitude, AyanamsaDeg(charts.zodiac, charts.ephemeris, moon.julianDay));
        ctx.Line(NewMoonLine(moon));
        bool any = false;
        for (int n = 1; n <= kPointCount; ++n) {
            const FoundAspect found = MajorAspectTest(Separation(moon.longitude, natal[n]), orb);
            if (found.code == NoAspect) {
                continue;
            }
            any = true;
            const double deviation = std::fabs(found.d);
            std::string line(16, ' ');
            line += AspectName(found.code);
            line += std::string(6, ' ');
            line += ReportName(n);
            if (deviation < 10) {
                line += ' ';
            }
            line += FormatNumber(deviation, "#0.0");
            line += " degrees";
            ctx.Line(line);
        }
        if (!any) {
            ctx.Line(std::string(16, ' ') + "No aspects");
        }
    }
}

}  // namespace solvaris
