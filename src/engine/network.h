// The fixed networks' shared machinery: the weight set of one evaluation, the clamp that limits a
// model argument to its fitted range, and the evaluator of a network with one hidden layer of up
// to three bias-free nodes, each with a piecewise polynomial (degree <= 5) node function, and a
// linear output with a bias. Every value of a weight set is 32 bits; index 0 is unused except in
// OutputWeight, where it holds the output bias.
#pragma once

namespace korvant {

struct NetworkWeights
{
    float InputWeight[4][18] = {}; // [node 1..3][input slot 1..17]
    float OutputWeight[4] = {}; // [0] bias, [1..3] weight of node value 1..3
    float Breakpoint[4][3] = {}; // [node][1]: pieces 1|2, [node][2]: pieces 2|3
    float SinglePieceFlag[4][3] = {}; // [node][1] == 1: the two-piece evaluator keeps piece 1
    float Coefficient[4][4][7] = {}; // [node][piece 1..3][n 1..6]: coefficient of s^(n-1)
    float Input[18] = {}; // input slots 1..17
    float NodeSum[4] = {}; // working values of the evaluation
    float NodeValue[4] = {};
};

// x limited to [lo, hi]; both bounds belong to the range.
float Clamp(float x, float lo, float hi);

// Network output with node functions of two pieces split at Breakpoint[i][1] (a sum equal to
// the breakpoint takes piece 1), honouring SinglePieceFlag.
float EvaluateTwoPieceNetwork(NetworkWeights& weights);

// Network output with node functions of three pieces split at Breakpoint[i][1] and [i][2].
float EvaluateThreePieceNetwork(NetworkWeights& weights);

} // namespace korvant
