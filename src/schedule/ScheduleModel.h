#pragma once
// The schedule window's table: one row per segment, the seven columns the engineer types and
// the ones the sizing core works out (ScheduleCells). The model holds the whole project and its
// evaluation. An edit never changes the project directly: it becomes an undo command on the
// model's stack, and the model follows what the command changed, recalculating the whole
// schedule after each change (once per batch for a paste or a removal of many rows).
//
// Rows that were raised for velocity are marked, rows that could not be sized (or that keep the
// schedule from being evaluated) are red, and the note column says why.

#include "ProjectFile.h"
#include "ReducerValves.h"
#include "ScheduleHeader.h"
#include "SegmentFigures.h"
#include "Sizing.h"

#include <QAbstractTableModel>
#include <QJsonObject>
#include <QList>
#include <QStringList>

#include <vector>

class QUndoStack;

class TScheduleModel : public QAbstractTableModel {
    Q_OBJECT

public:
    explicit TScheduleModel(QObject* parent = nullptr);

    [[nodiscard]] QUndoStack* undoStack() const { return FUndoStack; }
    [[nodiscard]] const Project::TProject& project() const { return FProject; }
    [[nodiscard]] TScheduleHeader header() const { return headerOf(FProject); }
    [[nodiscard]] Project::TUnits units() const { return FProject.units; }
    // Why the schedule cannot be evaluated; None when result() holds its evaluation.
    [[nodiscard]] const Sizing::TScheduleCheck& check() const { return FCheck; }
    [[nodiscard]] bool evaluated() const { return FCheck.problem == Sizing::TScheduleProblem::None; }
    [[nodiscard]] const Sizing::TScheduleResult& result() const { return FResult; }
    [[nodiscard]] bool isTree() const { return FProject.schedule.layout == Sizing::TLayout::Tree; }
    // A tree row's valve at its start with its setting, or what to do about its node's static
    // pressure over 4 bar and which valve does it, in the project's units; empty otherwise.
    [[nodiscard]] QString valveNote(int row) const;
    // A column the user types in, in the present layout: a tree's critical path is the core's.
    [[nodiscard]] bool editable(int column) const;

    [[nodiscard]] int rowCount(const QModelIndex& parent = {}) const override;
    [[nodiscard]] int columnCount(const QModelIndex& parent = {}) const override;
    [[nodiscard]] QVariant data(const QModelIndex& index, int role) const override;
    // The figure behind a cell of numbers or of the pipe, as a copy takes it; false for words.
    [[nodiscard]] bool figureAt(int row, int column, SegmentFigures::TFigure& figure) const;
    [[nodiscard]] QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    [[nodiscard]] Qt::ItemFlags flags(const QModelIndex& index) const override;
    // Pushes the edit as a command; false, with editRefused, for text the column does not take.
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;

    // A new or opened project: the undo history starts again from it.
    void setProject(Project::TProject project);

    // Undoable edits. Each is refused, with editRefused, when it would leave the project in a
    // state the file cannot hold; one that would change nothing pushes nothing.
    void setHeader(const TScheduleHeader& header, THeaderField field);
    // A new segment below `row` (at the top for -1), like the row above it; its row. In a tree
    // it leaves the same node as that row, to the next free node.
    int addRow(int row);
    // A tree's new segment below `row`, from that row's `to` to the next free node; its row, or
    // -1 with editRefused in a list or when the row has no `to`.
    int addBranch(int row);
    // The layout switched as one step; a list without nodes becomes the chain A, B, C… in its
    // order. Says so with told().
    void setLayout(Sizing::TLayout layout);
    void duplicateRows(const QList<int>& rows);
    void removeSegmentRows(const QList<int>& rows);
    // A block of rows one place up (delta -1) or down (+1); false at the table's edge.
    bool moveSegmentRows(int first, int count, int delta);
    // Pasted cells, as one step; a row past the end adds rows up to it, and a cell in a computed
    // column is skipped. All or nothing: one text a column does not take refuses the paste.
    struct TCellText {
        int row = 0;
        int column = 0;
        QString text;
    };
    bool pasteCells(const std::vector<TCellText>& cells, const QString& undoText);
    // A load from the demand helper: it replaces the row's load and clears any typed flow, so
    // that the load is what the row is sized for.
    void applyLoad(int row, double fixtureUnits);

    // What the commands do, in redo and undo; the views follow through the model's signals.
    void replaceSegment(int row, const Sizing::TSegment& segment);
    void insertSegments(int row, const std::vector<Sizing::TSegment>& segments, const std::vector<QJsonObject>& extras);
    void takeSegments(int row, int count, std::vector<Sizing::TSegment>& segments, std::vector<QJsonObject>& extras);
    void shiftSegments(int first, int count, int delta);
    void replaceHeader(const TScheduleHeader& header);

    // Holds the recalculation until the last hold of a batch is released.
    class THold {
    public:
        explicit THold(TScheduleModel& model);
        ~THold();
        THold(const THold&) = delete;
        THold& operator=(const THold&) = delete;

    private:
        TScheduleModel& FModel;
    };

signals:
    // After every recalculation: the totals and the marks may have changed.
    void recalculated();
    void headerChanged();
    // Persian: why an edit was refused; the project is unchanged.
    void editRefused(const QString& reason);
    // Persian: what a change means for the user, for the status line.
    void told(const QString& text);
    // The layout is another: the views show or hide a tree's columns.
    void layoutSwitched();

private:
    [[nodiscard]] QVariant displayText(int row, int column) const;
    [[nodiscard]] QString noteOf(int row) const;
    [[nodiscard]] bool rowAtFault(int row) const;
    [[nodiscard]] bool rowRaised(int row) const;
    [[nodiscard]] SegmentFigures::TPlace placeOf(int row) const;
    [[nodiscard]] bool outletShort(int row) const;
    [[nodiscard]] bool needsReducer(int row) const;
    [[nodiscard]] Sizing::TSegment newSegmentBelow(int row) const;
    void recalculate();
    void keepExtrasInStep();

    QUndoStack* FUndoStack = nullptr;
    Project::TProject FProject;
    Sizing::TScheduleCheck FCheck;
    Sizing::TScheduleResult FResult;
    ReducerValves::TValveMap FValves; // of FResult, built once per recalculation
    int FHolds = 0;
    bool FRecalcPending = false;
};
