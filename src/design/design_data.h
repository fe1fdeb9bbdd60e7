// The data that carry one design: the inputs in English units, the aircraft of the mix as the
// design reads them, every value of the aircraft step, the thickness with the per-aircraft
// results that the report prints, and the trace of how the bisection reached it. Units: in, lb,
// psi, pci, deg F, mph.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "engine/wander_factor.h"
#include "traffic/aircraft_database.h"

namespace korvant {

struct DesignInputs
{
    double E = 0; // elastic modulus of the concrete, psi
    double Sc = 0; // flexural strength of the concrete, psi
    double k = 0; // modulus of subgrade reaction, pci
    double mu = 0.15; // Poisson ratio of the concrete
    double E2 = 0; // elastic modulus of the bottom layer, psi
    double h2 = 0; // thickness of the bottom layer, in
    double slabWidth = 0; // in
    double slabLength = 0; // in
    double windSpeed = 0; // annual mean, mph
    double precipitation = 0; // annual mean, inch
    double temperature = 0; // annual mean, deg F
    bool operator==(const DesignInputs&) const = default;
};

// One aircraft of the mix as the design reads it: its values in English units and the terms that
// do not depend on the slab thickness.
struct MixAircraft
{
    int record = 0; // catalogue record number
    std::string label; // its name, or "Aircraft <record>" when it has none
    double grossWeight = 0; // lb
    double annualDepartures = 0;
    double gearLoadPercent = 0; // percent of the gross weight on the main gear
    double tirePressure = 0; // psi
    double wheelCount = 0;
    double dualSpacing = 0; // in
    double tandemSpacing = 0; // in
    double tireContactWidth = 0; // in
    double contactRadius = 0; // a, in
    float passToCoverage = 0;
    WanderOffsets wanderOffsets;
    bool operator==(const MixAircraft&) const = default;
};

// What a design works on: the inputs in English units, the structure (layerMode refined from the
// bond option) and the aircraft of the mix in mix order.
struct DesignBasis
{
    DesignInputs inputs;
    std::int16_t layerMode = 0;
    std::vector<MixAircraft> mix;
    bool operator==(const DesignBasis&) const = default;
};

// Where the aircraft step does not end in the number the fatigue law gives.
enum class StepLimit : std::uint8_t {
    None,
    // The allowable coverages exceed the range of numbers at a positive stress: they are
    // unlimited (+infinity) and the damage ratio is 0.
    UnlimitedCoverages,
    // The damage ratio exceeds the 32-bit range, or the wander's equivalent coverages are too
    // few for its fatigue relation (F3 and the design stress +infinity): the slab fails at once,
    // and the damage ratio is more than any number (+infinity).
    DamageBeyondRange,
    // The design stress is zero or negative where the fatigue law gives no number: the slab
    // counts as too thin (the damage ratio +infinity).
    StressNotPositive,
};

// Every value of the aircraft step at one slab thickness, in English units.
struct AircraftStep
{
    double radiusOfStiffness = 0; // l, in
    double contactRadius = 0; // a, in
    double relA = 0; // a / l
    double relW = 0; // slab width / l
    double relL = 0; // slab length / l
    double edgeStress = 0; // free-edge load stress, psi
    double gearFactor = 0; // whole gear over one wheel
    float slabSizeFactor = 0; // finite slab size
    double layerFactor = 0; // two-layer ratio (1 in the one-layer system)
    float sizeLayerFactor = 0; // layerFactor * slabSizeFactor, rounded to 32 bits
    float F3 = 0; // wander factor
    float passToCoverage = 0; // passes per coverage
    double tempDifferential = 0; // top minus bottom, deg F
    float curlFactor = 0; // factor on the curling stress
    float curlingStress = 0; // psi
    double designStress = 0; // F3 * 0.75 * (load stress + curling stress * curl factor), psi
    double actualCoverages = 0; // 20 years of departures over the pass-to-coverage ratio
    double allowableCoverages = 0; // from the fatigue law
    float damageRatio = 0; // percent of the fatigue life that the 20 years use
    StepLimit limit = StepLimit::None;
    bool operator==(const AircraftStep&) const = default;
};

// Results of one aircraft at the last trial thickness of a design.
struct AircraftResult
{
    double edgeStress = 0; // free-edge load stress, psi
    double gearFactor = 0; // whole gear over one wheel
    float curlFactor = 0; // factor on the curling stress
    float sizeLayerFactor = 0; // two-layer ratio times finite-slab-size factor
    float F3 = 0; // wander factor
    float passToCoverage = 0; // passes per coverage
    double allowableCoverages = 0; // from the fatigue law
    float damageRatio = 0; // percent of the fatigue life used in 20 years
    bool fromLastDesign = false; // the aircraft was in the mix of the last design
    bool operator==(const AircraftResult&) const = default;
};

// One trial of the bisection: its thickness, the damage of the mix there, and the bounds as they
// stood when the thickness was chosen between them.
struct DesignTrial
{
    int pass = 0; // 1..19
    float thickness = 0; // in
    float totalDamage = 0; // sum of the damage ratios / 100
    double lower = 0; // in
    double upper = 0; // in
    // The first aircraft of the mix (its index) whose design stress was not positive at this
    // trial, -1 for none; and whether its load stress itself was not positive (a bonded bottom
    // layer putting the slab's bottom in compression) rather than curling outweighing it.
    int stressNotPositive = -1;
    bool loadStressNotPositive = false;
    bool operator==(const DesignTrial&) const = default;
};

// How a design's bisection ended.
enum class DesignEnd : std::uint8_t {
    Converged, // the damage reached 1 within 0.001 at 4 in or more
    BelowMinimum, // every trial was too thick: the procedure does not converge below 4 in
    BeyondSearch, // every trial was too thin: the traffic needs more than the 30 in searched
    NotConverged, // the trials ran out elsewhere (the damage is not monotonic there)
};

// How the last design reached its thickness: what it worked on, every trial, and every value of
// each aircraft at the last trial (steps[i] belongs to basis.mix[i]). Empty before a design.
struct DesignTrace
{
    DesignBasis basis;
    std::vector<DesignTrial> trials;
    std::vector<AircraftStep> steps;
    DesignEnd end = DesignEnd::NotConverged;
    bool empty() const { return trials.empty(); }
    // The damage reached 1 within 0.001 at 4 in or more.
    bool converged() const { return end == DesignEnd::Converged; }
    float thickness() const { return trials.empty() ? 0 : trials.back().thickness; } // in
    bool operator==(const DesignTrace&) const = default;
};

struct DesignResult
{
    float thickness = 0; // design thickness, in
    float curlingStress = 0; // curling stress of the last trial, psi; the same for every aircraft
    std::array<AircraftResult, AircraftDatabase::kMaxRecords + 1> aircraft {}; // by record number
    DesignTrace trace;
    // The thickest slab above the design thickness (in) whose total damage exceeds 1.001, looked
    // for every 0.05 in up to 30 in: the damage does not always fall as the slab thickens, and
    // there the bisection's answer is not the safe one. None when the damage stays within it.
    std::optional<float> thickerFailing;
    bool operator==(const DesignResult&) const = default;
};

} // namespace korvant
