// The PCR's rounds: the damage of each aircraft at the slab's thickness by the design's own
// aircraft step, the allowable weight of the critical aircraft by a scan of weights from a tenth
// to ten times its catalogue weight and a bisection at the first weight whose damage reaches 1,
// and the ACR of the layered elastic engine at that weight.
#include "design/pcr.h"

#include <cmath>
#include <limits>

#include "basics/unit_factors.h"
#include "design/aircraft_step.h"
#include "design/slab_evaluation.h"
#include "design/thickness_design.h"
#include "engine/edge_stress.h"
#include "io/data_text.h"

namespace korvant {
namespace {

constexpr double kLightest = 0.1; // the weights searched, as fractions of the catalogue weight
constexpr double kHeaviest = 10;
constexpr int kWeightSteps = 400; // of the geometric scan between them

std::string WeightText(double pounds, UnitSystem units)
{
    return SignificantText(WeightInUnits(pounds, units), units == UnitSystem::Metric ? 5 : 6) + " "
        + WeightUnit(units);
}

// The damage of one aircraft alone at the slab, at a gross weight and with some departures.
class LoneAircraft
{
public:
    LoneAircraft(const DesignBasis& basis, std::size_t index, double departures, float thickness,
        UnitSystem units)
        : basis_ { basis.inputs, basis.layerMode, { basis.mix[index] } }
        , thickness_(thickness)
        , units_(units)
    {
        basis_.mix[0].annualDepartures = departures;
    }

    double damageAt(double grossWeight)
    {
        MixAircraft& aircraft = basis_.mix[0];
        aircraft.grossWeight = grossWeight;
        aircraft.contactRadius = ContactRadius(
            grossWeight, aircraft.gearLoadPercent, aircraft.wheelCount, aircraft.tirePressure);
        return static_cast<double>(MixDamage(basis_, thickness_, units_, steps_, "slab thickness"));
    }

private:
    DesignBasis basis_;
    float thickness_;
    UnitSystem units_;
    std::vector<AircraftStep> steps_;
};

// The smallest weight from a tenth to ten times the catalogue weight at which the aircraft alone
// reaches a damage of 1 within the design's tolerance.
double AllowableWeight(LoneAircraft& lone, const MixAircraft& aircraft, UnitSystem units)
{
    const double catalogue = aircraft.grossWeight;
    const double ratio = std::pow(kHeaviest / kLightest, 1.0 / kWeightSteps);
    double lower = catalogue * kLightest;
    double damage = lone.damageAt(lower);
    if (std::fabs(damage - 1) < kDamageTolerance)
        return lower;
    if (damage > 1)
        throw PcrRefused(aircraft.label + " reaches a damage of 1 below a tenth of its catalogue "
            + "weight (" + WeightText(lower, units) + " gives a damage of "
            + SignificantText(damage, 4) + "): the slab is too thin for it to rate the pavement.");
    double upper = lower;
    for (int step = 1; damage < 1; ++step) {
        if (step > kWeightSteps)
            throw PcrRefused(aircraft.label + " does not reach a damage of 1 below ten times its "
                + "catalogue weight (" + WeightText(catalogue * kHeaviest, units)
                + " gives a damage of " + SignificantText(damage, 4)
                + "): the slab is too thick for its traffic to rate the pavement.");
        lower = upper;
        upper = step == kWeightSteps ? catalogue * kHeaviest
                                     : catalogue * kLightest * std::pow(ratio, step);
        damage = lone.damageAt(upper);
    }
    // The damage rises between the two: bisect on the logarithm of the weight.
    while (std::fabs(damage - 1) >= kDamageTolerance && upper - lower > upper * 1e-12) {
        const double middle = std::sqrt(lower * upper);
        damage = lone.damageAt(middle);
        if (damage < 1)
            lower = middle;
        else
            upper = middle;
    }
    return std::fabs(damage - 1) < kDamageTolerance ? (damage < 1 ? lower : upper) : upper;
}

} // namespace

double WeightInUnits(double pounds, UnitSystem units)
{
    return units == UnitSystem::Metric ? pounds * kKilonewtonPerPound : pounds;
}

const char* WeightUnit(UnitSystem units)
{
    return units == UnitSystem::Metric ? "kN" : "lb";
}

double SubgradeModulusOfK(double k)
{
    return 20.15 * std::pow(k, 1.284);
}

SubgradeCategory SubgradeCategoryOfK(double k)
{
    const double megapascals = SubgradeModulusOfK(k) / kPsiPerMegapascal;
    if (megapascals >= 150)
        return SubgradeCategory::A;
    if (megapascals >= 100)
        return SubgradeCategory::B;
    if (megapascals >= 60)
        return SubgradeCategory::C;
    return SubgradeCategory::D;
}

char CategoryLetter(SubgradeCategory category)
{
    return static_cast<char>('A' + static_cast<int>(category));
}

std::string PcrCode(const PcrResult& result)
{
    return "PCR " + std::to_string(result.pcr) + "/R/" + CategoryLetter(result.category) + "/W/T";
}

std::optional<double> RigidAcrAtWeight(
    const MixAircraft& aircraft, double grossWeight, SubgradeCategory category)
{
    const AcrCategoryResult rated = ComputeAcr(AcrGearOf(aircraft, grossWeight))[category];
    if (rated.rating != AcrRating::rated)
        return std::nullopt; // below the reference stress at every thickness
    return rated.acr;
}

PcrResult ComputePcr(const DesignBasis& basis, float thickness, UnitSystem units,
    std::optional<SubgradeCategory> category, const AcrAtWeight& acrAtWeight)
{
    if (basis.mix.empty())
        throw PcrRefused("The traffic mix is empty: a PCR rates a pavement for its traffic.");
    double departures = 0;
    for (const MixAircraft& aircraft : basis.mix)
        departures += aircraft.annualDepartures;
    if (!(departures > 0))
        throw PcrRefused("No aircraft of the mix has departures: the pavement carries no traffic "
                         "to rate it by.");

    PcrResult result;
    result.thickness = thickness;
    result.categoryGiven = category.has_value();
    result.category = category.value_or(SubgradeCategoryOfK(basis.inputs.k));
    SlabEvaluation slab;
    try {
        slab = EvaluateSlab(basis, thickness, units);
    } catch (const DesignStopped& stopped) {
        throw PcrRefused(
            std::string("The damage of the mix cannot be computed at the slab: ") + stopped.what());
    }
    for (std::size_t i = 0; i < basis.mix.size(); ++i) {
        PcrAircraft& aircraft = result.aircraft.emplace_back();
        aircraft.aircraft = i;
        aircraft.damageRatio = static_cast<double>(slab.steps[i].damageRatio);
        if (std::isinf(aircraft.damageRatio))
            throw PcrRefused("The damage of " + basis.mix[i].label + " at the slab of "
                + ThicknessText(thickness, units)
                + " is more than any number: the slab fails at once under it.");
        try {
            aircraft.acr = acrAtWeight(basis.mix[i], basis.mix[i].grossWeight, result.category);
        } catch (const AcrError& refused) {
            throw PcrRefused(std::string("The ACR of an aircraft of the mix is refused: ")
                + refused.what() + ".");
        }
    }

    std::vector<std::size_t> list;
    for (std::size_t i = 0; i < basis.mix.size(); ++i)
        list.push_back(i);
    while (!list.empty()) {
        std::size_t critical = list.front();
        std::size_t largestAcr = list.front();
        double listDamage = 0;
        for (const std::size_t i : list) {
            const PcrAircraft& aircraft = result.aircraft[i];
            listDamage += aircraft.damageRatio;
            if (aircraft.damageRatio > result.aircraft[critical].damageRatio)
                critical = i;
            if (aircraft.acr.value_or(-1) > result.aircraft[largestAcr].acr.value_or(-1))
                largestAcr = i;
        }
        const MixAircraft& aircraft = basis.mix[critical];
        const double own = result.aircraft[critical].damageRatio;
        PcrRound& round = result.rounds.emplace_back();
        round.aircraft = critical;
        round.equivalentDepartures
            = own > 0 ? aircraft.annualDepartures * (listDamage / own) : aircraft.annualDepartures;
        LoneAircraft lone(basis, critical, round.equivalentDepartures, thickness, units);
        try {
            round.allowableWeight = AllowableWeight(lone, aircraft, units);
        } catch (const DesignStopped& stopped) {
            throw PcrRefused(std::string("The damage of ") + aircraft.label
                + " cannot be computed at the slab: " + stopped.what());
        }
        std::optional<double> acr;
        try {
            acr = acrAtWeight(aircraft, round.allowableWeight, result.category);
        } catch (const AcrError& refused) {
            throw PcrRefused(
                std::string("The ACR at the allowable weight is refused: ") + refused.what() + ".");
        }
        if (!acr)
            throw PcrRefused(aircraft.label + " at its allowable weight of "
                + WeightText(round.allowableWeight, units)
                + " is below the smallest ratings: its ACR cannot rate the pavement.");
        round.acr = *acr;
        result.largestRound = std::max(result.largestRound, round.acr);
        if (critical == largestAcr)
            break;
        std::erase(list, critical);
    }

    result.pcr = static_cast<int>(std::floor(result.largestRound + 0.5));
    for (PcrAircraft& aircraft : result.aircraft)
        aircraft.exceeds
            = aircraft.acr && static_cast<int>(std::floor(*aircraft.acr + 0.5)) > result.pcr;
    return result;
}

} // namespace korvant
