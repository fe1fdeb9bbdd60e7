// Curl factor network against its worked example, the crossed slots of p5 and p6, and clamping.
#include "basics/domain_error.h"
#include "engine/curl_factor_net.h"

#include <gtest/gtest.h>

#include <limits>

namespace korvant {
namespace {

TEST(CurlFactorNet, WorkedExampleAndClamping)
{
    EXPECT_NEAR(CurlFactorNet(6, 6, 11, 0.15, 50, 5), 0.98758, 0.000005);
    // p5 and p6 feed different slots with different weights.
    EXPECT_NE(CurlFactorNet(6, 6, 11, 0.15, 5, 50), CurlFactorNet(6, 6, 11, 0.15, 50, 5));

    struct Row
    {
        double beyond[6], atBound[6];
    };
    const Row rows[] = {
        { { 6, 20, 11, 0.15, 50, 5 }, { 6, 11, 11, 0.15, 50, 5 } }, // a slab 20 l long
        { { 1, 6, 11, 0.15, 50, 5 }, { 3, 6, 11, 0.15, 50, 5 } },
        { { 6, 6, 1e300, 0.15, 50, 5 }, { 6, 6, 22, 0.15, 50, 5 } },
        { { 6, 6, 11, 0.01, 50, 5 }, { 6, 6, 11, 0.05, 50, 5 } },
        { { 6, 6, 11, 0.15, 500, 5 }, { 6, 6, 11, 0.15, 140.74, 5 } },
        { { 6, 6, 11, 0.15, 50, -1e300 }, { 6, 6, 11, 0.15, 50, 1.06 } },
    };
    for (const Row& row : rows) {
        const double* b = row.beyond;
        const double* a = row.atBound;
        EXPECT_EQ(CurlFactorNet(b[0], b[1], b[2], b[3], b[4], b[5]),
            CurlFactorNet(a[0], a[1], a[2], a[3], a[4], a[5]));
    }
}

TEST(CurlFactorNet, NotANumberThrows)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    EXPECT_THROW(CurlFactorNet(6, 6, nan, 0.15, 50, 5), DomainError);
    EXPECT_THROW(CurlFactorNet(6, 6, 11, 0.15, 50, nan), DomainError);
}

} // namespace
} // namespace korvant
