#include "ReportTable.h"

#include "CommonTexts.h"
#include "NumberText.h"
#include "ReportFormat.h"
#include "ReportTexts.h"
#include "RiserPath.h"
#include "ScheduleUnits.h"
#include "SegmentFigures.h"

namespace {

using namespace CommonTexts;
using namespace ScheduleUnits;
using SegmentFigures::TColumn;

std::vector<TReportColumn> columns(Project::TUnits u, bool isTree)
{
    std::vector<TReportColumn> shown{{ReportTexts::kColumnRow.toString(), {}, false},
                                     {kColumnSegment.toString(), {}, true}};
    if (isTree)
        shown.insert(shown.end(), {{kColumnFrom.toString(), {}, false}, {kColumnTo.toString(), {}, false}});
    shown.insert(shown.end(), {{kColumnRun.toString(), {}, false}, {kColumnFixtureUnits.toString(), {}, false}});
    if (isTree)
        shown.push_back({kColumnServedLoad.toString(), {}, false});
    shown.insert(shown.end(),
                 {{kColumnFlow.toString(), flowUnit(u), false},
                  {kColumnLength.toString(), lengthUnit(u), false},
                  {kColumnFittings.toString(), QStringLiteral("%"), false},
                  {kColumnEquivalentLength.toString(), lengthUnit(u), false},
                  {kColumnPipe.toString(), {}, false},
                  {kColumnVelocity.toString(), velocityUnit(u), false},
                  {kColumnLoss.toString(), lossUnit(u), false},
                  {kColumnSegmentLoss.toString(), pressureUnit(u), false},
                  {kColumnCumulative.toString(), pressureUnit(u), false},
                  {kColumnNote.toString(), {}, true}});
    return shown;
}

QString shortNote(const Sizing::TSegmentResult& r)
{
    if (!r.sized)
        return (r.problem == Sizing::TSizeProblem::NoLoad ? kNoteNoLoad : kShortUnsized).toString();
    return r.size.raisedForVelocity ? kShortRaised.toString() : QString();
}

QStringList row(const Project::TProject& project, const Sizing::TScheduleResult& result, std::size_t index)
{
    const Sizing::TSegment& segment = project.schedule.segments[index];
    const Sizing::TSegmentResult& r = result.segments[index];
    const SegmentFigures::TPlace place = SegmentFigures::placeOf(project.schedule, result, index);
    const QChar mark = userDecimalSeparator();
    const auto cell = [&](TColumn column) {
        return SegmentFigures::written(SegmentFigures::figure(segment, r, column, project.units, place), mark);
    };
    const bool isTree = place.layout == Sizing::TLayout::Tree;
    QStringList cells{QString::number(index + 1), QString::fromStdString(segment.name)};
    if (isTree)
        cells << cell(TColumn::From) << cell(TColumn::To);
    cells << (segment.run == Sizing::TRun::Main ? kRunMain : kRunBranch).toString() << cell(TColumn::Load);
    if (isTree)
        cells << cell(TColumn::ServedLoad);
    return cells + QStringList{cell(TColumn::Flow),           cell(TColumn::Length),
                               cell(TColumn::Fittings),       cell(TColumn::EquivalentLength),
                               cell(TColumn::Pipe),           cell(TColumn::Velocity),
                               cell(TColumn::LossPer100),     cell(TColumn::SegmentLoss),
                               cell(TColumn::CumulativeLoss), shortNote(r)};
}

// A margin below zero says so in words too, for a page printed without colour.
QString marginCell(const SegmentFigures::TFigure& margin, QChar mark)
{
    const QString written = SegmentFigures::written(margin, mark);
    if (margin.isEmpty() || margin.value >= 0.0)
        return written;
    return ReportFormat::leftToRight(written) + u' ' + kMarginShort.toString();
}

} // namespace

TReportTable scheduleTable(const Project::TProject& project, const Sizing::TScheduleResult& result)
{
    TReportTable table;
    table.columns = columns(project.units, project.schedule.layout == Sizing::TLayout::Tree);
    const std::size_t rows = std::min(project.schedule.segments.size(), result.segments.size());
    table.rows.reserve(rows);
    for (std::size_t i = 0; i < rows; ++i)
        table.rows.push_back(row(project, result, i));
    return table;
}

TReportTable outletTable(const Project::TProject& project, const Sizing::TScheduleResult& result)
{
    constexpr std::size_t kMarginColumn = 5;
    const Project::TUnits u = project.units;
    const QString unit = pressureUnit(u);
    TReportTable table;
    // Six short columns: none wraps, and the table stands at the right of the page at its own width.
    table.columns = {{ReportTexts::kColumnRow.toString(), {}, false},  {kColumnSegment.toString(), {}, false},
                     {ReportTexts::kColumnNode.toString(), {}, false}, {kColumnOutletNeed.toString(), unit, false},
                     {kColumnOutletPressure.toString(), unit, false},  {kColumnOutletMargin.toString(), unit, false}};
    const QChar mark = userDecimalSeparator();
    for (const Sizing::TOutletResult& outlet : result.outlets) {
        if (outlet.segment >= project.schedule.segments.size() || outlet.segment >= result.segments.size())
            continue;
        const Sizing::TSegment& segment = project.schedule.segments[outlet.segment];
        const Sizing::TSegmentResult& r = result.segments[outlet.segment];
        const SegmentFigures::TPlace place{Sizing::TLayout::Tree, &outlet};
        const auto figure = [&](TColumn column) { return SegmentFigures::figure(segment, r, column, u, place); };
        const SegmentFigures::TFigure margin = figure(TColumn::OutletMargin);
        table.rows.push_back(
            {QString::number(outlet.segment + 1), QString::fromStdString(segment.name),
             SegmentFigures::written(figure(TColumn::To), mark),
             ReportFormat::fixed(pressureIn(RiserPath::outletNeedPsi(project.schedule, outlet.segment), u),
                                 ReportFormat::kPressureDecimals, mark),
             SegmentFigures::written(figure(TColumn::OutletPressure), mark), marginCell(margin, mark)});
        std::vector<bool> warned(table.columns.size(), false);
        warned[kMarginColumn] = !margin.isEmpty() && margin.value < 0.0;
        table.warnings.push_back(std::move(warned));
    }
    return table;
}
