// The root of a monotone function of one variable, as the ACR's two searches need it: a bracket is
// found from a start by secant steps (a guessed slope for the first), then closed by Brent's method
// (R. P. Brent, "Algorithms for Minimization without Derivatives", 1973, ch. 4: inverse quadratic
// interpolation and secant steps, bisection whenever they would not shrink the bracket fast
// enough).
#pragma once

#include <functional>

namespace korvant {

struct RootSearch
{
    double start = 0; // first point
    double slope = 0; // guessed slope of f, for the second point
    double lowest = 0, highest = 0; // the interval searched
    double tolerance = 0; // |f(x)| small enough to stop
    double step = 0; // largest step while bracketing
};

// The x in [lowest, highest] at which f(x) = 0, to |f(x)| <= tolerance or to the last bit of x.
// Throws DomainError, with `what` naming the quantity, when f does not change sign in the
// interval or stops being a number.
double FindRoot(const std::function<double(double)>& f, const RootSearch& search, const char* what);

// Brent's method on a bracket: f(a) = fa and f(b) = fb of opposite signs (or one of them 0).
double BrentRoot(const std::function<double(double)>& f, double a, double fa, double b, double fb,
    double tolerance, const char* what);

// The x in [a, b] where a unimodal f is largest, by golden-section search to a relative width of
// about 1e-6 of the interval.
double GoldenMaximum(const std::function<double(double)>& f, double a, double b);

} // namespace korvant
