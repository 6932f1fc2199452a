// Cost of one nearest-pipe lookup over a dense grid of (pressure drop, flow) points.
#include "Unit2.h"
#include "Unit3.h"
#include "Unit4.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <string>
#include <utility>
#include <vector>

namespace {

// 64 x 64 points spread evenly on the log-log frame, 0.1 to 100 psi/100 ft and 1 to 10000 gpm.
std::vector<std::pair<double, double>> gridPoints()
{
    std::vector<std::pair<double, double>> points;
    constexpr int kSteps = 64;
    for (int i = 0; i < kSteps; ++i)
        for (int j = 0; j < kSteps; ++j)
            points.emplace_back(std::pow(10.0, -1.0 + 3.0 * i / (kSteps - 1)), std::pow(10.0, 4.0 * j / (kSteps - 1)));
    return points;
}

template <bool (*Lookup)(double, double, std::string&, double&)> void nearestPipe(benchmark::State& state)
{
    const auto points = gridPoints();
    std::string name;
    double velocity = 0.0;
    std::size_t i = 0;
    for (auto _ : state) {
        const auto& [pressure, flow] = points[i];
        benchmark::DoNotOptimize(Lookup(pressure, flow, name, velocity));
        benchmark::DoNotOptimize(velocity);
        i = (i + 1) % points.size();
    }
}

} // namespace

BENCHMARK(nearestPipe<Unit2::GetNearestPipeAndVelocity>)
    ->Name("GetNearestPipeAndVelocity/class1")
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);
BENCHMARK(nearestPipe<Unit3::GetNearestPipeAndVelocity>)
    ->Name("GetNearestPipeAndVelocity/class2")
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);
BENCHMARK(nearestPipe<Unit4::GetNearestPipeAndVelocity>)
    ->Name("GetNearestPipeAndVelocity/class3")
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

BENCHMARK_MAIN();
