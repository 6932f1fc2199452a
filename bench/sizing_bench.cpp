// The sizing core over a whole building: one evaluation of a schedule of 1,000 segments
// (target: at most 2 ms median on the nomogram), loads and lengths spread as a tall building's are.
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

// The same building in PP-R PN20 (target: at most 5 ms median): every size tried is a
// Colebrook-White solution, where the nomogram reads a table.
void evaluatePprSchedule(benchmark::State& state)
{
    Sizing::TSchedule schedule = tallBuilding(static_cast<int>(state.range(0)));
    schedule.material = "ppr-pn20";
    Sizing::TScheduleResult result;
    for (auto _ : state) {
        const bool ok = Sizing::evaluateSchedule(schedule, result);
        benchmark::DoNotOptimize(ok);
        benchmark::DoNotOptimize(result.residualPsi);
    }
}
BENCHMARK(evaluatePprSchedule)->Arg(1000)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);

} // namespace

BENCHMARK_MAIN();
