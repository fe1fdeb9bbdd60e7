// Westergaard's curling stress at the edge of a slab of finite length, sigma = C E alpha dT / 2,
// with Bradbury's coefficient C of the ratio of slab length to the radius of relative stiffness.
#pragma once

namespace korvant {

// 32-bit hyperbolic functions, each computed in 64 bits from exp and rounded; they throw a
// DomainError where the value lies beyond the 32-bit range.
float Cosh(float x);
float Sinh(float x);
float Tanh(float x);

// Curling stress in psi (32 bits). alpha in 1/degF, tempDifferential in degF (top minus bottom),
// slabLength and h in inches, k in pci. The slab width does not enter.
float ComputeCurlingStress(double E, double alpha, double tempDifferential, double slabLength,
    float h, double k, double mu);

} // namespace korvant
