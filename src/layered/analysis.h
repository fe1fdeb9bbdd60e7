// The layered elastic engine's entry points: stresses and deflections of a layered structure
// under uniform circular loads on its surface, at any points. Units: mm and MPa.
//
// Method: Burmister's layered half-space solved through the Hankel transform (see
// layer_solution.h), each load expanded as q a integral J1(m a) J0(m r) dm, wheels superposed in
// Cartesian components (response.h). The integral over m uses 8-point Gauss-Legendre panels,
// graded from 0.05 / L (L the largest length of the problem: Odemark's equivalent thickness of the
// layers, the plan's reach plus the load radius, the deepest point) by steps of half their left
// end up to one period of the fastest Bessel oscillation, 2 pi / (a + r_max), and uniform beyond;
// it stops where e^-(m z) < e^-decay for a point at depth z. Splitting every panel into 8 and
// raising decay from 30 to 60 moves the stresses at the bottom of slabs of 150 to 800 mm, under
// wheels of radius 100 to 300 mm, at 0 to 3 m from them, by less than 4e-12 of the stress under
// the wheel (the tests check 1e-8). A point very near the surface and far from a load needs many
// nodes (about 2 decay (a + r) / (pi z)); the grid refuses more than maxNodes.
#pragma once

#include "layered/response.h"
#include "layered/structure.h"

#include <cstddef>
#include <vector>

namespace korvant::layered {

struct CircularLoad
{
    double pressure = 0; // MPa, uniform over the circle
    double radius = 0; // mm
    double x = 0, y = 0; // mm, centre on the surface
};

struct Point
{
    double x = 0, y = 0; // mm
    double z = 0; // mm below the surface
    bool below = false; // at an interface's depth: the top of the layer below
};

struct IntegrationOptions
{
    double decay = 30; // the integrals stop where the kernel is below e^-decay
    std::size_t maxNodes = std::size_t { 1 } << 18; // refuse integrals needing more nodes
    int refinement = 1; // split every panel into this many (to check convergence)
};

// Responses at each point to all loads. Throws DomainError for a load or point that is not
// finite, a pressure or radius that is not positive, or an integral beyond maxNodes.
std::vector<Response> Analyse(const Structure& structure, const std::vector<CircularLoad>& loads,
    const std::vector<Point>& points, const IntegrationOptions& options = {});

// The axisymmetric response to one circular load at horizontal distance r from its centre.
struct AxisymmetricResponse
{
    double radial = 0, tangential = 0, vertical = 0, shear = 0; // MPa, tension positive
    double deflection = 0; // mm, downward positive
};

AxisymmetricResponse AnalyseCircularLoad(const Structure& structure, double pressure, double radius,
    double r, const Depth& depth, const IntegrationOptions& options = {});

// The grid for a structure, a load radius, the plan's reach and the deepest point, as above.
HankelGrid GridFor(const Structure& structure, double radius, double reach, double deepest,
    const IntegrationOptions& options);

} // namespace korvant::layered
