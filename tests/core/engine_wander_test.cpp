// Wander stress factor and pass-to-coverage ratio: the worked coverage table, the offsets of the
// wander, and the calls outside their domains.
#include "basics/domain_error.h"
#include "engine/edge_offset_net.h"
#include "engine/edge_stress.h"
#include "engine/pass_to_coverage.h"
#include "engine/wander_factor.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

namespace korvant {
namespace {

TEST(PassToCoverage, WorkedTable)
{
    struct Row
    {
        double dualSpacing, tireContactWidth, ratio;
    };
    const Row rows[] = {
        { 0, 13.0, 5.8794 },
        { 0, 10.0, 7.6433 },
        { 30, 13.0, 3.3176 },
        { 34.5, 13.0, 3.4497 }, // samples the offsets 0 to 34 only
        { 60, 13.0, 4.7686 },
        { 100, 13.0, 5.8523 },
    };
    for (const Row& row : rows)
        EXPECT_NEAR(
            ComputePassToCoverage(row.dualSpacing, row.tireContactWidth), row.ratio, 0.00005)
            << row.dualSpacing << " " << row.tireContactWidth;
}

TEST(PassToCoverage, OutsideTheDomainThrows)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    EXPECT_NO_THROW(ComputePassToCoverage(100.9, 13));
    EXPECT_THROW(ComputePassToCoverage(101, 13), DomainError);
    EXPECT_THROW(ComputePassToCoverage(-1, 13), DomainError);
    EXPECT_THROW(ComputePassToCoverage(nan, 13), DomainError);
    EXPECT_THROW(ComputePassToCoverage(30, 0), DomainError);
    EXPECT_THROW(ComputePassToCoverage(0, -13), DomainError);
    EXPECT_THROW(ComputePassToCoverage(0, nan), DomainError);
}

// The first worked slab of the edge stress: 14 in, 4,000,000 psi, k 200, 150,000 lb on two wheels.
struct Slab
{
    double l = RadiusOfStiffness(14, 4e6, 0.15, 200);
    double relA = ContactRadius(150000, 47.5, 2, 200) / l;
    double edgeStress = ComputeEdgeStress(
        14, l, ContactRadius(150000, 47.5, 2, 200), 4e6, 0.15, 200, 150000, 47.5);
};

// The wander factor from an explicit list of offsets, without the 32-bit roundings of the method.
double WanderFactorAt(const std::vector<double>& offsets, double W, double Sc, double gearStress)
{
    const Slab slab;
    const double c = 1 / (30.5 * std::sqrt(6.28));
    double s1 = 0, s2 = 0;
    for (double x : offsets) {
        const double w = c * std::exp(-0.5 * std::pow(x / 30.5, 2)) * 100 * W;
        float d = static_cast<float>(x / slab.l), r = static_cast<float>(slab.relA);
        const double sigma = gearStress * static_cast<double>(EdgeOffsetNet(d, r));
        s1 += w / std::pow(10, (Sc / (0.75 * sigma) - 0.40289) / 0.29644);
        s2 += w;
    }
    const double df = 0.29644 * std::log10(s2 / s1) + 0.40289;
    return Sc / (0.75 * df) / gearStress;
}

TEST(WanderFactor, OffsetsInTenthsOfTheContactWidth)
{
    const Slab slab;
    std::vector<double> offsets125, offsets132;
    for (int j = 0; j <= 10; ++j)
        offsets125.push_back(1.25 * j); // 0 to 12.5: the last offset is kept
    for (int j = 0; j <= 9; ++j)
        offsets132.push_back(1.32 * j); // 0 to 11.88: 13.2 falls just above W and is dropped
    EXPECT_NEAR(
        ComputeWanderFactor(700, slab.l, slab.relA, slab.edgeStress, WanderOffsetsOf(12.5), 0.8),
        WanderFactorAt(offsets125, 12.5, 700, slab.edgeStress * 0.8), 1e-5);
    EXPECT_NEAR(
        ComputeWanderFactor(650, slab.l, slab.relA, slab.edgeStress, WanderOffsetsOf(13.2), 1.0),
        WanderFactorAt(offsets132, 13.2, 650, slab.edgeStress), 1e-5);
}

TEST(WanderFactor, OutsideTheDomainThrows)
{
    const Slab slab;
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const WanderOffsets offsets = WanderOffsetsOf(13);
    EXPECT_THROW(WanderOffsetsOf(0), DomainError);
    EXPECT_THROW(WanderOffsetsOf(-13), DomainError);
    EXPECT_THROW(WanderOffsetsOf(5e-324), DomainError);
    EXPECT_THROW(WanderOffsetsOf(nan), DomainError);
    EXPECT_THROW(WanderOffsetsOf(1e39), DomainError);
    // Sc, l, relA, edgeStress, offsets, gearFactor
    EXPECT_THROW(ComputeWanderFactor(700, slab.l, slab.relA, 0, offsets, 0.8), DomainError);
    EXPECT_THROW(
        ComputeWanderFactor(700, slab.l, slab.relA, slab.edgeStress, offsets, 0), DomainError);
    EXPECT_THROW(
        ComputeWanderFactor(700, 0, slab.relA, slab.edgeStress, offsets, 0.8), DomainError);
    EXPECT_THROW(ComputeWanderFactor(700, slab.l, nan, slab.edgeStress, offsets, 0.8), DomainError);
    EXPECT_THROW(
        ComputeWanderFactor(0, slab.l, slab.relA, slab.edgeStress, offsets, 0.8), DomainError);
    // A stress beyond the 32-bit range at the offsets.
    EXPECT_THROW(ComputeWanderFactor(700, slab.l, slab.relA, 1e40, offsets, 0.8), DomainError);
    // So small a strength that the equivalent coverages are too few for the fatigue relation:
    // its own exception, which a design reads as a slab that fails at once.
    EXPECT_THROW(ComputeWanderFactor(1e-30, slab.l, slab.relA, slab.edgeStress, offsets, 0.8),
        WanderBeyondFatigueLaw);
}

// The wander factor with the method's own offsets, weights and 32-bit design factors, summed in
// extended precision, whose range holds coverages of up to 10^4932.
double WanderFactorWide(const WanderOffsets& offsets, double Sc, double gearStress)
{
    const Slab slab;
    long double s1 = 0, s2 = 0;
    for (int i = 0; i < offsets.count; ++i) {
        const WanderOffsets::Offset& offset = offsets.offsets[static_cast<std::size_t>(i)];
        const float x = offset.offset;
        const float w = offset.weight;
        float d = static_cast<float>(static_cast<double>(x) / slab.l);
        float r = static_cast<float>(slab.relA);
        const float sigma
            = static_cast<float>(gearStress * static_cast<double>(EdgeOffsetNet(d, r)));
        const float df = static_cast<float>(Sc / (static_cast<double>(sigma) * 0.75));
        s1 += static_cast<long double>(w)
            / std::pow(10.0L, (static_cast<long double>(df) - 0.40289L) / 0.29644L);
        s2 += static_cast<long double>(w);
    }
    const long double df = 0.29644L * std::log10(s2 / s1) + 0.40289L;
    return static_cast<double>(static_cast<long double>(Sc) / (0.75L * df) / gearStress);
}

TEST(WanderFactor, CoveragesBeyondTheRangeOfNumbers)
{
    // Stresses so low that some offsets' allowable coverages (10^261 to 10^383), then all of
    // them (from 10^786, from 10^3147), leave the range of 64-bit numbers: they add nothing to
    // the harmonic sum, and the equivalent coverages come from the logarithmic domain; F3 is the
    // finite number of the formulas, as extended precision computes it.
    const Slab slab;
    const WanderOffsets offsets = WanderOffsetsOf(13);
    for (const double gearStress : { 12.0, 4.0, 1.0 })
        EXPECT_NEAR(ComputeWanderFactor(700, slab.l, slab.relA, gearStress, offsets, 1.0),
            WanderFactorWide(offsets, 700, gearStress), 1e-12)
            << gearStress;
}

} // namespace
} // namespace korvant
