// Curl factor network: ten input slots (the six clamped arguments, with p6 in slot 5 and p5 in
// slot 6, and four products of them), three hidden nodes with three-piece quadratic node
// functions, evaluated by the three-piece evaluator.
#include "engine/curl_factor_net.h"

#include "engine/domain_checks.h"
#include "engine/network_constants.h"

namespace korvant {

namespace {

const NetworkWeights& Constants()
{
    static const double inputWeight[3][10] = {
        { -0.04724, 0.56954, -0.08408, 0.20033, -0.26647, 0.00375, 0.73881, -0.01142, 0.0953,
            0.01121 },
        { 0.03869, 0.35781, 0.09078, -0.04054, 0.86388, 0.01635, -0.31246, 0.00552, -0.12677,
            -0.01765 },
        { 0.58567, 0.25804, 0.14784, 0.14984, 0.12743, -0.05012, 0.72295, -0.0131, -0.01304,
            -0.06591 },
    };
    static const double breakpoint[3][2] = { { 3, 7 }, { 3, 7 }, { -1, 0.5 } };
    static const double coefficient[3][3][3] = {
        { { -2.5575, 0.8003, 0 }, { -2.6338, 1.1038, -0.0914 }, { 0.7564, -0.0155, 0 } },
        { { -0.6788, 0.0107, 0 }, { 3.7674, -2.297, 0.2963 }, { -7.0337, 1.2945, 0 } },
        { { 4.0843, 4.8241, 0 }, { 0.1815, 0.0541, -1.0899 }, { 0.0453, 0.0383, 0 } },
    };
    static const double outputWeight[4] = { 0.94825, 0.15054, 0.03724, 0.03395 };
    static const NetworkWeights weights
        = MakeNetworkWeights(inputWeight, breakpoint, coefficient, outputWeight);
    return weights;
}

float Bound(double x)
{
    return static_cast<float>(x);
}

} // namespace

float CurlFactorNet(double p1, double p2, double p3, double p4, double p5, double p6)
{
    float x1 = NarrowForClamp(p1, "the relative slab width");
    float x2 = NarrowForClamp(p2, "the relative slab length");
    float x3 = NarrowForClamp(p3, "the temperature term of the curl factor");
    float x4 = NarrowForClamp(p4, "the contact radius ratio a/l");
    float x5 = NarrowForClamp(p5, "the load term of the curl factor");
    float x6 = NarrowForClamp(p6, "the self-weight term of the curl factor");
    x4 = Clamp(x4, Bound(0.05), Bound(0.3));
    x2 = Clamp(x2, 3.0f, 11.0f);
    x1 = Clamp(x1, 3.0f, 11.0f);
    x3 = Clamp(x3, 5.5f, 22.0f);
    x6 = Clamp(x6, Bound(1.06), Bound(9.93));
    x5 = Clamp(x5, Bound(2.61), Bound(140.74));

    NetworkInput in {};
    in[1] = x1;
    in[2] = x2;
    in[3] = x3;
    in[4] = x4;
    in[5] = x6;
    in[6] = x5;
    in[7] = f32(Wide(in[2]) * Wide(in[4]));
    in[8] = f32(Wide(in[2]) * Wide(in[3]));
    in[9] = f32(Wide(in[2]) * Wide(in[5]));
    in[10] = f32(Wide(in[1]) * Wide(in[5]));
    return EvaluateThreePieceNetwork(Constants(), in);
}

} // namespace korvant
