// Bracketing by secant steps, then Brent's zero finder.
#include "design/acr_root.h"

#include "basics/domain_error.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <string>
#include <utility>

namespace korvant {
namespace {

constexpr int kMaxEvaluations = 100;

struct Bracket
{
    double a, fa, b, fb;
};

double Checked(double value, const char* what)
{
    if (std::isnan(value))
        throw DomainError(
            std::string("the search for ") + what + " met a value that is not a number");
    return value;
}

Bracket FindBracket(const std::function<double(double)>& f, const RootSearch& s, const char* what)
{
    double x0 = std::clamp(s.start, s.lowest, s.highest);
    double f0 = Checked(f(x0), what);
    double slope = s.slope;
    for (int i = 0; i < kMaxEvaluations; ++i) {
        if (std::fabs(f0) <= s.tolerance)
            return { x0, f0, x0, f0 };
        const double step = std::clamp(-f0 / slope, -s.step, s.step);
        const double x1 = std::clamp(x0 + step, s.lowest, s.highest);
        if (x1 == x0)
            throw DomainError(std::string("no ") + what + " lies in the range searched");
        const double f1 = Checked(f(x1), what);
        if ((f0 < 0) != (f1 < 0))
            return { x0, f0, x1, f1 };
        // The secant slope when it agrees in sign with the guess, the guess otherwise.
        const double secant = (f1 - f0) / (x1 - x0);
        if (secant * s.slope > 0)
            slope = secant;
        x0 = x1;
        f0 = f1;
    }
    throw DomainError(std::string("the search for ") + what + " did not converge");
}

} // namespace

double FindRoot(const std::function<double(double)>& f, const RootSearch& search, const char* what)
{
    const Bracket br = FindBracket(f, search, what);
    if (br.a == br.b)
        return br.a;
    return BrentRoot(f, br.a, br.fa, br.b, br.fb, search.tolerance, what);
}

double GoldenMaximum(const std::function<double(double)>& f, double a, double b)
{
    const double ratio = (std::sqrt(5.0) - 1) / 2;
    double x1 = b - ratio * (b - a);
    double x2 = a + ratio * (b - a);
    double f1 = f(x1);
    double f2 = f(x2);
    for (int i = 0; i < 30; ++i) {
        if (f1 < f2) {
            a = x1;
            x1 = x2;
            f1 = f2;
            x2 = a + ratio * (b - a);
            f2 = f(x2);
        } else {
            b = x2;
            x2 = x1;
            f2 = f1;
            x1 = b - ratio * (b - a);
            f1 = f(x1);
        }
    }
    return f1 < f2 ? x2 : x1;
}

double BrentRoot(const std::function<double(double)>& f, double a, double fa, double b, double fb,
    double tolerance, const char* what)
{
    if (fa == 0)
        return a;
    double c = a, fc = fa;
    double d = b - a, e = d;
    for (int i = 0; i < kMaxEvaluations; ++i) {
        if ((fb < 0) == (fc < 0)) {
            c = a;
            fc = fa;
            d = e = b - a;
        }
        if (std::fabs(fc) < std::fabs(fb)) {
            a = b;
            b = c;
            c = a;
            fa = fb;
            fb = fc;
            fc = fa;
        }
        const double tol = 2 * std::numeric_limits<double>::epsilon() * std::fabs(b);
        const double m = (c - b) / 2;
        if (std::fabs(m) <= tol || std::fabs(fb) <= tolerance)
            return b;
        if (std::fabs(e) < tol || std::fabs(fa) <= std::fabs(fb)) {
            d = e = m;
        } else {
            double p = 0;
            double q = 0;
            const double s = fb / fa;
            if (a == c) {
                p = 2 * m * s;
                q = 1 - s;
            } else {
                const double qa = fa / fc;
                const double r = fb / fc;
                p = s * (2 * m * qa * (qa - r) - (b - a) * (r - 1));
                q = (qa - 1) * (r - 1) * (s - 1);
            }
            if (p > 0)
                q = -q;
            else
                p = -p;
            if (2 * p < 3 * m * q - std::fabs(tol * q) && p < std::fabs(e * q / 2)) {
                e = d;
                d = p / q;
            } else {
                d = e = m;
            }
        }
        a = b;
        fa = fb;
        b += std::fabs(d) > tol ? d : (m > 0 ? tol : -tol);
        fb = Checked(f(b), what);
    }
    throw DomainError(std::string("the search for ") + what + " did not converge");
}

} // namespace korvant
