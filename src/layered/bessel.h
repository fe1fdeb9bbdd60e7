// Bessel functions of the first kind of orders 0 and 1 for the Hankel integrals of the layered
// engine, accurate to about 1e-15 (relative away from their zeros, absolute near them) and several
// times faster than std::cyl_bessel_j. Three ranges:
//   |x| < 0.5       the power series;
//   0.5 <= |x| < 20.5  Taylor series of degree 16 about the nearest whole number c, whose
//                   coefficients follow from Bessel's equation x y'' + y' + x y = 0; the values at
//                   the centres are built once by the power series (c <= 4) and by Taylor steps of
//                   one unit (c > 4), where the recurrence is stable;
//   |x| >= 20.5     Hankel's asymptotic expansion with 26 terms (Abramowitz & Stegun 9.2.5-9.2.10),
//                   whose first omitted term is below 1e-18 there.
#pragma once

namespace korvant::layered {

struct BesselPair
{
    double j0 = 0; // J0(x)
    double j1 = 0; // J1(x)
};

// J0(x) and J1(x) together (they share their work); x any finite number.
BesselPair BesselJ01(double x);

inline double BesselJ0(double x)
{
    return BesselJ01(x).j0;
}

inline double BesselJ1(double x)
{
    return BesselJ01(x).j1;
}

} // namespace korvant::layered
