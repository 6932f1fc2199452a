#pragma once
// What the window's note column, its totals bar and both reports say about a schedule that
// cannot be evaluated and about a single segment, in Persian.

#include "ProjectFile.h"
#include "Sizing.h"

#include <QChar>
#include <QString>

#include <cstddef>

namespace Report {

// Why the schedule cannot be evaluated (no segments, no critical path, the source's shortfall
// in psi, ...), with the user's decimal mark.
[[nodiscard]] QString scheduleProblemText(const Sizing::TSchedule& schedule, const Sizing::TScheduleCheck& check);

// The note of one segment: raised for velocity (and why), not sized (and why); empty otherwise.
// Its velocities and flow are in `units`, written with `decimalMark`: the user's in the window
// and the PDF, "." in the CSV.
[[nodiscard]] QString segmentNote(const Sizing::TSchedule& schedule, std::size_t index,
                                  const Sizing::TSegmentResult& result, Project::TUnits units, QChar decimalMark);

} // namespace Report
