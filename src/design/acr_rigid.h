// The two searches of the rigid ACR for one gear: the slab thickness that brings the gear's
// largest slab-bottom stress to the reference stress, and the derived single wheel load at that
// thickness. The gear's Bessel sums (its wheels and points on one Hankel grid) are built once and
// serve every thickness tried in every subgrade category; at the DSWL's thickness the layers are
// solved once and only the load radius's Bessel function changes from one trial load to the next.
#pragma once

#include "design/acr.h"
#include "layered/hankel_grid.h"
#include "layered/wheel_plan.h"

#include <optional>

namespace korvant {

inline constexpr double kAcrReferenceStress = 2.75; // MPa
inline constexpr double kDswlTirePressure = 1.50; // MPa

class RigidAcrSearch
{
public:
    explicit RigidAcrSearch(const AcrGear& gear);

    // The largest horizontal principal stress at the bottom of a slab of `thickness` mm, MPa.
    double slabBottomStress(double thickness, SubgradeCategory category);
    // Step 1: the thickness (mm) at which that stress is the reference stress, searched from
    // `start` mm; none when the stress peaks below it, and then `peak` holds the peak's stress
    // (MPa) and thickness (mm).
    std::optional<double> referenceThickness(
        SubgradeCategory category, double start, AcrCategoryResult& peak);
    // Step 2: the derived single wheel load (N) at `thickness` mm.
    double derivedSingleWheelLoad(double thickness, SubgradeCategory category);
    // Both steps and the rating, or the peak of a gear below the reference stress; `start` as
    // above.
    AcrCategoryResult rate(SubgradeCategory category, double start);

private:
    AcrGear gear_;
    double radius_;
    layered::WheelPlan plan_;
    layered::HankelGrid grid_;
};

} // namespace korvant
