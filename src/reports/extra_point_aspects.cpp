#include "reports/extra_point_aspects.hpp"

#include "aspects/aspect_codes.hpp"
#include "aspects/aspect_finder.hpp"
#include "reports/aspect_grids.hpp"

namespace solvaris {

namespace {

// An extra point takes the orbs of a planet Mercury to Pluto: the per-aspect
// orbs of options 1 to 15 like every pair, and under the planet-class orbs
// 6 degrees, 8 with the Sun or the Moon, 3 with a node. Mercury stands for
// it in the test.
constexpr int kExtraPointOrbClass = Mercury;

}  // namespace

std::string ExtraPointListLines(const OptionTable& options, const PointArray& longitude,
                                const std::vector<ExtraPlace>& extraPoints) {
    std::string lines;
    const auto add = [&](int p1, std::string_view name1, double longitude1, int p2,
                         std::string_view name2, double longitude2) {
        const double s = Separation(longitude1, longitude2);
        const FoundAspect found = NatalReportAspect(options, s, p1, p2);
        if (found.code != NoAspect) {
            lines += NatalListLine(name1, name2, s, found.d);
        }
    };
    for (int p = Sun; p <= kPointCount; ++p) {
        if (p == SouthNode) {
            continue;  // as the natal list leaves the south node's row out
        }
        for (const ExtraPlace& extra : extraPoints) {
            add(p, ReportName(p), longitude[p], kExtraPointOrbClass, NameOf(extra.point).reportName,
                extra.longitude);
        }
    }
    // Mean and true Lilith are two reckonings of one point: how far apart
    // they stand is no aspect.
    const auto lilith = [](const ExtraPlace& place) {
        return place.point == ExtraPoint::MeanLilith || place.point == ExtraPoint::TrueLilith;
    };
    for (std::size_t i = 0; i < extraPoints.size(); ++i) {
        for (std::size_t j = i + 1; j < extraPoints.size(); ++j) {
            if (lilith(extraPoints[i]) && lilith(extraPoints[j])) {
                continue;
            }
            add(kExtraPointOrbClass, NameOf(extraPoints[i].point).reportName,
                extraPoints[i].longitude, kExtraPointOrbClass,
                NameOf(extraPoints[j].point).reportName, extraPoints[j].longitude);
        }
    }
    return lines;
}

}  // namespace solvaris
