// A whole schedule: the budget spread over the critical path, every segment sized at that rate,
// and the losses added up along the path. A tree's own work is in RiserTree.cpp.
#include "Sizing.h"

#include "PressureBudget.h"
#include "ScheduleParts.h"

#include <cmath>
#include <utility>

namespace Sizing {
namespace {

using Parts::fault;

bool isFinite(double v) { return std::isfinite(v); }

// A tree's `heightFt` is not read: each outlet's elevation takes its place. A booster reads
// neither of the main's pressures.
bool budgetIsSound(const TSchedule& s)
{
    const bool mainIsSound = s.source == TSource::Booster
        || (isFinite(s.sourcePsi) && isFinite(s.staticSourcePsi) && s.sourcePsi >= 0.0 && s.staticSourcePsi >= 0.0);
    return mainIsSound && isFinite(s.meterAndDevicesPsi) && isFinite(s.fixturePsi)
        && (s.layout == TLayout::Tree || isFinite(s.heightFt)) && s.meterAndDevicesPsi >= 0.0 && s.fixturePsi >= 0.0;
}

bool limitIsSound(double limitFtPerS) { return isFinite(limitFtPerS) && limitFtPerS > 0.0; }

// A list reads a negative load as no load, as it always has; a tree cannot sum one.
bool segmentIsSound(const TSegment& g, TLayout layout)
{
    return isFinite(g.fixtureUnits) && isFinite(g.flowGpm) && isFinite(g.lengthFt) && isFinite(g.fittingsPercent)
        && isFinite(g.elevationFt) && isFinite(g.outletPsi) && g.lengthFt > 0.0 && g.fittingsPercent >= 0.0
        && g.flowGpm >= 0.0 && g.outletPsi >= 0.0 && (layout == TLayout::List || g.fixtureUnits >= 0.0)
        && fixtureCountsAreSound(g);
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

// The checks both layouts share, up to and including every segment's numbers.
TScheduleCheck checkCommon(const TSchedule& schedule)
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
    if (schedule.source == TSource::Booster) {
        if (!Parts::boosterIsSound(schedule.booster))
            return fault(TScheduleProblem::BadBooster);
        if (schedule.layout != TLayout::Tree)
            return fault(TScheduleProblem::BoosterNeedsTree);
    }
    if (!limitIsSound(schedule.mainLimitFtPerS) || !limitIsSound(schedule.branchLimitFtPerS))
        return fault(TScheduleProblem::BadLimit);
    if (schedule.segments.empty())
        return fault(TScheduleProblem::NoSegments);
    for (std::size_t i = 0; i < schedule.segments.size(); ++i)
        if (!segmentIsSound(schedule.segments[i], schedule.layout))
            return fault(TScheduleProblem::BadSegment, i);
    return {};
}

// A segment with no load does not stop a list: it is left unsized, and its path is incomplete.
TScheduleCheck checkList(const TSchedule& schedule)
{
    bool anyOnPath = false;
    for (const TSegment& segment : schedule.segments)
        anyOnPath = anyOnPath || segment.onCriticalPath;
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

void evaluateList(const TSchedule& schedule, TScheduleResult& r)
{
    r.availablePsi = availableFor(schedule);
    r.pathEquivalentLengthFt = pathLengthFt(schedule);
    r.allowablePsiPer100ft = r.availablePsi * 100.0 / r.pathEquivalentLengthFt;
    r.segments.resize(schedule.segments.size());
    for (std::size_t i = 0; i < schedule.segments.size(); ++i) {
        const TSegment& segment = schedule.segments[i];
        TSegmentResult& out = r.segments[i];
        if (!segmentFlowGpm(segment, schedule.supply, schedule.loadColumn, out.flowGpm))
            out.flowGpm = 0.0;
        out.equivalentLengthFt = equivalentLengthFt(segment);
        out.servedFixtureUnits = Parts::ownLoad(schedule, segment);
        out.onCriticalPath = segment.onCriticalPath;
        Parts::sizeResult(schedule, r.allowablePsiPer100ft, segment, out);
        Parts::fillStatic(schedule, segment, out);
        if (segment.onCriticalPath && !out.sized)
            ++r.unsizedOnPath;
        if (segment.onCriticalPath) {
            r.pathLossPsi += out.lossPsi;
            out.cumulativeLossPsi = r.pathLossPsi;
        }
    }
    r.residualPsi = r.availablePsi - r.pathLossPsi;
}

} // namespace

namespace Parts {

void sizeResult(const TSchedule& schedule, double allowablePsiPer100ft, const TSegment& segment, TSegmentResult& out)
{
    out.sized = false;
    out.size = {};
    out.lossPsi = 0.0;
    out.hasTooFastSize = false;
    if (!(out.flowGpm > 0.0)) {
        out.problem = TSizeProblem::NoLoad;
        return;
    }
    const double limitFtPerS = segment.run == TRun::Main ? schedule.mainLimitFtPerS : schedule.branchLimitFtPerS;
    if (sizeInSchedule(schedule, allowablePsiPer100ft, out.flowGpm, limitFtPerS, out))
        out.lossPsi = out.size.lossPsiPer100ft * out.equivalentLengthFt / 100.0;
}

void fillStatic(const TSchedule& schedule, const TSegment& segment, TSegmentResult& out)
{
    fillStaticFrom(schedule.staticSourcePsi > 0.0 ? schedule.staticSourcePsi : schedule.sourcePsi, segment, out);
}

void fillStaticFrom(double sourceStaticPsi, const TSegment& segment, TSegmentResult& out)
{
    out.staticPsi = sourceStaticPsi - Design::kPsiPerFtOfWater * segment.elevationFt;
    out.needsPressureReducer = out.staticPsi > kMostStaticPsi;
}

} // namespace Parts

bool segmentFlowGpm(const TSegment& segment, Design::TSupply supply, Design::TLoadColumn column, double& flowGpm)
{
    if (isFinite(segment.flowGpm) && segment.flowGpm > 0.0) {
        flowGpm = segment.flowGpm;
        return true;
    }
    double fixtureUnits = 0.0;
    double demand = 0.0;
    if (!ownFixtureUnits(segment, column, fixtureUnits) || !Design::demandGpm(fixtureUnits, supply, demand)
        || !(demand > 0.0))
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
    const TScheduleCheck common = checkCommon(schedule);
    if (common.problem != TScheduleProblem::None)
        return common;
    if (schedule.layout == TLayout::List)
        return checkList(schedule);
    Parts::TTree tree;
    return Parts::checkTree(schedule, tree);
}

bool evaluateSchedule(const TSchedule& schedule, TScheduleResult& result)
{
    TScheduleCheck check;
    return evaluateSchedule(schedule, result, check);
}

bool evaluateSchedule(const TSchedule& schedule, TScheduleResult& result, TScheduleCheck& check)
{
    check = checkCommon(schedule);
    if (check.problem != TScheduleProblem::None)
        return false;
    TScheduleResult r;
    if (schedule.layout == TLayout::List) {
        check = checkList(schedule);
        if (check.problem != TScheduleProblem::None)
            return false;
        evaluateList(schedule, r);
    } else {
        Parts::TTree tree;
        check = Parts::checkTree(schedule, tree);
        if (check.problem != TScheduleProblem::None)
            return false;
        if (schedule.source == TSource::Booster)
            Parts::evaluateBooster(schedule, tree, r);
        else
            Parts::evaluateTree(schedule, tree, r);
    }
    result = std::move(r);
    return true;
}

} // namespace Sizing
