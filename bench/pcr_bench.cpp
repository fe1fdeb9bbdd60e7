// The PCR of a designed slab: the ACR of every aircraft of the mix, the rounds and the weight
// searches, on one core.
#include <benchmark/benchmark.h>

#include "bench_session.h"
#include "design/pcr.h"
#include "design/thickness_design.h"

namespace korvant {
namespace {

void BM_PcrOfAMix(benchmark::State& state)
{
    DesignModel model = SessionWithMix(static_cast<int>(state.range(0)));
    RunDesign(model);
    const DesignTrace& trace = model.result.trace;
    for (auto _ : state)
        benchmark::DoNotOptimize(ComputePcr(trace.basis, trace.thickness(), model.units));
}
BENCHMARK(BM_PcrOfAMix)->Arg(1)->Arg(10)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace korvant
