// Edge offset network: inputs d, r and d / r, two hidden nodes with two-piece quartic node
// functions, evaluated by the two-piece evaluator.
#include "engine/edge_offset_net.h"

#include "engine/domain_checks.h"
#include "engine/network_constants.h"

namespace korvant {
namespace {

const NetworkWeights& Constants()
{
    static const double inputWeight[2][3] = {
        { -0.98868, -0.12214, -0.08717 },
        { 0.19802, 0.98019, 0.00305 },
    };
    static const double breakpoint[2][1] = { { -2.5 }, { 0.5 } };
    static const double coefficient[2][2][5] = {
        { { 0.693, 1.279, 0.369, 0.037, 0 }, { 2.839, 8.234, 8.158, 3.608, 0.576 } },
        { { -2.285, 5.921, -6.001, 7.743, 0 }, { -3.008, 4.693, 4.334, -2.167, 0 } },
    };
    static const double outputWeight[3] = { 0.61711, 0.15373, 0.02504 };
    static const NetworkWeights weights
        = MakeNetworkWeights(inputWeight, breakpoint, coefficient, outputWeight);
    return weights;
}

} // namespace

float EdgeOffsetNet(float& d, float& r)
{
    RequireNumber(static_cast<double>(d), "the edge offset ratio");
    RequireNumber(static_cast<double>(r), "the contact radius ratio a/l");
    r = Clamp(r, static_cast<float>(0.1), static_cast<float>(0.4));
    d = Clamp(d, 0.0f, 2.0f);
    if (d == 0)
        return 1;

    NetworkInput input {};
    input[1] = d;
    input[2] = r;
    input[3] = f32(static_cast<double>(d) / static_cast<double>(r));
    return EvaluateTwoPieceNetwork(Constants(), input);
}

} // namespace korvant
