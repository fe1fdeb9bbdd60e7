// Finite slab size factor: the product of two closed-form terms, one of the larger plan ratio
// and one of the smaller, each of a weighted sum of the clamped inputs, each limited to 1. Every
// intermediate value is computed in 64 bits and stored as 32 bits.
#include "engine/slab_size_factor.h"

#include "engine/domain_checks.h"
#include "engine/network.h"

#include <cmath>
#include <utility>

namespace korvant {

float ComputeSlabSizeFactor(double relA, double relL, double relW)
{
    float r = NarrowForClamp(relA, "the contact radius ratio a/l");
    float u = NarrowForClamp(relL, "the relative slab length");
    float v = NarrowForClamp(relW, "the relative slab width");
    r = Clamp(r, static_cast<float>(0.05), static_cast<float>(0.3));
    u = Clamp(u, 2.0f, 7.0f);
    v = Clamp(v, 2.0f, 7.0f);
    if (v > u)
        std::swap(u, v);

    // With the clamps z1 >= 0.37892 and 1 - z2 >= 0.89859: both powers have positive bases.
    const float z1 = f32(Wide(u) * 0.331 + Wide(r) * (-0.9436));
    const float g1 = f32(1 / (std::pow(Wide(z1), -3.3043) * 0.0345 + 0.2029) - 4.0308);
    float f1 = f32(Wide(g1) * 0.07986 + 0.9399);
    if (7 <= u)
        f1 = 1;
    if (f1 > 1)
        f1 = 1;

    const float z2 = f32(Wide(r) * 0.9951 - Wide(v) * 0.09856);
    const float g2 = f32(std::pow(1 - Wide(z2), -10.7412) * 1.654 - 0.5344);
    float f2 = f32(Wide(g2) * 0.01214 + 1.00477);
    if (7 <= v)
        f2 = 1;
    if (f2 > 1)
        f2 = 1;

    return f32(Wide(f1) * Wide(f2));
}

} // namespace korvant
