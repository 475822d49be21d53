#include "aspects/root_finding.hpp"

#include <cmath>
#include <utility>

namespace solvaris {

namespace {

constexpr int kMaxIterations = 100;

}  // namespace

double BrentRoot(const std::function<double(double)>& f, double a, double b, double fa, double fb,
                 double valueTolerance, double timeTolerance) {
    if (std::fabs(fa) < std::fabs(fb)) {
        std::swap(a, b);
        std::swap(fa, fb);
    }
    double c = a;
    double fc = fa;
    double d = b - a;
    bool bisected = true;
    for (int i = 0; i < kMaxIterations; ++i) {
        if (std::fabs(fb) <= valueTolerance || std::fabs(b - a) <= timeTolerance) {
            return b;
        }
        double s;
        if (fa != fc && fb != fc) {
            s = a * fb * fc / ((fa - fb) * (fa - fc)) + b * fa * fc / ((fb - fa) * (fb - fc)) +
                c * fa * fb / ((fc - fa) * (fc - fb));
        } else {
            s = b - fb * (b - a) / (fb - fa);
        }
        const double lower = (3 * a + b) / 4;
        const bool outside = (s - lower) * (s - b) > 0;
        const bool slow = bisected ? std::fabs(s - b) >= std::fabs(b - c) / 2
                                   : std::fabs(s - b) >= std::fabs(c - d) / 2;
        const bool tiny =
            bisected ? std::fabs(b - c) < timeTolerance : std::fabs(c - d) < timeTolerance;
        bisected = outside || slow || tiny;
        if (bisected) {
            s = (a + b) / 2;
        }
        const double fs = f(s);
        d = c;
        c = b;
        fc = fb;
        if ((fa < 0) != (fs < 0)) {
            b = s;
            fb = fs;
        } else {
            a = s;
            fa = fs;
        }
        if (std::fabs(fa) < std::fabs(fb)) {
            std::swap(a, b);
            std::swap(fa, fb);
        }
    }
    return b;
}

}  // namespace solvaris
