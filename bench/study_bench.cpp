// Speed of the studies: the reliability study of a 10-aircraft mix with 10,000 samples on one
// thread and on one thread for each core (wall-clock time), and the sensitivity study of a
// 65-aircraft mix.
#include <benchmark/benchmark.h>

#include "bench_session.h"
#include "design/reliability_study.h"
#include "design/sensitivity_study.h"

namespace korvant {
namespace {

void BM_ReliabilityStudy(benchmark::State& state)
{
    const DesignModel model = SessionWithMix(10);
    ReliabilitySettings settings;
    settings.samples = 10000;
    settings.threads = static_cast<int>(state.range(0));
    for (auto _ : state)
        benchmark::DoNotOptimize(RunReliabilityStudy(model, settings));
    state.SetLabel(std::to_string(StudyThreads(settings.threads, settings.samples)) + " threads");
}
BENCHMARK(BM_ReliabilityStudy)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_SensitivityStudy(benchmark::State& state)
{
    const DesignModel model = SessionWithMix(65);
    for (auto _ : state)
        benchmark::DoNotOptimize(RunSensitivityStudy(model, kDefaultSensitivityPercent));
}
BENCHMARK(BM_SensitivityStudy)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
} // namespace korvant
