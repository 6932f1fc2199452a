// One segment sized at the schedule's uniform friction rate, raised for velocity where needed.
#include "Sizing.h"

#include "NomogramLookup.h"
#include "ScheduleParts.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

namespace Sizing {
namespace {

bool isPositive(double v) { return std::isfinite(v) && v > 0.0; }

} // namespace

namespace Parts {

bool sizeSegmentNoting(int roughnessClass, double allowablePsiPer100ft, double flowGpm, double velocityLimitFtPerS,
                       TSegmentSize& size, TSizeProblem& problem, TSegmentSize* tooFast)
{
    const Nomogram::TClassTables* tables = Nomogram::tablesForClass(roughnessClass);
    problem = TSizeProblem::OffChart;
    if (tables == nullptr || !isPositive(allowablePsiPer100ft) || !isPositive(flowGpm)
        || !isPositive(velocityLimitFtPerS))
        return false;
    const double readingPsiPer100ft = std::min(allowablePsiPer100ft, kChartMostPsiPer100ft);
    // The starting pipe is the calculator's answer at this reading; its velocity there is not
    // needed, only each candidate's on its own line.
    std::size_t start = 0;
    if (!Nomogram::getNearestPipe(*tables, readingPsiPer100ft, flowGpm, start))
        return false;
    const auto& pipes = tables->PipeSizes;
    // The velocity is read where the pipe's own line carries the flow, as the calculator reads its
    // neighbours, not at the schedule's rate: a larger pipe carries the flow at a smaller loss.
    double lastLossPsiPer100ft = 0.0;
    double lastVelocityFtPerS = 0.0;
    for (std::size_t i = start; i < pipes.size(); ++i) {
        const double lossPsiPer100ft = Nomogram::getPressureForPipe(*tables, pipes[i].Name, flowGpm);
        const double velocityFtPerS = Nomogram::getVelocityAtPoint(*tables, lossPsiPer100ft, flowGpm);
        if (velocityFtPerS <= velocityLimitFtPerS) {
            size.pipe = pipes[i].Name;
            size.velocityFtPerS = velocityFtPerS;
            size.lossPsiPer100ft = lossPsiPer100ft;
            size.raisedForVelocity = i != start;
            // The size below a raised pipe is the last candidate that ran too fast, already read
            // on its own line: the same figures nextSmallerSize would read again.
            if (tooFast != nullptr && size.raisedForVelocity) {
                tooFast->pipe = pipes[i - 1].Name;
                tooFast->velocityFtPerS = lastVelocityFtPerS;
                tooFast->lossPsiPer100ft = lastLossPsiPer100ft;
                tooFast->raisedForVelocity = false;
                tooFast->outsideMm = 0.0;
            }
            problem = TSizeProblem::None;
            return true;
        }
        lastLossPsiPer100ft = lossPsiPer100ft;
        lastVelocityFtPerS = velocityFtPerS;
    }
    problem = TSizeProblem::TooFast;
    return false;
}

} // namespace Parts

bool sizeSegment(int roughnessClass, double allowablePsiPer100ft, double flowGpm, double velocityLimitFtPerS,
                 TSegmentSize& size, TSizeProblem& problem)
{
    return Parts::sizeSegmentNoting(roughnessClass, allowablePsiPer100ft, flowGpm, velocityLimitFtPerS, size, problem,
                                    nullptr);
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
            TSegmentSize smaller;
            smaller.pipe = pipes[i - 1].Name;
            smaller.lossPsiPer100ft = Nomogram::getPressureForPipe(*tables, smaller.pipe, flowGpm);
            smaller.velocityFtPerS = Nomogram::getVelocityAtPoint(*tables, smaller.lossPsiPer100ft, flowGpm);
            size = std::move(smaller);
            return true;
        }
    return false;
}

} // namespace Sizing
