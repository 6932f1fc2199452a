#pragma once
// One segment's row of figures, as every view writes it: the schedule grid, the PDF's table, the
// CSV and a copy from the grid. For each column: the value in US or SI units, its unit and its
// decimals, or that it is empty and why. A view decides only how a figure is written (the user's
// decimal mark or ".", isolated in a Persian line or not), never what it is.

#include "ProjectFile.h"
#include "Sizing.h"

#include <QChar>
#include <QString>

#include <cstddef>

namespace SegmentFigures {

// The columns a view of a segment may show; a new one is a name here and a row of the table in
// SegmentFigures.cpp.
enum class TColumn {
    TypedLoad, // the load as typed
    TypedFlow, // the flow as typed
    Load,      // the load the segment is sized for
    Flow,      // the flow it is sized for
    Length,
    Fittings,         // the allowance for fittings, a percentage of the length
    EquivalentLength, // the length with the fittings' allowance
    Pipe,
    Velocity,
    LossPer100,      // the pipe's loss per length
    SegmentLoss,     // over the segment's equivalent length
    CumulativeLoss,  // a list: along the critical path; a tree: along the segment's own path; up to and including it
    From,            // a tree's node at the segment's upstream end
    To,              // and at its downstream end
    ServedLoad,      // the load at and below `to` (a list: the segment's own)
    Elevation,       // of the `to` node above the source
    StaticPressure,  // at `to`, with no flow
    OutletPressure,  // at an outlet, in flow
    OutletMargin,    // the outlet's pressure in flow above its need
    PressureReducer, // a flag: the static pressure is over the regulations' 4 bar
    ValveSetting,    // a tree's pressure-reducing valve at the segment's start: its set pressure
};

enum class TEmpty {
    No,
    NothingTyped, // a load or a typed flow of 0 is none
    FlowTyped,    // a typed flow overrides the load, which then sizes nothing
    NotSized,     // no pipe, so nothing is read off one
    OffPath,      // a list's cumulative loss is summed along the critical path only
    NotAnOutlet,  // the segment draws nothing at its `to` node
    PathNotSized, // a segment on the outlet's path has no pipe, so its pressure in flow is unknown
    NotRaised,    // a flag that is not raised
};

// Where the segment stands in its schedule, beyond its own row: the layout, and in a tree the
// outlet at its `to` node (null when it has none); the column its counted fixtures are read in.
struct TPlace {
    Sizing::TLayout layout = Sizing::TLayout::List;
    const Sizing::TOutletResult* outlet = nullptr;
    Design::TLoadColumn loadColumn = Design::TLoadColumn::Total;
};

// The place of segment `index` in an evaluated schedule; the result must outlive it.
[[nodiscard]] TPlace placeOf(const Sizing::TSchedule& schedule, const Sizing::TScheduleResult& result,
                             std::size_t index);

struct TFigure {
    double value = 0.0;  // in the units asked for; 0 when empty
    bool isText = false; // a pipe's label rather than a number
    QString text;        // the label: "1 1/4\"", in SI "1 1/4\" DN32", a material's "25×4.2"; or a node's name
    QString unit;        // "gpm", "L/s", "%", ...; empty for a load or a pipe
    int decimals = 0;
    bool upTo = false; // a load or a share: at most `decimals`, trailing zeros dropped
    TEmpty empty = TEmpty::No;
    // Read off a pipe the segment does not have: what the path's sum counts for it (0 for its own
    // loss). The reports write it; the grid leaves it out.
    bool withoutPipe = false;

    [[nodiscard]] bool isEmpty() const { return empty != TEmpty::No; }
};

// A flag raised is the value 1 with no decimals; lowered, it is empty (NotRaised).
[[nodiscard]] TFigure figure(const Sizing::TSegment& segment, const Sizing::TSegmentResult& result, TColumn column,
                             Project::TUnits units, const TPlace& place = {});

// The figure's value with `decimalMark` and no group separator, or its pipe's label; no unit and
// no isolates. Empty when the figure is.
[[nodiscard]] QString written(const TFigure& figure, QChar decimalMark);

} // namespace SegmentFigures
