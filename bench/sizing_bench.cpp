// The sizing core over a whole building, loads and lengths spread as a tall building's are: one
// evaluation of a schedule of 1,000 segments (target: at most 2 ms median), of a riser tree of
// 1,000 segments (at most 2 ms), of one of 10,000 segments 1,000 deep (at most 20 ms), of the
// same tree fed by a booster set (at most 20 ms), and of the 1,000-segment schedule in PP-R PN20
// (at most 5 ms).
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

// Arguments: segments, then the riser's depth.
void evaluateTree(benchmark::State& state)
{
    const Sizing::TSchedule schedule = tallTree(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    Sizing::TScheduleResult result;
    if (!Sizing::evaluateSchedule(schedule, result) || result.unsizedOnPath != 0) {
        state.SkipWithError("the tall tree was refused or left unsized");
        return;
    }
    for (auto _ : state) {
        const bool ok = Sizing::evaluateSchedule(schedule, result);
        benchmark::DoNotOptimize(ok);
        benchmark::DoNotOptimize(result.residualPsi);
    }
}
BENCHMARK(evaluateTree)
    ->Args({1000, 100})
    ->Args({10000, 1000})
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

// The same tree fed by a booster set: sized at the set's design rate, the critical outlet found
// after sizing, then the duty, the tanks and the valves.
void evaluateBoosterTree(benchmark::State& state)
{
    Sizing::TSchedule schedule = tallTree(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    schedule.source = Sizing::TSource::Booster;
    schedule.booster.designPsiPer100ft = 4.0;
    schedule.booster.occupants = 2000.0;
    Sizing::TScheduleResult result;
    if (!Sizing::evaluateSchedule(schedule, result) || !result.booster.complete) {
        state.SkipWithError("the booster tree was refused or left unsized");
        return;
    }
    for (auto _ : state) {
        const bool ok = Sizing::evaluateSchedule(schedule, result);
        benchmark::DoNotOptimize(ok);
        benchmark::DoNotOptimize(result.booster.headPsi);
    }
}
BENCHMARK(evaluateBoosterTree)
    ->Args({10000, 1000})
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

// Every size tried in a computed material is a Colebrook-White solution, where the nomogram reads
// a table.
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
