// Westergaard edge-load stress, radius of relative stiffness and contact radius against worked
// values, and the calls outside the formula's domain.
#include "engine/domain_error.h"
#include "engine/edge_stress.h"

#include <gtest/gtest.h>

#include <limits>

namespace korvant {
namespace {

TEST(EdgeStress, WorkedExamples)
{
    struct Row
    {
        float h;
        double wheelCount, l, a, sigma;
    };
    const Row rows[] = {
        { 14, 2, 46.508, 7.5318, 944.94 },
        { 14, 4, 46.508, 5.3258, 1111.49 },
        { 28, 2, 78.217, 7.5318, 298.96 },
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << "h " << row.h << ", wheels " << row.wheelCount);
        EXPECT_NEAR(RadiusOfStiffness(row.h, 4e6, 0.15, 200), row.l, 0.0005);
        EXPECT_NEAR(ContactRadius(150000, 47.5, row.wheelCount, 200), row.a, 0.00005);
        EXPECT_NEAR(ComputeEdgeStress(row.h, 4e6, 0.15, 200, 150000, 47.5, 200, row.wheelCount),
            row.sigma, 0.005);
    }
}

TEST(EdgeStress, OutsideTheDomainThrows)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const float nanf = std::numeric_limits<float>::quiet_NaN();
    // h, E, mu, k, grossWeight, gearLoadPercent, tirePressure, wheelCount
    EXPECT_THROW(ComputeEdgeStress(14, 4e6, 0.15, 200, 150000, 47.5, 200, 0), DomainError);
    EXPECT_THROW(ComputeEdgeStress(14, 4e6, 0.15, 200, 150000, 47.5, 200, -2), DomainError);
    EXPECT_THROW(ComputeEdgeStress(14, 4e6, 0.15, 200, 150000, 47.5, 0, 2), DomainError);
    EXPECT_THROW(ComputeEdgeStress(14, 4e6, 0.15, 0, 150000, 47.5, 200, 2), DomainError);
    EXPECT_THROW(ComputeEdgeStress(14, 0, 0.15, 200, 150000, 47.5, 200, 2), DomainError);
    EXPECT_THROW(ComputeEdgeStress(0, 4e6, 0.15, 200, 150000, 47.5, 200, 2), DomainError);
    EXPECT_THROW(ComputeEdgeStress(-14, 4e6, 0.15, 200, 150000, 47.5, 200, 2), DomainError);
    EXPECT_THROW(ComputeEdgeStress(nanf, 4e6, 0.15, 200, 150000, 47.5, 200, 2), DomainError);
    EXPECT_THROW(ComputeEdgeStress(14, 4e6, 0.15, nan, 150000, 47.5, 200, 2), DomainError);
    EXPECT_THROW(ComputeEdgeStress(14, 4e6, 0.15, 200, 0, 47.5, 200, 2), DomainError);
    EXPECT_THROW(ComputeEdgeStress(14, 4e6, 0.15, 200, 150000, nan, 200, 2), DomainError);
    EXPECT_THROW(ComputeEdgeStress(14, 4e6, 1.0, 200, 150000, 47.5, 200, 2), DomainError);
    // Positive inputs whose logarithm argument still leaves the range of numbers.
    EXPECT_THROW(ComputeEdgeStress(14, 4e6, 0.15, 200, 150000, 47.5, 1e300, 2), DomainError);
}

} // namespace
} // namespace korvant
