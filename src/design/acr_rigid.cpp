// Searches of the rigid ACR on the layered engine. Both run in logarithms (log stress against log
// thickness or log radius is nearly straight: slopes about -1.6 and 1.5), so the secant and Brent
// steps converge in a handful of evaluations.
#include "design/acr_rigid.h"

#include "design/acr_root.h"
#include "io/number_text.h"
#include "layered/kernel_table.h"
#include "layered/response.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>
#include <optional>
#include <string>
#include <vector>

namespace korvant {
namespace {

using layered::Depth;
using layered::HankelGrid;
using layered::KernelTable;
using layered::WheelPlan;

constexpr double kDecay = 30; // integrals stop where the kernel is below e^-30
constexpr std::size_t kMaxNodes = std::size_t { 1 } << 18;
// The thicknesses searched, mm.
constexpr double kThinnest = 5;
constexpr double kThickest = 5000;
constexpr double kStressTolerance = 1e-10; // in log stress

// The grid's first panel: small against the reach of the stiffest structure searched.
double GridStart()
{
    return 0.05 / RigidReferenceStructure(kThickest, SubgradeCategory::D).equivalentThickness();
}

double LogStressError(double stress)
{
    return std::log(std::max(stress, std::numeric_limits<double>::min()))
        - std::log(kAcrReferenceStress);
}

// The stress under the centre of one wheel of radius a at the DSWL tire pressure, at the bottom
// of the slab: the layers solved once, grids rebuilt only when a outgrows them.
class SingleWheel
{
public:
    SingleWheel(double thickness, SubgradeCategory category)
        : structure_(RigidReferenceStructure(thickness, category))
        , thickness_(thickness)
    {
    }

    double stress(double a)
    {
        if (!grid_ || a > largest_)
            rebuild(2 * a);
        return layered::SumResponses(*grid_, *plan_, *table_, kDswlTirePressure, a, kDecay)[0].sxx;
    }

private:
    layered::Structure structure_;
    double thickness_;
    double largest_ = 0;
    std::optional<HankelGrid> grid_;
    std::optional<WheelPlan> plan_;
    std::optional<KernelTable> table_;

    void rebuild(double largest)
    {
        largest_ = largest;
        grid_.emplace(
            0.05 / structure_.equivalentThickness(), 2 * std::numbers::pi / largest, kMaxNodes);
        plan_.emplace(std::vector<layered::PlanPoint> { { 0, 0 } },
            std::vector<layered::PlanPoint> { { 0, 0 } });
        table_.emplace(structure_, std::vector<Depth> { { thickness_, false } });
    }
};

} // namespace

RigidAcrSearch::RigidAcrSearch(const AcrGear& gear)
    : gear_(gear)
    , radius_(gear.contactRadius())
    , plan_(gear.wheels, gear.points)
    , grid_(GridStart(), 2 * std::numbers::pi / (radius_ + plan_.reach()), kMaxNodes)
{
}

double RigidAcrSearch::slabBottomStress(double thickness, SubgradeCategory category)
{
    KernelTable table(RigidReferenceStructure(thickness, category),
        std::vector<Depth>(gear_.points.size(), Depth { thickness, false }));
    const std::vector<layered::Response> responses
        = layered::SumResponses(grid_, plan_, table, gear_.tirePressure, radius_, kDecay);
    double largest = -std::numeric_limits<double>::infinity();
    for (const layered::Response& r : responses)
        largest = std::max(largest, layered::HorizontalPrincipal(r));
    return largest;
}

std::optional<double> RigidAcrSearch::referenceThickness(
    SubgradeCategory category, double start, AcrCategoryResult& peak)
{
    // In log stress against log thickness. The stress rises from 0 for a vanishing slab to a peak
    // (some 15 to 30 mm for light aircraft) and falls beyond; the thickness sought is on the
    // falling side. The search steps from `start` by secants of at most a factor 2; when a thinner
    // slab gives a lower stress it has passed the peak, which is then located to tell whether the
    // reference stress is reached at all.
    auto f = [&](double x) { return LogStressError(slabBottomStress(std::exp(x), category)); };
    constexpr const char* what = "slab thickness at the reference stress";
    const double lowest = std::log(kThinnest);
    const double highest = std::log(kThickest);
    const double largestStep = std::log(2.0);
    double x = std::log(start);
    double fx = f(x);
    double slope = -1.6;
    double before = std::min(x + largestStep, highest); // a thicker point than x, for the peak
    for (int i = 0; i < 60; ++i) {
        if (std::fabs(fx) <= kStressTolerance)
            return std::exp(x);
        const double next
            = std::clamp(x + std::clamp(-fx / slope, -largestStep, largestStep), lowest, highest);
        if (next == x)
            break;
        const double fNext = f(next);
        if ((fx < 0) != (fNext < 0))
            return std::exp(BrentRoot(f, x, fx, next, fNext, kStressTolerance, what));
        if (next < x && fNext < fx) {
            const double top = GoldenMaximum(f, next, before);
            const double fTop = f(top);
            if (fTop < 0) {
                peak.peakStress = std::exp(fTop) * kAcrReferenceStress;
                peak.peakThickness = std::exp(top);
                return std::nullopt;
            }
            return std::exp(BrentRoot(f, top, fTop, x, fx, kStressTolerance, what));
        }
        const double secant = (fNext - fx) / (next - x);
        if (secant < 0)
            slope = secant;
        if (next < x)
            before = x;
        x = next;
        fx = fNext;
    }
    throw AcrError(gear_.name + ": no slab thickness from " + GeneralNumberText(kThinnest) + " to "
        + GeneralNumberText(kThickest) + " mm brings the stress to the reference stress");
}

double RigidAcrSearch::derivedSingleWheelLoad(double thickness, SubgradeCategory category)
{
    SingleWheel wheel(thickness, category);
    auto f = [&](double logRadius) { return LogStressError(wheel.stress(std::exp(logRadius))); };
    // First guess: the gear's load on one wheel at the DSWL's tire pressure; the DSWL lies
    // between one wheel's load and the whole gear's.
    const double load = gear_.wheelLoad * std::sqrt(static_cast<double>(gear_.wheels.size()));
    RootSearch search;
    search.start = std::log(std::sqrt(load / (std::numbers::pi * kDswlTirePressure)));
    search.slope = 1.5;
    search.lowest = search.start - std::log(1e3);
    search.highest = search.start + std::log(1e3);
    search.tolerance = kStressTolerance;
    search.step = std::log(2.0);
    const double a = std::exp(FindRoot(f, search, "derived single wheel load"));
    return kDswlTirePressure * std::numbers::pi * a * a;
}

AcrCategoryResult RigidAcrSearch::rate(SubgradeCategory category, double start)
{
    AcrCategoryResult result;
    const std::optional<double> thickness = referenceThickness(category, start, result);
    if (!thickness) {
        result.rating = AcrRating::belowReference;
        return result;
    }
    result.rating = AcrRating::rated;
    result.thickness = *thickness;
    result.dswl = derivedSingleWheelLoad(result.thickness, category) / kGravity;
    result.acr = 2 * result.dswl / 100;
    return result;
}

} // namespace korvant
