// Third and fourth powers of 32-bit values, equal to std::pow to the bit but mostly without it.
#pragma once

#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>

namespace korvant {

// std::pow(x, n) for n = 3 or 4. x^2 is exact for a 32-bit x, so x^2 * x and x^2 * x^2 are the
// correctly rounded powers, and std::fma gives their exact rounding errors. The real power is
// within 0.52 units in the last place, so it can differ from the correctly rounded power only
// when the exact power lies within 0.02 units of a rounding midpoint; within 0.03 of one, and near
// the ends of the range of numbers, std::pow itself is called.
inline double SinglePower(float x, int n)
{
    const double s = static_cast<double>(x);
    const double square = s * s;
    const double power = n == 3 ? square * s : square * square;
    const double magnitude = std::fabs(power);
    constexpr double smallest = 0x1p-900; // well above the subnormals, where errors are inexact
    if (!(magnitude >= smallest) || !(magnitude <= std::numeric_limits<double>::max()))
        return std::pow(s, n);
    const double error = n == 3 ? std::fma(square, s, -power) : std::fma(square, square, -power);
    // The spacing of doubles just below the power, the smaller one at a power of two.
    const double below = std::bit_cast<double>(std::bit_cast<std::uint64_t>(magnitude) - 1);
    if (std::fabs(error) < 0.47 * (magnitude - below))
        return power;
    return std::pow(s, n);
}

} // namespace korvant
