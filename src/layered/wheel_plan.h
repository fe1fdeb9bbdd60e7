// Identical circular loads (wheels) at plan positions and the plan points where their responses
// are summed, with the Bessel functions of the Hankel integrals that depend only on this plan:
// at each node m of a grid and each point, the sums over the wheels of J0(m r), J1(m r) and
// J1(m r) / (m r), weighted by the direction from the wheel to the point, that turn the kernels of
// one depth into Cartesian stresses (x, y horizontal, z down). They do not change while a layer
// thickness, a modulus or the wheel load is searched, so they are computed once per node, as far
// along the grid as a caller has needed, and kept.
#pragma once

#include "layered/hankel_grid.h"

#include <vector>

namespace korvant::layered {

struct PlanPoint
{
    double x = 0; // mm
    double y = 0; // mm
};

class WheelPlan
{
public:
    // Factors of one point at one node: sigma_xx = common j0 + radial xx, sigma_yy = common j0 +
    // radial yy, tau_xy = radial xy, sigma_zz = vertical j0, tau_xz = shear xz, tau_yz = shear yz,
    // w = deflection j0 (each summed over nodes with the load's weight).
    struct Factors
    {
        double j0 = 0, xx = 0, yy = 0, xy = 0, xz = 0, yz = 0;
    };

    // Throws DomainError for a coordinate that is not a finite number.
    WheelPlan(std::vector<PlanPoint> wheels, std::vector<PlanPoint> points);

    const std::vector<PlanPoint>& wheels() const { return wheels_; }
    const std::vector<PlanPoint>& points() const { return points_; }
    // The largest distance from a wheel to a point.
    double reach() const { return reach_; }

    // Computes the factors for the first `nodes` nodes of `grid` (always the same grid).
    void extend(const HankelGrid& grid, std::size_t nodes);
    const Factors& factors(std::size_t node, std::size_t point) const
    {
        return factors_[node * points_.size() + point];
    }

    // Distance from wheel w to point p, and the cosine and sine of its direction.
    struct Offset
    {
        double r, c, s;
    };
    Offset offset(std::size_t point, std::size_t wheel) const
    {
        const Pair& pair = pairs_[point * wheels_.size() + wheel];
        return { distances_[pair.distance], pair.c, pair.s };
    }

    // J1(m a) at the first `nodes` nodes for the load radius a, kept for the last radius asked.
    const std::vector<double>& radiusBessel(const HankelGrid& grid, std::size_t nodes, double a);

private:
    struct Pair
    {
        std::size_t distance; // index into distances_
        double c, s; // cosine and sine of the direction from the wheel to the point
    };
    std::vector<PlanPoint> wheels_, points_;
    std::vector<double> distances_; // the distinct wheel-to-point distances
    std::vector<Pair> pairs_; // point-major: pairs_[p * wheels + w]
    double reach_ = 0;
    std::vector<Factors> factors_;
    std::size_t nodes_ = 0;
    std::vector<double> radiusBessel_;
    double radius_ = 0;
};

} // namespace korvant::layered
