// Speed of a whole thickness design for traffic mixes of 1, 10 and 65 aircraft of the bundled
// catalogue (the design records its trace as it goes) and of its bisection alone, and of what
// explains a design: the damage curve of the charts, the evaluation of a given slab and the
// trace's CSV and JSON texts.
#include <benchmark/benchmark.h>

#include "bench_session.h"
#include "design/aircraft_step.h"
#include "design/damage_chart.h"
#include "design/design_json.h"
#include "design/design_trace.h"
#include "design/report.h"
#include "design/slab_evaluation.h"
#include "design/thickness_design.h"

namespace korvant {
namespace {

void BM_RunDesign(benchmark::State& state)
{
    DesignModel model = SessionWithMix(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        RunDesign(model);
        benchmark::DoNotOptimize(model.result.thickness);
    }
    state.SetLabel(model.lbh + " in");
}
BENCHMARK(BM_RunDesign)->Arg(1)->Arg(10)->Arg(65)->Unit(benchmark::kMicrosecond);

// The bisection alone, without the scan for a thicker failing slab that RunDesign adds (up to
// 520 mix damages from the design thickness to 30 in): the difference from BM_RunDesign is the
// scan's share.
void BM_BisectThickness(benchmark::State& state)
{
    const DesignModel model = SessionWithMix(static_cast<int>(state.range(0)));
    const DesignBasis basis = ReadDesignBasis(model);
    for (auto _ : state)
        benchmark::DoNotOptimize(BisectThickness(basis, model.units).thickness());
}
BENCHMARK(BM_BisectThickness)->Arg(1)->Arg(10)->Arg(65)->Unit(benchmark::kMicrosecond);

void BM_ReportText(benchmark::State& state)
{
    DesignModel model = SessionWithMix(10);
    RunDesign(model);
    for (auto _ : state)
        benchmark::DoNotOptimize(ReportText(model));
}
BENCHMARK(BM_ReportText)->Unit(benchmark::kMicrosecond);

void BM_DamageCurve(benchmark::State& state)
{
    DesignModel model = SessionWithMix(static_cast<int>(state.range(0)));
    RunDesign(model);
    for (auto _ : state)
        benchmark::DoNotOptimize(DamageCurveOf(model.result.trace, model.units));
}
BENCHMARK(BM_DamageCurve)->Arg(10)->Arg(65)->Unit(benchmark::kMicrosecond);

void BM_EvaluateSlab(benchmark::State& state)
{
    DesignModel model = SessionWithMix(65);
    RunDesign(model);
    for (auto _ : state)
        benchmark::DoNotOptimize(EvaluateSlab(model.result.trace.basis, 18, model.units));
}
BENCHMARK(BM_EvaluateSlab)->Unit(benchmark::kMicrosecond);

void BM_TraceTexts(benchmark::State& state)
{
    DesignModel model = SessionWithMix(65);
    RunDesign(model);
    for (auto _ : state) {
        benchmark::DoNotOptimize(TraceCsv(model.result.trace));
        benchmark::DoNotOptimize(TraceJson(model, nullptr, {}));
    }
}
BENCHMARK(BM_TraceTexts)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace korvant

BENCHMARK_MAIN();
