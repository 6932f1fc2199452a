// The nomogram lookups and the indicator's range search of all three classes on arbitrary
// doubles. Besides never crashing, every answer must be a finite number, a found pipe must span
// the pressure drop and carry the flow (and be the smallest spanning pipe that does), a velocity
// must lie on the class's scale, and the flow must lie between the neighbours the range names.
#include "FuzzInput.h"

#include "MarkerTravel.h"
#include "PipeRange.h"
#include "Unit2.h"
#include "Unit3.h"
#include "Unit4.h"

#include <cmath>
#include <string>

namespace {

struct TFuzzClass {
    const TPipeSizeArray& PipeSizes;
    bool (*GetNearestPipeAndVelocity)(double, double, std::string&, double&);
    double (*GetPressureForPipe)(const std::string&, double);
    double (*GetVelocityAtPoint)(double, double);
    double (*CalcYOnLogLine)(double, double, double, double, double);
    double FastestFtPerS; // the last velocity line of the class
};

constexpr double kSlowestFtPerS = 1.0;

const TFuzzClass& fuzzClass(unsigned index)
{
    static const TFuzzClass kClasses[] = {
        {Unit2::PipeSizes, Unit2::GetNearestPipeAndVelocity, Unit2::GetPressureForPipe, Unit2::GetVelocityAtPoint,
         Unit2::CalcYOnLogLine, 40.0},
        {Unit3::PipeSizes, Unit3::GetNearestPipeAndVelocity, Unit3::GetPressureForPipe, Unit3::GetVelocityAtPoint,
         Unit3::CalcYOnLogLine, 40.0},
        {Unit4::PipeSizes, Unit4::GetNearestPipeAndVelocity, Unit4::GetPressureForPipe, Unit4::GetVelocityAtPoint,
         Unit4::CalcYOnLogLine, 30.0},
    };
    return kClasses[index % 3];
}

// Raw bit patterns rarely land on the nomogram, so most values are drawn on a log scale that
// covers the frame (and a margin around it) instead; the low bit of the selector picks which.
double pressureFrom(TFuzzInput& in, std::uint8_t selector)
{
    return (selector & 1) ? in.rawDouble() : std::pow(10.0, -1.5 + 3.8 * in.unit());
}

double flowFrom(TFuzzInput& in, std::uint8_t selector)
{
    return (selector & 2) ? in.rawDouble() : std::pow(10.0, -0.5 + 4.8 * in.unit());
}

bool isPositive(double v) { return std::isfinite(v) && v > 0.0; }

bool onVelocityScale(const TFuzzClass& c, double v) { return kSlowestFtPerS <= v && v <= c.FastestFtPerS; }

double lineFlow(const TFuzzClass& c, const TPipeSize& line, double pressure)
{
    return c.CalcYOnLogLine(pressure, line.X1, line.Y1, line.X2, line.Y2);
}

bool spans(const TPipeSize& line, double pressure)
{
    return std::fmin(line.X1, line.X2) <= pressure && pressure <= std::fmax(line.X1, line.X2);
}

void checkNearestPipe(const TFuzzClass& c, double pressure, double flow)
{
    std::string name = "stale";
    double velocity = -1.0;
    const bool found = c.GetNearestPipeAndVelocity(pressure, flow, name, velocity);
    require(std::isfinite(velocity), "nearest-pipe velocity is finite");
    if (!found) {
        require(name.empty() && velocity == 0.0, "a refusal leaves no name and velocity 0");
        if (isPositive(pressure) && isPositive(flow))
            for (const TPipeSize& line : c.PipeSizes)
                require(!spans(line, pressure) || lineFlow(c, line, pressure) < flow,
                        "a refusal means no spanning pipe carries the flow");
        return;
    }
    require(isPositive(pressure) && isPositive(flow), "only a positive point finds a pipe");
    bool seen = false;
    for (const TPipeSize& line : c.PipeSizes) {
        if (line.Name == name) {
            require(spans(line, pressure), "the found pipe spans the pressure drop");
            require(lineFlow(c, line, pressure) >= flow, "the found pipe carries the flow");
            seen = true;
            break;
        }
        require(!spans(line, pressure) || lineFlow(c, line, pressure) < flow,
                "no smaller spanning pipe carries the flow");
    }
    require(seen, "the found pipe is in the class's table");
    require(onVelocityScale(c, velocity), "a found point's velocity is on the class's scale");
    require(c.GetVelocityAtPoint(pressure, flow) == velocity, "both lookups give the same velocity");
}

void checkVelocity(const TFuzzClass& c, double pressure, double flow)
{
    const double v = c.GetVelocityAtPoint(pressure, flow);
    require(v == 0.0 || onVelocityScale(c, v), "any velocity is 0 or on the class's scale");
}

void checkPressureForPipe(const TFuzzClass& c, TFuzzInput& in, double flow)
{
    const std::uint8_t pick = in.byte();
    const bool fromTable = pick < 240;
    const std::string name = fromTable ? c.PipeSizes[pick % c.PipeSizes.size()].Name : std::string(in.rest());
    const double pressure = c.GetPressureForPipe(name, flow);
    require(std::isfinite(pressure) && pressure >= 0.0, "a pipe's pressure drop is finite and not negative");
    if (!fromTable || pressure < 1e-250 || pressure > 1e250 || !(flow > 1e-250 && flow < 1e250))
        return;
    const TPipeSize& line = c.PipeSizes[pick % c.PipeSizes.size()];
    const double back = lineFlow(c, line, pressure);
    require(std::fabs(back - flow) <= 1e-9 * flow, "the pipe's pressure drop gives back its flow");
}

// The indicator's neighbour search extends every line, so it answers for any pressure drop:
// the larger neighbour is the first pipe that carries the flow, the smaller the one before it.
void checkPipeRange(const TFuzzClass& c, double pressure, double flow)
{
    TPipeRange range;
    range.LowName = "stale";
    if (!findPipeRange(c.PipeSizes, pressure, flow, range)) {
        require(range.LowName == "stale" && range.HighName.empty(), "a failed range search changes nothing");
        for (const TPipeSize& line : c.PipeSizes)
            require(!(flowAtPressure(line, pressure) >= flow), "a failed range search means no pipe carries the flow");
        return;
    }
    std::size_t high = 0;
    while (high < c.PipeSizes.size() && c.PipeSizes[high].Name != range.HighName)
        ++high;
    require(high < c.PipeSizes.size(), "the larger neighbour is in the table");
    require(std::isfinite(range.HighFlowGpm) && range.HighFlowGpm >= flow, "the larger neighbour carries the flow");
    require(std::isfinite(range.LowFlowGpm) && range.LowFlowGpm >= 0.0, "the smaller neighbour's flow is a number");
    for (std::size_t i = 0; i < high; ++i)
        require(!(flowAtPressure(c.PipeSizes[i], pressure) >= flow), "no smaller pipe carries the flow");
    if (high == 0)
        require(range.LowName == range.HighName && range.LowFlowGpm == 0.0, "the first pipe is its own neighbour");
    else
        require(range.LowName == c.PipeSizes[high - 1].Name, "the smaller neighbour is the pipe before");
    const double ratio = flowRatio(flow, range);
    require(std::isfinite(ratio), "the ratio is a number");
    require(0.0 <= ratio && ratio <= 1.0, "the flow lies between its neighbours");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    TFuzzInput in(data, size);
    const TFuzzClass& c = fuzzClass(in.byte());
    const std::uint8_t selector = in.byte();
    const double pressure = pressureFrom(in, selector);
    const double flow = flowFrom(in, selector);

    checkNearestPipe(c, pressure, flow);
    checkVelocity(c, pressure, flow);
    checkPipeRange(c, pressure, flow);

    // The marker rests on the bar (left 44, width 240, marker 12) whatever the ratio.
    const int left = markerTargetLeft(in.rawDouble(), 44, 240, 12);
    require(44 <= left && left <= 272, "the marker rests on the bar");

    // The line arithmetic itself on any five numbers.
    double args[5];
    for (double& a : args)
        a = in.rawDouble();
    const double y = c.CalcYOnLogLine(args[0], args[1], args[2], args[3], args[4]);
    require(std::isfinite(y) && y >= 0.0, "a line's flow is finite and not negative");

    checkPressureForPipe(c, in, flow);
    return 0;
}
