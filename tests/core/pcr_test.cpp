// The PCR by cumulative damage: the subgrade category from k at its boundaries, a one-aircraft
// mix designed to a damage of 1 rated at its own ACR, the PCR moving with the traffic and the
// slab, and every case that gives no PCR.
#include "design/pcr.h"

#include <gtest/gtest.h>

#include <cmath>

#include "design/aircraft_step.h"
#include "design/thickness_design.h"
#include "design/unit_switch.h"
#include "design_fixture.h"

namespace korvant {
namespace {

using testing::TestSession;

PcrResult PcrOf(DesignModel model, float thickness = 0)
{
    RunDesign(model);
    const DesignTrace& trace = model.result.trace;
    return ComputePcr(trace.basis, thickness > 0 ? thickness : trace.thickness(), model.units);
}

std::string Refusal(const DesignModel& model, float thickness)
{
    try {
        ComputePcr(ReadDesignBasis(model), thickness, model.units);
    } catch (const PcrRefused& refused) {
        return refused.what();
    }
    return "";
}

TEST(Pcr, SubgradeCategoryFromK)
{
    // E = 20.15 k^1.284 psi at 150, 100 and 60 MPa.
    const auto boundary
        = [](double megapascals) { return std::pow(megapascals * 145.0377 / 20.15, 1 / 1.284); };
    EXPECT_NEAR(boundary(150), 230.3, 0.05);
    EXPECT_NEAR(boundary(100), 168.0, 0.05);
    EXPECT_NEAR(boundary(60), 112.8, 0.05);
    const struct
    {
        double k;
        SubgradeCategory category;
    } rows[] = {
        { boundary(150) * (1 + 1e-9), SubgradeCategory::A },
        { boundary(150) * (1 - 1e-9), SubgradeCategory::B },
        { 200, SubgradeCategory::B },
        { boundary(100) * (1 + 1e-9), SubgradeCategory::B },
        { boundary(100) * (1 - 1e-9), SubgradeCategory::C },
        { boundary(60) * (1 + 1e-9), SubgradeCategory::C },
        { boundary(60) * (1 - 1e-9), SubgradeCategory::D },
        { 25, SubgradeCategory::D },
    };
    for (const auto& row : rows)
        EXPECT_EQ(SubgradeCategoryOfK(row.k), row.category) << row.k;

    // In Metric, k in kPa/mm is converted as the design converts it.
    DesignModel metric = TestSession({ 2 });
    SwitchToMetric(metric);
    EXPECT_EQ(PcrOf(metric).category, SubgradeCategory::B);
}

TEST(Pcr, OneAircraftDesignedToADamageOfOneRatesAtItsOwnAcr)
{
    const DesignModel model = TestSession({ 2 });
    const PcrResult result = PcrOf(model);
    ASSERT_EQ(result.rounds.size(), 1u);
    const double acr = *result.aircraft[0].acr;
    EXPECT_NEAR(result.largestRound, acr, 0.5);
    EXPECT_EQ(result.pcr, static_cast<int>(std::floor(acr + 0.5)));
    EXPECT_EQ(PcrCode(result), "PCR " + std::to_string(result.pcr) + "/R/B/W/T");
    EXPECT_FALSE(result.aircraft[0].exceeds);
}

TEST(Pcr, MoreTrafficLowersItAndAThickerSlabRaisesIt)
{
    const DesignModel model = TestSession({ 2, 4, 5 });
    const PcrResult base = PcrOf(model);
    ASSERT_FALSE(base.rounds.empty());

    DesignModel doubled = model;
    for (int record : { 2, 4, 5 }) {
        std::string& departures = doubled.database.record(record).annualDepartures;
        departures = std::to_string(2 * std::stoi(departures));
    }
    RunDesign(doubled);
    const PcrResult busier = ComputePcr(doubled.result.trace.basis, base.thickness, doubled.units);
    EXPECT_LT(busier.largestRound, base.largestRound);

    const PcrResult thicker = PcrOf(model, base.thickness + 2);
    EXPECT_GT(thicker.largestRound, base.largestRound);

    // Every round's critical aircraft reaches a damage of 1 alone at its allowable weight; the
    // rounds end with the aircraft of the largest ACR.
    const std::size_t last = base.rounds.back().aircraft;
    for (const PcrAircraft& aircraft : base.aircraft)
        EXPECT_LE(aircraft.acr.value_or(0), *base.aircraft[last].acr);
    for (const PcrAircraft& aircraft : base.aircraft)
        EXPECT_EQ(aircraft.exceeds, std::floor(*aircraft.acr + 0.5) > base.pcr);
}

// An aircraft of the mix, read in Metric, is rated as the ACR rates its catalogue record; where the
// method gives no rating (a Cessna 172 on subgrade A) there is no ACR.
TEST(Pcr, RigidAcrOfAnAircraftOfTheMixIsItsRecordsAcr)
{
    DesignModel metric = TestSession({ 2 });
    SwitchToMetric(metric);
    const MixAircraft boeing = ReadDesignBasis(metric).mix[0];
    const AcrResult record = ComputeAcr(metric.database.record(2), UnitSystem::Metric);
    for (SubgradeCategory c : { SubgradeCategory::A, SubgradeCategory::D })
        EXPECT_EQ(RigidAcrAtWeight(boeing, boeing.grossWeight, c), record[c].acr);

    MixAircraft cessna;
    cessna.label = "Cessna 172";
    cessna.gearLoadPercent = 47.5;
    cessna.tirePressure = 50;
    cessna.wheelCount = 1;
    EXPECT_EQ(RigidAcrAtWeight(cessna, 2558, SubgradeCategory::A), std::nullopt);
}

TEST(Pcr, CasesWithoutAPcr)
{
    EXPECT_EQ(Refusal(TestSession(), 16).rfind("The traffic mix is empty", 0), 0u);

    DesignModel idle = TestSession({ 2, 4 });
    idle.database.record(2).annualDepartures = "0";
    idle.database.record(4).annualDepartures = "0";
    EXPECT_EQ(Refusal(idle, 16).rfind("No aircraft of the mix has departures", 0), 0u);

    // A slab far too thin, or far too thick, for the traffic: the allowable weight lies beyond a
    // tenth or ten times the catalogue weight.
    const DesignModel heavy = TestSession({ 4 });
    EXPECT_NE(Refusal(heavy, 3).find("below a tenth of its catalogue weight"), std::string::npos);
    EXPECT_NE(Refusal(heavy, 60).find("below ten times its catalogue weight"), std::string::npos);

    DesignModel odd = TestSession({ 2, 4 });
    odd.database.record(2).wheelCount = "3";
    EXPECT_EQ(
        Refusal(odd, 16).rfind("The ACR of an aircraft of the mix is refused: B737-800", 0), 0u)
        << Refusal(odd, 16);

    // A model outside its domain at the slab.
    DesignBasis basis = ReadDesignBasis(TestSession({ 2 }));
    basis.inputs.E = 0;
    EXPECT_THROW(ComputePcr(basis, 16, UnitSystem::English), PcrRefused);
}

} // namespace
} // namespace korvant
