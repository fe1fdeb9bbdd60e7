// Gear factor networks: dual wheel (inputs d, r, r d), tandem and six-wheel tandem (inputs t, r,
// r t, t / r), each with two hidden nodes and two-piece node functions, and the combiner that
// picks them by the gear's spacings and wheel count. The product of two network values is
// formed in 64 bits.
#include "engine/gear_factor.h"

#include "engine/domain_checks.h"
#include "engine/network_constants.h"

namespace korvant {

namespace {

const NetworkWeights& DualWheelConstants()
{
    static const double inputWeight[2][3] = {
        { -0.7919, 0.60762, 0.06072 },
        { 0.01799, -0.88168, 0.4715 },
    };
    static const double breakpoint[2][1] = { { -2 }, { 0 } };
    static const double coefficient[2][2][5] = {
        { { -0.043, 0.452, 0.075, 0, 0 }, { 2.997, 6.278, 4.122, 0.964, 0 } },
        { { -1.461, -4.46, 392.524, 2955.995, 4914.455 },
            { -1.425, 45.24, -309.329, 832.054, -765.888 } },
    };
    static const double outputWeight[3] = { 0.56197, 0.09313, 0.0065 };
    static const NetworkWeights weights
        = MakeNetworkWeights(inputWeight, breakpoint, coefficient, outputWeight);
    return weights;
}

const NetworkWeights& TandemConstants()
{
    static const double inputWeight[2][4] = {
        { -0.51308, 0.85264, 0.08604, -0.04849 },
        { -0.07313, -0.93937, 0.33502, 0.00055 },
    };
    static const double breakpoint[2][1] = { { -1 }, { -0.2 } };
    static const double coefficient[2][2][4] = {
        { { 0.159, 1.604, 0.82, 0.135 }, { 1.319, 4.509, 1.76, -0.914 } },
        { { 2.151, 11.02, -2.894, 0 }, { 2.21, 11.77, -16.209, -70.589 } },
    };
    static const double outputWeight[3] = { 0.58306, 0.19316, 0.06236 };
    static const NetworkWeights weights
        = MakeNetworkWeights(inputWeight, breakpoint, coefficient, outputWeight);
    return weights;
}

const NetworkWeights& SixWheelTandemConstants()
{
    static const double inputWeight[2][4] = {
        { -0.54456, 0.83346, -0.09349, -0.00724 },
        { 0.05007, 0.87037, -0.48983, 0.00362 },
    };
    static const double breakpoint[2][1] = { { -1 }, { 0.12 } };
    static const double coefficient[2][2][3] = {
        { { 0.23, 1.078, 0.177 }, { 2.48, 6.329, 3.363 } },
        { { -1.754, 11.049, 8.611 }, { -2.398, 20.152, -15.813 } },
    };
    static const double outputWeight[3] = { 0.44485, 0.17726, 0.02072 };
    static const NetworkWeights weights
        = MakeNetworkWeights(inputWeight, breakpoint, coefficient, outputWeight);
    return weights;
}

// Clamps r and then the spacing ratio in place; the first three input slots of every gear
// network.
NetworkInput Prepare(float& spacing, float& r, float maxSpacing)
{
    RequireNumber(Wide(spacing), "the wheel spacing ratio");
    RequireNumber(Wide(r), "the contact radius ratio a/l");
    r = Clamp(r, static_cast<float>(0.05), static_cast<float>(0.4));
    spacing = Clamp(spacing, 0.0f, maxSpacing);
    NetworkInput input {};
    input[1] = spacing;
    input[2] = r;
    input[3] = f32(Wide(r) * Wide(spacing));
    return input;
}

float TandemKind(const NetworkWeights& constants, float& t, float& r, float maxSpacing)
{
    NetworkInput input = Prepare(t, r, maxSpacing);
    input[4] = f32(Wide(t) / Wide(r));
    return EvaluateTwoPieceNetwork(constants, input);
}

} // namespace

float DualWheelNet(float& d, float& r)
{
    return EvaluateTwoPieceNetwork(DualWheelConstants(), Prepare(d, r, 4.0f));
}

float TandemNet(float& t, float& r)
{
    return TandemKind(TandemConstants(), t, r, 4.0f);
}

float SixWheelTandemNet(float& t, float& r)
{
    return TandemKind(SixWheelTandemConstants(), t, r, 3.0f);
}

double ComputeGearFactor(double a, double l, double sd, double st, double n)
{
    RequirePositive(l, "the radius of relative stiffness");
    RequireNumber(a, "the tire contact radius");
    RequireNumber(sd, "dual spacing");
    RequireNumber(st, "tandem spacing");
    RequireNumber(n, "wheel count");

    float r = NarrowForClamp(a / l, "the contact radius ratio a/l");
    if (sd != 0) {
        float d = NarrowForClamp(sd / l, "the dual spacing ratio");
        const double dual = Wide(DualWheelNet(d, r));
        if (st == 0)
            return dual;
        // The same r goes on to the tandem network, already clamped by the dual one.
        if (n == 6) {
            float t = NarrowForClamp(2 * st / l, "the tandem spacing ratio");
            return dual * Wide(SixWheelTandemNet(t, r));
        }
        float t = NarrowForClamp(st / l, "the tandem spacing ratio");
        return dual * Wide(TandemNet(t, r));
    }
    if (st != 0) {
        float t = NarrowForClamp(st / l, "the tandem spacing ratio");
        return Wide(TandemNet(t, r));
    }
    return 1;
}

} // namespace korvant
