#pragma once
// The undoable changes of a schedule. Each command stores what it needs to go both ways and
// asks the model to make the change, in redo and in undo; redo runs at once when the command is
// pushed. Consecutive edits of one cell, or of one header field, merge into one step.

#include "ScheduleHeader.h"
#include "Sizing.h"

#include <QJsonObject>
#include <QUndoCommand>

#include <vector>

class TScheduleModel;

enum TScheduleCommandId : int { kCellEditId = 1, kHeaderEditId };

// One row's segment replaced: a cell edit (mergeable with the next edit of the same cell) or a
// change of several of its fields at once (column -1: never merged).
class TSegmentCommand : public QUndoCommand {
public:
    TSegmentCommand(TScheduleModel& model, int row, int column, const Sizing::TSegment& before,
                    const Sizing::TSegment& after, const QString& text, QUndoCommand* parent = nullptr);
    void redo() override;
    void undo() override;
    [[nodiscard]] int id() const override;
    bool mergeWith(const QUndoCommand* other) override;

private:
    TScheduleModel& FModel;
    int FRow;
    int FColumn;
    Sizing::TSegment FBefore;
    Sizing::TSegment FAfter;
};

// New rows at `row`: added, pasted below the end, or duplicated.
class TInsertCommand : public QUndoCommand {
public:
    TInsertCommand(TScheduleModel& model, int row, std::vector<Sizing::TSegment> segments, const QString& text,
                   QUndoCommand* parent = nullptr);
    void redo() override;
    void undo() override;

private:
    TScheduleModel& FModel;
    int FRow;
    std::vector<Sizing::TSegment> FSegments;
};

// A run of adjacent rows removed, with the keys of a newer release that they carried.
class TRemoveCommand : public QUndoCommand {
public:
    TRemoveCommand(TScheduleModel& model, int row, int count, QUndoCommand* parent = nullptr);
    void redo() override;
    void undo() override;

private:
    TScheduleModel& FModel;
    int FRow;
    int FCount;
    std::vector<Sizing::TSegment> FSegments;
    std::vector<QJsonObject> FExtras;
};

// A block of adjacent rows one place up or down.
class TMoveCommand : public QUndoCommand {
public:
    TMoveCommand(TScheduleModel& model, int first, int count, int delta, const QString& text);
    void redo() override;
    void undo() override;

private:
    TScheduleModel& FModel;
    int FFirst;
    int FCount;
    int FDelta;
};

class THeaderCommand : public QUndoCommand {
public:
    THeaderCommand(TScheduleModel& model, const TScheduleHeader& before, const TScheduleHeader& after,
                   THeaderField field, const QString& text, QUndoCommand* parent = nullptr);
    void redo() override;
    void undo() override;
    [[nodiscard]] int id() const override;
    bool mergeWith(const QUndoCommand* other) override;

private:
    TScheduleModel& FModel;
    TScheduleHeader FBefore;
    TScheduleHeader FAfter;
    THeaderField FField;
};

// Several changes as one step (a paste, a removal of scattered rows): its children run in
// order, and back in reverse, with the schedule recalculated once at the end.
class TBatchCommand : public QUndoCommand {
public:
    TBatchCommand(TScheduleModel& model, const QString& text);
    void redo() override;
    void undo() override;

private:
    TScheduleModel& FModel;
};
