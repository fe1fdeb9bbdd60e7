// Westergaard edge-load stress, radius of relative stiffness and contact radius against worked
// values, and the calls outside the formula's domain.
#include "basics/domain_error.h"
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
        const double l = RadiusOfStiffness(row.h, 4e6, 0.15, 200);
        const double a = ContactRadius(150000, 47.5, row.wheelCount, 200);
        EXPECT_NEAR(l, row.l, 0.0005);
        EXPECT_NEAR(a, row.a, 0.00005);
        EXPECT_NEAR(ComputeEdgeStress(row.h, l, a, 4e6, 0.15, 200, 150000, 47.5), row.sigma, 0.005);
    }
}

TEST(EdgeStress, OutsideTheDomainThrows)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const float nanf = std::numeric_limits<float>::quiet_NaN();
    // h, E, mu, k
    EXPECT_THROW(RadiusOfStiffness(14, 4e6, 0.15, 0), DomainError);
    EXPECT_THROW(RadiusOfStiffness(14, 0, 0.15, 200), DomainError);
    EXPECT_THROW(RadiusOfStiffness(0, 4e6, 0.15, 200), DomainError);
    EXPECT_THROW(RadiusOfStiffness(-14, 4e6, 0.15, 200), DomainError);
    EXPECT_THROW(RadiusOfStiffness(nanf, 4e6, 0.15, 200), DomainError);
    EXPECT_THROW(RadiusOfStiffness(14, 4e6, 0.15, nan), DomainError);
    EXPECT_THROW(RadiusOfStiffness(14, 4e6, 1.0, 200), DomainError);
    // grossWeight, gearLoadPercent, wheelCount, tirePressure
    EXPECT_THROW(ContactRadius(150000, 47.5, 0, 200), DomainError);
    EXPECT_THROW(ContactRadius(150000, 47.5, -2, 200), DomainError);
    EXPECT_THROW(ContactRadius(150000, 47.5, 2, 0), DomainError);
    EXPECT_THROW(ContactRadius(0, 47.5, 2, 200), DomainError);
    EXPECT_THROW(ContactRadius(150000, nan, 2, 200), DomainError);
    // Positive inputs whose logarithm argument still leaves the range of numbers.
    const double l = RadiusOfStiffness(14, 4e6, 0.15, 200);
    const double a = ContactRadius(150000, 47.5, 2, 1e300);
    EXPECT_THROW(ComputeEdgeStress(14, l, a, 4e6, 0.15, 200, 150000, 47.5), DomainError);
}

} // namespace
} // namespace korvant
