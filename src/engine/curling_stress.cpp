// Curling stress with Bradbury's coefficient
//   C = 1 - [2 cos(lambda) cosh(lambda) / (sinh(2 lambda) + sin(2 lambda))]
//           (tanh(lambda) + tan(lambda)),   lambda = L / (sqrt(8) l).
// The method rounds l, lambda and the hyperbolic values to 32 bits at fixed points; the poles of
// tan are cancelled by cos in the product and need no treatment.
#include "engine/curling_stress.h"

#include "engine/domain_checks.h"
#include "engine/edge_stress.h"

#include <cmath>
#include <sstream>

namespace korvant {

namespace {

double WideCosh(double x)
{
    return (std::exp(x) + std::exp(-x)) / 2;
}
double WideSinh(double x)
{
    return (std::exp(x) - std::exp(-x)) / 2;
}

[[noreturn]] void ThrowLambdaOutOfRange(double lambda)
{
    std::ostringstream message;
    message.precision(4);
    message << "the curling coefficient lambda = L / (sqrt(8) l) of " << lambda
            << " exceeds the 32-bit range of the hyperbolic functions (the slab is too long "
               "for its radius of relative stiffness)";
    throw DomainError(message.str());
}

} // namespace

float Cosh(float x)
{
    return CheckedF32(WideCosh(static_cast<double>(x)), "the hyperbolic cosine");
}

float Sinh(float x)
{
    return CheckedF32(WideSinh(static_cast<double>(x)), "the hyperbolic sine");
}

float Tanh(float x)
{
    return f32(static_cast<double>(Sinh(x)) / static_cast<double>(Cosh(x)));
}

float ComputeCurlingStress(double E, double alpha, double tempDifferential, double slabLength,
    float h, double k, double mu)
{
    RequireNumber(alpha, "the thermal coefficient alpha");
    RequireNumber(tempDifferential, "the temperature differential");
    RequirePositive(slabLength, "slab length");
    const double l = static_cast<double>(
        CheckedF32(RadiusOfStiffness(h, E, mu, k), "the radius of relative stiffness"));

    const double lambdaWide = slabLength / (std::sqrt(8.0) * l);
    if (!FitsF32(lambdaWide))
        ThrowLambdaOutOfRange(lambdaWide);
    const float lambda = f32(lambdaWide);
    if (!(lambda > 0))
        throw DomainError("slab length is too short for its radius of relative stiffness");

    // Tested ahead of the 32-bit functions so that the message names lambda. Past the range of
    // cosh(lambda) the doubling below could itself leave the 32-bit range.
    const double lambdaValue = static_cast<double>(lambda);
    const double twoLambda = lambdaValue + lambdaValue;
    if (!FitsF32(WideCosh(lambdaValue)) || !FitsF32(WideSinh(static_cast<double>(f32(twoLambda)))))
        ThrowLambdaOutOfRange(lambdaValue);

    const double coshLambda = static_cast<double>(Cosh(lambda));
    const double sinhTwoLambda = static_cast<double>(Sinh(f32(twoLambda)));
    const double tanhLambda = static_cast<double>(Tanh(lambda));
    const double C = 1
        - (2 * std::cos(lambdaValue) * coshLambda / (sinhTwoLambda + std::sin(twoLambda)))
            * (tanhLambda + std::tan(lambdaValue));

    const double sigma = C * (E * alpha * tempDifferential / 2);
    return CheckedF32(sigma, "the curling stress");
}

} // namespace korvant
