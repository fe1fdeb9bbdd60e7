// The clamp and the two evaluator members: piece selection at the breakpoints, the single-piece
// flag, signed powers of the node sum and the output sum.
#include "engine/network.h"

#include <gtest/gtest.h>

namespace korvant {
namespace {

TEST(Network, Clamp)
{
    struct Row
    {
        float x, lo, hi, expected;
    };
    const Row rows[] = {
        { 5, 0, 2, 2 },
        { -1, 0, 2, 0 },
        { 2, 0, 2, 2 },
        { 0.1f, 0.1f, 0.4f, 0.1f },
        { 1.5f, 0, 2, 1.5f },
    };
    for (const Row& row : rows)
        EXPECT_EQ(Clamp(row.x, row.lo, row.hi), row.expected) << row.x;
}

// Node 1 sums input slot 1 alone; its pieces are the constants 10, 20 and 30, and the output is
// node 1's value plus a bias of 0.5.
NetworkWeights StepNetwork()
{
    NetworkWeights w;
    w.InputWeight[1][1] = 1;
    w.Breakpoint[1][1] = 1;
    w.Breakpoint[1][2] = 2;
    w.Coefficient[1][1][1] = 10;
    w.Coefficient[1][2][1] = 20;
    w.Coefficient[1][3][1] = 30;
    w.OutputWeight[0] = 0.5f;
    w.OutputWeight[1] = 1;
    return w;
}

TEST(Network, PieceSelection)
{
    struct Row
    {
        float s, twoPiece, threePiece;
    };
    const Row rows[] = {
        { 0, 10.5f, 10.5f }, // a sum of 0 still takes the constant coefficient
        { 1, 10.5f, 10.5f }, // equal to the first breakpoint: the lower piece
        { 1.5f, 20.5f, 20.5f },
        { 2, 20.5f, 20.5f }, // equal to the second breakpoint: piece 2 of three
        { 2.5f, 20.5f, 30.5f },
    };
    const NetworkWeights step = StepNetwork();
    for (const Row& row : rows) {
        const NetworkInput input { 0, row.s };
        EXPECT_EQ(EvaluateTwoPieceNetwork(step, input), row.twoPiece) << row.s;
        EXPECT_EQ(EvaluateThreePieceNetwork(step, input), row.threePiece) << row.s;
    }

    NetworkWeights flagged = StepNetwork();
    flagged.SinglePieceFlag[1][1] = 1;
    EXPECT_EQ(EvaluateTwoPieceNetwork(flagged, { 0, 1.5f }), 10.5f);
    // The three-piece member ignores the flag.
    EXPECT_EQ(EvaluateThreePieceNetwork(flagged, { 0, 2.5f }), 30.5f);
}

TEST(Network, SumsPowersAndOutput)
{
    NetworkWeights w;
    NetworkInput input {};
    input[1] = -1;
    input[17] = -1; // the last slot counts too
    w.InputWeight[1][1] = 1;
    w.InputWeight[1][17] = 1; // node 1 sums to -2
    w.Breakpoint[1][1] = 5;
    w.Coefficient[1][1][4] = 1; // s^3
    w.Coefficient[1][1][6] = 0.5f; // s^5 / 2
    w.InputWeight[2][2] = 3; // node 2 sums to 0 and keeps its constant 4
    w.Coefficient[2][1][1] = 4;
    w.Coefficient[3][1][1] = 100; // node 3 weighs nothing in the output
    w.OutputWeight[0] = 1;
    w.OutputWeight[1] = 2;
    w.OutputWeight[2] = 0.25f;
    EXPECT_EQ(EvaluateTwoPieceNetwork(w, input), 2 * (-8 - 16) + 1 + 0.25f * 4);

    w.Coefficient[1][1][3] = 3; // and 3 s^2, from the product s * s
    EXPECT_EQ(EvaluateTwoPieceNetwork(w, input), 2 * (-8 + 12 - 16) + 1 + 0.25f * 4);
}

} // namespace
} // namespace korvant
