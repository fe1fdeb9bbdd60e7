// The failure of a model called outside its mathematical domain, and the checked rounding of a
// 64-bit value into a 32-bit float that the design procedure prescribes at fixed points.
#pragma once

#include <cmath>
#include <stdexcept>
#include <string>

#include "basics/rounding.h"

namespace korvant {

// Thrown instead of returning NaN or infinity; the message says which value was wrong.
class DomainError : public std::domain_error
{
public:
    using std::domain_error::domain_error;
};

// Rounds a value that may lie outside the 32-bit range. Converting such a value is undefined
// behaviour in C++, so it is tested first; `what` names the value for the message.
inline float CheckedF32(double x, const char* what)
{
    if (!FitsF32(x))
        throw DomainError(std::string(what) + " exceeds the range of numbers");
    return f32(x);
}

// A 64-bit result that must be a finite number.
inline double CheckedFinite(double x, const char* what)
{
    if (!std::isfinite(x))
        throw DomainError(std::string(what) + " exceeds the range of numbers");
    return x;
}

} // namespace korvant
