// Pressure-reducing valves where the regulations want them. The limit is the static pressure at
// the fixtures, so a valve belongs where a branch leaves toward outlets that all stand over
// 4 bar, never on the run to the top floors, which it would starve. Set to keep the lowest
// outlet below it at 4 bar, it keeps every one of them at 4 bar or less. The pressures in flow
// are then walked from the source, each valve capping what passes it.
#include "ScheduleParts.h"

#include "PressureBudget.h"

#include <algorithm>
#include <limits>

namespace Sizing::Parts {
namespace {

// What the outlets at and below a segment's `to` are: whether there is any, whether all stand
// over the limit, and the lowest of them.
struct TBelow {
    bool any = false;
    bool allOver = true;
    double lowestFt = std::numeric_limits<double>::infinity();
};

std::vector<TBelow> outletsBelow(const TSchedule& schedule, const TTree& tree, const TScheduleResult& r)
{
    std::vector<TBelow> below(schedule.segments.size());
    for (const TOutletResult& outlet : r.outlets) {
        TBelow& here = below[outlet.segment];
        here.any = true;
        here.allOver = r.segments[outlet.segment].staticPsi > kMostStaticPsi;
        here.lowestFt = schedule.segments[outlet.segment].elevationFt;
    }
    for (std::size_t k = tree.order.size(); k-- > 0;) {
        const std::size_t i = tree.order[k];
        const std::size_t p = tree.parent[i];
        if (p == kNoSegment || !below[i].any)
            continue;
        TBelow& up = below[p];
        up.allOver = up.allOver && below[i].allOver;
        up.any = true;
        up.lowestFt = std::min(up.lowestFt, below[i].lowestFt);
    }
    return below;
}

} // namespace

void placeReducers(const TSchedule& schedule, const TTree& tree, double startPsi, TScheduleResult& r)
{
    const std::vector<TBelow> below = outletsBelow(schedule, tree, r);
    const auto over = [&](std::size_t i) { return below[i].any && below[i].allOver; };
    // Each segment's pressure in flow is `base - 0.433 × elevation - losses from the source`, so
    // that with no valve cutting in it is the same sum as the budget's, to the last bit; a valve
    // that cuts in lowers the base of everything below it.
    std::vector<double> basePsi(schedule.segments.size(), startPsi);
    for (const std::size_t i : tree.order) {
        const std::size_t p = tree.parent[i];
        const double fromFt = p == kNoSegment ? 0.0 : schedule.segments[p].elevationFt;
        const double fromLossPsi = p == kNoSegment ? 0.0 : r.segments[p].cumulativeLossPsi;
        double base = p == kNoSegment ? startPsi : basePsi[p];
        TSegmentResult& out = r.segments[i];
        out.reducer = over(i) && (p == kNoSegment || !over(p));
        out.reducerSetPsi = 0.0;
        if (out.reducer) {
            out.reducerSetPsi = kMostStaticPsi + Design::kPsiPerFtOfWater * (below[i].lowestFt - fromFt);
            const double atValvePsi = base - Design::kPsiPerFtOfWater * fromFt - fromLossPsi;
            if (out.reducerSetPsi < atValvePsi)
                base = out.reducerSetPsi + Design::kPsiPerFtOfWater * fromFt + fromLossPsi;
        }
        basePsi[i] = base;
    }
    for (TOutletResult& outlet : r.outlets) {
        const TSegment& g = schedule.segments[outlet.segment];
        outlet.pressurePsi = basePsi[outlet.segment] - Design::kPsiPerFtOfWater * g.elevationFt
            - r.segments[outlet.segment].cumulativeLossPsi;
        outlet.marginPsi = outlet.pressurePsi - needPsi(schedule, g);
    }
}

} // namespace Sizing::Parts
