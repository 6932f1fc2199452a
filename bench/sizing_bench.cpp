// The sizing core over a whole building: one evaluation of a schedule of 1,000 segments
// (target: at most 2 ms median), loads and lengths spread as a tall building's are.
#include "Sizing.h"
#include "TallBuilding.h"

#include <benchmark/benchmark.h>

namespace {

void evaluateSchedule(benchmark::State& state)
{
    const Sizing::TSchedule schedule = tallBuilding(static_cast<int>(state.range(0)));
    Sizing::TScheduleResult result;
    for (auto _ : state) {
        const bool ok = Sizing::evaluateSchedule(schedule, result);
        benchmark::DoNotOptimize(ok);
        benchmark::DoNotOptimize(result.residualPsi);
    }
}
BENCHMARK(evaluateSchedule)
    ->Arg(200)
    ->Arg(1000)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

} // namespace

BENCHMARK_MAIN();
