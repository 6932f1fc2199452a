#include "ScheduleCommands.h"

#include "ScheduleCells.h"
#include "ScheduleModel.h"

TSegmentCommand::TSegmentCommand(TScheduleModel& model, int row, int column, const Sizing::TSegment& before,
                                 const Sizing::TSegment& after, const QString& text, QUndoCommand* parent)
    : QUndoCommand(text, parent)
    , FModel(model)
    , FRow(row)
    , FColumn(column)
    , FBefore(before)
    , FAfter(after)
{
}

void TSegmentCommand::redo() { FModel.replaceSegment(FRow, FAfter); }
void TSegmentCommand::undo() { FModel.replaceSegment(FRow, FBefore); }
int TSegmentCommand::id() const { return FColumn >= 0 ? kCellEditId : -1; }

bool TSegmentCommand::mergeWith(const QUndoCommand* other)
{
    const auto* next = static_cast<const TSegmentCommand*>(other);
    if (next->FRow != FRow || next->FColumn != FColumn)
        return false;
    FAfter = next->FAfter;
    // Typed back to what it was: the step changes nothing and leaves the history.
    setObsolete(ScheduleCells::sameSegment(FAfter, FBefore));
    return true;
}

TInsertCommand::TInsertCommand(TScheduleModel& model, int row, std::vector<Sizing::TSegment> segments,
                               const QString& text, QUndoCommand* parent)
    : QUndoCommand(text, parent)
    , FModel(model)
    , FRow(row)
    , FSegments(std::move(segments))
{
}

// A row that is new carries no keys of a newer release, even when it copies one that does.
void TInsertCommand::redo() { FModel.insertSegments(FRow, FSegments, std::vector<QJsonObject>(FSegments.size())); }

void TInsertCommand::undo()
{
    std::vector<Sizing::TSegment> segments;
    std::vector<QJsonObject> extras;
    FModel.takeSegments(FRow, static_cast<int>(FSegments.size()), segments, extras);
}

TRemoveCommand::TRemoveCommand(TScheduleModel& model, int row, int count, QUndoCommand* parent)
    : QUndoCommand(parent)
    , FModel(model)
    , FRow(row)
    , FCount(count)
{
}

void TRemoveCommand::redo() { FModel.takeSegments(FRow, FCount, FSegments, FExtras); }
void TRemoveCommand::undo() { FModel.insertSegments(FRow, FSegments, FExtras); }

TMoveCommand::TMoveCommand(TScheduleModel& model, int first, int count, int delta, const QString& text)
    : QUndoCommand(text)
    , FModel(model)
    , FFirst(first)
    , FCount(count)
    , FDelta(delta)
{
}

void TMoveCommand::redo() { FModel.shiftSegments(FFirst, FCount, FDelta); }
void TMoveCommand::undo() { FModel.shiftSegments(FFirst + FDelta, FCount, -FDelta); }

THeaderCommand::THeaderCommand(TScheduleModel& model, const TScheduleHeader& before, const TScheduleHeader& after,
                               THeaderField field, const QString& text, QUndoCommand* parent)
    : QUndoCommand(text, parent)
    , FModel(model)
    , FBefore(before)
    , FAfter(after)
    , FField(field)
{
}

void THeaderCommand::redo() { FModel.replaceHeader(FAfter); }
void THeaderCommand::undo() { FModel.replaceHeader(FBefore); }
int THeaderCommand::id() const { return kHeaderEditId; }

bool THeaderCommand::mergeWith(const QUndoCommand* other)
{
    const auto* next = static_cast<const THeaderCommand*>(other);
    // A switch of units or of layout is a step of its own, each time.
    if (next->FField != FField || FField == THeaderField::Units || FField == THeaderField::Layout)
        return false;
    FAfter = next->FAfter;
    setObsolete(FAfter == FBefore);
    return true;
}

TBatchCommand::TBatchCommand(TScheduleModel& model, const QString& text)
    : QUndoCommand(text)
    , FModel(model)
{
}

void TBatchCommand::redo()
{
    const TScheduleModel::THold hold(FModel);
    QUndoCommand::redo();
}

void TBatchCommand::undo()
{
    const TScheduleModel::THold hold(FModel);
    QUndoCommand::undo();
}
