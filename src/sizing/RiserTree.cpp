// A riser tree: its shape checked, the loads summed downstream, the critical outlet found as the
// one with the least allowance, every segment sized at that allowance, and the losses added up
// along each segment's own path. Every pass is linear, so that a tall building's tree costs no
// more than its list: sums go up the tree once (a segment after all it feeds), path lengths and
// losses down it once (a segment after the one feeding it), never a walk along each path.
#include "ScheduleParts.h"

#include "Demand.h"
#include "PressureBudget.h"

#include <cmath>
#include <string_view>
#include <unordered_map>
#include <utility>

namespace Sizing::Parts {
namespace {

bool isFinite(double v) { return std::isfinite(v); }

// The first segment, in segment order, whose ends are missing or the same node, or whose `to` an
// earlier segment already feeds; when there is none, each segment's feeding segment.
TScheduleCheck linkSegments(const TSchedule& schedule, std::vector<std::size_t>& parent)
{
    const std::vector<TSegment>& segments = schedule.segments;
    std::unordered_map<std::string_view, std::size_t> feeding;
    feeding.reserve(segments.size());
    for (std::size_t i = 0; i < segments.size(); ++i) {
        const TSegment& g = segments[i];
        if (g.from.empty() || g.to.empty() || g.from == g.to || !feeding.emplace(g.to, i).second)
            return fault(TScheduleProblem::NotATree, i);
    }
    parent.assign(segments.size(), kNoSegment);
    for (std::size_t i = 0; i < segments.size(); ++i) {
        const auto found = feeding.find(segments[i].from);
        if (found != feeding.end())
            parent[i] = found->second;
    }
    return {};
}

// The one source, then every segment reached from it, each after the segment that feeds it. A
// segment never reached stands in a loop or below one.
TScheduleCheck orderFromSource(const TSchedule& schedule, TTree& tree)
{
    const std::vector<TSegment>& segments = schedule.segments;
    const std::size_t n = segments.size();
    const std::string* source = nullptr;
    for (std::size_t i = 0; i < n; ++i) {
        if (tree.parent[i] != kNoSegment)
            continue;
        if (source == nullptr)
            source = &segments[i].from;
        else if (segments[i].from != *source)
            return fault(TScheduleProblem::TwoSources, i);
    }
    if (source == nullptr)
        return fault(TScheduleProblem::NotATree, 0);
    // The segments each one feeds, in one flat array grouped by feeder; the source's group is n.
    const auto feeder = [&](std::size_t i) { return tree.parent[i] == kNoSegment ? n : tree.parent[i]; };
    std::vector<std::size_t> groupStart(n + 2, 0);
    for (std::size_t i = 0; i < n; ++i)
        ++groupStart[feeder(i) + 1];
    for (std::size_t k = 1; k < groupStart.size(); ++k)
        groupStart[k] += groupStart[k - 1];
    std::vector<std::size_t> fed(n);
    std::vector<std::size_t> cursor(groupStart.begin(), groupStart.end() - 1);
    for (std::size_t i = 0; i < n; ++i)
        fed[cursor[feeder(i)]++] = i;
    tree.order.clear();
    tree.order.reserve(n);
    tree.order.insert(tree.order.end(), fed.begin() + groupStart[n], fed.begin() + groupStart[n + 1]);
    for (std::size_t k = 0; k < tree.order.size(); ++k) {
        const std::size_t i = tree.order[k];
        tree.order.insert(tree.order.end(), fed.begin() + groupStart[i], fed.begin() + groupStart[i + 1]);
    }
    if (tree.order.size() == n)
        return {};
    std::vector<bool> reached(n, false);
    for (const std::size_t i : tree.order)
        reached[i] = true;
    std::size_t first = 0;
    while (reached[first])
        ++first;
    return fault(TScheduleProblem::NotATree, first);
}

// Loads up the tree, path lengths down it.
TScheduleCheck sumAlongTree(const TSchedule& schedule, TTree& tree)
{
    const std::vector<TSegment>& segments = schedule.segments;
    const std::size_t n = segments.size();
    tree.servedFixtureUnits.resize(n);
    tree.servedTypedGpm.resize(n);
    tree.pathLengthFt.resize(n);
    for (std::size_t i = 0; i < n; ++i) {
        tree.servedFixtureUnits[i] = ownLoad(schedule, segments[i]);
        tree.servedTypedGpm[i] = segments[i].flowGpm;
    }
    for (std::size_t k = n; k-- > 0;) {
        const std::size_t i = tree.order[k];
        const std::size_t p = tree.parent[i];
        if (p != kNoSegment) {
            tree.servedFixtureUnits[p] += tree.servedFixtureUnits[i];
            tree.servedTypedGpm[p] += tree.servedTypedGpm[i];
        }
    }
    for (const std::size_t i : tree.order) {
        const std::size_t p = tree.parent[i];
        tree.pathLengthFt[i] = (p == kNoSegment ? 0.0 : tree.pathLengthFt[p]) + equivalentLengthFt(segments[i]);
    }
    for (std::size_t i = 0; i < n; ++i)
        if (!isFinite(tree.servedFixtureUnits[i]) || !isFinite(tree.servedTypedGpm[i])
            || !isFinite(tree.pathLengthFt[i]))
            return fault(TScheduleProblem::OutOfRange);
    return {};
}

// What reaches a node in flow before any pipe's friction.
double beforeFrictionPsi(const TSchedule& schedule, const TSegment& segment)
{
    return schedule.sourcePsi - schedule.meterAndDevicesPsi - Design::kPsiPerFtOfWater * segment.elevationFt;
}

// The outlet's budget from the main: what its source leaves for friction and that spread over
// its path. A booster's is known only once the tree is sized.
TScheduleCheck budgetOutlet(const TSchedule& schedule, std::size_t i, TOutletResult& outlet)
{
    const TSegment& g = schedule.segments[i];
    outlet.availablePsi = beforeFrictionPsi(schedule, g) - needPsi(schedule, g);
    if (!isFinite(outlet.availablePsi))
        return fault(TScheduleProblem::OutOfRange);
    if (outlet.availablePsi <= 0.0) {
        TScheduleCheck check = fault(TScheduleProblem::Shortfall, i);
        check.availablePsi = outlet.availablePsi;
        return check;
    }
    outlet.allowablePsiPer100ft = outlet.availablePsi * 100.0 / outlet.pathEquivalentLengthFt;
    if (!isFinite(outlet.allowablePsiPer100ft) || !(outlet.allowablePsiPer100ft > 0.0))
        return fault(TScheduleProblem::OutOfRange);
    return {};
}

TScheduleCheck findOutlets(const TSchedule& schedule, TTree& tree)
{
    tree.outlets.clear();
    tree.critical = 0;
    const bool booster = schedule.source == TSource::Booster;
    for (std::size_t i = 0; i < schedule.segments.size(); ++i) {
        const TSegment& g = schedule.segments[i];
        if (!(ownLoad(schedule, g) > 0.0) && !(g.flowGpm > 0.0))
            continue;
        TOutletResult outlet;
        outlet.segment = i;
        outlet.pathEquivalentLengthFt = tree.pathLengthFt[i];
        if (booster) {
            if (!boosterOutletIsFinite(schedule, g, outlet.pathEquivalentLengthFt))
                return fault(TScheduleProblem::OutOfRange);
        } else if (const TScheduleCheck check = budgetOutlet(schedule, i, outlet);
                   check.problem != TScheduleProblem::None) {
            return check;
        } else if (!tree.outlets.empty()
                   && outlet.allowablePsiPer100ft < tree.outlets[tree.critical].allowablePsiPer100ft) {
            tree.critical = tree.outlets.size();
        }
        tree.outlets.push_back(outlet);
    }
    return tree.outlets.empty() ? fault(TScheduleProblem::NoCriticalPath) : TScheduleCheck{};
}

// One demand of the summed load, never a sum of demands, plus the continuous draws below.
double carriedGpm(const TSchedule& schedule, const TTree& tree, std::size_t i)
{
    double demandGpm = 0.0;
    if (!Design::demandGpm(tree.servedFixtureUnits[i], schedule.supply, demandGpm))
        return 0.0;
    return demandGpm + tree.servedTypedGpm[i];
}

} // namespace

TScheduleCheck checkTree(const TSchedule& schedule, TTree& tree)
{
    TScheduleCheck check = linkSegments(schedule, tree.parent);
    if (check.problem == TScheduleProblem::None)
        check = orderFromSource(schedule, tree);
    if (check.problem == TScheduleProblem::None)
        check = sumAlongTree(schedule, tree);
    if (check.problem == TScheduleProblem::None)
        check = findOutlets(schedule, tree);
    return check;
}

double needPsi(const TSchedule& schedule, const TSegment& outlet)
{
    return outlet.outletPsi > 0.0 ? outlet.outletPsi : schedule.fixturePsi;
}

void sizeAlongTree(const TSchedule& schedule, const TTree& tree, double allowablePsiPer100ft, TScheduleResult& r,
                   std::vector<std::size_t>& unsizedToHere)
{
    r.segments.resize(schedule.segments.size());
    unsizedToHere.assign(schedule.segments.size(), 0);
    for (const std::size_t i : tree.order) {
        const TSegment& g = schedule.segments[i];
        TSegmentResult& out = r.segments[i];
        out.flowGpm = carriedGpm(schedule, tree, i);
        out.equivalentLengthFt = equivalentLengthFt(g);
        out.servedFixtureUnits = tree.servedFixtureUnits[i];
        sizeResult(schedule, allowablePsiPer100ft, g, out);
        const std::size_t p = tree.parent[i];
        out.cumulativeLossPsi = (p == kNoSegment ? 0.0 : r.segments[p].cumulativeLossPsi) + out.lossPsi;
        unsizedToHere[i] = (p == kNoSegment ? 0 : unsizedToHere[p]) + (out.sized ? 0 : 1);
    }
}

void evaluateTree(const TSchedule& schedule, TTree& tree, TScheduleResult& r)
{
    const TOutletResult critical = tree.outlets[tree.critical];
    r.availablePsi = critical.availablePsi;
    r.pathEquivalentLengthFt = critical.pathEquivalentLengthFt;
    r.allowablePsiPer100ft = critical.allowablePsiPer100ft;
    std::vector<std::size_t> unsizedToHere;
    sizeAlongTree(schedule, tree, r.allowablePsiPer100ft, r, unsizedToHere);
    for (std::size_t i = 0; i < schedule.segments.size(); ++i)
        fillStatic(schedule, schedule.segments[i], r.segments[i]);
    r.outlets = std::move(tree.outlets);
    r.criticalOutlet = tree.critical;
    for (TOutletResult& outlet : r.outlets)
        outlet.complete = unsizedToHere[outlet.segment] == 0;
    for (std::size_t i = critical.segment; i != kNoSegment; i = tree.parent[i])
        r.segments[i].onCriticalPath = true;
    r.pathLossPsi = r.segments[critical.segment].cumulativeLossPsi;
    r.residualPsi = r.availablePsi - r.pathLossPsi;
    r.unsizedOnPath = unsizedToHere[critical.segment];
    placeReducers(schedule, tree, schedule.sourcePsi - schedule.meterAndDevicesPsi, r);
}

} // namespace Sizing::Parts
