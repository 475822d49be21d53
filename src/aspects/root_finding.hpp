// Brent's method on a bracketed sign change: the moments of exact aspects,
// stations and orb edges.
#pragma once

#include <functional>

namespace solvaris {

// A root of `f` in [a, b], where f(a) and f(b) (given as fa, fb) differ in
// sign: stops when |f| <= valueTolerance or the bracket is narrower than
// timeTolerance.
double BrentRoot(const std::function<double(double)>& f, double a, double b, double fa, double fb,
                 double valueTolerance, double timeTolerance);

}  // namespace solvaris
