// The model's reading side, the changes the undo commands make, and the recalculation.
#include "ScheduleModel.h"

#include "CommonTexts.h"
#include "NumberText.h"
#include "ReportFormat.h"
#include "ReportNotes.h"
#include "RiserDrawing.h"
#include "ScheduleCells.h"
#include "ScheduleTexts.h"
#include "ScheduleUnits.h"

#include <QColor>
#include <QGuiApplication>
#include <QPalette>
#include <QUndoStack>

#include <algorithm>

namespace {

using namespace ScheduleCells;

// Translucent, so that they read on a light and on a dark palette alike.
const QColor kRaisedBackground(255, 176, 0, 70);
const QColor kFaultBackground(255, 0, 0, 45);
const QColor kFaultText(190, 0, 0);

std::size_t at(int row) { return static_cast<std::size_t>(row); }

} // namespace

TScheduleModel::TScheduleModel(QObject* parent)
    : QAbstractTableModel(parent)
    , FUndoStack(new QUndoStack(this))
    , FProject(newProject())
{
    recalculate();
}

int TScheduleModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(FProject.schedule.segments.size());
}

int TScheduleModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : kColumnCount; }

QVariant TScheduleModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const int row = index.row();
    const int column = index.column();
    const Sizing::TSegment& segment = FProject.schedule.segments[at(row)];
    switch (role) {
    case Qt::DisplayRole: return displayText(row, column);
    case Qt::EditRole:
        return isEditable(column) ? segmentEditText(segment, column, FProject.units) : displayText(row, column);
    case Qt::CheckStateRole:
        if (column == kOnPath && !isTree())
            return segment.onCriticalPath ? Qt::Checked : Qt::Unchecked;
        return {};
    case Qt::TextAlignmentRole:
        if (column == kName || column == kNote)
            return QVariant::fromValue(Qt::AlignLeading | Qt::AlignVCenter);
        return QVariant::fromValue(Qt::AlignCenter);
    case Qt::ForegroundRole:
        if (rowAtFault(row) || (column == kOutletMargin && outletShort(row)))
            return kFaultText;
        // A tree's path in the colour its riser diagram draws it.
        return column == kOnPath && isTree() ? QVariant(Riser::kCriticalColour) : QVariant();
    case Qt::BackgroundRole:
        if (rowAtFault(row))
            return kFaultBackground;
        if (rowRaised(row) || (column == kStaticPressure && needsReducer(row)))
            return kRaisedBackground;
        // What the core works out is shaded as the read-only part of the table.
        return isEditable(column) ? QVariant() : QVariant(QGuiApplication::palette().color(QPalette::Window));
    case Qt::ToolTipRole: return noteOf(row);
    default: return {};
    }
}

QVariant TScheduleModel::displayText(int row, int column) const
{
    const Sizing::TSchedule& schedule = FProject.schedule;
    if (isEditable(column) && editable(column))
        return segmentText(schedule.segments[at(row)], column, FProject.units);
    if (column == kNote)
        return noteOf(row);
    if (!evaluated())
        return unevaluatedText(schedule, at(row), column, FProject.units);
    const Sizing::TSegmentResult& result = FResult.segments[at(row)];
    if (column == kOnPath)
        return result.onCriticalPath ? ScheduleTexts::kOnPathMark.toString() : QString();
    return resultText(schedule, at(row), result, placeOf(row), column, FProject.units);
}

SegmentFigures::TPlace TScheduleModel::placeOf(int row) const
{
    return SegmentFigures::placeOf(FProject.schedule, FResult, at(row));
}

bool TScheduleModel::outletShort(int row) const
{
    const Sizing::TOutletResult* outlet = evaluated() ? placeOf(row).outlet : nullptr;
    return outlet != nullptr && outlet->complete && outlet->marginPsi < 0.0;
}

bool TScheduleModel::needsReducer(int row) const
{
    // A list shows no static pressures: its rows do not stand for nodes.
    return evaluated() && isTree() && FResult.segments[at(row)].needsPressureReducer;
}

bool TScheduleModel::editable(int column) const { return isEditable(column) && !(column == kOnPath && isTree()); }

bool TScheduleModel::figureAt(int row, int column, SegmentFigures::TFigure& figure) const
{
    if (row < 0 || row >= rowCount())
        return false;
    if (!evaluated())
        return cellFigure(FProject.schedule, at(row), nullptr, column, FProject.units, figure);
    return cellFigure(FProject.schedule, at(row), &FResult.segments[at(row)], column, FProject.units, figure,
                      placeOf(row));
}

QString TScheduleModel::noteOf(int row) const
{
    if (!evaluated())
        return rowAtFault(row) ? Report::scheduleProblemText(FProject.schedule, FCheck) : QString();
    const QString note = resultText(FProject.schedule, at(row), FResult.segments[at(row)], {}, kNote, units());
    const QString valves = valveNote(row);
    if (valves.isEmpty() || note.isEmpty())
        return note + valves;
    return note + u' ' + valves;
}

QString TScheduleModel::valveNote(int row) const
{
    if (!evaluated() || !isTree() || row < 0 || row >= rowCount())
        return {};
    return ReducerValves::valveNote(FProject.schedule, FResult, FValves, at(row), units(), userDecimalSeparator());
}

bool TScheduleModel::rowAtFault(int row) const
{
    if (evaluated())
        return !FResult.segments[at(row)].sized;
    using P = Sizing::TScheduleProblem;
    const bool isTree = FProject.schedule.layout == Sizing::TLayout::Tree;
    const bool segmentFault = FCheck.problem == P::BadSegment || FCheck.problem == P::NotATree
        || FCheck.problem == P::TwoSources || (isTree && FCheck.problem == P::Shortfall);
    return segmentFault && FCheck.segment == at(row);
}

bool TScheduleModel::rowRaised(int row) const
{
    return evaluated() && FResult.segments[at(row)].sized && FResult.segments[at(row)].size.raisedForVelocity;
}

QVariant TScheduleModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Vertical)
        return section + 1;
    // The unit on a line of its own, and the words past the second on another, keep the
    // columns narrow enough for a tree's to fit beside the list's.
    QString title = columnTitle(section, FProject.units);
    const qsizetype unit = title.indexOf(QStringLiteral(" ("));
    QStringList words = title.left(unit).split(u' ');
    constexpr qsizetype kWordsOnALine = 2;
    if (words.size() > kWordsOnALine)
        words[kWordsOnALine - 1] += u'\n' + words.takeAt(kWordsOnALine);
    while (words.size() > kWordsOnALine)
        words[kWordsOnALine - 1] += u' ' + words.takeAt(kWordsOnALine);
    const QString name = words.join(u' ');
    return unit < 0 ? name : name + u'\n' + title.mid(unit + 1);
}

Qt::ItemFlags TScheduleModel::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    const Qt::ItemFlags readable = Qt::ItemIsSelectable | Qt::ItemIsEnabled;
    if (index.column() == kOnPath)
        return isTree() ? readable : readable | Qt::ItemIsUserCheckable;
    return editable(index.column()) ? readable | Qt::ItemIsEditable : readable;
}

void TScheduleModel::setProject(Project::TProject project)
{
    beginResetModel();
    FProject = std::move(project);
    keepExtrasInStep();
    endResetModel();
    FUndoStack->clear();
    emit headerDataChanged(Qt::Horizontal, 0, kColumnCount - 1);
    emit headerChanged();
    emit layoutSwitched();
    recalculate();
}

void TScheduleModel::replaceSegment(int row, const Sizing::TSegment& segment)
{
    FProject.schedule.segments[at(row)] = segment;
    emit dataChanged(index(row, 0), index(row, kColumnCount - 1));
    recalculate();
}

void TScheduleModel::insertSegments(int row, const std::vector<Sizing::TSegment>& segments,
                                    const std::vector<QJsonObject>& extras)
{
    keepExtrasInStep();
    auto& all = FProject.schedule.segments;
    auto& allExtras = FProject.otherSegmentKeys;
    beginInsertRows({}, row, row + static_cast<int>(segments.size()) - 1);
    all.insert(all.begin() + row, segments.begin(), segments.end());
    allExtras.insert(allExtras.begin() + row, extras.begin(), extras.end());
    allExtras.resize(all.size());
    endInsertRows();
    recalculate();
}

void TScheduleModel::takeSegments(int row, int count, std::vector<Sizing::TSegment>& segments,
                                  std::vector<QJsonObject>& extras)
{
    keepExtrasInStep();
    auto& all = FProject.schedule.segments;
    auto& allExtras = FProject.otherSegmentKeys;
    beginRemoveRows({}, row, row + count - 1);
    segments.assign(all.begin() + row, all.begin() + row + count);
    extras.assign(allExtras.begin() + row, allExtras.begin() + row + count);
    all.erase(all.begin() + row, all.begin() + row + count);
    allExtras.erase(allExtras.begin() + row, allExtras.begin() + row + count);
    endRemoveRows();
    recalculate();
}

void TScheduleModel::shiftSegments(int first, int count, int delta)
{
    keepExtrasInStep();
    // Qt names the destination as the row the block goes before, counted before the move.
    const int destination = delta < 0 ? first - 1 : first + count + 1;
    beginMoveRows({}, first, first + count - 1, {}, destination);
    const auto rotate = [first, count, delta](auto& rows) {
        const auto begin = rows.begin() + first;
        if (delta < 0)
            std::rotate(begin - 1, begin, begin + count);
        else
            std::rotate(begin, begin + count, begin + count + 1);
    };
    rotate(FProject.schedule.segments);
    rotate(FProject.otherSegmentKeys);
    endMoveRows();
    recalculate();
}

void TScheduleModel::replaceHeader(const TScheduleHeader& header)
{
    const bool unitsChanged = header.units != FProject.units;
    const bool layoutChanged = header.layout != FProject.schedule.layout;
    applyHeader(header, FProject);
    if (unitsChanged)
        emit headerDataChanged(Qt::Horizontal, 0, kColumnCount - 1);
    if (layoutChanged)
        emit layoutSwitched();
    emit headerChanged();
    recalculate();
}

// A file may list the keys of a newer release for fewer segments than it has; from the first
// change on, every segment has its (possibly empty) set, and they travel together.
void TScheduleModel::keepExtrasInStep() { FProject.otherSegmentKeys.resize(FProject.schedule.segments.size()); }

void TScheduleModel::recalculate()
{
    if (FHolds > 0) {
        FRecalcPending = true;
        return;
    }
    FRecalcPending = false;
    FResult = {};
    (void)Sizing::evaluateSchedule(FProject.schedule, FResult, FCheck);
    FValves = evaluated() ? ReducerValves::TValveMap(FProject.schedule, FResult) : ReducerValves::TValveMap();
    if (rowCount() > 0)
        emit dataChanged(index(0, 0), index(rowCount() - 1, kColumnCount - 1));
    emit recalculated();
}

TScheduleModel::THold::THold(TScheduleModel& model)
    : FModel(model)
{
    ++FModel.FHolds;
}

TScheduleModel::THold::~THold()
{
    if (--FModel.FHolds == 0 && FModel.FRecalcPending)
        FModel.recalculate();
}
