// The explicit roundings between 32-bit and 64-bit values that the design procedure prescribes:
// f32 narrows a value known to lie within the 32-bit range, Wide widens a 32-bit value where a
// formula goes on in 64 bits.
#pragma once

namespace korvant {

inline float f32(double x)
{
    return static_cast<float>(x);
}

inline double Wide(float x)
{
    return static_cast<double>(x);
}

} // namespace korvant
