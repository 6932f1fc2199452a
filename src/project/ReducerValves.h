#pragma once
// Where a tree's pressure-reducing valves stand, as the window's notes, the riser diagram and the
// report read it: the valve that governs a segment (its own or the nearest upstream), the valves
// below a junction, the outlets a valve serves, and the note a row shows. The core places the
// valves (TSegmentResult::reducer); this only walks the tree it evaluated, once built in O(n).

#include "ProjectFile.h"
#include "Sizing.h"

#include <QChar>
#include <QString>

#include <cstddef>
#include <vector>

namespace ReducerValves {

inline constexpr std::size_t kNone = static_cast<std::size_t>(-1);

class TValveMap {
public:
    TValveMap() = default;
    // Empty for a list, or a result that is not the schedule's.
    TValveMap(const Sizing::TSchedule& schedule, const Sizing::TScheduleResult& result);

    // The segment whose valve governs `segment`: itself, or the nearest one on its path up to the source.
    [[nodiscard]] std::size_t valveAbove(std::size_t segment) const;
    // The valves nearest below `segment`, each not under another, in segment order.
    [[nodiscard]] std::vector<std::size_t> valvesBelow(std::size_t segment) const;
    // The outlets at and below `segment`'s `to` node, in segment order.
    [[nodiscard]] std::vector<std::size_t> outletsBelow(std::size_t segment) const;
    // The segments with a valve, in segment order.
    [[nodiscard]] const std::vector<std::size_t>& valves() const { return FValves; }
    [[nodiscard]] bool leavesSource(std::size_t segment) const
    {
        return segment < FParent.size() && FParent[segment] == kNone;
    }

private:
    std::vector<std::size_t> FParent; // the segment feeding each one's `from`; kNone at the source
    std::vector<std::vector<std::size_t>> FChildren;
    std::vector<bool> FReducer;
    std::vector<bool> FOutlet;
    std::vector<std::size_t> FValves;
};

// What a tree's row says about valves: the valve at its start and its setting, or, for a node
// over 4 bar, which valve brings it down or why none belongs there; empty otherwise. Pressures
// in `units` with `decimalMark`.
[[nodiscard]] QString valveNote(const Sizing::TSchedule& schedule, const Sizing::TScheduleResult& result,
                                const TValveMap& valves, std::size_t segment, Project::TUnits units, QChar decimalMark);

} // namespace ReducerValves
