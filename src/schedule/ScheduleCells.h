#pragma once
// The schedule table's columns and what each cell shows and accepts, without widgets. The
// first seven columns are what the engineer types; the rest are what the sizing core works out.
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
    kRun,
    kFixtureUnits,
    kTypedFlow,
    kLength,
    kFittings,
    kOnPath,
    kFlow,
    kEquivalentLength,
    kPipe,
    kVelocity,
    kLossPer100,
    kSegmentLoss,
    kCumulativeLoss,
    kNote,
};
inline constexpr int kColumnCount = kNote + 1;

[[nodiscard]] constexpr bool isEditable(int column) { return column >= kName && column <= kOnPath; }

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
                              SegmentFigures::TFigure& figure);

// What a computed cell shows for a segment of an evaluated schedule.
[[nodiscard]] QString resultText(const Sizing::TSchedule& schedule, std::size_t index,
                                 const Sizing::TSegmentResult& result, int column, Project::TUnits units);
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
