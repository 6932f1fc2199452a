#include "ScheduleChartDialog.h"

#include "ClassTexts.h"
#include "FrictionPlot.h"
#include "MaterialMethod.h"
#include "ReportChart.h"
#include "ReportTexts.h"

#include <QLabel>
#include <QVBoxLayout>

namespace {

QString chartHeading(const Sizing::TSchedule& schedule)
{
    if (schedule.material.empty())
        return ReportTexts::kChartHeading.toString().arg(ClassTexts::className(schedule.roughnessClass));
    return ReportTexts::kMaterialChartHeading.toString();
}

} // namespace

TScheduleChartDialog::TScheduleChartDialog(const Project::TProject& project, const Sizing::TScheduleResult& result,
                                           QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("ScheduleChart"));
    setWindowTitle(chartHeading(project.schedule));
    setLayoutDirection(Qt::RightToLeft);
    auto* layout = new QVBoxLayout(this);
    TMarkNames names = TMarkNames::SegmentNames;
    // Its names and marks are placed for this one size, as on the page.
    FPlot = markedScheduleChart(project, result, names, this).release();
    if (FPlot != nullptr) {
        FPlot->setObjectName(QStringLiteral("ChartPlot"));
        FPlot->setLayoutDirection(Qt::LeftToRight);
        FPlot->setFixedSize(scheduleChartSizePx());
        layout->addWidget(FPlot);
    }
    auto* legend
        = new QLabel(ReportTexts::kChartLegend.toString()
                         + (names == TMarkNames::RowNumbers ? ReportTexts::kChartLegendRows.toString() : QString()),
                     this);
    legend->setObjectName(QStringLiteral("ChartLegend"));
    legend->setWordWrap(true);
    layout->addWidget(legend);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}
