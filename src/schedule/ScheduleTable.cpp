#include "ScheduleTable.h"

#include "CommonTexts.h"
#include "ScheduleCells.h"
#include "ScheduleModel.h"
#include "ScheduleTexts.h"

#include <QComboBox>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QHeaderView>
#include <QKeyEvent>

#include <algorithm>
#include <array>

namespace {

using namespace ScheduleCells;

// clang-format off
constexpr std::array<int, kColumnCount> kColumnWidthsPx{
    140, 45, 45, 55, 60, 60, 70, 60, 55, 60, 60, 60, 60, 70, 80, 55, 65, 65, 70, 70, 70, 60, 240};
// clang-format on
constexpr int kHeaderPaddingPx = 14;
// The longest pipe a cell shows: a nominal size with its DN beside it.
const QString kWidestPipe = QStringLiteral("2 1/2\" DN65");

} // namespace

QWidget* TScheduleDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                                         const QModelIndex& index) const
{
    if (index.column() != kRun)
        return QStyledItemDelegate::createEditor(parent, option, index);
    auto* runs = new QComboBox(parent);
    runs->addItems({CommonTexts::kRunMain.toString(), CommonTexts::kRunBranch.toString()});
    return runs;
}

void TScheduleDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const
{
    if (auto* runs = qobject_cast<QComboBox*>(editor); runs != nullptr && index.column() == kRun)
        runs->setCurrentText(index.data(Qt::EditRole).toString());
    else
        QStyledItemDelegate::setEditorData(editor, index);
}

void TScheduleDelegate::setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const
{
    if (auto* runs = qobject_cast<QComboBox*>(editor); runs != nullptr && index.column() == kRun)
        model->setData(index, runs->currentText(), Qt::EditRole);
    else
        QStyledItemDelegate::setModelData(editor, model, index);
}

TScheduleTable::TScheduleTable(TScheduleModel& model, QWidget* parent)
    : QTableView(parent)
{
    setObjectName(QStringLiteral("GridSegments"));
    setModel(&model);
    setItemDelegate(new TScheduleDelegate(this));
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setEditTriggers(QAbstractItemView::AnyKeyPressed | QAbstractItemView::DoubleClicked
                    | QAbstractItemView::EditKeyPressed);
    setContextMenuPolicy(Qt::ActionsContextMenu);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 8);
    fitColumns();
    horizontalHeader()->setStretchLastSection(true);
    horizontalHeader()->setDefaultAlignment(Qt::AlignCenter);
    connect(&model, &TScheduleModel::editRefused, this, [this] { FRefused = true; });
    connect(&model, &QAbstractItemModel::headerDataChanged, this, &TScheduleTable::fitColumns);
    connect(&model, &TScheduleModel::layoutSwitched, this, &TScheduleTable::showLayoutColumns);
    // Qt's own row selection looks for the first column at the viewport's far edge, where a
    // right-to-left header has none, and selects nothing: a click on a row's number does it here.
    connect(verticalHeader(), &QHeaderView::sectionPressed, this, &TScheduleTable::selectWholeRow);
    showLayoutColumns();
}

void TScheduleTable::selectWholeRow(int row)
{
    const QModelIndex first = model()->index(row, 0);
    if (!first.isValid())
        return;
    const bool adding = QGuiApplication::keyboardModifiers().testFlag(Qt::ControlModifier);
    selectionModel()->select(QItemSelection(first, model()->index(row, kColumnCount - 1)),
                             adding ? QItemSelectionModel::Select : QItemSelectionModel::ClearAndSelect);
    selectionModel()->setCurrentIndex(model()->index(row, kName), QItemSelectionModel::NoUpdate);
}

void TScheduleTable::showLayoutColumns()
{
    const bool tree = static_cast<const TScheduleModel*>(model())->isTree();
    for (int column = 0; column < kColumnCount; ++column)
        setColumnHidden(column, isTreeColumn(column) && !tree);
}

QList<int> TScheduleTable::shownColumns() const
{
    QList<int> columns;
    for (int column = 0; column < kColumnCount; ++column)
        if (!isColumnHidden(column))
            columns << column;
    return columns;
}

// Each column at least as wide as its heading's longest line, whatever the font and the units.
void TScheduleTable::fitColumns()
{
    const QFontMetrics metrics = horizontalHeader()->fontMetrics();
    for (int column = 0; column < kColumnCount; ++column) {
        int widthPx = kColumnWidthsPx[static_cast<std::size_t>(column)];
        const QString title = model()->headerData(column, Qt::Horizontal, Qt::DisplayRole).toString();
        for (const QString& line : title.split(QLatin1Char('\n')))
            widthPx = std::max(widthPx, metrics.horizontalAdvance(line) + kHeaderPaddingPx);
        if (column == kPipe)
            widthPx = std::max(widthPx, fontMetrics().horizontalAdvance(kWidestPipe) + kHeaderPaddingPx);
        setColumnWidth(column, widthPx);
    }
}

QList<int> TScheduleTable::chosenRows() const
{
    QList<int> rows;
    for (const QModelIndex& index : selectionModel()->selectedIndexes())
        rows << index.row();
    if (rows.isEmpty() && currentIndex().isValid())
        rows << currentIndex().row();
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    return rows;
}

void TScheduleTable::moveToCell(int row, int column)
{
    const QModelIndex target = model()->index(row, column);
    if (target.isValid())
        setCurrentIndex(target);
}

void TScheduleTable::selectOnly(int row, int column)
{
    const QModelIndex target = model()->index(row, column);
    if (target.isValid())
        selectionModel()->setCurrentIndex(target, QItemSelectionModel::ClearAndSelect);
}

// Across the columns shown: a hidden one is not a stop.
void TScheduleTable::moveBy(int rows, int columns)
{
    const QModelIndex current = currentIndex();
    if (!current.isValid())
        return;
    const int row = std::clamp(current.row() + rows, 0, model()->rowCount() - 1);
    const QList<int> shown = shownColumns();
    const qsizetype place = std::max<qsizetype>(shown.indexOf(current.column()), 0);
    moveToCell(row, shown[std::clamp<qsizetype>(place + columns, 0, shown.size() - 1)]);
}

void TScheduleTable::moveAcross(int columns)
{
    const QModelIndex current = currentIndex();
    if (!current.isValid())
        return;
    if (FTabStartColumn < 0)
        FTabStartColumn = current.column();
    FMovingAcross = true;
    moveBy(0, columns);
    FMovingAcross = false;
}

void TScheduleTable::moveDown()
{
    const QModelIndex current = currentIndex();
    if (!current.isValid())
        return;
    const int column = FTabStartColumn >= 0 ? FTabStartColumn : current.column();
    FTabStartColumn = -1;
    moveToCell(std::min(current.row() + 1, model()->rowCount() - 1), column);
}

void TScheduleTable::currentChanged(const QModelIndex& current, const QModelIndex& previous)
{
    if (!FMovingAcross)
        FTabStartColumn = -1;
    QTableView::currentChanged(current, previous);
}

void TScheduleTable::keyPressEvent(QKeyEvent* event)
{
    const bool plain = event->modifiers() == Qt::NoModifier || event->modifiers() == Qt::KeypadModifier;
    if (state() != EditingState && plain) {
        switch (event->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter: moveDown(); return;
        case Qt::Key_Tab: moveAcross(1); return;
        default: break;
        }
    }
    if (state() != EditingState && event->key() == Qt::Key_Backtab) {
        moveAcross(-1);
        return;
    }
    QTableView::keyPressEvent(event);
}

void TScheduleTable::commitData(QWidget* editor)
{
    FRefused = false;
    QTableView::commitData(editor);
}

void TScheduleTable::closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint)
{
    // The editor closes in any case; the cursor moves only after an edit that was taken, and
    // without opening the next cell's editor, as a spreadsheet does.
    QTableView::closeEditor(editor, QAbstractItemDelegate::NoHint);
    const bool refused = std::exchange(FRefused, false);
    if (refused)
        return;
    switch (hint) {
    case QAbstractItemDelegate::SubmitModelCache: moveDown(); break;
    case QAbstractItemDelegate::EditNextItem: moveAcross(1); break;
    case QAbstractItemDelegate::EditPreviousItem: moveAcross(-1); break;
    default: break;
    }
}
