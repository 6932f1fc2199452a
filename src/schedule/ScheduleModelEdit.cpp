// The model's editing side: every change becomes a command on the undo stack.
#include "ScheduleModel.h"

#include "CommonTexts.h"
#include "Demand.h"
#include "ScheduleCells.h"
#include "ScheduleCommands.h"
#include "ScheduleTexts.h"
#include "ScheduleUnits.h"

#include <QUndoStack>

#include <algorithm>
#include <cmath>
#include <map>

namespace {

using namespace ScheduleCells;
using namespace ScheduleTexts;

// The first segment of a new project: a main on the critical path, 10 ft long, or 3 m in SI.
constexpr double kFirstLengthFt = 10.0;
constexpr double kFirstLengthM = 3.0;

std::size_t at(int row) { return static_cast<std::size_t>(row); }

// Sorted, without repeats, inside the table.
QList<int> cleanRows(QList<int> rows, int rowCount)
{
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    rows.removeIf([rowCount](int row) { return row < 0 || row >= rowCount; });
    return rows;
}

} // namespace

bool TScheduleModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (!index.isValid() || index.row() >= rowCount() || !editable(index.column()))
        return false;
    QString text = value.toString();
    if (role == Qt::CheckStateRole && index.column() == kOnPath)
        text = onPathWord(value.toInt() == Qt::Checked);
    else if (role != Qt::EditRole)
        return false;
    const Sizing::TSegment& before = FProject.schedule.segments[at(index.row())];
    Sizing::TSegment after = before;
    // The text the cell showed, given back unchanged, changes nothing: a value shown in SI must
    // not drift through its rounded display.
    if (text == segmentText(before, index.column(), FProject.units)
        || text == segmentEditText(before, index.column(), FProject.units))
        return true;
    QString problem;
    if (!readCell(text, index.column(), FProject.units, after, problem)) {
        emit editRefused(problem);
        return false;
    }
    if (!sameSegment(before, after))
        FUndoStack->push(new TSegmentCommand(*this, index.row(), index.column(), before, after, kUndoCell.toString()));
    return true;
}

void TScheduleModel::setHeader(const TScheduleHeader& header, THeaderField field)
{
    const TScheduleHeader before = headerOf(FProject);
    if (header == before)
        return;
    const QStringView words = field == THeaderField::Units ? kUndoUnits
        : field == THeaderField::SourceChoice              ? kUndoSource
                                                           : kUndoHeader;
    const QString text = words.toString();
    FUndoStack->push(new THeaderCommand(*this, before, header, field, text));
}

Sizing::TSegment TScheduleModel::newSegmentBelow(int row) const
{
    Sizing::TSegment segment;
    if (row >= 0 && row < rowCount()) {
        // Like the row above: a schedule is mostly typed run after run of similar segments.
        const Sizing::TSegment& above = FProject.schedule.segments[at(row)];
        segment.run = above.run;
        segment.lengthFt = above.lengthFt;
        segment.fittingsPercent = above.fittingsPercent;
        segment.onCriticalPath = above.onCriticalPath;
        return segment;
    }
    segment.lengthFt = FProject.units == Project::TUnits::SI
        ? ScheduleUnits::lengthFt(kFirstLengthM, Project::TUnits::SI)
        : kFirstLengthFt;
    return segment;
}

int TScheduleModel::addRow(int row)
{
    const int newRow = std::clamp(row + 1, 0, rowCount());
    if (rowCount() >= Project::kMaxSegments) {
        emit editRefused(kPasteTooMany.toString().arg(Project::kMaxSegments));
        return -1;
    }
    Sizing::TSegment segment = newSegmentBelow(row);
    // In a tree a new row is a sibling, so that the tree stays whole while its row is filled in.
    if (isTree() && row >= 0 && row < rowCount()) {
        segment.from = FProject.schedule.segments[at(row)].from;
        segment.to = nextFreeNode(FProject.schedule).toStdString();
    }
    FUndoStack->push(new TInsertCommand(*this, newRow, {segment}, kUndoAdd.toString()));
    return newRow;
}

int TScheduleModel::addBranch(int row)
{
    if (!isTree()) {
        emit editRefused(kBranchOnlyInTree.toString());
        return -1;
    }
    if (row < 0 || row >= rowCount() || FProject.schedule.segments[at(row)].to.empty()) {
        emit editRefused(kBranchNeedsNode.toString());
        return -1;
    }
    if (rowCount() >= Project::kMaxSegments) {
        emit editRefused(kPasteTooMany.toString().arg(Project::kMaxSegments));
        return -1;
    }
    Sizing::TSegment branch = newSegmentBelow(row);
    branch.from = FProject.schedule.segments[at(row)].to;
    branch.to = nextFreeNode(FProject.schedule).toStdString();
    branch.name = branch.from + '-' + branch.to;
    FUndoStack->push(new TInsertCommand(*this, row + 1, {branch}, kUndoBranch.toString()));
    return row + 1;
}

void TScheduleModel::setLayout(Sizing::TLayout layout)
{
    const TScheduleHeader before = headerOf(FProject);
    if (before.layout == layout)
        return;
    TScheduleHeader after = before;
    after.layout = layout;
    auto* batch = new TBatchCommand(*this, kUndoLayout.toString());
    new THeaderCommand(*this, before, after, THeaderField::Layout, {}, batch);
    const auto& segments = FProject.schedule.segments;
    const bool named = std::any_of(segments.begin(), segments.end(),
                                   [](const Sizing::TSegment& s) { return !s.from.empty() || !s.to.empty(); });
    const bool nameNodes = layout == Sizing::TLayout::Tree && !named && !segments.empty();
    for (std::size_t row = 0; nameNodes && row < segments.size(); ++row) {
        Sizing::TSegment chained = segments[row];
        chained.from = nodeLetters(static_cast<int>(row)).toStdString();
        chained.to = nodeLetters(static_cast<int>(row) + 1).toStdString();
        new TSegmentCommand(*this, static_cast<int>(row), -1, segments[row], chained, {}, batch);
    }
    FUndoStack->push(batch);
    if (layout != Sizing::TLayout::Tree)
        return;
    QString text = kTreeLoads.toString();
    if (nameNodes)
        text += kTreeNodesNamed.toString().arg(nodeLetters(0), nodeLetters(static_cast<int>(segments.size())));
    emit told(text);
}

void TScheduleModel::duplicateRows(const QList<int>& rows)
{
    const QList<int> chosen = cleanRows(rows, rowCount());
    if (chosen.isEmpty())
        return;
    if (rowCount() + chosen.size() > Project::kMaxSegments) {
        emit editRefused(kPasteTooMany.toString().arg(Project::kMaxSegments));
        return;
    }
    std::vector<Sizing::TSegment> copies;
    for (int row : chosen)
        copies.push_back(FProject.schedule.segments[at(row)]);
    FUndoStack->push(new TInsertCommand(*this, chosen.back() + 1, std::move(copies), kDuplicateRow.toString()));
}

void TScheduleModel::removeSegmentRows(const QList<int>& rows)
{
    const QList<int> chosen = cleanRows(rows, rowCount());
    if (chosen.isEmpty())
        return;
    // Runs of adjacent rows, the lowest first, so that each run's row numbers still hold when
    // it is removed and, in reverse, when it comes back.
    std::vector<std::pair<int, int>> runs;
    for (auto row = chosen.crbegin(); row != chosen.crend(); ++row) {
        if (!runs.empty() && runs.back().first == *row + 1) {
            --runs.back().first;
            ++runs.back().second;
        } else {
            runs.emplace_back(*row, 1);
        }
    }
    auto* batch = new TBatchCommand(*this, kUndoRemove.toString());
    for (const auto& [first, count] : runs)
        new TRemoveCommand(*this, first, count, batch);
    FUndoStack->push(batch);
}

bool TScheduleModel::moveSegmentRows(int first, int count, int delta)
{
    if (count <= 0 || first < 0 || (delta != -1 && delta != 1) || first + delta < 0
        || first + count - 1 + delta >= rowCount())
        return false;
    FUndoStack->push(new TMoveCommand(*this, first, count, delta, kUndoMove.toString()));
    return true;
}

bool TScheduleModel::pasteCells(const std::vector<TCellText>& cells, const QString& undoText)
{
    int lastRow = rowCount() - 1;
    for (const TCellText& cell : cells)
        lastRow = std::max(lastRow, cell.row);
    if (lastRow >= Project::kMaxSegments) {
        emit editRefused(kPasteTooMany.toString().arg(Project::kMaxSegments));
        return false;
    }
    // Every row the paste touches, as it will be; rows past the end start like the last row.
    std::map<int, Sizing::TSegment> changed;
    for (const TCellText& cell : cells) {
        if (cell.row < 0 || !editable(cell.column))
            continue;
        auto found = changed.find(cell.row);
        if (found == changed.end()) {
            const Sizing::TSegment start
                = cell.row < rowCount() ? FProject.schedule.segments[at(cell.row)] : newSegmentBelow(rowCount() - 1);
            found = changed.emplace(cell.row, start).first;
        }
        Sizing::TSegment& segment = found->second;
        if (cell.text == segmentText(segment, cell.column, FProject.units)
            || cell.text == segmentEditText(segment, cell.column, FProject.units))
            continue;
        QString problem;
        if (!readCell(cell.text, cell.column, FProject.units, segment, problem)) {
            emit editRefused(kPasteRefused.toString().arg(cell.row + 1).arg(problem));
            return false;
        }
    }
    auto* batch = new TBatchCommand(*this, undoText);
    std::vector<Sizing::TSegment> appended;
    for (const auto& [row, segment] : changed) {
        if (row >= rowCount())
            appended.push_back(segment);
        else if (!sameSegment(segment, FProject.schedule.segments[at(row)]))
            new TSegmentCommand(*this, row, -1, FProject.schedule.segments[at(row)], segment, {}, batch);
    }
    // Rows past the end come in as one block, also those the paste left between.
    const int firstNew = rowCount();
    for (int row = firstNew; row <= lastRow; ++row)
        if (changed.find(row) == changed.end())
            appended.insert(appended.begin() + (row - firstNew), newSegmentBelow(firstNew - 1));
    if (!appended.empty())
        new TInsertCommand(*this, firstNew, std::move(appended), {}, batch);
    if (batch->childCount() == 0) {
        delete batch;
        return true;
    }
    FUndoStack->push(batch);
    return true;
}

void TScheduleModel::applyLoad(int row, double fixtureUnits)
{
    if (row < 0 || row >= rowCount())
        return;
    if (!std::isfinite(fixtureUnits) || fixtureUnits < 0.0 || fixtureUnits > Design::kMaxFixtureUnits) {
        emit editRefused(kLoadTooLarge.toString().arg(CommonTexts::kColumnFixtureUnits).arg(Design::kMaxFixtureUnits));
        return;
    }
    const Sizing::TSegment& before = FProject.schedule.segments[at(row)];
    Sizing::TSegment after = before;
    after.fixtureUnits = fixtureUnits;
    after.flowGpm = 0.0;
    if (!sameSegment(before, after))
        FUndoStack->push(new TSegmentCommand(*this, row, -1, before, after, kUndoLoad.toString()));
}
