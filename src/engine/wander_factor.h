// Wander stress factor F3: the equivalent stress of a wheel that wanders laterally from the slab
// edge, over the stress with the wheel at the edge.
#pragma once

#include <array>
#include <cstddef>

#include "basics/domain_error.h"

namespace korvant {

// The wheel offsets of the wander: 0 to one tire contact width W in steps of W / 10 taken by
// repeated addition (the last may fall just above W and be dropped), each as a 32-bit value with
// its weight from a normal wander of standard deviation 30.5 in. They depend on W alone, so a
// design computes them once per aircraft.
struct WanderOffsets
{
    struct Offset
    {
        float offset = 0; // in
        float weight = 0;
        bool operator==(const Offset&) const = default;
    };
    static constexpr std::size_t kMost = 11; // 0 to 10 tenths
    std::array<Offset, kMost> offsets {};
    int count = 0;
    bool operator==(const WanderOffsets&) const = default;
};

// Throws DomainError for a width that is not a positive number, too small to step across, or so
// large that an offset or its weight leaves the 32-bit range.
WanderOffsets WanderOffsetsOf(double tireContactWidth);

// The equivalent coverages of the wander are too few for its fatigue relation (the equivalent
// design factor is not positive): the wheel's stress is beyond what the relation covers, and a
// design counts the slab as failing at once.
class WanderBeyondFatigueLaw : public DomainError
{
public:
    WanderBeyondFatigueLaw()
        : DomainError("the equivalent design factor of the wander is not positive")
    {
    }
};

// Sc = flexural strength (psi), l = radius of relative stiffness (in), relA = a / l, edgeStress
// (psi), the offsets of the tire contact width, gearFactor. The stresses at the offsets are
// reduced to the stress of equal fatigue damage. Throws WanderBeyondFatigueLaw when the
// equivalent coverages are too few for the fatigue relation, DomainError for any other value
// outside the domain.
double ComputeWanderFactor(double Sc, double l, double relA, double edgeStress,
    const WanderOffsets& offsets, double gearFactor);

} // namespace korvant
