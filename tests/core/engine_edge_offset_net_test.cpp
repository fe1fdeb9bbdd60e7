// Edge offset network against its worked values, with the clamped arguments written back.
#include "basics/domain_error.h"
#include "engine/edge_offset_net.h"

#include <gtest/gtest.h>

#include <limits>

namespace korvant {
namespace {

TEST(EdgeOffsetNet, WorkedValuesAndClamping)
{
    struct Row
    {
        float d, r, expected, clampedD, clampedR;
    };
    const Row rows[] = {
        { 0, 0.2f, 1, 0, 0.2f },
        { -0.3f, 0.2f, 1, 0, 0.2f },
        { 0.01f, 0.2f, 0.97421f, 0.01f, 0.2f },
        { 0.5f, 0.2f, 0.58526f, 0.5f, 0.2f },
        { 1, 0.2f, 0.54705f, 1, 0.2f }, // node 1 in piece 2, node 2 in piece 1
        { 2, 0.2f, 0.51890f, 2, 0.2f }, // node 1 in piece 1, node 2 in piece 2
        { 3, 0.2f, 0.51890f, 2, 0.2f },
        { 0.5f, 0.05f, 0.54942f, 0.5f, 0.1f },
        { 0.5f, 0.1f, 0.54942f, 0.5f, 0.1f },
    };
    for (const Row& row : rows) {
        float d = row.d, r = row.r;
        const float ratio = EdgeOffsetNet(d, r);
        SCOPED_TRACE(testing::Message() << row.d << ", " << row.r);
        if (row.expected == 1)
            EXPECT_EQ(ratio, 1.0f);
        else
            EXPECT_NEAR(ratio, row.expected, 0.000005);
        EXPECT_EQ(d, row.clampedD);
        EXPECT_EQ(r, row.clampedR);
    }
    float d1 = 0.5f, r1 = 0.4f, d2 = 0.5f, r2 = 0.9f;
    EXPECT_EQ(EdgeOffsetNet(d1, r1), EdgeOffsetNet(d2, r2));
}

TEST(EdgeOffsetNet, NotANumberThrows)
{
    float d = std::numeric_limits<float>::quiet_NaN(), r = 0.2f;
    EXPECT_THROW(EdgeOffsetNet(d, r), DomainError);
    d = 0.5f;
    r = std::numeric_limits<float>::quiet_NaN();
    EXPECT_THROW(EdgeOffsetNet(d, r), DomainError);
}

} // namespace
} // namespace korvant
