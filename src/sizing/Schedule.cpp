// A whole schedule: the budget spread over the critical path, every segment sized at that rate,
// and the losses added up along the path.
#include "Sizing.h"

#include "PressureBudget.h"

#include <cmath>

namespace Sizing {
namespace {

bool isFinite(double v) { return std::isfinite(v); }

bool budgetIsSound(const TSchedule& s)
{
    return isFinite(s.sourcePsi) && isFinite(s.meterAndDevicesPsi) && isFinite(s.heightFt) && isFinite(s.fixturePsi)
        && s.sourcePsi >= 0.0 && s.meterAndDevicesPsi >= 0.0 && s.fixturePsi >= 0.0;
}

bool limitIsSound(double limitFtPerS) { return isFinite(limitFtPerS) && limitFtPerS > 0.0; }

bool segmentIsSound(const TSegment& g)
{
    return isFinite(g.fixtureUnits) && isFinite(g.flowGpm) && isFinite(g.lengthFt) && isFinite(g.fittingsPercent)
        && g.lengthFt > 0.0 && g.fittingsPercent >= 0.0 && g.flowGpm >= 0.0;
}

double availableFor(const TSchedule& s)
{
    return s.sourcePsi - s.meterAndDevicesPsi - Design::kPsiPerFtOfWater * s.heightFt - s.fixturePsi;
}

double pathLengthFt(const TSchedule& s)
{
    double lengthFt = 0.0;
    for (const TSegment& segment : s.segments)
        if (segment.onCriticalPath)
            lengthFt += equivalentLengthFt(segment);
    return lengthFt;
}

TScheduleCheck fault(TScheduleProblem problem, std::size_t segment = 0)
{
    TScheduleCheck check;
    check.problem = problem;
    check.segment = segment;
    return check;
}

} // namespace

bool segmentFlowGpm(const TSegment& segment, Design::TSupply supply, double& flowGpm)
{
    if (isFinite(segment.flowGpm) && segment.flowGpm > 0.0) {
        flowGpm = segment.flowGpm;
        return true;
    }
    double demand = 0.0;
    if (!Design::demandGpm(segment.fixtureUnits, supply, demand) || !(demand > 0.0))
        return false;
    flowGpm = demand;
    return true;
}

double equivalentLengthFt(const TSegment& segment)
{
    return segment.lengthFt * (1.0 + segment.fittingsPercent / 100.0);
}

TScheduleCheck checkSchedule(const TSchedule& schedule)
{
    // The roughness class is galvanized's alone: a computed material's roughness is in its table.
    if (!schedule.material.empty()) {
        if (Hydraulics::findMaterial(schedule.material) == nullptr)
            return fault(TScheduleProblem::UnknownMaterial);
    } else if (schedule.roughnessClass < 1 || schedule.roughnessClass > 3) {
        return fault(TScheduleProblem::BadClass);
    }
    if (Hydraulics::TWater water; !Hydraulics::water(schedule.waterTemperatureC, water))
        return fault(TScheduleProblem::BadTemperature);
    if (!budgetIsSound(schedule))
        return fault(TScheduleProblem::BadBudget);
    if (!limitIsSound(schedule.mainLimitFtPerS) || !limitIsSound(schedule.branchLimitFtPerS))
        return fault(TScheduleProblem::BadLimit);
    if (schedule.segments.empty())
        return fault(TScheduleProblem::NoSegments);
    bool anyOnPath = false;
    for (std::size_t i = 0; i < schedule.segments.size(); ++i) {
        const TSegment& segment = schedule.segments[i];
        if (!segmentIsSound(segment))
            return fault(TScheduleProblem::BadSegment, i);
        double flowGpm = 0.0;
        if (!segmentFlowGpm(segment, schedule.supply, flowGpm))
            return fault(TScheduleProblem::NoFlow, i);
        anyOnPath = anyOnPath || segment.onCriticalPath;
    }
    if (!anyOnPath)
        return fault(TScheduleProblem::NoCriticalPath);
    const double availablePsi = availableFor(schedule);
    if (!isFinite(availablePsi))
        return fault(TScheduleProblem::OutOfRange);
    if (availablePsi <= 0.0) {
        TScheduleCheck check = fault(TScheduleProblem::Shortfall);
        check.availablePsi = availablePsi;
        return check;
    }
    // Lengths of astronomical size would make the rate 0 or overflow the sums; no building has them.
    const double pathFt = pathLengthFt(schedule);
    if (!isFinite(pathFt) || !isFinite(availablePsi * 100.0 / pathFt) || !(availablePsi * 100.0 / pathFt > 0.0))
        return fault(TScheduleProblem::OutOfRange);
    return {};
}

bool evaluateSchedule(const TSchedule& schedule, TScheduleResult& result)
{
    TScheduleCheck check;
    return evaluateSchedule(schedule, result, check);
}

bool evaluateSchedule(const TSchedule& schedule, TScheduleResult& result, TScheduleCheck& check)
{
    check = checkSchedule(schedule);
    if (check.problem != TScheduleProblem::None)
        return false;
    TScheduleResult r;
    r.availablePsi = availableFor(schedule);
    r.pathEquivalentLengthFt = pathLengthFt(schedule);
    r.allowablePsiPer100ft = r.availablePsi * 100.0 / r.pathEquivalentLengthFt;
    r.segments.resize(schedule.segments.size());
    for (std::size_t i = 0; i < schedule.segments.size(); ++i) {
        const TSegment& segment = schedule.segments[i];
        TSegmentResult& out = r.segments[i];
        (void)segmentFlowGpm(segment, schedule.supply, out.flowGpm);
        out.equivalentLengthFt = equivalentLengthFt(segment);
        const double limitFtPerS = segment.run == TRun::Main ? schedule.mainLimitFtPerS : schedule.branchLimitFtPerS;
        if (sizeInSchedule(schedule, r.allowablePsiPer100ft, out.flowGpm, limitFtPerS, out))
            out.lossPsi = out.size.lossPsiPer100ft * out.equivalentLengthFt / 100.0;
        if (segment.onCriticalPath && !out.sized)
            ++r.unsizedOnPath;
        if (segment.onCriticalPath) {
            r.pathLossPsi += out.lossPsi;
            out.cumulativeLossPsi = r.pathLossPsi;
        }
    }
    r.residualPsi = r.availablePsi - r.pathLossPsi;
    result = std::move(r);
    return true;
}

} // namespace Sizing
