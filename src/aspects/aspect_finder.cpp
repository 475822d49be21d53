#include "aspects/aspect_finder.hpp"

#include <cmath>

#include "aspects/aspect_codes.hpp"

namespace solvaris {

namespace {

// lo <= s <= hi with every value rounded to single precision first.
bool InBand(double s, double angle, double orb) {
    const float fs = static_cast<float>(s);
    return static_cast<float>(angle - orb) <= fs && fs <= static_cast<float>(angle + orb);
}

struct Band {
    int code;
    double angle;
};

// The order of the table test; the opposition and the conjunction have
// one-sided bounds.
constexpr Band kTableOrder[] = {
    {Sextile, 60},       {Square, 90},
    {Trine, 120},        {Opposition, 180},
    {SemiSextile, 30},   {SemiSquare, 45},
    {Sesquisquare, 135}, {Quincunx, 150},
    {SemiQuintile, 36},  {Nonagen, 40},
    {Quintile, 72},      {Trecile, 108},
    {BiQuintile, 144},   {Septile, kSeptileDegrees},
};

constexpr Band kFixedOrder[] = {
    {Sextile, 60},     {Square, 90},     {Trine, 120},        {Opposition, 180},
    {SemiSextile, 30}, {SemiSquare, 45}, {Sesquisquare, 135}, {Quincunx, 150},
};

constexpr Band kMajorOrder[] = {{Sextile, 60}, {Square, 90}, {Trine, 120}, {Opposition, 180}};

bool IsNode(int p) { return p == 11 || p == 12; }

}  // namespace

double Separation(double longitude1, double longitude2) {
    double s = std::fabs(longitude1 - longitude2);
    if (s > 180) {
        s = 360 - s;
    }
    return s;
}

bool WithinOrb(double value, double orb) {
    return static_cast<float>(value) <= static_cast<float>(orb);
}

FoundAspect TableTest(double s, const OrbTable& orbs, bool minorAspects, bool septile) {
    FoundAspect found;
    for (const Band& band : kTableOrder) {
        const bool minor = band.code >= SemiQuintile && band.code <= BiQuintile;
        if ((minor && !minorAspects) || (band.code == Septile && !septile)) {
            continue;
        }
        const double orb = orbs[static_cast<std::size_t>(band.code - 1)];
        const bool hit = band.code == Opposition
                             ? static_cast<float>(s) >= static_cast<float>(180 - orb)
                             : InBand(s, band.angle, orb);
        if (hit) {
            found.code = band.code;
            if (band.code != Septile) {
                found.d = s - band.angle;
            }
        }
    }
    if (WithinOrb(s, orbs[Conjunction - 1])) {
        found = {Conjunction, s};
    }
    return found;
}

double PlanetClassOrb(int p1, int p2, PointNumbering numbering) {
    if (IsNode(p1) || IsNode(p2)) {
        return 3;
    }
    const int moon = numbering == PointNumbering::ChartPoints ? 10 : 2;
    const auto luminary = [moon](int p) { return p == 1 || p == moon; };
    return luminary(p1) || luminary(p2) ? 8 : 6;
}

FoundAspect ClassTest(double s, int p1, int p2, PointNumbering numbering) {
    const double orb = PlanetClassOrb(p1, p2, numbering);
    FoundAspect found;
    if (orb != 3) {
        for (const Band& band : kMajorOrder) {
            const bool hit = band.code == Opposition
                                 ? s >= 180 - orb
                                 : band.angle - orb <= s && s <= band.angle + orb;
            if (hit) {
                found = {band.code, s - band.angle};
            }
        }
    }
    if (s <= orb) {
        found = {Conjunction, s};
    }
    return found;
}

FoundAspect MajorAspectTest(double s, double orb) {
    FoundAspect found;
    for (const Band& band : kMajorOrder) {
        const bool hit = band.code == Opposition
                             ? static_cast<float>(s) >= static_cast<float>(180 - orb)
                             : InBand(s, band.angle, orb);
        if (hit) {
            found = {band.code, s - band.angle};
        }
    }
    if (WithinOrb(s, orb)) {
        found = {Conjunction, s};
    }
    found.d = RoundToTenths(found.d);
    return found;
}

double RoundToTenths(double d) { return std::floor((d + 0.05) * 10) / 10; }

FoundAspect FixedTest(double s) {
    FoundAspect found;
    for (const Band& band : kFixedOrder) {
        const bool hit =
            band.code == Opposition ? s >= 179 : band.angle - 1 <= s && s <= band.angle + 1;
        if (hit) {
            found = {band.code, s - band.angle};
        }
    }
    if (s <= 1) {
        found = {Conjunction, s};
    }
    found.d = RoundToTenths(found.d);
    return found;
}

}  // namespace solvaris
