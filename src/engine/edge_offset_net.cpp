// Edge offset network: inputs d, r and d / r, two hidden nodes with two-piece quartic node
// functions, evaluated by the two-piece evaluator.
#include "engine/edge_offset_net.h"

#include "engine/domain_checks.h"
#include "engine/network_constants.h"

#include <array>
#include <cstddef>

namespace korvant {

namespace {

constexpr std::size_t kMostOffsets = 16;

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

void EdgeOffsetNets(std::span<float> d, float& r, std::span<float> rho)
{
    RequireNumber(static_cast<double>(r), "the contact radius ratio a/l");
    for (float x : d)
        RequireNumber(static_cast<double>(x), "the edge offset ratio");
    r = Clamp(r, static_cast<float>(0.1), static_cast<float>(0.4));
    // Slots 1 to 3 of the inputs in use are set, the only ones the evaluator reads.
    std::array<NetworkInput, kMostOffsets> inputs;
    std::array<std::size_t, kMostOffsets> slot;
    std::size_t count = 0;
    for (std::size_t i = 0; i < d.size(); ++i) {
        d[i] = Clamp(d[i], 0.0f, 2.0f);
        if (d[i] == 0) {
            rho[i] = 1;
            continue;
        }
        NetworkInput& input = inputs.at(count);
        input[1] = d[i];
        input[2] = r;
        input[3] = f32(static_cast<double>(d[i]) / static_cast<double>(r));
        slot[count++] = i;
    }
    std::array<float, kMostOffsets> out;
    EvaluateTwoPieceNetworks(Constants(), { inputs.data(), count }, { out.data(), count });
    for (std::size_t k = 0; k < count; ++k)
        rho[slot[k]] = out[k];
}

float EdgeOffsetNet(float& d, float& r)
{
    float rho = 0;
    EdgeOffsetNets({ &d, 1 }, r, { &rho, 1 });
    return rho;
}

} // namespace korvant
