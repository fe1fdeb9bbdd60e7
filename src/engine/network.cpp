// Evaluator of the fixed networks. Each accumulation step is computed in 64 bits and stored as a
// 32-bit value, as is the output; powers of the node sum are 64-bit real powers with integer
// exponents, so a negative sum gives the signed power and s^0 is 1 even for s = 0.
#include "engine/network.h"

#include "engine/domain_error.h"

#include <cmath>

namespace korvant {
namespace {

constexpr int nodeCount = 3;
constexpr int inputCount = 17;
constexpr int coefficientCount = 6;

int TwoPiece(const NetworkWeights& weights, int node, float s)
{
    return s > weights.Breakpoint[node][1] && weights.SinglePieceFlag[node][1] != 1.0f ? 2 : 1;
}

int ThreePiece(const NetworkWeights& weights, int node, float s)
{
    if (s <= weights.Breakpoint[node][1])
        return 1;
    return s <= weights.Breakpoint[node][2] ? 2 : 3;
}

// A term whose weight or coefficient is 0 adds a zero to a running sum, which leaves the stored
// 32-bit value as it is, so such terms are skipped; s^0 and s^1 are exactly 1 and s.
template <typename PieceOf> float Evaluate(NetworkWeights& w, PieceOf pieceOf)
{
    for (int i = 1; i <= nodeCount; ++i) {
        w.NodeSum[i] = 0;
        for (int j = 1; j <= inputCount; ++j)
            if (w.InputWeight[i][j] != 0.0f)
                w.NodeSum[i]
                    = f32(static_cast<double>(w.Input[j]) * static_cast<double>(w.InputWeight[i][j])
                        + static_cast<double>(w.NodeSum[i]));
    }
    for (int i = 1; i <= nodeCount; ++i) {
        const int p = pieceOf(w, i, w.NodeSum[i]);
        const double s = static_cast<double>(w.NodeSum[i]);
        w.NodeValue[i] = 0;
        for (int n = 1; n <= coefficientCount; ++n) {
            const double c = static_cast<double>(w.Coefficient[i][p][n]);
            if (c == 0)
                continue;
            const double power = n == 1 ? 1.0 : (n == 2 ? s : std::pow(s, n - 1));
            w.NodeValue[i] = f32(power * c + static_cast<double>(w.NodeValue[i]));
        }
    }
    const auto wide = [](float x) { return static_cast<double>(x); };
    return f32(wide(w.OutputWeight[1]) * wide(w.NodeValue[1]) + wide(w.OutputWeight[0])
        + wide(w.OutputWeight[2]) * wide(w.NodeValue[2])
        + wide(w.OutputWeight[3]) * wide(w.NodeValue[3]));
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

float EvaluateTwoPieceNetwork(NetworkWeights& weights)
{
    return Evaluate(weights, TwoPiece);
}

float EvaluateThreePieceNetwork(NetworkWeights& weights)
{
    return Evaluate(weights, ThreePiece);
}

} // namespace korvant
