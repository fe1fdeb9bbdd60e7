// J0 and J1 by power series, Taylor tables and Hankel's asymptotic expansion; the tables are
// computed by the compiler from the power series and Bessel's equation, so no digits are typed in.
#include "layered/bessel.h"

#include <array>
#include <cmath>
#include <numbers>

namespace korvant::layered {
namespace {

constexpr int kTaylorDegree = 16; // |t| <= 0.5: the remainder 0.5^17 / 17! is below 1e-19
constexpr int kCentres = 20; // Taylor centres 1, 2, ..., 20
constexpr double kAsymptoticFrom = kCentres + 0.5;
constexpr int kAsymptoticTerms = 26; // a_0 .. a_25 of Hankel's expansion

// J0 and J1 by their power series; accurate for |x| <= 4, where the largest term is 4.
constexpr BesselPair PowerSeries(double x)
{
    const double y = x * x / 4;
    double j0 = 0;
    double j1 = 0;
    for (int k = 24; k >= 0; --k) {
        const double kk = k;
        j0 = 1 - y * j0 / ((kk + 1) * (kk + 1));
        j1 = 1 - y * j1 / ((kk + 1) * (kk + 2));
    }
    return { j0, x / 2 * j1 };
}

// Taylor coefficients of J0 about c > 0 up to degree `degree`, from J0(c) and J1(c), by Bessel's
// equation: c (k+1)(k+2) a[k+2] + (k+1)^2 a[k+1] + c a[k] + a[k-1] = 0.
template <std::size_t N> constexpr std::array<double, N> TaylorCoefficients(double c, BesselPair at)
{
    std::array<double, N> a {};
    a[0] = at.j0;
    a[1] = -at.j1;
    for (std::size_t k = 0; k + 2 < N; ++k) {
        const double kk = static_cast<double>(k);
        const double previous = k == 0 ? 0.0 : a[k - 1];
        a[k + 2]
            = -((kk + 1) * (kk + 1) * a[k + 1] + c * a[k] + previous) / (c * (kk + 1) * (kk + 2));
    }
    return a;
}

// J0 and J1 at c + t from the Taylor coefficients of J0 about c (J1 = -J0').
template <std::size_t N>
constexpr BesselPair SumTaylor(const std::array<double, N>& a, double t, std::size_t degree)
{
    double j0 = a[degree];
    double dj0 = static_cast<double>(degree) * a[degree];
    for (std::size_t k = degree; k-- > 0;) {
        j0 = j0 * t + a[k];
        if (k > 0)
            dj0 = dj0 * t + static_cast<double>(k) * a[k];
    }
    return { j0, -dj0 };
}

struct TaylorTable
{
    // coefficients[c - 1]: Taylor coefficients of J0 about c, degree kTaylorDegree + 1 so that
    // J1 = -J0' keeps degree kTaylorDegree.
    std::array<std::array<double, kTaylorDegree + 2>, kCentres> coefficients {};
};

constexpr TaylorTable MakeTaylorTable()
{
    TaylorTable table;
    BesselPair at = PowerSeries(1);
    for (int c = 1; c <= kCentres; ++c) {
        const double centre = c;
        if (c <= 4)
            at = PowerSeries(centre);
        table.coefficients[static_cast<std::size_t>(c - 1)]
            = TaylorCoefficients<kTaylorDegree + 2>(centre, at);
        // One unit step to the next centre with a longer series (1 / 31! is negligible).
        at = SumTaylor(TaylorCoefficients<32>(centre, at), 1.0, 31);
    }
    return table;
}

constexpr TaylorTable kTaylor = MakeTaylorTable();

// a_k(nu) = (4 nu^2 - 1)(4 nu^2 - 9)...(4 nu^2 - (2k-1)^2) / (k! 8^k), with the signs of P and Q
// folded in: p[j] = (-1)^j a_2j, q[j] = (-1)^j a_2j+1.
struct AsymptoticSeries
{
    std::array<double, kAsymptoticTerms / 2> p {}, q {};
};

constexpr AsymptoticSeries MakeAsymptoticSeries(double nu)
{
    AsymptoticSeries series;
    double a = 1;
    for (int k = 0; k < kAsymptoticTerms; ++k) {
        if (k > 0) {
            const double odd = 2.0 * k - 1;
            a *= (4 * nu * nu - odd * odd) / (8.0 * k);
        }
        const std::size_t j = static_cast<std::size_t>(k / 2);
        const double sign = (k / 2) % 2 == 0 ? 1.0 : -1.0;
        (k % 2 == 0 ? series.p : series.q)[j] = sign * a;
    }
    return series;
}

constexpr AsymptoticSeries kOrder0 = MakeAsymptoticSeries(0);
constexpr AsymptoticSeries kOrder1 = MakeAsymptoticSeries(1);

template <std::size_t N> double Horner(const std::array<double, N>& c, double y)
{
    double sum = c[N - 1];
    for (std::size_t k = N - 1; k-- > 0;)
        sum = sum * y + c[k];
    return sum;
}

// Hankel's expansion: J0 = (P0 (cos x + sin x) - Q0 (sin x - cos x)) / sqrt(pi x) and
// J1 = (P1 (sin x - cos x) + Q1 (sin x + cos x)) / sqrt(pi x); cos(x - pi/4) and its kin are
// formed from cos x and sin x so that no rounded phase enters.
BesselPair Asymptotic(double x)
{
    const double y = 1 / (x * x);
    const double p0 = Horner(kOrder0.p, y);
    const double q0 = Horner(kOrder0.q, y) / x;
    const double p1 = Horner(kOrder1.p, y);
    const double q1 = Horner(kOrder1.q, y) / x;
    const double c = std::cos(x);
    const double s = std::sin(x);
    const double scale = 1 / std::sqrt(std::numbers::pi * x);
    return { scale * (p0 * (c + s) - q0 * (s - c)), scale * (p1 * (s - c) + q1 * (s + c)) };
}

} // namespace

BesselPair BesselJ01(double x)
{
    const double ax = std::fabs(x);
    BesselPair r;
    if (ax < 0.5) {
        r = PowerSeries(ax);
    } else if (ax < kAsymptoticFrom) {
        const double centre = std::floor(ax + 0.5);
        const auto& a = kTaylor.coefficients[static_cast<std::size_t>(centre) - 1];
        r = SumTaylor(a, ax - centre, kTaylorDegree + 1);
    } else {
        r = Asymptotic(ax);
    }
    if (x < 0)
        r.j1 = -r.j1;
    return r;
}

} // namespace korvant::layered
