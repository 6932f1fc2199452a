#include "ReportTable.h"

#include "CommonTexts.h"
#include "NumberText.h"
#include "ReportTexts.h"
#include "ScheduleUnits.h"
#include "SegmentFigures.h"

namespace {

using namespace CommonTexts;
using namespace ScheduleUnits;
using SegmentFigures::TColumn;

std::vector<TReportColumn> columns(Project::TUnits u)
{
    return {{ReportTexts::kColumnRow.toString(), {}, false},
            {kColumnSegment.toString(), {}, true},
            {kColumnRun.toString(), {}, false},
            {kColumnFixtureUnits.toString(), {}, false},
            {kColumnFlow.toString(), flowUnit(u), false},
            {kColumnLength.toString(), lengthUnit(u), false},
            {kColumnFittings.toString(), QStringLiteral("%"), false},
            {kColumnEquivalentLength.toString(), lengthUnit(u), false},
            {kColumnPipe.toString(), {}, false},
            {kColumnVelocity.toString(), velocityUnit(u), false},
            {kColumnLoss.toString(), lossUnit(u), false},
            {kColumnSegmentLoss.toString(), pressureUnit(u), false},
            {kColumnCumulative.toString(), pressureUnit(u), false},
            {kColumnNote.toString(), {}, true}};
}

QString shortNote(const Sizing::TSegmentResult& r)
{
    if (!r.sized)
        return (r.problem == Sizing::TSizeProblem::NoLoad ? kNoteNoLoad : kShortUnsized).toString();
    return r.size.raisedForVelocity ? kShortRaised.toString() : QString();
}

QStringList row(const Project::TProject& project, std::size_t index, const Sizing::TSegmentResult& r)
{
    const Sizing::TSegment& segment = project.schedule.segments[index];
    const QChar mark = userDecimalSeparator();
    const auto cell = [&](TColumn column) {
        return SegmentFigures::written(SegmentFigures::figure(segment, r, column, project.units), mark);
    };
    return {QString::number(index + 1),
            QString::fromStdString(segment.name),
            (segment.run == Sizing::TRun::Main ? kRunMain : kRunBranch).toString(),
            cell(TColumn::Load),
            cell(TColumn::Flow),
            cell(TColumn::Length),
            cell(TColumn::Fittings),
            cell(TColumn::EquivalentLength),
            cell(TColumn::Pipe),
            cell(TColumn::Velocity),
            cell(TColumn::LossPer100),
            cell(TColumn::SegmentLoss),
            cell(TColumn::CumulativeLoss),
            shortNote(r)};
}

} // namespace

TReportTable scheduleTable(const Project::TProject& project, const Sizing::TScheduleResult& result)
{
    TReportTable table;
    table.columns = columns(project.units);
    const std::size_t rows = std::min(project.schedule.segments.size(), result.segments.size());
    table.rows.reserve(rows);
    for (std::size_t i = 0; i < rows; ++i)
        table.rows.push_back(row(project, i, result.segments[i]));
    return table;
}
