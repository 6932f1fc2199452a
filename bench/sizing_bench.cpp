// The sizing core over a whole building: one evaluation of a schedule of 1,000 segments
// (target: at most 2 ms median), loads and lengths spread as a tall building's are.
#include "Sizing.h"

#include <benchmark/benchmark.h>

namespace {

Sizing::TSchedule tallBuilding(int segmentCount)
{
    Sizing::TSchedule schedule;
    schedule.roughnessClass = 2;
    schedule.sourcePsi = 120.0;
    schedule.meterAndDevicesPsi = 8.0;
    schedule.heightFt = 150.0;
    schedule.fixturePsi = 15.0;
    schedule.supply = Design::TSupply::FlushValve;
    for (int i = 0; i < segmentCount; ++i) {
        Sizing::TSegment segment;
        segment.name = "S" + std::to_string(i);
        segment.run = i % 4 == 0 ? Sizing::TRun::Main : Sizing::TRun::Branch;
        segment.fixtureUnits = 5.0 + (i * 37) % 2000;
        segment.lengthFt = 3.0 + (i % 11);
        segment.fittingsPercent = 30.0 + (i % 5) * 10.0;
        segment.onCriticalPath = i % 10 == 0;
        schedule.segments.push_back(segment);
    }
    return schedule;
}

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
