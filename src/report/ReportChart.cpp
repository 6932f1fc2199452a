#include "ReportChart.h"

#include "ClassTexts.h"
#include "FrictionPlot.h"
#include "MaterialLines.h"
#include "NomogramLines.h"
#include "NomogramLookup.h"
#include "NumberText.h"

#include <qcustomplot.h>

#include <functional>
#include <map>
#include <tuple>

namespace {
// Laid out at this size in screen pixels, the chart's own fonts print at about 7 to 9 points on
// an A4 page's width.
constexpr QSize kLayoutPx(760, 600);
const QString kNameJoin = QStringLiteral("، ");
constexpr int kLimitPsiDecimals = 2;
constexpr int kLimitKPaDecimals = 3;

// Where a segment stands on its chart: the nomogram reads psi/100ft and gpm, a material's chart
// the project's units.
using TPlace = std::function<QPointF(const Sizing::TSegmentResult&)>;

// Segments that share a pipe and a flow share one mark, which names them all.
std::vector<TPlotMark> chartMarks(const Project::TProject& project, const Sizing::TScheduleResult& result,
                                  TMarkNames names, const TPlace& placeOf)
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
        const QPointF at = placeOf(r);
        if (isNew)
            marks.push_back({name, at.x(), at.y()});
        else
            marks[place->second].name += kNameJoin + name;
    }
    return marks;
}

struct TChartData {
    std::unique_ptr<TFrictionPlot> plot;
    TPlotLimit limit;
    TPlace placeOf;
};

bool nomogramChart(const Project::TProject& project, const Sizing::TScheduleResult& result, QWidget* parent,
                   TChartData& data)
{
    const Nomogram::TClassTables* tables = Nomogram::tablesForClass(project.schedule.roughnessClass);
    if (tables == nullptr)
        return false;
    data.plot = std::make_unique<TFrictionPlot>(nomogramPressureScale(), nomogramFlowScale(), parent);
    data.plot->setTitle(nomogramTitle(ClassTexts::className(project.schedule.roughnessClass).toString()));
    data.plot->setLines(nomogramLines(tables->PipeSizes, tables->VelocityLines));
    data.limit = {result.allowablePsiPer100ft,
                  formatFixed(result.allowablePsiPer100ft, kLimitPsiDecimals) + QStringLiteral(" psi/100ft")};
    data.placeOf = [](const Sizing::TSegmentResult& r) { return QPointF(r.size.lossPsiPer100ft, r.flowGpm); };
    return true;
}

bool materialChartData(const Project::TProject& project, const Sizing::TScheduleResult& result, QWidget* parent,
                       TChartData& data)
{
    const Hydraulics::TMaterial* material = Hydraulics::findMaterial(project.schedule.material);
    const TChartUnits units = project.units == Project::TUnits::SI ? TChartUnits::SI : TChartUnits::US;
    TMaterialChart chart;
    if (material == nullptr || !materialChart(*material, project.schedule.waterTemperatureC, units, chart))
        return false;
    data.plot = std::make_unique<TFrictionPlot>(chart.loss, chart.flow, parent);
    data.plot->setTitle(chart.title);
    data.plot->setLines(chart.lines);
    const double limit = chartLoss(result.allowablePsiPer100ft, units);
    data.limit = {limit,
                  formatFixed(limit, units == TChartUnits::SI ? kLimitKPaDecimals : kLimitPsiDecimals) + u' '
                      + chartLossUnit(units)};
    data.placeOf = [units](const Sizing::TSegmentResult& r) {
        return QPointF(chartLoss(r.size.lossPsiPer100ft, units), chartFlow(r.flowGpm, units));
    };
    return true;
}

} // namespace

QSize scheduleChartSizePx() { return kLayoutPx; }

double scheduleChartHeight(double widthPx) { return widthPx * kLayoutPx.height() / kLayoutPx.width(); }

std::unique_ptr<TFrictionPlot> markedScheduleChart(const Project::TProject& project,
                                                   const Sizing::TScheduleResult& result, TMarkNames& names,
                                                   QWidget* parent)
{
    TChartData data;
    const bool made = project.schedule.material.empty() ? nomogramChart(project, result, parent, data)
                                                        : materialChartData(project, result, parent, data);
    names = TMarkNames::SegmentNames;
    if (!made)
        return nullptr;
    if (!data.plot->markForReport(kLayoutPx, data.limit, chartMarks(project, result, names, data.placeOf))) {
        names = TMarkNames::RowNumbers;
        (void)data.plot->markForReport(kLayoutPx, data.limit, chartMarks(project, result, names, data.placeOf));
    }
    return std::move(data.plot);
}

TMarkNames paintScheduleChart(QCPPainter& painter, const QRectF& target, const Project::TProject& project,
                              const Sizing::TScheduleResult& result)
{
    TMarkNames names = TMarkNames::SegmentNames;
    if (const std::unique_ptr<TFrictionPlot> chart = markedScheduleChart(project, result, names))
        chart->paintForReport(painter, target);
    return names;
}
