// The ACR's reference structure, the ratings of a gear, an aircraft and the whole catalogue.
#include "design/acr.h"

#include "design/acr_rigid.h"
#include "layered/kernel_table.h"

#include <numeric>

namespace korvant {
namespace {

constexpr double kSlabModulus = 4'000'000 * kMegapascalPerPsi; // 27,579 MPa
constexpr double kSlabPoisson = 0.15;
constexpr double kBaseThickness = 200; // mm
constexpr double kBaseModulus = 500;
constexpr double kBasePoisson = 0.35;
constexpr double kSubgradePoisson = 0.40;
constexpr double kFirstThickness = 300; // mm, the first guess of step 1 in category A

} // namespace

double SubgradeModulus(SubgradeCategory category)
{
    switch (category) {
    case SubgradeCategory::A:
        return 200;
    case SubgradeCategory::B:
        return 120;
    case SubgradeCategory::C:
        return 80;
    case SubgradeCategory::D:
        break;
    }
    return 50;
}

layered::Structure RigidReferenceStructure(
    double thickness, SubgradeCategory category, layered::Interface slabBase)
{
    return layered::Structure(
        {
            { kSlabModulus, kSlabPoisson, thickness },
            { kBaseModulus, kBasePoisson, kBaseThickness },
            { SubgradeModulus(category), kSubgradePoisson, 0 },
        },
        { slabBase, layered::Interface::bonded });
}

double SlabBottomStress(const AcrGear& gear, double thickness, SubgradeCategory category)
{
    return RigidAcrSearch(gear).slabBottomStress(thickness, category);
}

AcrResult ComputeAcr(const AcrGear& gear)
{
    AcrResult result;
    result.aircraft = gear.name;
    try {
        RigidAcrSearch search(gear);
        // Each category starts from the thickness of the last one rated, which lies close.
        double start = kFirstThickness;
        for (SubgradeCategory category : kSubgradeCategories) {
            const AcrCategoryResult rated = search.rate(category, start);
            result.categories[static_cast<std::size_t>(category)] = rated;
            if (rated.rating == AcrRating::rated)
                start = rated.thickness;
        }
    } catch (const AcrError&) {
        throw;
    } catch (const DomainError& error) {
        throw AcrError(gear.name + ": " + error.what());
    }
    return result;
}

AcrResult ComputeAcr(const AircraftRecord& record, UnitSystem units)
{
    return ComputeAcr(AcrGearOf(record, units));
}

AcrResult ComputeAcrAtWeight(const AircraftRecord& record, double grossWeight)
{
    return ComputeAcr(AcrGearOf(record, grossWeight));
}

std::vector<AcrResult> ComputeAircraftAcr(
    const std::vector<AcrRowInput>& rows, int threads, StudyProgress* progress)
{
    std::vector<AcrResult> results(rows.size());
    RunParallel(
        static_cast<int>(rows.size()), threads,
        [&](int i) {
            const AcrRowInput& row = rows[static_cast<std::size_t>(i)];
            AcrResult& result = results[static_cast<std::size_t>(i)];
            try {
                result = ComputeAcr(row.aircraft, row.units);
            } catch (const DomainError& error) {
                result = AcrResult {};
                result.aircraft = row.aircraft.name;
                result.error = error.what();
            }
            result.record = row.record;
        },
        progress);
    return results;
}

std::vector<AcrResult> ComputeRecordsAcr(const AircraftDatabase& database,
    const std::vector<int>& records, UnitSystem units, int threads)
{
    std::vector<AcrRowInput> rows;
    rows.reserve(records.size());
    for (const int number : records)
        rows.push_back({ number, database.record(number), units });
    return ComputeAircraftAcr(rows, threads);
}

std::vector<AcrResult> ComputeCatalogueAcr(const AircraftDatabase& database, int threads)
{
    std::vector<int> records(static_cast<std::size_t>(database.recordCount));
    std::iota(records.begin(), records.end(), 1);
    return ComputeRecordsAcr(database, records, UnitSystem::English, threads);
}

} // namespace korvant
