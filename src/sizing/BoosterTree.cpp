// A tree fed by a booster set. The main's pressure does not bound the sizes here: every segment
// is sized at the set's design rate, and the pump is then chosen to serve the outlet that needs
// the most, that outlet's need, lift, friction and the devices after the pump. From that
// discharge follow the head over what the storage tank gives at the inlet, the powers, the switch
// pressures and the pressure tank, whose cut-out is the static pressure the building must stand.
#include "ScheduleParts.h"

#include "BoosterSet.h"
#include "Demand.h"
#include "PressureBudget.h"
#include "Units.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <utility>

namespace Sizing::Parts {
namespace {

constexpr double kWattsPerKw = 1000.0;

bool within(double v, double least, double most) { return std::isfinite(v) && v >= least && v <= most; }
bool aboveZeroUpTo(double v, double most) { return std::isfinite(v) && v > 0.0 && v <= most; }

// The discharge pressure this outlet needs: its need, its lift, the devices after the pump and
// the losses along its path.
double requiredPsi(const TSchedule& schedule, const TSegment& outlet, double pathLossPsi)
{
    return needPsi(schedule, outlet) + Design::kPsiPerFtOfWater * outlet.elevationFt + schedule.meterAndDevicesPsi
        + pathLossPsi;
}

// The complete outlet that needs the highest discharge, the first in segment order on a tie.
// With no outlet complete, the highest of them all, so that the figures still say what is known.
std::size_t criticalOf(const std::vector<double>& required, const std::vector<TOutletResult>& outlets)
{
    bool anyComplete = false;
    for (const TOutletResult& outlet : outlets)
        anyComplete = anyComplete || outlet.complete;
    std::size_t critical = outlets.size();
    for (std::size_t k = 0; k < outlets.size(); ++k) {
        if (anyComplete && !outlets[k].complete)
            continue;
        if (critical == outlets.size() || required[k] > required[critical])
            critical = k;
    }
    return critical;
}

// One demand of every fixture unit of the tree, never a sum of demands, plus every typed flow.
double pumpFlowGpm(const TSchedule& schedule)
{
    double fixtureUnits = 0.0;
    double typedGpm = 0.0;
    for (const TSegment& g : schedule.segments) {
        fixtureUnits += ownLoad(schedule, g);
        typedGpm += g.flowGpm;
    }
    double demandGpm = 0.0;
    if (!Design::demandGpm(fixtureUnits, schedule.supply, demandGpm))
        return 0.0;
    return demandGpm + typedGpm;
}

// The pump's duty and the tanks from the discharge pressure.
void fillDuty(const TSchedule& schedule, TBoosterResult& b)
{
    const TBooster& set = schedule.booster;
    b.flowGpm = pumpFlowGpm(schedule);
    b.suctionPsi = Design::kPsiPerFtOfWater * set.tankLevelFt - set.suctionLossPsi;
    b.headPsi = b.dischargePsi + set.setLossPsi - b.suctionPsi;
    b.headFt = b.headPsi / Design::kPsiPerFtOfWater;
    b.hydraulicKw = Design::flowLitresPerSecond(b.flowGpm) * (b.headPsi / Design::kPsiPerKPa) / kWattsPerKw;
    b.shaftKw = b.hydraulicKw / set.efficiency;
    b.cutOutPsi = b.dischargePsi + set.differentialPsi;
    b.atmosphericPsi = Design::atmosphericPsi(set.altitudeM);
    b.storageLitres = Design::storageLitres(set.occupants);
    // A constant-pressure set has no pressure tank; nor does a tree that draws nothing.
    Design::TPressureTank tank;
    const double preChargePsi = std::max(0.0, b.dischargePsi - set.preChargeBelowPsi);
    if (set.differentialPsi > 0.0
        && Design::pressureTank(b.dischargePsi, b.cutOutPsi, preChargePsi, b.atmosphericPsi, b.flowGpm,
                                set.startsPerHour, tank)) {
        b.drawdownFactor = tank.drawdownFactor;
        b.drawdownGal = tank.drawdownGal;
        b.tankGal = tank.volumeGal;
    }
}

} // namespace

// The file's ranges, so that what the window and the command line accept, the method accepts.
bool boosterIsSound(const TBooster& b)
{
    bool pressures = true;
    for (const double psi : {b.suctionLossPsi, b.setLossPsi, b.differentialPsi, b.preChargeBelowPsi})
        pressures = pressures && within(psi, 0.0, kMostBoosterPsi);
    return pressures && within(b.tankLevelFt, kLeastTankLevelFt, kMostTankLevelFt)
        && aboveZeroUpTo(b.designPsiPer100ft, kMostDesignPsiPer100ft)
        && aboveZeroUpTo(b.startsPerHour, kMostStartsPerHour) && aboveZeroUpTo(b.efficiency, kMostEfficiency)
        && within(b.altitudeM, kLeastAltitudeM, kMostAltitudeM) && within(b.occupants, 0.0, kMostOccupants);
}

bool boosterOutletIsFinite(const TSchedule& schedule, const TSegment& outlet, double pathLengthFt)
{
    const TBooster& set = schedule.booster;
    const double worstPsi = requiredPsi(schedule, outlet, set.designPsiPer100ft * pathLengthFt / 100.0) + set.setLossPsi
        + set.differentialPsi;
    return std::isfinite(worstPsi);
}

void evaluateBooster(const TSchedule& schedule, TTree& tree, TScheduleResult& r)
{
    std::vector<std::size_t> unsizedToHere;
    sizeAlongTree(schedule, tree, schedule.booster.designPsiPer100ft, r, unsizedToHere);
    r.outlets = std::move(tree.outlets);
    std::vector<double> required(r.outlets.size());
    TBoosterResult& b = r.booster;
    b.complete = true;
    for (std::size_t k = 0; k < r.outlets.size(); ++k) {
        TOutletResult& outlet = r.outlets[k];
        outlet.complete = unsizedToHere[outlet.segment] == 0;
        b.complete = b.complete && outlet.complete;
        required[k]
            = requiredPsi(schedule, schedule.segments[outlet.segment], r.segments[outlet.segment].cumulativeLossPsi);
    }
    b.criticalOutlet = criticalOf(required, r.outlets);
    b.dischargePsi = required[b.criticalOutlet];
    fillDuty(schedule, b);
    for (TOutletResult& outlet : r.outlets) {
        const TSegment& g = schedule.segments[outlet.segment];
        outlet.availablePsi = b.dischargePsi - schedule.meterAndDevicesPsi - Design::kPsiPerFtOfWater * g.elevationFt
            - needPsi(schedule, g);
        outlet.allowablePsiPer100ft = outlet.availablePsi * 100.0 / outlet.pathEquivalentLengthFt;
    }
    for (std::size_t i = 0; i < schedule.segments.size(); ++i)
        fillStaticFrom(b.cutOutPsi, schedule.segments[i], r.segments[i]);
    const TOutletResult& critical = r.outlets[b.criticalOutlet];
    r.criticalOutlet = b.criticalOutlet;
    for (std::size_t i = critical.segment; i != kNoSegment; i = tree.parent[i])
        r.segments[i].onCriticalPath = true;
    r.availablePsi = critical.availablePsi;
    r.pathEquivalentLengthFt = critical.pathEquivalentLengthFt;
    r.allowablePsiPer100ft = schedule.booster.designPsiPer100ft;
    r.pathLossPsi = r.segments[critical.segment].cumulativeLossPsi;
    r.residualPsi = r.availablePsi - r.pathLossPsi;
    r.unsizedOnPath = unsizedToHere[critical.segment];
    placeReducers(schedule, tree, b.dischargePsi - schedule.meterAndDevicesPsi, r);
}

} // namespace Sizing::Parts
