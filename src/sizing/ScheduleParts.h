#pragma once
// What the list and the tree share inside the sizing library: the one place a schedule's segment
// gets its pipe, the static pressure, and the tree's own check and evaluation. Not for callers
// outside this folder.

#include "Sizing.h"

#include <cstddef>
#include <vector>

namespace Sizing::Parts {

inline constexpr std::size_t kNoSegment = static_cast<std::size_t>(-1);

[[nodiscard]] inline TScheduleCheck fault(TScheduleProblem problem, std::size_t segment = 0)
{
    TScheduleCheck check;
    check.problem = problem;
    check.segment = segment;
    return check;
}

// sizeSegment on a class's nomogram, also handing back, for a pipe raised for velocity, the size
// below it that ran too fast, as nextSmallerSize reads it; `tooFast` may be null.
[[nodiscard]] bool sizeSegmentNoting(int roughnessClass, double allowablePsiPer100ft, double flowGpm,
                                     double velocityLimitFtPerS, TSegmentSize& size, TSizeProblem& problem,
                                     TSegmentSize* tooFast);

// Sizes `out` from its flowGpm and equivalentLengthFt, already filled in: the pipe, its loss and,
// when raised for velocity, the size that ran too fast. A flow of 0 leaves it unsized (NoLoad).
void sizeResult(const TSchedule& schedule, double allowablePsiPer100ft, const TSegment& segment, TSegmentResult& out);

// The segment's own load in the schedule's column, for a segment whose counts the check passed.
[[nodiscard]] double ownLoad(const TSchedule& schedule, const TSegment& segment);

// staticPsi and needsPressureReducer at the segment's `to`.
void fillStatic(const TSchedule& schedule, const TSegment& segment, TSegmentResult& out);
// The same from a given static pressure at the source: a booster's cut-out.
void fillStaticFrom(double sourceStaticPsi, const TSegment& segment, TSegmentResult& out);

// The checks of a booster's own numbers: BadBooster for one out of the project file's range.
[[nodiscard]] bool boosterIsSound(const TBooster& booster);

// A tree's shape, loads and outlets as its check found them, kept so that an evaluation checks
// once.
struct TTree {
    std::vector<std::size_t> parent;        // the segment whose `to` is this one's `from`; kNoSegment at the source
    std::vector<std::size_t> order;         // every segment after the one that feeds it
    std::vector<double> servedFixtureUnits; // at and below `to`
    std::vector<double> servedTypedGpm;     // every typed flow at and below `to`
    std::vector<double> pathLengthFt;       // equivalent, from the source to `to`
    std::vector<TOutletResult> outlets;     // segment, need's budget, path length and allowance
    std::size_t critical = 0;               // index into outlets
};

// The tree's part of checkSchedule, after the checks both layouts share.
[[nodiscard]] TScheduleCheck checkTree(const TSchedule& schedule, TTree& tree);

// A tree that checkTree passed, sized and its pressures added up; its outlets move into the result.
void evaluateTree(const TSchedule& schedule, TTree& tree, TScheduleResult& result);

// The least pressure an outlet needs: its own, or the schedule's fixturePsi.
[[nodiscard]] double needPsi(const TSchedule& schedule, const TSegment& outlet);

// Every segment of a checked tree sized at one rate, in the tree's order: flow, pipe, loss, the
// losses along each path, and how many segments from the source to each one's `to` were left
// unsized. Static pressures are left to the caller.
void sizeAlongTree(const TSchedule& schedule, const TTree& tree, double allowablePsiPer100ft, TScheduleResult& r,
                   std::vector<std::size_t>& unsizedToHere);

// True when a booster's figures for this outlet stay finite however its path is sized: the
// worst loss is the design rate over the whole path.
[[nodiscard]] bool boosterOutletIsFinite(const TSchedule& schedule, const TSegment& outlet, double pathLengthFt);

// A booster tree that checkTree passed: sized at the design rate, its critical outlet, the pump's
// duty and tanks, its pressures and valves; its outlets move into the result.
void evaluateBooster(const TSchedule& schedule, TTree& tree, TScheduleResult& result);

// The pressure-reducing valves of a sized tree whose static pressures are filled in, and every
// outlet's pressure in flow and margin, walking from `startPsi`, what reaches the first pipe.
void placeReducers(const TSchedule& schedule, const TTree& tree, double startPsi, TScheduleResult& r);

} // namespace Sizing::Parts
