// Two-layer stress ratio against the worked bonded and unbonded sections, and its domain.
#include "basics/domain_error.h"
#include "engine/layer_factor.h"

#include <gtest/gtest.h>

#include <limits>

namespace korvant {
namespace {

TEST(LayerFactor, WorkedExamples)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    struct Row
    {
        int mode;
        double E2, expected, tolerance;
    };
    const Row rows[] = {
        { 1, 1e6, 0.56678, 0.000005 },
        { 2, 1e6, 0.98311, 0.000005 },
        { 1, 0, 1, 1e-12 }, // without a bottom layer modulus both cases reduce to the slab alone
        { 2, 0, 1, 1e-12 },
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << "mode " << row.mode << ", E2 " << row.E2);
        EXPECT_NEAR(ComputeLayerFactor(row.mode, 7.5318, 14, 4e6, 200, row.E2, 6), row.expected,
            row.tolerance);
    }
    // The one-layer system, and any unknown mode, is exactly 1 and never reads E2 and h2.
    for (int mode : { 0, 3, -1 })
        EXPECT_EQ(ComputeLayerFactor(mode, 7.5318, 14, 4e6, 200, nan, nan), 1.0);
}

TEST(LayerFactor, OutsideTheDomainThrows)
{
    // mode, a, h, E, k, E2, h2
    EXPECT_THROW(ComputeLayerFactor(1, 7.5318, 14, 4e6, 200, -1, 6), DomainError);
    EXPECT_THROW(ComputeLayerFactor(2, 7.5318, 14, 4e6, 200, 1e6, 0), DomainError);
    EXPECT_THROW(ComputeLayerFactor(1, 7.5318, 14, 4e6, 200, 1e6, -6), DomainError);
    EXPECT_THROW(ComputeLayerFactor(2, 0, 14, 4e6, 200, 1e6, 6), DomainError);
    EXPECT_THROW(ComputeLayerFactor(1, 7.5318, 0, 4e6, 200, 1e6, 6), DomainError);
    EXPECT_THROW(ComputeLayerFactor(2, 7.5318, 14, 0, 200, 1e6, 6), DomainError);
    EXPECT_THROW(ComputeLayerFactor(1, 7.5318, 14, 4e6, 0, 1e6, 6), DomainError);
    EXPECT_THROW(
        ComputeLayerFactor(2, 7.5318, 14, 4e6, 200, std::numeric_limits<double>::quiet_NaN(), 6),
        DomainError);
    // A bottom layer so thick that the equivalent slab leaves the range of numbers.
    EXPECT_THROW(ComputeLayerFactor(2, 7.5318, 14, 4e6, 200, 1e6, 1e200), DomainError);
}

} // namespace
} // namespace korvant
