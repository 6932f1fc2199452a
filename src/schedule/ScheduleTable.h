#pragma once
// The schedule's grid, as quick to fill as a spreadsheet: typing on a cell starts its edit,
// Enter commits and moves down, Tab commits and moves across, and an edit the model refuses
// keeps the cell where it is. The run is chosen from a list; a list's critical path is a check
// box, a tree's is the core's mark. A tree's columns are hidden in a list, and skipped by Tab.

#include <QStyledItemDelegate>
#include <QTableView>

class TScheduleModel;

class TScheduleDelegate : public QStyledItemDelegate {
    Q_OBJECT

public:
    using QStyledItemDelegate::QStyledItemDelegate;
    [[nodiscard]] QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                                        const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override;
};

class TScheduleTable : public QTableView {
    Q_OBJECT

public:
    explicit TScheduleTable(TScheduleModel& model, QWidget* parent = nullptr);

    // The selected cells the layout shows.
    [[nodiscard]] QModelIndexList chosenCells() const { return selectedIndexes(); }
    // The rows that have a selected cell, or the current row; ascending.
    [[nodiscard]] QList<int> chosenRows() const;
    void moveToCell(int row, int column);
    // The cell becomes current and the only one selected, whatever keys are held: after a row
    // is added, a paste lands on the new row alone.
    void selectOnly(int row, int column);
    // The columns the layout shows, in order.
    [[nodiscard]] QList<int> shownColumns() const;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void commitData(QWidget* editor) override;
    void closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) override;
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;

private:
    void fitColumns();
    void showLayoutColumns();
    void selectWholeRow(int row);
    void moveBy(int rows, int columns);
    void moveAcross(int columns);
    void moveDown();

    // Set when the model refuses the edit being committed: the cell stays current.
    bool FRefused = false;
    // Where a row's run of Tabs began: Enter goes on at that column of the next row. Forgotten
    // when the cursor goes anywhere else.
    int FTabStartColumn = -1;
    bool FMovingAcross = false;
};
