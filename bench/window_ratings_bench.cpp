// Speed of what the window's thread does for the ratings: the ACR view's rows of the whole
// catalogue from the ratings kept (each refresh), and the pages after the report of a mix whose
// ratings the view keeps (each PDF or print).
#include <benchmark/benchmark.h>

#include "bench_session.h"
#include "design/window_model.h"

namespace korvant {
namespace {

class QuietPrompter : public Prompter
{
public:
    Answer ask(const Message&) override { return Answer::Ok; }
};

// The window over a session with a mix of `aircraft`, the catalogue rated as the view rates it.
WindowModel RatedWindow(int aircraft)
{
    WindowModel window(SessionWithMix(aircraft));
    if (const std::unique_ptr<AcrRun> run = window.startAcr()) {
        QuietPrompter prompter;
        window.finishAcr(*run, prompter);
    }
    return window;
}

void BM_AcrViewRows(benchmark::State& state)
{
    const WindowModel window = RatedWindow(1);
    for (auto _ : state)
        benchmark::DoNotOptimize(window.acrView().rows(window.design()));
    state.SetLabel(std::to_string(window.design().database.recordCount) + " rows");
}
BENCHMARK(BM_AcrViewRows)->Unit(benchmark::kMicrosecond);

// Argument: aircraft in the mix.
void BM_RatingsReportLines(benchmark::State& state)
{
    const WindowModel window = RatedWindow(static_cast<int>(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(window.ratingsReportLines());
}
BENCHMARK(BM_RatingsReportLines)->Arg(10)->Arg(65)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace korvant
