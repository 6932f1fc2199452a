#pragma once
// What a riser tree's views say about its paths beyond a segment's own row: the critical path as
// the chain of nodes the engineer reads off the drawing, and the pressure an outlet needs.

#include "Sizing.h"

#include <QString>
#include <QStringList>

#include <cstddef>

namespace RiserPath {

// The nodes from the source to the critical outlet, as the core found it: "A", "B", "C", "F".
// Empty for a list, or a result with no outlets.
[[nodiscard]] QStringList criticalPathNodes(const Sizing::TSchedule& schedule, const Sizing::TScheduleResult& result);

// "A → B → C → F", kept left to right inside a Persian line, so that the source stays at the
// arrows' tail whatever script the nodes are named in.
[[nodiscard]] QString nodeChain(const QStringList& nodes);

// The least pressure the outlet at segment `index`'s `to` node needs: its own, or the schedule's.
[[nodiscard]] double outletNeedPsi(const Sizing::TSchedule& schedule, std::size_t index);

} // namespace RiserPath
