// Summation of the Hankel integrals over the grid, and the closed-form surface terms:
//   integral J1(m a) J0(m r) dm       = 1/a, 1/(2a), 0           for r <, =, > a
//   integral J1(m a) J1(m r)/(m r) dm = 1/(2a) (r <= a), a/(2 r^2) (r >= a)
//   integral J1(m a) J0(m r)/m dm     = (2/pi) E(r/a)  (r <= a),
//                                       (2/pi)(r/a) [E(a/r) - (1 - a^2/r^2) K(a/r)]  (r > a)
// with the complete elliptic integrals K and E by the arithmetic-geometric mean.
#include "layered/response.h"

#include "basics/domain_error.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace korvant::layered {
namespace {

struct Elliptic
{
    double k, e; // K(k) and E(k), modulus k in [0, 1)
};

Elliptic CompleteElliptic(double k)
{
    double a = 1;
    double b = std::sqrt((1 - k) * (1 + k));
    double c = k;
    double power = 0.5;
    double sum = power * c * c;
    for (int i = 0; i < 60 && std::fabs(c) > 1e-17 * a; ++i) {
        c = (a - b) / 2;
        const double next = (a + b) / 2;
        b = std::sqrt(a * b);
        a = next;
        power *= 2;
        sum += power * c * c;
    }
    const double kk = std::numbers::pi / (2 * a);
    return { kk, kk * (1 - sum) };
}

// The three integrals above for one wheel; the deflection one without its 1/m taken out.
struct SurfaceIntegrals
{
    double j0, q, w;
};

SurfaceIntegrals SurfaceIntegralsAt(double r, double a)
{
    SurfaceIntegrals s {};
    if (r < a) {
        s.j0 = 1 / a;
        s.q = 1 / (2 * a);
        s.w = 2 / std::numbers::pi * CompleteElliptic(r / a).e;
    } else if (r == a) {
        s.j0 = 1 / (2 * a);
        s.q = 1 / (2 * a);
        s.w = 2 / std::numbers::pi;
    } else {
        const double k = a / r;
        const Elliptic e = CompleteElliptic(k);
        s.j0 = 0;
        s.q = k / (2 * r);
        s.w = 2 / std::numbers::pi / k * (e.e - (1 - k) * (1 + k) * e.k);
    }
    return s;
}

// Adds the closed-form integral of the surface limit of the kernel for every wheel.
void AddSurfaceLimit(
    Response& out, const WheelPlan& plan, std::size_t p, const Layer& top, double qa, double a)
{
    const double common = -2 * top.poisson;
    const double radial = -(1 - 2 * top.poisson);
    const double deflection = 2 * (1 - top.poisson * top.poisson) / top.modulus;
    for (std::size_t w = 0; w < plan.wheels().size(); ++w) {
        const WheelPlan::Offset o = plan.offset(p, w);
        const SurfaceIntegrals s = SurfaceIntegralsAt(o.r, a);
        const double cc = o.c * o.c;
        const double ss = o.s * o.s;
        out.sxx += qa * (common * s.j0 + radial * (s.j0 * cc - s.q * (cc - ss)));
        out.syy += qa * (common * s.j0 + radial * (s.j0 * ss + s.q * (cc - ss)));
        out.txy += qa * radial * (s.j0 - 2 * s.q) * o.c * o.s;
        out.szz -= qa * s.j0;
        out.deflection += qa * deflection * s.w;
    }
}

void RequireFinite(const Response& r)
{
    const double values[] = { r.sxx, r.syy, r.szz, r.txy, r.txz, r.tyz, r.deflection };
    for (double v : values)
        if (!std::isfinite(v))
            throw DomainError("the layered response exceeds the range of numbers");
}

} // namespace

double HorizontalPrincipal(const Response& r)
{
    const double mean = (r.sxx + r.syy) / 2;
    return mean + std::hypot((r.sxx - r.syy) / 2, r.txy);
}

std::vector<Response> SumResponses(HankelGrid& grid, WheelPlan& plan, KernelTable& table,
    double pressure, double radius, double decay)
{
    if (!(pressure > 0) || !std::isfinite(pressure))
        throw DomainError("the pressure of a load must be a positive number");
    if (!(radius > 0) || !std::isfinite(radius))
        throw DomainError("the radius of a load must be a positive number");
    const std::size_t points = plan.points().size();
    std::vector<std::size_t> count(table.depthCount());
    std::size_t nodes = 0;
    for (std::size_t d = 0; d < table.depthCount(); ++d) {
        count[d] = grid.nodesBelow(table.cutoff(d, decay));
        nodes = std::max(nodes, count[d]);
    }
    plan.extend(grid, nodes);
    table.extend(grid, nodes);
    const std::vector<double>& j1a = plan.radiusBessel(grid, nodes, radius);
    const double qa = pressure * radius;

    std::vector<Response> out(points);
    for (std::size_t k = 0; k < nodes; ++k) {
        const double g = grid.weight(k) * qa * j1a[k];
        for (std::size_t p = 0; p < points; ++p) {
            const std::size_t d = table.depthOf(p);
            if (k >= count[d])
                continue;
            const Kernel& kernel = table.kernel(k, d);
            const WheelPlan::Factors& f = plan.factors(k, p);
            Response& r = out[p];
            const double common = g * kernel.common * f.j0;
            const double radial = g * kernel.radial;
            r.sxx += common + radial * f.xx;
            r.syy += common + radial * f.yy;
            r.txy += radial * f.xy;
            r.szz += g * kernel.vertical * f.j0;
            r.txz += g * kernel.shear * f.xz;
            r.tyz += g * kernel.shear * f.yz;
            r.deflection += g * kernel.deflection * f.j0;
        }
    }
    for (std::size_t p = 0; p < points; ++p) {
        if (table.surface(table.depthOf(p)))
            AddSurfaceLimit(out[p], plan, p, table.structure().layer(0), qa, radius);
        RequireFinite(out[p]);
    }
    return out;
}

} // namespace korvant::layered
