// Evaluator of the fixed networks. Each accumulation step is computed in 64 bits and stored as a
// 32-bit value, as is the output; powers of the node sum are 64-bit real powers with integer
// exponents, so a negative sum gives the signed power and s^0 is 1 even for s = 0.
#include "engine/network.h"

#include "engine/domain_error.h"
#include "engine/single_power.h"

#include <cmath>
#include <cstddef>

namespace korvant {
namespace {

constexpr int nodeCount = 3;
constexpr int coefficientCount = 6;

struct TwoPiece
{
    int operator()(const NetworkWeights& weights, int node, float s) const
    {
        return s > weights.Breakpoint[node][1] && weights.SinglePieceFlag[node][1] != 1.0f ? 2 : 1;
    }
};

struct ThreePiece
{
    int operator()(const NetworkWeights& weights, int node, float s) const
    {
        if (s <= weights.Breakpoint[node][1])
            return 1;
        return s <= weights.Breakpoint[node][2] ? 2 : 3;
    }
};

// s^k: s^0 and s^1 are exactly 1 and s, s^2 is the exact product s * s (s holds 24 significant
// bits), and higher powers are those of the real power function.
double PowerOf(float s, int k)
{
    const double x = static_cast<double>(s);
    if (k <= 2)
        return k == 0 ? 1.0 : (k == 1 ? x : x * x);
    return k <= 4 ? SinglePower(s, k) : std::pow(x, k);
}

// A term whose weight or coefficient is 0 adds a zero to a running sum, which leaves the stored
// 32-bit value as it is, so such terms are skipped, and so are the input slots and nodes beyond
// the network's own.
template <typename PieceOf>
float Evaluate(const NetworkWeights& w, const NetworkInput& input, PieceOf pieceOf)
{
    // Each node sums its slots in slot order; the nodes' sums are taken side by side.
    float nodeSum[nodeCount + 1] = {};
    for (int j = 1; j <= w.inputCount; ++j) {
        const double x = static_cast<double>(input[static_cast<std::size_t>(j)]);
        for (int i = 1; i <= w.nodeCount; ++i)
            if (w.InputWeight[i][j] != 0.0f)
                nodeSum[i] = f32(
                    x * static_cast<double>(w.InputWeight[i][j]) + static_cast<double>(nodeSum[i]));
    }
    // Each node adds its terms in order of the power; the nodes' values are taken side by side.
    int piece[nodeCount + 1] = {};
    for (int i = 1; i <= w.nodeCount; ++i)
        piece[i] = pieceOf(w, i, nodeSum[i]);
    float nodeValue[nodeCount + 1] = {};
    for (int n = 1; n <= coefficientCount; ++n)
        for (int i = 1; i <= w.nodeCount; ++i) {
            const double c = static_cast<double>(w.Coefficient[i][piece[i]][n]);
            if (c == 0)
                continue;
            nodeValue[i] = f32(PowerOf(nodeSum[i], n - 1) * c + static_cast<double>(nodeValue[i]));
        }
    const auto wide = [](float x) { return static_cast<double>(x); };
    return f32(wide(w.OutputWeight[1]) * wide(nodeValue[1]) + wide(w.OutputWeight[0])
        + wide(w.OutputWeight[2]) * wide(nodeValue[2])
        + wide(w.OutputWeight[3]) * wide(nodeValue[3]));
}

} // namespace

float Clamp(float x, float lo, float hi)
{
    if (x < lo)
        return lo;
    if (x <= hi)
        return x;
    return hi;
}

float EvaluateTwoPieceNetwork(const NetworkWeights& weights, const NetworkInput& input)
{
    return Evaluate(weights, input, TwoPiece {});
}

float EvaluateThreePieceNetwork(const NetworkWeights& weights, const NetworkInput& input)
{
    return Evaluate(weights, input, ThreePiece {});
}

} // namespace korvant
