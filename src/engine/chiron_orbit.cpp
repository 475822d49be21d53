#include "engine/chiron_orbit.hpp"

#include <array>
#include <cmath>
#include <mutex>
#include <numbers>
#include <vector>

#include "engine/ayanamsa.hpp"
#include "engine/calendar.hpp"
#include "engine/orbit.hpp"
#include "engine/outer_planets.hpp"

namespace solvaris {

namespace {

using Vector = std::array<double, 3>;

struct State {
    Vector position;  // AU, heliocentric, ecliptic and equinox J2000
    Vector velocity;  // AU per day
};

constexpr double kDegPerRad = 180 / std::numbers::pi;

// Chiron's heliocentric state at J2000 (JD 2451545.0 TT), from JPL's
// integration of the minor planets as Swiss Ephemeris's seas_18 file holds it.
constexpr State kStateAtJ2000{{-3.529597128984, -9.127360731865, 0.757241104100},
                              {4.971229910048e-03, -3.655661677217e-03, 6.848589064229e-04}};

// The Gaussian constant squared, with the inner planets' masses added to the
// Sun's: seen from Chiron they circle close to it.
constexpr double kSunGm =
    2.959122082855911e-4 * (1 + 1 / 6023600.0 + 1 / 408523.71 + 1 / 328900.56 + 1 / 3098708.0);
// Jupiter to Neptune, in solar masses (IAU 1976), as index 5-8 of the outer theory.
constexpr std::array<double, 4> kGiantMasses{1 / 1047.355, 1 / 3498.5, 1 / 22869.0, 1 / 19314.0};

// Steps of 40 days keep the fourth-order integration well within an arcsecond over six
// centuries; the states in between come by Hermite interpolation.
constexpr double kStepDays = 40;

Vector Rectangular(double longitudeDeg, double latitudeDeg, double radius) {
    const double lon = longitudeDeg / kDegPerRad;
    const double lat = latitudeDeg / kDegPerRad;
    return {radius * std::cos(lat) * std::cos(lon), radius * std::cos(lat) * std::sin(lon),
            radius * std::sin(lat)};
}

double Length(const Vector& v) { return std::sqrt(v[0] * v[0] + v[1] * v[1] + v[2] * v[2]); }

// A position of date turned back to J2000 by the general precession in
// longitude; the ecliptic's own slow turn is below what moves Chiron.
Vector GiantAtJ2000(int index, double jd) {
    EarthState unused;
    const TimeArgs args = TimeArguments(jd + 0.5, 0);
    const OuterPlanetResult r = OuterPlanet(index, args.t, unused);
    const double precessionDeg = GeneralPrecessionArcsec(args.t2000) / 3600;
    return Rectangular(r.helio.longitude + r.extraLongitudeDeg - precessionDeg, r.helio.latitude,
                       r.helio.radius / kAstronomicalUnitKm);
}

using Giants = std::array<Vector, 4>;

Giants GiantsAt(double jd) {
    Giants g;
    for (int i = 0; i < 4; ++i) {
        g[i] = GiantAtJ2000(5 + i, jd);
    }
    return g;
}

// The heliocentric acceleration: the Sun's pull, each giant's direct pull and
// its pull on the Sun (the frame's own acceleration).
Vector Acceleration(const Vector& r, const Giants& giants) {
    const double d = Length(r);
    Vector a{};
    for (int k = 0; k < 3; ++k) {
        a[k] = -kSunGm * r[k] / (d * d * d);
    }
    for (int i = 0; i < 4; ++i) {
        const Vector& p = giants[i];
        const Vector toGiant{p[0] - r[0], p[1] - r[1], p[2] - r[2]};
        const double dg = Length(toGiant);
        const double dp = Length(p);
        for (int k = 0; k < 3; ++k) {
            a[k] +=
                kSunGm * kGiantMasses[i] * (toGiant[k] / (dg * dg * dg) - p[k] / (dp * dp * dp));
        }
    }
    return a;
}

State Shifted(const State& s, const Vector& dr, const Vector& dv, double h) {
    State out;
    for (int k = 0; k < 3; ++k) {
        out.position[k] = s.position[k] + h * dr[k];
        out.velocity[k] = s.velocity[k] + h * dv[k];
    }
    return out;
}

// One classical Runge-Kutta step of h days from the state at jd, where the
// giants stand at `start`; `end` receives where they stand at jd + h.
State Step(const State& s, const Giants& start, double jd, double h, Giants& end) {
    const Giants mid = GiantsAt(jd + h / 2);
    end = GiantsAt(jd + h);
    const Vector a1 = Acceleration(s.position, start);
    const State s2 = Shifted(s, s.velocity, a1, h / 2);
    const Vector a2 = Acceleration(s2.position, mid);
    const State s3 = Shifted(s, s2.velocity, a2, h / 2);
    const Vector a3 = Acceleration(s3.position, mid);
    const State s4 = Shifted(s, s3.velocity, a3, h);
    const Vector a4 = Acceleration(s4.position, end);
    State out;
    for (int k = 0; k < 3; ++k) {
        out.position[k] =
            s.position[k] +
            h / 6 * (s.velocity[k] + 2 * s2.velocity[k] + 2 * s3.velocity[k] + s4.velocity[k]);
        out.velocity[k] = s.velocity[k] + h / 6 * (a1[k] + 2 * a2[k] + 2 * a3[k] + a4[k]);
    }
    return out;
}

// The states at J2000 + n steps, integrated outward only as far as asked:
// a chart of 1990 costs the decade, not the six centuries.
class IntegratedOrbit {
public:
    State At(double jd) {
        const double steps = (jd - kJ2000Jd) / kStepDays;
        const auto below = static_cast<long>(std::floor(steps));
        const std::lock_guard lock(mutex_);
        Extend(below);
        Extend(below + 1);
        return Interpolated(Node(below), Node(below + 1), steps - below);
    }

private:
    // forward_[n] is node n >= 0, backward_[n] node -n.
    const State& Node(long n) const { return n >= 0 ? forward_[n] : backward_[-n]; }

    void Extend(long n) {
        std::vector<State>& side = n >= 0 ? forward_ : backward_;
        Giants& giants = n >= 0 ? forwardGiants_ : backwardGiants_;
        const double direction = n >= 0 ? 1 : -1;
        const auto wanted = static_cast<std::size_t>(std::labs(n));
        while (side.size() <= wanted) {
            const double jd = kJ2000Jd + direction * kStepDays * (side.size() - 1);
            Giants end;
            side.push_back(Step(side.back(), giants, jd, direction * kStepDays, end));
            giants = end;
        }
    }

    static State Interpolated(const State& a, const State& b, double f) {
        const double f2 = f * f;
        const double f3 = f2 * f;
        const double h00 = 2 * f3 - 3 * f2 + 1;
        const double h10 = f3 - 2 * f2 + f;
        const double h01 = -2 * f3 + 3 * f2;
        const double h11 = f3 - f2;
        State s;
        for (int k = 0; k < 3; ++k) {
            s.position[k] = h00 * a.position[k] + h10 * kStepDays * a.velocity[k] +
                            h01 * b.position[k] + h11 * kStepDays * b.velocity[k];
            s.velocity[k] =
                ((6 * f2 - 6 * f) * a.position[k] +
                 (3 * f2 - 4 * f + 1) * kStepDays * a.velocity[k] +
                 (-6 * f2 + 6 * f) * b.position[k] + (3 * f2 - 2 * f) * kStepDays * b.velocity[k]) /
                kStepDays;
        }
        return s;
    }

    std::mutex mutex_;
    std::vector<State> forward_{kStateAtJ2000};
    std::vector<State> backward_{kStateAtJ2000};
    // Where the giants stand at each side's last node.
    Giants forwardGiants_ = GiantsAt(kJ2000Jd);
    Giants backwardGiants_ = forwardGiants_;
};

IntegratedOrbit& Orbit() {
    static IntegratedOrbit orbit;
    return orbit;
}

constexpr double kLightDaysPerAu = 0.0057755183;
constexpr double kAberrationArcsec = 20.49552;

}  // namespace

std::optional<ChironPlace> ChironApparentPlace(double jd) {
    if (!(jd >= kChironFirstJd && jd <= kChironLastJd)) {
        return std::nullopt;
    }
    EarthState earth;
    const TimeArgs args = TimeArguments(jd + 0.5, 0);
    OuterPlanet(1, args.t, earth);
    const double precessionDeg = GeneralPrecessionArcsec(args.t2000) / 3600;
    const Vector earthAtJ2000 = Rectangular(earth.longitude - precessionDeg, earth.latitude,
                                            earth.radius / kAstronomicalUnitKm);
    // Where Chiron was when the light seen now left it (two passes suffice).
    Vector seen{};
    double lightDays = 0;
    for (int pass = 0; pass < 2; ++pass) {
        const State s = Orbit().At(jd - lightDays);
        for (int k = 0; k < 3; ++k) {
            seen[k] = s.position[k] - earthAtJ2000[k];
        }
        lightDays = Length(seen) * kLightDaysPerAu;
    }
    const double longitudeJ2000 = std::atan2(seen[1], seen[0]) * kDegPerRad;
    const double latitude = std::asin(seen[2] / Length(seen)) * kDegPerRad;
    const double sunLongitude = earth.longitude + 180;
    const double aberrationDeg =
        -kAberrationArcsec *
        std::cos((sunLongitude - longitudeJ2000 - precessionDeg) / kDegPerRad) /
        std::cos(latitude / kDegPerRad) / 3600;
    double longitude = longitudeJ2000 + precessionDeg + aberrationDeg +
                       NutationInLongitudeArcsec(args.t2000) / 3600;
    longitude = std::fmod(longitude, 360);
    return ChironPlace{longitude < 0 ? longitude + 360 : longitude, latitude};
}

}  // namespace solvaris
