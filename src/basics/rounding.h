// The explicit roundings between 32-bit and 64-bit values that the design procedure prescribes:
// f32 narrows a value known to lie within the 32-bit range, Wide widens a 32-bit value where a
// formula goes on in 64 bits; FitsF32 and F32OrInfinity guard the narrowing of any other value.
#pragma once

#include <cmath>
#include <limits>

namespace korvant {

inline float f32(double x)
{
    return static_cast<float>(x);
}

inline double Wide(float x)
{
    return static_cast<double>(x);
}

// True when x is a number within the 32-bit range, so that f32(x) is defined; false for a NaN
// and for either infinity.
inline bool FitsF32(double x)
{
    return std::fabs(x) <= static_cast<double>(std::numeric_limits<float>::max());
}

// x rounded to 32 bits, or the infinity of its sign when it lies beyond the 32-bit range
// (converting it directly would be undefined). A NaN stays a NaN.
inline float F32OrInfinity(double x)
{
    constexpr double largest = static_cast<double>(std::numeric_limits<float>::max());
    if (x > largest)
        return std::numeric_limits<float>::infinity();
    if (x < -largest)
        return -std::numeric_limits<float>::infinity();
    return f32(x);
}

} // namespace korvant
