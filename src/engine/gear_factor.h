// Gear factor: the stress ratio of a multi-wheel main gear to one wheel, as a product of fixed
// networks for the dual wheel and for the wheels in tandem. Lengths relative to the radius of
// relative stiffness l.
#pragma once

namespace korvant {

// Each network clamps r = a / l to [0.05, 0.4] and then its spacing ratio, and writes both
// clamped values back: d = sd / l to [0, 4], t = st / l to [0, 4], six-wheel t = 2 st / l to
// [0, 3].
float DualWheelNet(float& d, float& r);
float TandemNet(float& t, float& r);
float SixWheelTandemNet(float& t, float& r);

// a = contact radius, l = radius of relative stiffness, sd = dual spacing, st = tandem spacing
// (0 = none), all in the same length unit; n = wheel count of the main gear. 1 for a single
// wheel.
double ComputeGearFactor(double a, double l, double sd, double st, double n);

} // namespace korvant
