// Westergaard's edge-load stress for a circular loaded area on a dense-liquid foundation, in its
// corrected form with the constants 1.84 and 1.18, and the two lengths it is built on. English
// units throughout: inches, pounds, psi and pci.
#pragma once

namespace korvant {

// Radius of relative stiffness l = (E h^3 / (12 (1 - mu^2) k))^0.25, in inches.
double RadiusOfStiffness(float h, double E, double mu, double k);

// Radius of the circle that carries one wheel's load at the tire pressure, pi taken as 3.14.
double ContactRadius(
    double grossWeight, double gearLoadPercent, double wheelCount, double tirePressure);

// ln(E t^3 / (100 k a^4)), the logarithm in the bracket of the edge-load formula; throws
// DomainError when its argument is not a positive number.
double EdgeLoadLogarithm(double E, double t, double k, double a);

// Tensile stress (psi) at the bottom of the slab at a free edge under the whole main-gear load
// grossWeight * gearLoadPercent / 100, spread over the contact radius a of one wheel, with the
// slab's radius of relative stiffness l (both from the functions above).
double ComputeEdgeStress(float h, double l, double a, double E, double mu, double k,
    double grossWeight, double gearLoadPercent);

} // namespace korvant
