#pragma once
// The schedule table's columns and what each cell shows and accepts, without widgets. Some
// columns are what the engineer types, the others what the sizing core works out; a tree's
// columns (its nodes, the elevation and need at each node, the load served and the pressures at
// the outlets) are hidden in a list.
// Numbers are shown in the project's units and typed in them too; a typed value is converted
// to the file's US units once, here, and never read back through a rounded display.

#include "ProjectFile.h"
#include "SegmentFigures.h"
#include "Sizing.h"

#include <QString>

#include <cstddef>

namespace ScheduleCells {

enum TColumn : int {
    kName,
    kFrom, // tree: the node upstream
    kTo,   // tree: the node downstream, where the load is drawn
    kRun,
    kFixtureUnits,
    kServedLoad, // tree: the load at and below `to`
    kTypedFlow,
    kLength,
    kFittings,
    kElevation, // tree: the height of `to` above the source
    kOutletPsi, // tree: the least pressure `to` needs; empty for the header's
    kOnPath,
    kFlow,
    kEquivalentLength,
    kPipe,
    kVelocity,
    kLossPer100,
    kSegmentLoss,
    kCumulativeLoss,
    kStaticPressure, // tree: at `to`, with no flow
    kOutletPressure, // tree: at an outlet, in flow
    kOutletMargin,   // tree: above what the outlet needs
    kNote,
};
inline constexpr int kColumnCount = kNote + 1;

[[nodiscard]] constexpr bool isEditable(int column)
{
    return (column >= kName && column <= kFixtureUnits) || (column >= kTypedFlow && column <= kOnPath);
}
// Shown in a tree only.
[[nodiscard]] constexpr bool isTreeColumn(int column)
{
    return column == kFrom || column == kTo || column == kServedLoad || column == kElevation || column == kOutletPsi
        || column == kStaticPressure || column == kOutletPressure || column == kOutletMargin;
}

// The node names the tree's new nodes take, in order: A to Z, then AA, AB… as a spreadsheet
// names its columns; `index` counts from 0.
[[nodiscard]] QString nodeLetters(int index);
// The first of those names that no segment of the schedule uses as an end.
[[nodiscard]] QString nextFreeNode(const Sizing::TSchedule& schedule);

// The column's heading with its unit, as the table and a copy with headers show it.
[[nodiscard]] QString columnTitle(int column, Project::TUnits units);

// What an editable cell shows: a load or a typed flow of 0 shows empty (no load, no typed
// flow); the check box's column shows nothing, its state is the check.
[[nodiscard]] QString segmentText(const Sizing::TSegment& segment, int column, Project::TUnits units);
// The same for the cell's editor: every digit the value has in the shown unit, so that an
// editor closed without a change gives back the same text.
[[nodiscard]] QString segmentEditText(const Sizing::TSegment& segment, int column, Project::TUnits units);
// The check box's column as words, for a copy.
[[nodiscard]] QString onPathWord(bool onPath);

// The figure a cell of numbers (or of the pipe) holds, as the project's row of figures gives it:
// of an evaluated schedule when `result` is given; otherwise of the segment alone, whose flow and
// equivalent length can still be worked out. False for a cell of words or one with no figure.
[[nodiscard]] bool cellFigure(const Sizing::TSchedule& schedule, std::size_t index,
                              const Sizing::TSegmentResult* result, int column, Project::TUnits units,
                              SegmentFigures::TFigure& figure, const SegmentFigures::TPlace& place = {});

// What a computed cell shows for a segment of an evaluated schedule, standing at `place`.
[[nodiscard]] QString resultText(const Sizing::TSchedule& schedule, std::size_t index,
                                 const Sizing::TSegmentResult& result, const SegmentFigures::TPlace& place, int column,
                                 Project::TUnits units);
// What a computed cell shows while the schedule cannot be evaluated: the segment's own flow
// and equivalent length where they can be worked out, nothing else.
[[nodiscard]] QString unevaluatedText(const Sizing::TSchedule& schedule, std::size_t index, int column,
                                      Project::TUnits units);

[[nodiscard]] bool sameSegment(const Sizing::TSegment& a, const Sizing::TSegment& b);

// Reads the text typed (or pasted) into an editable cell into the segment's field. False, with
// a Persian reason and the segment untouched, when the text is not a value the column takes.
// Numbers are read with either decimal mark; a typed flow may also be a sum ("2+3.5").
[[nodiscard]] bool readCell(const QString& text, int column, Project::TUnits units, Sizing::TSegment& segment,
                            QString& problem);

} // namespace ScheduleCells
