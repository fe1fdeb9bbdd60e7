// The Pavement Classification Rating (PCR) of a rigid pavement by cumulative damage, after ICAO's
// Aerodrome Design Manual Part 3 (2022) and AC 150/5335-5D, on KORVANT's own damage model: the
// 20-year fatigue damage of the mix at the slab's thickness, as the evaluation of a given slab
// computes it. Rounds over the mix: the aircraft with the largest damage is critical; the whole
// list's traffic as equivalent departures of it; its allowable gross weight, at which it alone
// reaches a damage of 1; the ACR at that weight is the round's PCR. The largest round PCR,
// rounded half up, is the pavement's: "PCR 690/R/B/W/T" (rigid, the subgrade category, no tire
// pressure limit, technical evaluation).
#pragma once

#include <functional>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "basics/unit_system.h"
#include "design/acr.h"
#include "design/design_data.h"

namespace korvant {

// The subgrade's elastic modulus from its modulus of subgrade reaction k (pci):
// E = 20.15 k^1.284 psi; and its category: A from 150 MPa, B from 100, C from 60, D below
// (1 MPa = 145.0377 psi; the boundaries fall near k = 230.3, 168.0 and 112.8 pci).
double SubgradeModulusOfK(double k);
SubgradeCategory SubgradeCategoryOfK(double k);
char CategoryLetter(SubgradeCategory category);

// A gross weight (lb) in the session's unit, kN in Metric; and that unit, "lb" or "kN".
double WeightInUnits(double pounds, UnitSystem units);
const char* WeightUnit(UnitSystem units);

// A PCR that cannot be given; what() says which case and why.
class PcrRefused : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

struct PcrRound
{
    std::size_t aircraft = 0; // index into the basis's mix
    double equivalentDepartures = 0; // annual departures of the critical aircraft
    double allowableWeight = 0; // lb
    double acr = 0; // of the critical aircraft at the allowable weight
};

struct PcrAircraft
{
    std::size_t aircraft = 0; // index into the basis's mix
    std::optional<double> acr; // at its catalogue weight; none below the smallest ratings
    double damageRatio = 0; // percent, at the slab thickness
    bool exceeds = false; // its ACR, rounded to a whole number, is above the PCR
};

struct PcrResult
{
    float thickness = 0; // in
    SubgradeCategory category = SubgradeCategory::B;
    bool categoryGiven = false; // chosen by the engineer rather than from k
    std::vector<PcrRound> rounds;
    double largestRound = 0; // the largest round PCR before rounding
    int pcr = 0;
    std::vector<PcrAircraft> aircraft; // in mix order
};

// "PCR 690/R/B/W/T".
std::string PcrCode(const PcrResult& result);

// The ACR of an aircraft of the mix at a gross weight (lb) in a category; none when its stress
// stays below the reference stress at every thickness (below the smallest ratings). Throws
// AcrError for a gear the ACR refuses.
using AcrAtWeight
    = std::function<std::optional<double>(const MixAircraft&, double, SubgradeCategory)>;
// The rigid ACR of the layered elastic engine.
std::optional<double> RigidAcrAtWeight(
    const MixAircraft& aircraft, double grossWeight, SubgradeCategory category);

// The PCR of a slab of `thickness` (in) carrying the basis's mix, in the category from the
// basis's k unless one is given. Throws PcrRefused for an empty mix, a mix without departures, a
// damage that cannot be computed at the thickness, an aircraft whose ACR is refused, and an
// allowable weight outside a tenth to ten times the catalogue weight. `units` words thicknesses
// and weights in messages.
PcrResult ComputePcr(const DesignBasis& basis, float thickness, UnitSystem units,
    std::optional<SubgradeCategory> category = std::nullopt,
    const AcrAtWeight& acrAtWeight = RigidAcrAtWeight);

} // namespace korvant
