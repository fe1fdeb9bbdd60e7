// Two-layer stress ratio. The section is replaced by an equivalent slab of the concrete's modulus
// (parallel-axis sum for a bonded layer, sum of the cubes for an unbonded one); its Westergaard
// edge stress, taken down to the bottom of the concrete, is divided by the stress of the concrete
// slab alone. Poisson ratio 0.15 and pi 3.14159 are fixed here; load and pi cancel in the ratio.
#include "engine/layer_factor.h"

#include "engine/edge_stress.h"

#include "engine/domain_checks.h"

#include <cmath>

namespace korvant {

namespace {

constexpr double mu = 0.15;

// Westergaard's edge-load stress of a single slab of thickness t under a unit half load.
double SingleSlabStress(double t, double a, double E, double k)
{
    const double l = std::pow(E * std::pow(t, 3) / (12 * (1 - std::pow(mu, 2)) * k), 0.25);
    const double B = EdgeLoadLogarithm(E, t, k, a) + 1.84 - 4 * mu / 3 + 0.5 * (1 - mu)
        + 1.18 * (1 + 2 * mu) * a / l;
    const double P = 1.0 * 0.5;
    const double pi = 3.14159;
    return 3 * (1 + mu) * P / (pi * (3 + mu) * std::pow(t, 2)) * B;
}

} // namespace

double ComputeLayerFactor(
    int layerMode, double a, float h, double E, double k, double E2, double h2)
{
    if (layerMode != 1 && layerMode != 2)
        return 1;

    const double t = static_cast<double>(h);
    RequirePositive(a, "the tire contact radius");
    RequirePositive(t, "the slab thickness");
    RequirePositive(E, "the elastic modulus of the concrete");
    RequirePositive(k, "the modulus of subgrade reaction k");
    if (!(E2 >= 0))
        throw DomainError("the elastic modulus of the bottom layer must be at least 0");
    RequirePositive(h2, "the bottom layer thickness");

    const double sigma0 = SingleSlabStress(t, a, E, k);
    if (!(sigma0 != 0))
        throw DomainError("the edge stress of the concrete slab alone is 0, so the two-layer "
                          "stress ratio is not defined");

    double sigma1 = 0;
    if (layerMode == 1) {
        // Bonded: distances from the composite neutral axis to the mid-depths of the two layers.
        const double transformedDepth = t + h2 * E2 / E;
        if (!(transformedDepth > 0))
            throw DomainError("the bonded section needs h + h2 E2 / E greater than 0");
        const double d2 = 0.5 * t * (t + h2) / transformedDepth;
        const double d1 = 0.5 * (t + h2) - d2;
        const double h1 = std::pow(std::pow(t, 3) + 12 * t * std::pow(d1, 2), 1.0 / 3.0);
        const double h2e = std::pow(std::pow(h2, 3) + 12 * h2 * std::pow(d2, 2), 1.0 / 3.0);
        const double equivalentThickness
            = std::pow(std::pow(h1, 3) + (E2 / E) * std::pow(h2e, 3), 1.0 / 3.0);
        // Depth of the neutral axis below the top of the slab; the method rounds it to 32 bits.
        const double neutralAxisDepth = static_cast<double>(
            CheckedF32((E * std::pow(t, 2) / 2 + E2 * h2 * (t + h2 / 2)) / (E * t + E2 * h2),
                "the neutral axis depth"));
        sigma1 = SingleSlabStress(equivalentThickness, a, E, k) * 2 * (t - neutralAxisDepth)
            / equivalentThickness;
    } else {
        const double equivalentThickness
            = std::pow(std::pow(t, 3) + (E2 / E) * std::pow(h2, 3), 1.0 / 3.0);
        sigma1 = SingleSlabStress(equivalentThickness, a, E, k) * t / equivalentThickness;
    }
    return CheckedFinite(sigma1 / sigma0, "the two-layer stress ratio");
}

} // namespace korvant
