#include "ReportChart.h"

#include "ClassTexts.h"
#include "FrictionPlot.h"
#include "NomogramLines.h"
#include "NomogramLookup.h"
#include "NumberText.h"

#include <qcustomplot.h>

#include <map>
#include <tuple>

namespace {
// Laid out at this size in screen pixels, the chart's own fonts print at about 7 to 9 points on
// an A4 page's width.
constexpr QSize kLayoutPx(760, 600);
const QString kNameJoin = QStringLiteral("، ");
constexpr int kLimitDecimals = 2;

// Segments that share a pipe and a flow share one mark, which names them all.
std::vector<TPlotMark> chartMarks(const Project::TProject& project, const Sizing::TScheduleResult& result,
                                  TMarkNames names)
{
    std::vector<TPlotMark> marks;
    std::map<std::tuple<std::string, double>, std::size_t> markOf;
    for (std::size_t i = 0; i < result.segments.size() && i < project.schedule.segments.size(); ++i) {
        const Sizing::TSegmentResult& r = result.segments[i];
        if (!r.sized)
            continue;
        const QString name = names == TMarkNames::RowNumbers
            ? QString::number(i + 1)
            : QString::fromStdString(project.schedule.segments[i].name);
        const auto [place, isNew] = markOf.try_emplace({r.size.pipe, r.flowGpm}, marks.size());
        if (isNew)
            marks.push_back({name, r.size.lossPsiPer100ft, r.flowGpm});
        else
            marks[place->second].name += kNameJoin + name;
    }
    return marks;
}

} // namespace

double scheduleChartHeight(double widthPx) { return widthPx * kLayoutPx.height() / kLayoutPx.width(); }

TMarkNames paintScheduleChart(QCPPainter& painter, const QRectF& target, const Project::TProject& project,
                              const Sizing::TScheduleResult& result)
{
    const Nomogram::TClassTables* tables = Nomogram::tablesForClass(project.schedule.roughnessClass);
    if (tables == nullptr)
        return TMarkNames::SegmentNames;
    TFrictionPlot chart(nomogramPressureScale(), nomogramFlowScale());
    chart.setTitle(nomogramTitle(ClassTexts::className(project.schedule.roughnessClass).toString()));
    chart.setLines(nomogramLines(tables->PipeSizes, tables->VelocityLines));
    const TPlotLimit limit{result.allowablePsiPer100ft,
                           formatFixed(result.allowablePsiPer100ft, kLimitDecimals) + QStringLiteral(" psi/100ft")};
    TMarkNames names = TMarkNames::SegmentNames;
    if (!chart.markForReport(kLayoutPx, limit, chartMarks(project, result, names))) {
        names = TMarkNames::RowNumbers;
        (void)chart.markForReport(kLayoutPx, limit, chartMarks(project, result, names));
    }
    chart.paintForReport(painter, target);
    return names;
}
