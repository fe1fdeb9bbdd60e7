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

// The allowable coverages at one wheel offset exceed the range of numbers; stress() is that
// offset's stress in psi, for the message of whoever words it in the session's terms.
class OffsetCoveragesOutOfRange : public DomainError
{
public:
    explicit OffsetCoveragesOutOfRange(double stress)
        : DomainError("the allowable coverages at a wheel offset of the wander exceed the range "
                      "of numbers")
        , stress_(stress)
    {
    }
    double stress() const { return stress_; }

private:
    double stress_;
};

// Sc = flexural strength (psi), l = radius of relative stiffness (in), relA = a / l, edgeStress
// (psi), the offsets of the tire contact width, gearFactor. The stresses at the offsets are
// reduced to the stress of equal fatigue damage.
double ComputeWanderFactor(double Sc, double l, double relA, double edgeStress,
    const WanderOffsets& offsets, double gearFactor);

} // namespace korvant
