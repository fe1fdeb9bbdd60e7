// Finite slab size factor against its worked table, its symmetry and its clamps.
#include "basics/domain_error.h"
#include "engine/slab_size_factor.h"

#include <gtest/gtest.h>

#include <limits>

namespace korvant {
namespace {

TEST(SlabSizeFactor, WorkedTable)
{
    struct Row
    {
        double r, u, v, expected;
    };
    const Row rows[] = {
        { 0.15, 4, 3, 0.97655 }, // f2 limited to 1
        { 0.15, 3, 4, 0.97655 }, // the slab turned by 90 degrees
        { 0.15, 6, 6, 0.99868 }, // f1 limited to 1
        { 0.2, 5, 5, 0.99311 },
        { 0.3, 2, 2, 0.69371 },
        { 0.05, 2, 2, 0.83094 },
        { 0.01, 1, 0.5, 0.83094 }, // below the ranges: the values at the bounds
        { 0.3, 7, 7, 1 },
        { 0.05, 9, 7, 1 },
    };
    for (const Row& row : rows)
        EXPECT_NEAR(ComputeSlabSizeFactor(row.r, row.u, row.v), row.expected, 0.000005)
            << row.r << " " << row.u << " " << row.v;
    EXPECT_EQ(ComputeSlabSizeFactor(0.3, 7, 12), 1.0f);
    // One ratio at 7 or more makes its own term 1: the larger one drives the first term.
    EXPECT_EQ(ComputeSlabSizeFactor(0.15, 9, 3), ComputeSlabSizeFactor(0.15, 3, 7));
}

TEST(SlabSizeFactor, NotANumberThrows)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    EXPECT_THROW(ComputeSlabSizeFactor(nan, 4, 3), DomainError);
    EXPECT_THROW(ComputeSlabSizeFactor(0.15, nan, 3), DomainError);
    EXPECT_THROW(ComputeSlabSizeFactor(0.15, 4, nan), DomainError);
}

} // namespace
} // namespace korvant
