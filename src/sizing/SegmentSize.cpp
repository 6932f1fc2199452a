// One segment sized at the schedule's uniform friction rate, raised for velocity where needed.
#include "Sizing.h"

#include "NomogramLookup.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

namespace Sizing {
namespace {

bool isPositive(double v) { return std::isfinite(v) && v > 0.0; }

// The velocity is read where the pipe's own line carries the flow, as the calculator reads its
// neighbours, not at the schedule's rate: a larger pipe carries the flow at a smaller loss.
TSegmentSize onOwnLine(const Nomogram::TClassTables& tables, std::size_t pipe, double flowGpm)
{
    TSegmentSize size;
    size.pipe = tables.PipeSizes[pipe].Name;
    size.lossPsiPer100ft = Nomogram::getPressureForPipe(tables, size.pipe, flowGpm);
    size.velocityFtPerS = Nomogram::getVelocityAtPoint(tables, size.lossPsiPer100ft, flowGpm);
    return size;
}

// The starting pipe is the calculator's answer at the reading; its velocity there is not
// needed, only each candidate's on its own line.
const Nomogram::TClassTables* startingPipe(int roughnessClass, double allowablePsiPer100ft, double flowGpm,
                                           std::size_t& start)
{
    const Nomogram::TClassTables* tables = Nomogram::tablesForClass(roughnessClass);
    if (tables == nullptr || !isPositive(allowablePsiPer100ft) || !isPositive(flowGpm))
        return nullptr;
    const double readingPsiPer100ft = std::min(allowablePsiPer100ft, kChartMostPsiPer100ft);
    return Nomogram::getNearestPipe(*tables, readingPsiPer100ft, flowGpm, start) ? tables : nullptr;
}

} // namespace

bool sizeSegment(int roughnessClass, double allowablePsiPer100ft, double flowGpm, double velocityLimitFtPerS,
                 TSegmentSize& size, TSizeProblem& problem)
{
    problem = TSizeProblem::OffChart;
    std::size_t start = 0;
    const Nomogram::TClassTables* tables = isPositive(velocityLimitFtPerS)
        ? startingPipe(roughnessClass, allowablePsiPer100ft, flowGpm, start)
        : nullptr;
    if (tables == nullptr)
        return false;
    for (std::size_t i = start; i < tables->PipeSizes.size(); ++i) {
        TSegmentSize candidate = onOwnLine(*tables, i, flowGpm);
        if (candidate.velocityFtPerS <= velocityLimitFtPerS) {
            candidate.raisedForVelocity = i != start;
            size = std::move(candidate);
            problem = TSizeProblem::None;
            return true;
        }
    }
    problem = TSizeProblem::TooFast;
    return false;
}

bool sizeSegment(int roughnessClass, double allowablePsiPer100ft, double flowGpm, double velocityLimitFtPerS,
                 TSegmentSize& size)
{
    TSizeProblem problem = TSizeProblem::None;
    return sizeSegment(roughnessClass, allowablePsiPer100ft, flowGpm, velocityLimitFtPerS, size, problem);
}

bool nextSmallerSize(int roughnessClass, const std::string& pipe, double flowGpm, TSegmentSize& size)
{
    const Nomogram::TClassTables* tables = Nomogram::tablesForClass(roughnessClass);
    if (tables == nullptr || !isPositive(flowGpm))
        return false;
    const auto& pipes = tables->PipeSizes;
    for (std::size_t i = 1; i < pipes.size(); ++i)
        if (pipes[i].Name == pipe) {
            size = onOwnLine(*tables, i - 1, flowGpm);
            return true;
        }
    return false;
}

} // namespace Sizing
