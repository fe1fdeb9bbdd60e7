// Wander stress factor. Each offset's stress comes from the edge offset network, its allowable
// coverages from the fatigue relation DF = 0.40289 + 0.29644 log10 C with DF = Sc / (0.75 sigma);
// the weighted harmonic mean of the coverages gives the equivalent design factor and stress.
// Coverages beyond the range of 64-bit numbers add nothing to the harmonic sum; where the sum or
// its quotient leaves the range, the equivalent coverages are taken in the logarithmic domain, so
// that the factor is the finite number the formulas give.
// 2 pi is taken as 6.28; the method rounds the per-offset values to 32 bits.
#include "engine/wander_factor.h"

#include "engine/domain_checks.h"
#include "engine/edge_offset_net.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <limits>

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

    // Each offset's allowable coverages C from its design factor; log10 C is kept as well, for
    // the sums that leave the range of numbers.
    double weightedInverseCoverages = 0; // S1
    double weightSum = 0; // S2
    bool beyondRange = false; // some offset's coverages exceed the range of numbers
    std::array<double, WanderOffsets::kMost> logWeightedInverse {}; // log10(w / C)
    for (std::size_t i = 0; i < count; ++i) {
        const float weight = offsets.offsets[i].weight;
        const float sigma = CheckedF32(gearStress * Wide(rho[i]), "the stress at a wheel offset");
        const double factor = Sc / (Wide(sigma) * 0.75);
        double logCoverages = 0;
        double coverages = 0;
        if (FitsF32(factor)) {
            const float designFactor = f32(factor);
            logCoverages = (Wide(designFactor) - 0.40289) / 0.29644;
            coverages = std::pow(10, logCoverages);
        } else if (factor > 0) {
            // A stress so small that its design factor leaves the 32-bit range: its coverages do.
            logCoverages = (factor - 0.40289) / 0.29644;
            coverages = std::numeric_limits<double>::infinity();
        } else {
            throw DomainError("the design factor at a wheel offset exceeds the range of numbers");
        }
        // Coverages beyond the range of numbers add nothing to the harmonic sum: w / C is 0.
        if (std::isfinite(coverages))
            weightedInverseCoverages = weightedInverseCoverages + Wide(weight) / coverages;
        else
            beyondRange = true;
        weightSum = weightSum + Wide(weight);
        logWeightedInverse[i] = std::log10(Wide(weight)) - logCoverages;
    }

    double equivalentDesignFactor = 0;
    const double equivalentCoverages = weightSum / weightedInverseCoverages;
    if (weightedInverseCoverages > 0 && std::isfinite(equivalentCoverages)
        && equivalentCoverages > 0) {
        equivalentDesignFactor = 0.29644 * (std::log(equivalentCoverages) / std::log(10)) + 0.40289;
    } else if (beyondRange || weightedInverseCoverages > 0) {
        // The sum is 0 because every offset's coverages exceed the range, or the quotient leaves
        // it: the same equivalent coverages in the logarithmic domain,
        // log10 Ceq = log10 S2 - log10 S1, with S1 summed relative to its largest term.
        double largest = -std::numeric_limits<double>::infinity();
        for (std::size_t i = 0; i < count; ++i)
            largest = std::max(largest, logWeightedInverse[i]);
        double relativeSum = 0;
        for (std::size_t i = 0; i < count; ++i)
            relativeSum += std::pow(10, logWeightedInverse[i] - largest);
        // The largest term alone adds 1 to the relative sum unless every term is 0.
        const double logSum = relativeSum > 0 ? largest + std::log10(relativeSum)
                                              : -std::numeric_limits<double>::infinity();
        const double logEquivalent = std::log10(weightSum) - logSum;
        equivalentDesignFactor = 0.29644 * logEquivalent + 0.40289;
    } else {
        throw DomainError("the equivalent coverages of the wander are not a positive number");
    }
    if (std::isnan(equivalentDesignFactor))
        throw DomainError("the equivalent coverages of the wander are not a number");
    if (!(equivalentDesignFactor > 0))
        throw WanderBeyondFatigueLaw();
    const double equivalentStress = Sc / (equivalentDesignFactor * 0.75);
    return CheckedFinite(equivalentStress / gearStress, "the wander factor");
}

} // namespace korvant
