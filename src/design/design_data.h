// The data that carry one design: the inputs in English units, and the thickness with the
// per-aircraft results that the report prints. Units: in, lb, psi, pci, deg F, mph.
#pragma once

#include <array>

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

struct DesignResult
{
    float thickness = 0; // design thickness, in
    float curlingStress = 0; // curling stress of the last trial, psi; the same for every aircraft
    std::array<AircraftResult, AircraftDatabase::kMaxRecords + 1> aircraft {}; // by record number
    bool operator==(const DesignResult&) const = default;
};

} // namespace korvant
