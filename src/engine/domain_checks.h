// Argument tests shared by the slab formulas and the networks: each throws a DomainError whose
// message names the value, so that no model ever hands on NaN or infinity. Every comparison is
// written so that a NaN fails it.
#pragma once

#include "basics/domain_error.h"

#include <cmath>
#include <string>

namespace korvant {

inline void RequirePositive(double x, const char* what)
{
    if (!(x > 0))
        throw DomainError(std::string(what) + " must be greater than 0");
    if (!std::isfinite(x))
        throw DomainError(std::string(what) + " exceeds the range of numbers");
}

inline void RequireNumber(double x, const char* what)
{
    if (std::isnan(x))
        throw DomainError(std::string(what) + " is not a number");
}

// Rounds a model argument to 32 bits ahead of its clamp. A value beyond the 32-bit range becomes
// the infinity of its sign (converting it directly would be undefined), which every clamp then
// takes to its bound, just as the rounded value would be; a NaN lies in no range and is rejected.
inline float NarrowForClamp(double x, const char* what)
{
    RequireNumber(x, what);
    return F32OrInfinity(x);
}

} // namespace korvant
