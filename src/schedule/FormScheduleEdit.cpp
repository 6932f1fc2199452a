// The schedule window's rows and clipboard, and the demand helper asked for one row.
#include "FormSchedule.h"

#include "ReportFormat.h"
#include "ScheduleCells.h"
#include "ScheduleClipboard.h"
#include "ScheduleModel.h"
#include "ScheduleTable.h"
#include "ScheduleTexts.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QSet>

#include <algorithm>

namespace {

using namespace ScheduleCells;
using namespace ScheduleTexts;

// The columns a Delete empties; a length and the choices have no empty value.
bool clearable(int column)
{
    return column == kName || column == kFixtureUnits || column == kTypedFlow || column == kFittings;
}

// A row of the clipboard that names columns, as a copy with headers begins.
bool isHeaderRow(const QStringList& cells)
{
    QSet<QString> titles;
    for (int column = 0; column < kColumnCount; ++column)
        titles << columnTitle(column, Project::TUnits::US) << columnTitle(column, Project::TUnits::SI);
    bool named = false;
    for (const QString& cell : cells) {
        if (cell.isEmpty())
            continue;
        if (!titles.contains(cell))
            return false;
        named = true;
    }
    return named;
}

// A number is copied from its figure with ".", so that any spreadsheet reads it; words as shown.
QString copiedText(const TScheduleModel& model, const QModelIndex& index)
{
    const int column = index.column();
    if (column == kOnPath && !model.isTree())
        return onPathWord(index.data(Qt::CheckStateRole).toInt() == Qt::Checked);
    SegmentFigures::TFigure figure;
    if (model.figureAt(index.row(), column, figure))
        return SegmentFigures::written(figure, ReportFormat::kPlainDecimalMark);
    return ScheduleClipboard::withoutIsolates(index.data(Qt::DisplayRole).toString());
}

// The cells of the rows and columns given, under a row of the columns' titles.
QString blockText(const TScheduleModel& model, const QList<int>& rows, const QList<int>& columns,
                  const QSet<QPair<int, int>>* chosen)
{
    QList<QStringList> block;
    QStringList titles;
    for (int column : columns)
        titles << columnTitle(column, model.units());
    block << titles;
    for (int row : rows) {
        QStringList cells;
        for (int column : columns)
            cells << (chosen == nullptr || chosen->contains({row, column}) ? copiedText(model, model.index(row, column))
                                                                           : QString());
        block << cells;
    }
    return ScheduleClipboard::tabSeparated(block);
}

QList<int> sortedUnique(QList<int> values)
{
    std::sort(values.begin(), values.end());
    values.erase(std::unique(values.begin(), values.end()), values.end());
    return values;
}

} // namespace

void TFormSchedule::addRow()
{
    const QModelIndex current = FTable->currentIndex();
    const int below = current.isValid() ? current.row() : FModel->rowCount() - 1;
    const int row = FModel->addRow(below);
    if (row >= 0)
        FTable->selectOnly(row, kName);
}

void TFormSchedule::addBranch()
{
    const QModelIndex current = FTable->currentIndex();
    const int row = FModel->addBranch(current.isValid() ? current.row() : -1);
    if (row >= 0)
        FTable->selectOnly(row, std::max(current.column(), 0));
}

void TFormSchedule::removeRows()
{
    const QList<int> rows = FTable->chosenRows();
    if (rows.isEmpty())
        return;
    const int column = std::max(FTable->currentIndex().column(), 0);
    FModel->removeSegmentRows(rows);
    FTable->selectOnly(std::min(rows.front(), FModel->rowCount() - 1), column);
}

void TFormSchedule::duplicateRows()
{
    const QList<int> rows = FTable->chosenRows();
    if (rows.isEmpty())
        return;
    FModel->duplicateRows(rows);
    FTable->selectOnly(rows.back() + 1, std::max(FTable->currentIndex().column(), 0));
}

void TFormSchedule::moveRowsUp() { moveRows(-1); }
void TFormSchedule::moveRowsDown() { moveRows(1); }

// A block of adjacent rows moves; the selection and the cursor go with it.
void TFormSchedule::moveRows(int delta)
{
    const QList<int> rows = FTable->chosenRows();
    if (rows.isEmpty() || rows.back() - rows.front() + 1 != rows.size())
        return;
    FModel->moveSegmentRows(rows.front(), static_cast<int>(rows.size()), delta);
}

void TFormSchedule::copyCells()
{
    QModelIndexList chosen = FTable->chosenCells();
    if (chosen.isEmpty() && FTable->currentIndex().isValid())
        chosen << FTable->currentIndex();
    if (chosen.isEmpty())
        return;
    QList<int> rows;
    QList<int> columns;
    QSet<QPair<int, int>> cells;
    for (const QModelIndex& index : chosen) {
        rows << index.row();
        columns << index.column();
        cells.insert({index.row(), index.column()});
    }
    QGuiApplication::clipboard()->setText(blockText(*FModel, sortedUnique(rows), sortedUnique(columns), &cells));
}

void TFormSchedule::copyTable()
{
    QList<int> rows;
    QList<int> columns;
    for (int row = 0; row < FModel->rowCount(); ++row)
        rows << row;
    QGuiApplication::clipboard()->setText(blockText(*FModel, rows, FTable->shownColumns(), nullptr));
}

void TFormSchedule::pasteCells()
{
    QList<QStringList> block = ScheduleClipboard::parseTabSeparated(QGuiApplication::clipboard()->text());
    if (!block.isEmpty() && isHeaderRow(block.constFirst()))
        block.removeFirst();
    if (block.isEmpty()) {
        showStatus(kPasteEmpty.toString());
        return;
    }
    const QModelIndexList selected = FTable->chosenCells();
    std::vector<TScheduleModel::TCellText> cells;
    // One value fills every cell chosen.
    if (block.size() == 1 && block.constFirst().size() == 1 && selected.size() > 1) {
        for (const QModelIndex& index : selected)
            cells.push_back({index.row(), index.column(), block.constFirst().constFirst()});
    } else {
        int top = FTable->currentIndex().isValid() ? FTable->currentIndex().row() : FModel->rowCount();
        int left = FTable->currentIndex().isValid() ? FTable->currentIndex().column() : 0;
        for (const QModelIndex& index : selected) {
            top = std::min(top, index.row());
            left = std::min(left, index.column());
        }
        // A block copied from the grid holds the columns it showed: it goes back into those.
        const QList<int> shown = FTable->shownColumns();
        const qsizetype first = std::max<qsizetype>(shown.indexOf(left), 0);
        for (qsizetype r = 0; r < block.size(); ++r)
            for (qsizetype c = 0; c < block[r].size() && first + c < shown.size(); ++c)
                cells.push_back({top + static_cast<int>(r), shown[first + c], block[r][c]});
    }
    if (FModel->pasteCells(cells, kUndoPaste.toString()))
        showStatus(kPasted.toString().arg(block.size()));
}

void TFormSchedule::clearCells()
{
    std::vector<TScheduleModel::TCellText> cells;
    for (const QModelIndex& index : FTable->chosenCells())
        if (clearable(index.column()))
            cells.push_back({index.row(), index.column(), {}});
    if (!cells.empty())
        FModel->pasteCells(cells, kUndoClear.toString());
}

void TFormSchedule::requestDemand()
{
    const QModelIndex current = FTable->currentIndex();
    if (!current.isValid()) {
        showStatus(kNoRowChosen.toString());
        return;
    }
    FDemandRow = FModel->index(current.row(), kFixtureUnits);
    emit demandRequested(FModel->project().schedule.supply);
}

void TFormSchedule::applyDemandLoad(double fixtureUnits)
{
    if (!FDemandRow.isValid()) {
        showStatus(kRowGone.toString());
        return;
    }
    FModel->applyLoad(FDemandRow.row(), fixtureUnits);
}
