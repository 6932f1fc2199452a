#include "ReportTable.h"

#include "NumberText.h"
#include "ReportFormat.h"
#include "ReportTexts.h"
#include "ScheduleUnits.h"

namespace {

using namespace ReportTexts;
using namespace ScheduleUnits;
using ReportFormat::count;

QString fixed(double value, int decimals) { return formatFixed(value, decimals); }

std::vector<TReportColumn> columns(Project::TUnits u)
{
    return {{kColumnRow.toString(), {}, false},
            {kColumnSegment.toString(), {}, true},
            {kCsvRun.toString(), {}, false},
            {kCsvFixtureUnits.toString(), {}, false},
            {kCsvFlow.toString(), flowUnit(u), false},
            {kCsvLength.toString(), lengthUnit(u), false},
            {kCsvFittings.toString(), QStringLiteral("%"), false},
            {kCsvEquivalentLength.toString(), lengthUnit(u), false},
            {kCsvPipe.toString(), {}, false},
            {kCsvVelocity.toString(), velocityUnit(u), false},
            {kCsvLoss.toString(), lossUnit(u), false},
            {kCsvSegmentLoss.toString(), pressureUnit(u), false},
            {kColumnCumulative.toString(), pressureUnit(u), false},
            {kCsvNote.toString(), {}, true}};
}

QString shortNote(const Sizing::TSegmentResult& r)
{
    if (!r.sized)
        return (r.problem == Sizing::TSizeProblem::NoLoad ? kNoteNoLoad : kShortUnsized).toString();
    return r.size.raisedForVelocity ? kShortRaised.toString() : QString();
}

QStringList row(const Project::TProject& project, std::size_t index, const Sizing::TSegmentResult& r)
{
    using namespace ReportFormat;
    const Project::TUnits u = project.units;
    const Sizing::TSegment& segment = project.schedule.segments[index];
    const auto ifSized = [&](double value, int decimals) { return r.sized ? fixed(value, decimals) : QString(); };
    return {QString::number(index + 1),
            QString::fromStdString(segment.name),
            (segment.run == Sizing::TRun::Main ? kRunMain : kRunBranch).toString(),
            segment.flowGpm > 0.0 ? QString() : count(segment.fixtureUnits),
            fixed(flowIn(r.flowGpm, u), kFlowDecimals),
            fixed(lengthIn(segment.lengthFt, u), kLengthDecimals),
            count(segment.fittingsPercent),
            fixed(lengthIn(r.equivalentLengthFt, u), kLengthDecimals),
            pipeLabel(QString::fromStdString(r.size.pipe), u),
            ifSized(velocityIn(r.size.velocityFtPerS, u), kVelocityDecimals),
            ifSized(lossIn(r.size.lossPsiPer100ft, u), kLossDecimals),
            fixed(pressureIn(r.lossPsi, u), kLossDecimals),
            segment.onCriticalPath ? fixed(pressureIn(r.cumulativeLossPsi, u), kLossDecimals) : QString(),
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
