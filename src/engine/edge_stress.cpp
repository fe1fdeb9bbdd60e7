// Westergaard's edge-load stress, corrected constants 1.84 and 1.18, with pi taken as 3.14 as the
// design method fixes it. All arithmetic is in 64 bits; the trial thickness arrives as 32 bits.
#include "engine/edge_stress.h"

#include "engine/domain_checks.h"

#include <cmath>

namespace korvant {

double RadiusOfStiffness(float h, double E, double mu, double k)
{
    const double t = static_cast<double>(h);
    RequirePositive(t, "the slab thickness");
    RequirePositive(E, "the elastic modulus of the concrete");
    RequirePositive(k, "the modulus of subgrade reaction k");
    if (!(mu > -1 && mu < 1))
        throw DomainError("the Poisson ratio must lie between -1 and 1");
    const double l = std::pow(E * std::pow(t, 3) / (12 * (1 - std::pow(mu, 2)) * k), 0.25);
    return CheckedFinite(l, "the radius of relative stiffness");
}

double ContactRadius(
    double grossWeight, double gearLoadPercent, double wheelCount, double tirePressure)
{
    RequirePositive(grossWeight, "the gross weight");
    RequirePositive(gearLoadPercent, "the gear load percentage");
    RequirePositive(wheelCount, "wheel count");
    RequirePositive(tirePressure, "tire pressure");
    const double a
        = std::pow(grossWeight * gearLoadPercent / wheelCount / 100 / tirePressure / 3.14, 0.5);
    if (!(a > 0))
        throw DomainError("the tire contact radius is too small to be represented");
    return CheckedFinite(a, "the tire contact radius");
}

double EdgeLoadLogarithm(double E, double t, double k, double a)
{
    const double logArgument = E * std::pow(t, 3) / (100 * k * std::pow(a, 4));
    if (!(logArgument > 0))
        throw DomainError(
            "the logarithm of E h^3 / (100 k a^4) is not defined for a non-positive value");
    CheckedFinite(logArgument, "E h^3 / (100 k a^4)");
    return std::log(logArgument);
}

double ComputeEdgeStress(float h, double l, double a, double E, double mu, double k,
    double grossWeight, double gearLoadPercent)
{
    const double t = static_cast<double>(h);

    // The whole main-gear load; the wheel count enters only through a.
    const double P = grossWeight * gearLoadPercent / 100;

    const double B = EdgeLoadLogarithm(E, t, k, a) + 1.84 - 4 * mu / 3 + (1 - mu) / 2
        + 1.18 * (1 + 2 * mu) * a / l;

    const double sigma = 3 * (1 + mu) * P * B / (3.14 * (3 + mu) * std::pow(t, 2));
    return CheckedFinite(sigma, "the edge load stress");
}

} // namespace korvant
