// The plan's Bessel sums. For a wheel at distance r from the point in direction (c, s), the polar
// stresses sigma_r = J0 (common + radial) - Q radial and sigma_t = J0 common + Q radial, with
// Q = J1(m r) / (m r), rotate into
//   sigma_xx = common J0 + radial (J0 c^2 - Q (c^2 - s^2))
//   sigma_yy = common J0 + radial (J0 s^2 + Q (c^2 - s^2))
//   tau_xy   = radial (J0 - 2 Q) c s,   tau_xz = shear J1 c,   tau_yz = shear J1 s.
// Mirror-image pairs have bit-identical distances, so each distinct distance is evaluated once.
#include "layered/wheel_plan.h"

#include "basics/domain_error.h"
#include "layered/bessel.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace korvant::layered {
namespace {

void RequireFinite(const std::vector<PlanPoint>& points, const char* what)
{
    for (const PlanPoint& p : points)
        if (!std::isfinite(p.x) || !std::isfinite(p.y))
            throw DomainError(std::string("the plan position of ") + what + " is not a number");
}

} // namespace

WheelPlan::WheelPlan(std::vector<PlanPoint> wheels, std::vector<PlanPoint> points)
    : wheels_(std::move(wheels))
    , points_(std::move(points))
{
    RequireFinite(wheels_, "a load");
    RequireFinite(points_, "a point");
    for (const PlanPoint& p : points_) {
        for (const PlanPoint& w : wheels_) {
            const double dx = p.x - w.x;
            const double dy = p.y - w.y;
            const double r = std::hypot(dx, dy);
            if (!std::isfinite(r))
                throw DomainError("a point lies too far from a load to be represented");
            Pair pair { 0, 1, 0 };
            if (r > 0) {
                pair.c = dx / r;
                pair.s = dy / r;
            }
            const auto found = std::find(distances_.begin(), distances_.end(), r);
            pair.distance = static_cast<std::size_t>(found - distances_.begin());
            if (found == distances_.end())
                distances_.push_back(r);
            pairs_.push_back(pair);
            reach_ = std::max(reach_, r);
        }
    }
}

void WheelPlan::extend(const HankelGrid& grid, std::size_t nodes)
{
    if (nodes <= nodes_)
        return;
    std::vector<BesselPair> j(distances_.size());
    std::vector<double> q(distances_.size());
    factors_.resize(nodes * points_.size());
    for (std::size_t k = nodes_; k < nodes; ++k) {
        const double m = grid.node(k);
        for (std::size_t d = 0; d < distances_.size(); ++d) {
            const double x = m * distances_[d];
            j[d] = BesselJ01(x);
            // J1(x)/x, by its series where x is too small to divide by.
            q[d] = x < 1e-6 ? 0.5 - x * x / 16 : j[d].j1 / x;
        }
        for (std::size_t p = 0; p < points_.size(); ++p) {
            Factors f;
            for (std::size_t w = 0; w < wheels_.size(); ++w) {
                const Pair& pair = pairs_[p * wheels_.size() + w];
                const BesselPair b = j[pair.distance];
                const double jq = q[pair.distance];
                const double cc = pair.c * pair.c;
                const double ss = pair.s * pair.s;
                f.j0 += b.j0;
                f.xx += b.j0 * cc - jq * (cc - ss);
                f.yy += b.j0 * ss + jq * (cc - ss);
                f.xy += (b.j0 - 2 * jq) * pair.c * pair.s;
                f.xz += b.j1 * pair.c;
                f.yz += b.j1 * pair.s;
            }
            factors_[k * points_.size() + p] = f;
        }
    }
    nodes_ = nodes;
}

const std::vector<double>& WheelPlan::radiusBessel(
    const HankelGrid& grid, std::size_t nodes, double a)
{
    if (a != radius_) {
        radiusBessel_.clear();
        radius_ = a;
    }
    for (std::size_t k = radiusBessel_.size(); k < nodes; ++k)
        radiusBessel_.push_back(BesselJ1(grid.node(k) * a));
    return radiusBessel_;
}

} // namespace korvant::layered
