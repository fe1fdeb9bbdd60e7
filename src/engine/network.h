// The fixed networks' shared machinery: the constant weight set of a network, the clamp that
// limits a model argument to its fitted range, and the evaluator of a network with one hidden
// layer of up to three bias-free nodes, each with a piecewise polynomial (degree <= 5) node
// function, and a linear output with a bias. Every value of a weight set is 32 bits; index 0 is
// unused except in OutputWeight, where it holds the output bias.
#pragma once

#include <array>
#include <span>

namespace korvant {

struct NetworkWeights
{
    float InputWeight[4][18] = {}; // [node 1..3][input slot 1..17]
    float OutputWeight[4] = {}; // [0] bias, [1..3] weight of node value 1..3
    float Breakpoint[4][3] = {}; // [node][1]: pieces 1|2, [node][2]: pieces 2|3
    float SinglePieceFlag[4][3] = {}; // [node][1] == 1: the two-piece evaluator keeps piece 1
    float Coefficient[4][4][7] = {}; // [node][piece 1..3][n 1..6]: coefficient of s^(n-1)
    int nodeCount = 3; // nodes 1..nodeCount and input slots 1..inputCount may have weights
    int inputCount = 17;
};

// The values of input slots 1..17 of one evaluation; slot 0 is unused.
using NetworkInput = std::array<float, 18>;

// x limited to [lo, hi]; both bounds belong to the range.
float Clamp(float x, float lo, float hi);

// Network output with node functions of two pieces split at Breakpoint[i][1] (a sum equal to
// the breakpoint takes piece 1), honouring SinglePieceFlag.
float EvaluateTwoPieceNetwork(const NetworkWeights& weights, const NetworkInput& input);
// The same for several inputs at once (outputs as many as inputs); the same bits as one by one.
void EvaluateTwoPieceNetworks(
    const NetworkWeights& weights, std::span<const NetworkInput> inputs, std::span<float> outputs);

// Network output with node functions of three pieces split at Breakpoint[i][1] and [i][2].
float EvaluateThreePieceNetwork(const NetworkWeights& weights, const NetworkInput& input);

} // namespace korvant
