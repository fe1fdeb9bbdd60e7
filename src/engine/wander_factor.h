// Wander stress factor F3: the equivalent stress of a wheel that wanders laterally from the slab
// edge, over the stress with the wheel at the edge.
#pragma once

namespace korvant {

// Sc = flexural strength (psi), l = radius of relative stiffness (in), relA = a / l, edgeStress
// (psi), tireContactWidth (in), gearFactor. Offsets 0 to one contact width in tenths of it, each
// weighted by a normal wander of standard deviation 30.5 in, are reduced to the stress of equal
// fatigue damage.
double ComputeWanderFactor(double Sc, double l, double relA, double edgeStress,
    double tireContactWidth, double gearFactor);

} // namespace korvant
