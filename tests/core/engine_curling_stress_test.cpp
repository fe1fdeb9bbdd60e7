// Curling stress with Bradbury's coefficient against the worked slab lengths, the 32-bit
// hyperbolic functions, and the limits of lambda.
#include "basics/domain_error.h"
#include "engine/curling_stress.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace korvant {
namespace {

float Curling(double slabLength, double tempDifferential = 20)
{
    return ComputeCurlingStress(4e6, 5.5 / 1e6, tempDifferential, slabLength, 14, 200, 0.15);
}

TEST(CurlingStress, WorkedSlabLengths)
{
    struct Row
    {
        double slabLength, sigma, tolerance;
    };
    const Row rows[] = {
        { 120, 23.303, 0.0005 },
        { 206.63, 124.40, 0.005 }, // lambda at the pole of tan
        { 300, 214.42, 0.005 },
        { 600, 225.24, 0.005 },
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.slabLength);
        EXPECT_NEAR(Curling(row.slabLength), row.sigma, row.tolerance);
        EXPECT_EQ(Curling(row.slabLength, -20), -Curling(row.slabLength));
    }
}

TEST(CurlingStress, HyperbolicFunctions)
{
    EXPECT_EQ(Cosh(0), 1.0f);
    EXPECT_EQ(Sinh(0), 0.0f);
    EXPECT_NEAR(Tanh(1), 0.7615942, 1e-7);
    EXPECT_NEAR(Sinh(-2), -3.6268604, 1e-6);
    EXPECT_NO_THROW(Sinh(89.0f));
    EXPECT_THROW(Sinh(89.5f), DomainError);
    EXPECT_THROW(Cosh(-89.5f), DomainError);
    EXPECT_THROW(Tanh(std::numeric_limits<float>::infinity()), DomainError);
}

TEST(CurlingStress, OutsideTheDomainThrows)
{
    const double l = 46.508146; // radius of relative stiffness of the 14-inch slab
    const double nan = std::numeric_limits<double>::quiet_NaN();
    EXPECT_NO_THROW(Curling(44 * std::sqrt(8.0) * l));
    EXPECT_THROW(Curling(45 * std::sqrt(8.0) * l), DomainError); // sinh(2 lambda) beyond 32 bits
    EXPECT_THROW(Curling(1e300), DomainError); // lambda itself beyond 32 bits
    EXPECT_THROW(Curling(0), DomainError);
    EXPECT_THROW(Curling(-300), DomainError);
    EXPECT_THROW(Curling(nan), DomainError);
    EXPECT_THROW(Curling(1e-310), DomainError); // lambda rounds to 0 in 32 bits
    EXPECT_THROW(Curling(300, nan), DomainError);
    // E, alpha, tempDifferential, slabLength, h, k, mu
    EXPECT_THROW(ComputeCurlingStress(0, 5.5e-6, 20, 300, 14, 200, 0.15), DomainError);
    EXPECT_THROW(ComputeCurlingStress(4e6, 5.5e-6, 20, 300, 0, 200, 0.15), DomainError);
    EXPECT_THROW(ComputeCurlingStress(4e6, 5.5e-6, 20, 300, 14, -200, 0.15), DomainError);
    EXPECT_THROW(ComputeCurlingStress(4e6, 1e300, 1e300, 300, 14, 200, 0.15), DomainError);
}

} // namespace
} // namespace korvant
