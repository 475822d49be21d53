#include "engine/angles.hpp"

namespace solvaris {

double ArcSin(double x) {
    const double cosine = std::sqrt(1 - x * x);
    if (cosine == 0) {
        return x > 0 ? PI / 2 : -PI / 2;
    }
    return std::atan(x / cosine);
}

double Normalize360(double x) {
    if (!(x >= 0) && !(x < 0)) {
        return 0;
    }
    double r = x - 360 * std::floor(x / 360);
    // A tiny negative x rounds up to exactly 360.
    if (r >= 360) {
        r -= 360;
    }
    return r;
}

double NearerMidpoint(double a, double b) {
    double arc = Normalize360(b - a);
    if (arc > 180) {
        arc -= 360;
    }
    return Normalize360(a + arc / 2);
}

double ToPacked(double x) {
    const double whole = std::floor(x);
    return whole + (x - whole) * 60 / 100;
}

double FromPacked(double x) {
    const double whole = std::floor(x);
    return whole + (x - whole) * 100 / 60;
}

Rect PolarToRect(double r, double angleRad) {
    if (angleRad == 0) {
        angleRad = kAxisAngleRad;
    }
    return {r * std::cos(angleRad), r * std::sin(angleRad)};
}

Polar RectToPolar(double x, double y) {
    if (y == 0) {
        y = kAxisAngleRad;
    }
    const double r = std::sqrt(x * x + y * y);
    double a;
    if (x == 0) {
        // The limit of atan(y / x) as x goes to 0 from above.
        a = y > 0 ? PI / 2 : -PI / 2;
    } else {
        a = std::atan(y / x);
    }
    if (a < 0) {
        a += PI;
    }
    if (y < 0) {
        a += PI;
    }
    return {r, a};
}

Spherical RectToSpherical(double x, double y, double z) {
    const double rho = std::sqrt(x * x + y * y);
    Spherical s{std::sqrt(x * x + y * y + z * z), 0, 0};
    if (x != 0 || y != 0) {
        const double a = 2 * RadToDeg(std::atan(y / (std::fabs(x) + rho)));
        if (x < 0) {
            s.longitude = 180 - a;
        } else if (y < 0) {
            s.longitude = a + 360;
            // A y just below zero rounds a + 360 up to exactly 360.
            if (s.longitude >= 360) {
                s.longitude = 0;
            }
        } else {
            s.longitude = a;
        }
    }
    if (rho == 0) {
        s.latitude = z > 0 ? 90 : (z < 0 ? -90 : 0);
    } else {
        s.latitude = RadToDeg(std::atan(z / rho));
    }
    return s;
}

}  // namespace solvaris
