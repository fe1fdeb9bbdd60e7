// Speed of the rigid ACR: the four subgrade categories of one dual tandem aircraft on one core,
// the whole bundled catalogue on one and on all cores, and the engine's two inner pieces, a
// Bessel pair and the layer solution at one Hankel parameter.
#include <benchmark/benchmark.h>

#include "design/acr.h"
#include "layered/bessel.h"
#include "layered/layer_solution.h"

namespace korvant {
namespace {

void BM_AcrDualTandem(benchmark::State& state)
{
    AircraftRecord record;
    record.name = "Generic dual tandem";
    record.grossWeight = "400000";
    record.gearLoadPercent = "47.5";
    record.tirePressure = "200";
    record.wheelCount = "4";
    record.dualSpacing = "30";
    record.tandemSpacing = "55";
    for (auto _ : state)
        benchmark::DoNotOptimize(ComputeAcr(record));
}
BENCHMARK(BM_AcrDualTandem)->Unit(benchmark::kMillisecond);

// Argument: threads (0: one per core).
void BM_AcrCatalogue(benchmark::State& state)
{
    AircraftDatabase db;
    ReadAircraftData(KORVANT_CATALOGUE, db);
    for (auto _ : state)
        benchmark::DoNotOptimize(ComputeCatalogueAcr(db, static_cast<int>(state.range(0))));
    state.SetLabel(std::to_string(db.recordCount) + " aircraft");
}
BENCHMARK(BM_AcrCatalogue)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_BesselJ01(benchmark::State& state)
{
    double x = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(layered::BesselJ01(x));
        x = x < 300 ? x + 0.37 : 0;
    }
}
BENCHMARK(BM_BesselJ01);

void BM_LayerSolve(benchmark::State& state)
{
    layered::LayerSolver solver(RigidReferenceStructure(400, SubgradeCategory::C));
    double m = 1e-4;
    for (auto _ : state) {
        solver.solve(m);
        benchmark::DoNotOptimize(solver.kernelAt(0, 400));
        m = m < 0.1 ? m * 1.01 : 1e-4;
    }
}
BENCHMARK(BM_LayerSolve);

} // namespace
} // namespace korvant
