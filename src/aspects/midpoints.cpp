#include "aspects/midpoints.hpp"

#include <algorithm>
#include <cmath>

#include "aspects/aspect_finder.hpp"
#include "base/option_numbers.hpp"
#include "engine/angles.hpp"

namespace solvaris {

namespace {

constexpr double kDialDeg = 90;
// Two points 45 degrees apart on the circle stand opposite on the dial.
constexpr double kDialHalfDeg = 45;

}  // namespace

double DialPosition(double longitude) {
    const double position = std::fmod(longitude, kDialDeg);
    return position < 0 ? position + kDialDeg : position;
}

std::vector<Midpoint> ChartMidpoints(const PointArray& longitude) {
    std::vector<Midpoint> midpoints;
    const std::size_t count = std::size(kMidpointPoints);
    for (std::size_t i = 0; i < count; ++i) {
        for (std::size_t j = i + 1; j < count; ++j) {
            const int a = kMidpointPoints[i];
            const int b = kMidpointPoints[j];
            midpoints.push_back({a, b, NearerMidpoint(longitude[a], longitude[b])});
        }
    }
    return midpoints;
}

std::vector<Midpoint> InZodiacOrder(std::vector<Midpoint> midpoints) {
    std::stable_sort(midpoints.begin(), midpoints.end(), [](const Midpoint& x, const Midpoint& y) {
        return x.longitude < y.longitude;
    });
    return midpoints;
}

std::vector<Midpoint> InDialOrder(std::vector<Midpoint> midpoints) {
    std::stable_sort(midpoints.begin(), midpoints.end(), [](const Midpoint& x, const Midpoint& y) {
        return DialPosition(x.longitude) < DialPosition(y.longitude);
    });
    return midpoints;
}

double MidpointOrbDeg(const OptionTable& options) {
    const float orb = options(opt::MidpointOrbDeg);
    return orb > 0 ? orb : kDefaultMidpointOrbDeg;
}

std::vector<PlanetaryPicture> PlanetaryPictures(const PointArray& longitude, double orbDeg) {
    const std::vector<Midpoint> midpoints = ChartMidpoints(longitude);
    std::vector<PlanetaryPicture> pictures;
    for (const int point : kMidpointPoints) {
        const std::size_t first = pictures.size();
        for (const Midpoint& m : midpoints) {
            if (m.first == point || m.second == point) {
                continue;
            }
            const double s = Separation(longitude[point], m.longitude);
            const double nearestDeg = std::round(s / kDialHalfDeg) * kDialHalfDeg;
            const double offDeg = std::fabs(s - nearestDeg);
            if (WithinOrb(offDeg, orbDeg)) {
                pictures.push_back({point, m, static_cast<int>(nearestDeg), offDeg});
            }
        }
        std::stable_sort(pictures.begin() + static_cast<std::ptrdiff_t>(first), pictures.end(),
                         [](const PlanetaryPicture& x, const PlanetaryPicture& y) {
                             return x.orbDeg < y.orbDeg;
                         });
    }
    return pictures;
}

}  // namespace solvaris
