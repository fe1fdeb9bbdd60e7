// The engine's general entry points: loads grouped by pressure and radius, one wheel plan per
// group over one grid and one kernel table.
#include "layered/analysis.h"

#include "basics/domain_error.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace korvant::layered {

HankelGrid GridFor(const Structure& structure, double radius, double reach, double deepest,
    const IntegrationOptions& options)
{
    const double horizontal = radius + reach;
    const double length
        = std::max({ structure.equivalentThickness(), horizontal, deepest, radius });
    if (!std::isfinite(length))
        throw DomainError("the dimensions of the structure and loads exceed the range of numbers");
    return HankelGrid(
        0.05 / length, 2 * std::numbers::pi / horizontal, options.maxNodes, options.refinement);
}

std::vector<Response> Analyse(const Structure& structure, const std::vector<CircularLoad>& loads,
    const std::vector<Point>& points, const IntegrationOptions& options)
{
    std::vector<Response> total(points.size());
    if (loads.empty() || points.empty())
        return total;
    std::vector<PlanPoint> plan;
    std::vector<Depth> depths;
    double deepest = 0;
    for (const Point& p : points) {
        plan.push_back({ p.x, p.y });
        depths.push_back({ p.z, p.below });
        deepest = std::max(deepest, p.z);
    }
    KernelTable table(structure, depths);

    // Loads of one pressure and radius share a plan.
    struct Group
    {
        double pressure, radius;
        std::vector<PlanPoint> wheels;
    };
    std::vector<Group> groups;
    double largest = 0;
    for (const CircularLoad& load : loads) {
        if (!(load.pressure > 0) || !std::isfinite(load.pressure) || !(load.radius > 0)
            || !std::isfinite(load.radius))
            throw DomainError("the pressure and radius of a load must be positive numbers");
        auto same = [&](const Group& g) {
            return g.pressure == load.pressure && g.radius == load.radius;
        };
        auto found = std::find_if(groups.begin(), groups.end(), same);
        if (found == groups.end())
            found = groups.insert(groups.end(), Group { load.pressure, load.radius, {} });
        found->wheels.push_back({ load.x, load.y });
        largest = std::max(largest, load.radius);
    }
    std::vector<WheelPlan> plans;
    double reach = 0;
    for (const Group& g : groups) {
        plans.emplace_back(g.wheels, plan);
        reach = std::max(reach, plans.back().reach());
    }
    HankelGrid grid = GridFor(structure, largest, reach, deepest, options);
    for (std::size_t i = 0; i < groups.size(); ++i) {
        const std::vector<Response> part = SumResponses(
            grid, plans[i], table, groups[i].pressure, groups[i].radius, options.decay);
        for (std::size_t p = 0; p < points.size(); ++p) {
            total[p].sxx += part[p].sxx;
            total[p].syy += part[p].syy;
            total[p].szz += part[p].szz;
            total[p].txy += part[p].txy;
            total[p].txz += part[p].txz;
            total[p].tyz += part[p].tyz;
            total[p].deflection += part[p].deflection;
        }
    }
    return total;
}

AxisymmetricResponse AnalyseCircularLoad(const Structure& structure, double pressure, double radius,
    double r, const Depth& depth, const IntegrationOptions& options)
{
    if (!(r >= 0) || !std::isfinite(r))
        throw DomainError("the distance from the load must be a number of at least 0");
    const Response x = Analyse(
        structure, { { pressure, radius, 0, 0 } }, { { r, 0, depth.z, depth.below } }, options)[0];
    return { x.sxx, x.syy, x.szz, x.txz, x.deflection };
}

} // namespace korvant::layered
