// Evaluator of the fixed networks. Each accumulation step is computed in 64 bits and stored as a
// 32-bit value, as is the output; powers of the node sum are 64-bit real powers with integer
// exponents, so a negative sum gives the signed power and s^0 is 1 even for s = 0.
#include "engine/network.h"

#include "basics/domain_error.h"
#include "engine/single_power.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

namespace korvant {
namespace {

constexpr std::size_t nodeCount = 3;
constexpr std::size_t coefficientCount = 6;

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

// Evaluates inputs[b] into outputs[b] for every b, up to kBatch at a time. A term whose weight
// or coefficient is 0 adds a zero to a running sum, which leaves the stored 32-bit value as it
// is, so such terms are skipped, and so are the input slots and nodes beyond the network's own.
// The node sums of every input are formed before any node value: the evaluations are
// independent, and so the processor overlaps them.
constexpr std::size_t kBatch = 16;

template <typename PieceOf>
void EvaluateBatch(const NetworkWeights& w, std::span<const NetworkInput> inputs,
    std::span<float> outputs, PieceOf pieceOf)
{
    const auto nodes = static_cast<std::size_t>(w.nodeCount);
    const auto slots = static_cast<std::size_t>(w.inputCount);
    using Row = std::array<float, nodeCount + 1>;
    for (std::size_t first = 0; first < inputs.size(); first += kBatch) {
        const std::size_t count = std::min(kBatch, inputs.size() - first);
        const NetworkInput* in = inputs.data() + first;
        std::array<Row, kBatch> nodeSum; // only the rows in use are set
        for (std::size_t b = 0; b < count; ++b)
            for (std::size_t i = 1; i <= nodes; ++i) {
                float sum = 0;
                for (std::size_t j = 1; j <= slots; ++j) {
                    const double weight = static_cast<double>(w.InputWeight[i][j]);
                    if (weight != 0)
                        sum = f32(
                            static_cast<double>(in[b][j]) * weight + static_cast<double>(sum));
                }
                nodeSum[b][i] = sum;
            }
        for (std::size_t b = 0; b < count; ++b) {
            Row nodeValue {};
            for (std::size_t i = 1; i <= nodes; ++i) {
                const float s = nodeSum[b][i];
                const float* coefficient = w.Coefficient[i][pieceOf(w, static_cast<int>(i), s)];
                float value = 0;
                for (std::size_t n = 1; n <= coefficientCount; ++n) {
                    const double c = static_cast<double>(coefficient[n]);
                    if (c != 0)
                        value = f32(
                            PowerOf(s, static_cast<int>(n) - 1) * c + static_cast<double>(value));
                }
                nodeValue[i] = value;
            }
            const auto wide = [](float x) { return static_cast<double>(x); };
            outputs[first + b] = f32(wide(w.OutputWeight[1]) * wide(nodeValue[1])
                + wide(w.OutputWeight[0]) + wide(w.OutputWeight[2]) * wide(nodeValue[2])
                + wide(w.OutputWeight[3]) * wide(nodeValue[3]));
        }
    }
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
    float output = 0;
    EvaluateBatch(weights, { &input, 1 }, { &output, 1 }, TwoPiece {});
    return output;
}

void EvaluateTwoPieceNetworks(
    const NetworkWeights& weights, std::span<const NetworkInput> inputs, std::span<float> outputs)
{
    EvaluateBatch(weights, inputs, outputs, TwoPiece {});
}

float EvaluateThreePieceNetwork(const NetworkWeights& weights, const NetworkInput& input)
{
    float output = 0;
    EvaluateBatch(weights, { &input, 1 }, { &output, 1 }, ThreePiece {});
    return output;
}

} // namespace korvant
