#include "ScheduleTotals.h"

#include "BoosterFigures.h"
#include "BoosterTexts.h"
#include "CommonTexts.h"
#include "NumberText.h"
#include "ReportFormat.h"
#include "ReportNotes.h"
#include "RiserPath.h"
#include "ScheduleModel.h"
#include "ScheduleTexts.h"
#include "ScheduleUnits.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace {

using namespace CommonTexts;
using namespace ScheduleTexts;
using ReportFormat::kLossDecimals;
using ReportFormat::kPressureDecimals;

QString line(QStringView name, double value, int decimals, const QString& unit)
{
    return name.toString() + QStringLiteral(": ") + leftToRight(formatFixed(value, decimals) + u' ' + unit);
}

QLabel* totalLabel(const char* name, QWidget* parent, QHBoxLayout* layout)
{
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setTextFormat(Qt::PlainText);
    layout->addWidget(label);
    return label;
}

} // namespace

TTotalsLines totalsLines(const Project::TProject& project, const Sizing::TScheduleCheck& check,
                         const Sizing::TScheduleResult& result)
{
    TTotalsLines lines;
    if (check.problem != Sizing::TScheduleProblem::None) {
        lines.Problem = kNotEvaluated.toString().arg(Report::scheduleProblemText(project.schedule, check));
        return lines;
    }
    using namespace ScheduleUnits;
    const Project::TUnits units = project.units;
    lines.Evaluated = true;
    lines.Available = line(kAvailable, pressureIn(result.availablePsi, units), kPressureDecimals, pressureUnit(units));
    lines.Allowable = line(kAllowable, lossIn(result.allowablePsiPer100ft, units), kLossDecimals, lossUnit(units));
    lines.PathLoss = line(kPathLoss, pressureIn(result.pathLossPsi, units), kPressureDecimals, pressureUnit(units));
    lines.Residual = line(kResidual, pressureIn(result.residualPsi, units), kPressureDecimals, pressureUnit(units));
    lines.ResidualShort = result.residualPsi < 0.0;
    if (result.unsizedOnPath > 0)
        lines.Problem = kUnsizedOnPath.toString().arg(result.unsizedOnPath);
    if (project.schedule.layout == Sizing::TLayout::Tree && result.criticalOutlet < result.outlets.size()) {
        const std::size_t segment = result.outlets[result.criticalOutlet].segment;
        const QStringList nodes = RiserPath::criticalPathNodes(project.schedule, result);
        lines.CriticalOutlet
            = kCriticalOutlet.toString().arg(QString::fromStdString(project.schedule.segments[segment].name),
                                             leftToRight(QString::fromStdString(project.schedule.segments[segment].to)))
            + QStringLiteral("؛ ") + kCriticalPathNodes.toString() + QStringLiteral(": ") + RiserPath::nodeChain(nodes);
    }
    if (project.schedule.source == Sizing::TSource::Booster) {
        lines.Booster = BoosterFigures::dutyLine(result.booster, units, userDecimalSeparator());
        if (!result.booster.complete)
            lines.Booster += u' ' + BoosterTexts::kDutyIncomplete.toString();
    }
    return lines;
}

TScheduleTotals::TScheduleTotals(const TScheduleModel& model, QWidget* parent)
    : QFrame(parent)
    , FModel(model)
{
    setObjectName(QStringLiteral("PanelTotals"));
    setFrameShape(QFrame::StyledPanel);
    auto* rows = new QVBoxLayout(this);
    auto* layout = new QHBoxLayout;
    rows->addLayout(layout);
    FAvailable = totalLabel("TotalAvailable", this, layout);
    FAllowable = totalLabel("TotalAllowable", this, layout);
    FPathLoss = totalLabel("TotalPathLoss", this, layout);
    FResidual = totalLabel("TotalResidual", this, layout);
    FCriticalOutlet = totalLabel("TotalCriticalOutlet", this, layout);
    FProblem = totalLabel("TotalProblem", this, layout);
    FProblem->setWordWrap(true);
    QPalette red = FProblem->palette();
    red.setColor(QPalette::WindowText, QColor(190, 0, 0));
    FProblem->setPalette(red);
    layout->addStretch();
    FBooster = new QLabel(this);
    FBooster->setObjectName(QStringLiteral("TotalBooster"));
    FBooster->setTextFormat(Qt::PlainText);
    FBooster->setWordWrap(true);
    rows->addWidget(FBooster);
    connect(&FModel, &TScheduleModel::recalculated, this, &TScheduleTotals::refresh);
    refresh();
}

void TScheduleTotals::refresh()
{
    const TTotalsLines lines = totalsLines(FModel.project(), FModel.check(), FModel.result());
    for (auto [label, text] : {std::pair{FAvailable, lines.Available}, std::pair{FAllowable, lines.Allowable},
                               std::pair{FPathLoss, lines.PathLoss}, std::pair{FResidual, lines.Residual}}) {
        label->setText(text);
        label->setVisible(lines.Evaluated);
    }
    FResidual->setPalette(lines.ResidualShort ? FProblem->palette() : palette());
    FCriticalOutlet->setText(lines.CriticalOutlet);
    FCriticalOutlet->setVisible(!lines.CriticalOutlet.isEmpty());
    FBooster->setText(lines.Booster);
    FBooster->setVisible(!lines.Booster.isEmpty());
    FProblem->setText(lines.Problem);
    FProblem->setVisible(!lines.Problem.isEmpty());
}
