// Gear factor networks against their worked examples, and the combiner's choice of networks.
#include "basics/domain_error.h"
#include "engine/gear_factor.h"

#include <gtest/gtest.h>

#include <limits>

namespace korvant {
namespace {

TEST(GearFactor, NetworkWorkedExamples)
{
    float d = 1, r = 0.2f;
    EXPECT_NEAR(DualWheelNet(d, r), 0.5953, 0.00005);
    float t = 1.5f;
    EXPECT_NEAR(TandemNet(t, r), 0.45565, 0.000005);
    t = 2;
    EXPECT_NEAR(SixWheelTandemNet(t, r), 0.31401, 0.000005);
}

TEST(GearFactor, NetworksWriteBackClampedArguments)
{
    float d = 5, r = 0.01f;
    const float dualAtBounds = DualWheelNet(d, r);
    EXPECT_EQ(d, 4.0f);
    EXPECT_EQ(r, 0.05f);
    EXPECT_EQ(DualWheelNet(d, r), dualAtBounds);

    float t = 3.5f;
    r = 0.5f;
    SixWheelTandemNet(t, r);
    EXPECT_EQ(t, 3.0f);
    EXPECT_EQ(r, 0.4f);
    t = 4.5f;
    TandemNet(t, r);
    EXPECT_EQ(t, 4.0f);
}

TEST(GearFactor, Combiner)
{
    struct Row
    {
        double sd, st, n, expected, tolerance;
    };
    const Row rows[] = {
        { 0, 0, 2, 1, 0 }, // a single wheel is exactly 1 whatever n is
        { 0, 0, 6, 1, 0 }, { 30, 0, 2, 0.59527, 0.000005 }, // DualWheelNet(1, 0.2)
        { 30, 0, 6, 0.59527, 0.000005 },
        { 30, 30, 4, 0.28364, 0.000005 }, // times TandemNet(1, 0.2)
        { 30, 30, 6, 0.18692, 0.000005 }, // times SixWheelTandemNet(2, 0.2)
        { 0, 30, 6, 0.47649, 0.000005 }, // TandemNet(1, 0.2) alone, also for six wheels
    };
    for (const Row& row : rows) {
        EXPECT_NEAR(ComputeGearFactor(6, 30, row.sd, row.st, row.n), row.expected, row.tolerance)
            << row.sd << ", " << row.st << ", " << row.n;
    }
    // sd / l = 5 gives the value at 4; a six-wheel 2 st / l = 4 gives the value at 3.
    float d = 4, r = 0.2f, t = 3;
    const double dualAtBound = static_cast<double>(DualWheelNet(d, r));
    EXPECT_EQ(ComputeGearFactor(6, 30, 150, 0, 2), dualAtBound);
    d = 1;
    EXPECT_EQ(ComputeGearFactor(6, 30, 30, 60, 6),
        static_cast<double>(DualWheelNet(d, r)) * static_cast<double>(SixWheelTandemNet(t, r)));
    // a / l beyond its range, and passed on clamped from the dual to the tandem network.
    EXPECT_EQ(ComputeGearFactor(0.6, 30, 30, 30, 4), ComputeGearFactor(1.5, 30, 30, 30, 4));
    EXPECT_EQ(ComputeGearFactor(15, 30, 30, 30, 4), ComputeGearFactor(12, 30, 30, 30, 4));
}

TEST(GearFactor, OutsideTheDomainThrows)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    EXPECT_THROW(ComputeGearFactor(6, 0, 30, 30, 4), DomainError);
    EXPECT_THROW(ComputeGearFactor(6, -30, 30, 30, 4), DomainError);
    EXPECT_THROW(ComputeGearFactor(nan, 30, 30, 30, 4), DomainError);
    EXPECT_THROW(ComputeGearFactor(6, 30, nan, 30, 4), DomainError);
    EXPECT_THROW(ComputeGearFactor(6, 30, 30, nan, 4), DomainError);
    EXPECT_THROW(ComputeGearFactor(6, 30, 30, 30, nan), DomainError);
}

} // namespace
} // namespace korvant
