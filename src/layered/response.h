// Responses of a layered structure to identical circular loads: the Hankel integrals over the
// nodes of a grid of the layer kernels (KernelTable) times the plan's Bessel sums (WheelPlan) and
// the load's transform q a J1(m a), for the uniform pressure q over the radius a:
//   response = q a * integral over m of J1(m a) * kernel(m) * Bessel sums(m) dm,
// integrated up to where each depth's kernel has decayed below e^-decay. At the surface the
// kernel's large-m limit is integrated in closed form (Weber-Schafheitlin's discontinuous
// integrals; the elliptic integrals of the surface deflection of a uniform circular load, as in
// Timoshenko & Goodier), so the slowly converging part never reaches the quadrature.
#pragma once

#include "layered/hankel_grid.h"
#include "layered/kernel_table.h"
#include "layered/wheel_plan.h"

#include <vector>

namespace korvant::layered {

// Stresses in MPa, positive in tension, on the x, y (horizontal) and z (down) axes; the vertical
// deflection in mm, positive downward.
struct Response
{
    double sxx = 0, syy = 0, szz = 0, txy = 0, txz = 0, tyz = 0;
    double deflection = 0;
};

// The larger principal value of the horizontal stress tensor [[sxx, txy], [txy, syy]].
double HorizontalPrincipal(const Response& r);

// The responses at the plan's points, at the depths of `table` (one per point), to the plan's
// wheels, each a uniform pressure (MPa) over a circle of `radius` (mm). `decay` sets the cut-off
// of the integrals (e^-decay). Throws DomainError for a pressure or radius that is not a positive
// number, when the integral would need more nodes than the grid allows, or when a result is not
// a finite number.
std::vector<Response> SumResponses(HankelGrid& grid, WheelPlan& plan, KernelTable& table,
    double pressure, double radius, double decay);

} // namespace korvant::layered
