// The ICAO Aircraft Classification Rating (ACR) of aircraft on rigid pavements (ICAO Doc 9157
// Aerodrome Design Manual Part 3, 2022; Annex 14; FAA AC 150/5335-5D), computed from the gear data
// of the catalogue. These are the ratings of the catalogue's gear data (gross weight, load on the
// main gear, tire pressure, wheel count and spacings), not the manufacturers' published ACRs, which
// may rest on other data.
//
// The method: a reference structure of infinite elastic layers (no edges, joints, wander or
// curling): a concrete slab (E = 4,000,000 psi = 27,579 MPa, Poisson 0.15), unbonded (frictionless)
// on a 200 mm base (E = 500 MPa, Poisson 0.35), bonded to a subgrade of infinite depth (Poisson
// 0.40) of category A (E = 200 MPa), B (120), C (80) or D (50). For each category:
//   1. the slab thickness at which the largest horizontal principal stress at the bottom of the
//      slab under one main gear equals 2.75 MPa. The largest is taken over the wheel centres and
//      the midpoints between the two wheels of each axle;
//   2. at that thickness, the derived single wheel load (DSWL): the load of one wheel at a tire
//      pressure of 1.50 MPa whose stress under its centre is also 2.75 MPa;
//   ACR = 2 DSWL / 100, the DSWL in kilograms (g = 9.80665 m/s^2).
// Both searches stop within 1e-10 of the stress (relative); the layered engine's integrals are
// accurate to better than 1e-8 at these points. The points are exactly the wheel centres and the
// axle midpoints: the true largest stress lies a little off a wheel centre, towards the middle of
// the gear (some 0.3 to 0.6 % higher for the published example, which the centres reproduce to
// 0.05 %), so no finer search is made.
#pragma once

#include "basics/unit_system.h"
#include "design/acr_gear.h"
#include "design/study_runner.h"
#include "layered/structure.h"
#include "traffic/aircraft_database.h"

#include <array>
#include <string>
#include <vector>

namespace korvant {

enum class SubgradeCategory { A, B, C, D }; // high, medium, low, ultra low strength

inline constexpr std::array<SubgradeCategory, 4> kSubgradeCategories
    = { SubgradeCategory::A, SubgradeCategory::B, SubgradeCategory::C, SubgradeCategory::D };

// The subgrade modulus of a category: 200, 120, 80 or 50 MPa.
double SubgradeModulus(SubgradeCategory category);

// The reference structure for a slab of `thickness` (mm) on the category's subgrade; the slab
// and base unbonded unless `slabBase` says otherwise.
layered::Structure RigidReferenceStructure(double thickness, SubgradeCategory category,
    layered::Interface slabBase = layered::Interface::frictionless);

// How a category of an aircraft came out.
enum class AcrRating {
    rated,
    // The slab-bottom stress stays below the reference stress at every slab thickness, so the
    // method finds no slab at which to rate the gear: no ACR, but the peak stress is known.
    belowReference,
    // The gear or a value of the aircraft could not be rated; AcrResult::error says why.
    refused,
};

struct AcrCategoryResult
{
    AcrRating rating = AcrRating::refused;
    double acr = 0; // the rating, 2 DSWL / 100 with the DSWL in kg
    double thickness = 0; // mm: the slab at which the gear gives 2.75 MPa
    double dswl = 0; // kg: the derived single wheel load
    // Below the reference stress: the largest slab-bottom stress over every thickness (MPa) and
    // the slab where it occurs (mm).
    double peakStress = 0;
    double peakThickness = 0;
};

struct AcrResult
{
    int record = 0; // the catalogue record, 0 for a gear rated on its own
    std::string aircraft;
    std::array<AcrCategoryResult, 4> categories {}; // A, B, C, D
    std::string error; // for a catalogue row the ACR could not rate: why; empty otherwise

    const AcrCategoryResult& operator[](SubgradeCategory c) const
    {
        return categories[static_cast<std::size_t>(c)];
    }
};

// The largest horizontal principal stress (MPa, tension positive) at the bottom of a slab of
// `thickness` (mm) of the reference structure under the gear, over the gear's points.
double SlabBottomStress(const AcrGear& gear, double thickness, SubgradeCategory category);

// The ACR of a gear in every category. A category in which the slab-bottom stress peaks below
// 2.75 MPa whatever the thickness (the stress vanishes with the slab, peaks at some 15 to 30 mm
// and falls beyond; a light aircraft's peak may reach 2.75 MPa on the softest subgrades only)
// is belowReference, with its peak. Throws AcrError naming the aircraft when a search fails.
AcrResult ComputeAcr(const AcrGear& gear);

// The ACR of a catalogue aircraft whose texts are in `units`, at its gross weight; or at
// `grossWeight` (lb) with the other texts in English units. Throws AcrError for a gear or value
// the ACR cannot rate.
AcrResult ComputeAcr(const AircraftRecord& record, UnitSystem units = UnitSystem::English);
AcrResult ComputeAcrAtWeight(const AircraftRecord& record, double grossWeight);

// An aircraft as its row rates it: the catalogue record (with a what-if weight put in, in the
// ACR view), its texts in `units`.
struct AcrRowInput
{
    int record = 0;
    AircraftRecord aircraft;
    UnitSystem units = UnitSystem::English;
    bool operator==(const AcrRowInput&) const = default;
};

// The ACRs of rows on `threads` threads (0: one per core), in the order given, each result with
// its row's `record`. An aircraft that cannot be rated keeps the reason in its `error` and every
// category refused. With `progress`, each aircraft rated is counted, and once it is cancelled no
// more are rated: the run returns what it has, the rest left empty.
std::vector<AcrResult> ComputeAircraftAcr(
    const std::vector<AcrRowInput>& rows, int threads = 0, StudyProgress* progress = nullptr);

// The ACRs of `records` of a catalogue whose texts are in `units`, as above.
std::vector<AcrResult> ComputeRecordsAcr(const AircraftDatabase& database,
    const std::vector<int>& records, UnitSystem units, int threads = 0);
// The ACRs of records 1..recordCount of a catalogue in English units.
std::vector<AcrResult> ComputeCatalogueAcr(const AircraftDatabase& database, int threads = 0);

} // namespace korvant
