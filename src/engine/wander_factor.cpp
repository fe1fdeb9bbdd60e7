// Wander stress factor. Each offset's stress comes from the edge offset network, its allowable
// coverages from the fatigue relation DF = 0.40289 + 0.29644 log10 C with DF = Sc / (0.75 sigma);
// the weighted harmonic mean of the coverages gives the equivalent design factor and stress.
// 2 pi is taken as 6.28; the method rounds the per-offset values to 32 bits.
#include "engine/wander_factor.h"

#include "engine/domain_checks.h"
#include "engine/edge_offset_net.h"

#include <array>
#include <cmath>
#include <cstddef>

namespace korvant {

WanderOffsets WanderOffsetsOf(double tireContactWidth)
{
    RequirePositive(tireContactWidth, "tire contact width");
    const double W = tireContactWidth;
    const double step = W / 10;
    if (!(step > 0))
        throw DomainError("tire contact width is too small to place the wheel offsets");

    const double density = 1 / (30.5 * std::pow(6.28, 0.5));
    WanderOffsets out;
    for (double X = 0; X <= W; X = X + step) {
        const float offset = CheckedF32(X, "the wheel offset");
        const float f = f32(density * std::exp(-0.5 * std::pow(Wide(offset) / 30.5, 2)));
        const float w = CheckedF32(Wide(f32(Wide(f) * 100)) * W, "the wander weight");
        out.offsets.at(static_cast<std::size_t>(out.count++)) = { offset, w };
    }
    return out;
}

double ComputeWanderFactor(double Sc, double l, double relA, double edgeStress,
    const WanderOffsets& offsets, double gearFactor)
{
    RequirePositive(Sc, "the flexural strength of the concrete");
    RequirePositive(l, "the radius of relative stiffness");
    RequireNumber(relA, "the contact radius ratio a/l");
    const double gearStress = edgeStress * gearFactor;
    if (!(gearStress > 0))
        throw DomainError("the edge load stress times the gear factor must be greater than 0");
    CheckedFinite(gearStress, "the edge load stress times the gear factor");

    // The stresses at all offsets first, evaluated side by side; they cannot fail.
    const std::size_t count = static_cast<std::size_t>(offsets.count);
    std::array<float, WanderOffsets::kMost> offsetRatio {};
    for (std::size_t i = 0; i < count; ++i)
        offsetRatio[i]
            = NarrowForClamp(Wide(offsets.offsets[i].offset) / l, "the edge offset ratio");
    float radiusRatio = NarrowForClamp(relA, "the contact radius ratio a/l");
    std::array<float, WanderOffsets::kMost> rho {};
    EdgeOffsetNets({ offsetRatio.data(), count }, radiusRatio, { rho.data(), count });

    double weightedInverseCoverages = 0; // S1
    double weightSum = 0; // S2
    for (std::size_t i = 0; i < count; ++i) {
        const float weight = offsets.offsets[i].weight;
        const float sigma = CheckedF32(gearStress * Wide(rho[i]), "the stress at a wheel offset");
        const float designFactor
            = CheckedF32(Sc / (Wide(sigma) * 0.75), "the design factor at a wheel offset");
        const double coverages = std::pow(10, (Wide(designFactor) - 0.40289) / 0.29644);
        if (!std::isfinite(coverages))
            throw OffsetCoveragesOutOfRange(Wide(sigma));
        weightedInverseCoverages = weightedInverseCoverages + Wide(weight) / coverages;
        weightSum = weightSum + Wide(weight);
    }

    const double equivalentCoverages = weightSum / weightedInverseCoverages;
    if (!(equivalentCoverages > 0) || !std::isfinite(equivalentCoverages))
        throw DomainError("the equivalent coverages of the wander are not a positive number");
    const double equivalentDesignFactor
        = 0.29644 * (std::log(equivalentCoverages) / std::log(10)) + 0.40289;
    if (!(equivalentDesignFactor > 0))
        throw DomainError("the equivalent design factor of the wander is not positive");
    const double equivalentStress = Sc / (equivalentDesignFactor * 0.75);
    return CheckedFinite(equivalentStress / gearStress, "the wander factor");
}

} // namespace korvant
