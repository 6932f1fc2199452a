#include "ReportBooster.h"

#include "BoosterFigures.h"
#include "BoosterTexts.h"
#include "CommonTexts.h"
#include "NumberText.h"
#include "PdfTable.h"
#include "PressureBudget.h"
#include "ReducerValves.h"
#include "ReportFormat.h"
#include "ReportTexts.h"
#include "RiserPath.h"
#include "ScheduleUnits.h"
#include "Units.h"

namespace Report {
namespace {

using namespace ReportTexts;
using Project::TUnits;
using ReportFormat::leftToRight;

constexpr double kLineGapMm = 1.0;
constexpr double kBlockGapMm = 5.0;
constexpr int kFactorDecimals = 4;
// The booster section's height on the page, about: it starts a page of its own rather than break.
constexpr double kSectionMm = 130.0;
// The storage tank is split in two above this, so that one can be cleaned while the other serves.
constexpr double kOneTankMostLitres = 4000.0;
constexpr double kLitresPerPerson = 75.0; // 16-4-6-1: 12 hours at 150 L per person per day
constexpr double kDrawdownMinutes = 15.0; // the worst cycle: demand at half the pump's flow

QString psi(double value) { return formatFixed(value, ReportFormat::kPressureDecimals) + QStringLiteral(" psi"); }
QString fixed2(double value) { return formatFixed(value, ReportFormat::kPressureDecimals); }
// A negative term in a sum, bracketed.
QString term(double value) { return value < 0.0 ? u'(' + fixed2(value) + u')' : fixed2(value); }

struct TSection {
    TReportPages& pages;
    const TReportFonts& fonts;
    const Project::TProject& project;
    const Sizing::TScheduleResult& result;

    [[nodiscard]] TUnits units() const { return project.units; }
    void line(const QString& text) { pages.paragraph(text, fonts.body, pages.mm(kLineGapMm)); }
    void sum(const QString& text) { pages.paragraph(text, fonts.body, pages.mm(kLineGapMm), Qt::LeftToRight); }
    // In SI a value in psi is followed by the project's kPa.
    [[nodiscard]] QString pressure(double valuePsi) const
    {
        if (units() == TUnits::US)
            return psi(valuePsi);
        return psi(valuePsi) + QStringLiteral(" = ")
            + formatFixed(ScheduleUnits::pressureIn(valuePsi, units()), ReportFormat::kPressureDecimals)
            + QStringLiteral(" kPa");
    }
};

void flowAndDischarge(TSection& s)
{
    const Sizing::TBoosterResult& b = s.result.booster;
    const QChar mark = userDecimalSeparator();
    s.line(BoosterFigures::dutyLine(b, s.units(), mark));
    s.line(kBoosterFlow.toString() + QStringLiteral(": ")
           + leftToRight(BoosterFigures::flowText(b.flowGpm, TUnits::US, mark))
           + (s.units() == TUnits::SI ? QStringLiteral(" = ") + BoosterFigures::flowText(b.flowGpm, TUnits::SI, mark)
                                      : QString()));
    const Sizing::TSchedule& schedule = s.project.schedule;
    if (b.criticalOutlet >= s.result.outlets.size())
        return;
    const std::size_t segment = s.result.outlets[b.criticalOutlet].segment;
    if (segment >= schedule.segments.size())
        return;
    const double needPsi = RiserPath::outletNeedPsi(schedule, segment);
    const double liftFt = schedule.segments[segment].elevationFt;
    const double frictionPsi = s.result.segments[segment].cumulativeLossPsi;
    s.line(kBoosterCritical.toString().arg(QString::fromStdString(schedule.segments[segment].name),
                                           leftToRight(QString::fromStdString(schedule.segments[segment].to))));
    s.sum(fixed2(needPsi) + QStringLiteral(" + 0.433 × ") + term(liftFt) + QStringLiteral(" + ")
          + fixed2(schedule.meterAndDevicesPsi) + QStringLiteral(" + ") + fixed2(frictionPsi) + QStringLiteral(" = ")
          + s.pressure(b.dischargePsi));
}

void headAndPower(TSection& s)
{
    const Sizing::TBoosterResult& b = s.result.booster;
    const Sizing::TBooster& set = s.project.schedule.booster;
    s.line(kBoosterSuction.toString());
    s.sum(QStringLiteral("0.433 × ") + term(set.tankLevelFt) + QStringLiteral(" − ") + fixed2(set.suctionLossPsi)
          + QStringLiteral(" = ") + s.pressure(b.suctionPsi));
    s.line(kBoosterHead.toString());
    s.sum(fixed2(b.dischargePsi) + QStringLiteral(" + ") + fixed2(set.setLossPsi) + QStringLiteral(" − ")
          + term(b.suctionPsi) + QStringLiteral(" = ") + psi(b.headPsi) + QStringLiteral(" = ")
          + formatFixed(b.headFt, ReportFormat::kLengthDecimals) + QStringLiteral(" ft = ")
          + formatFixed(b.headFt * Design::kMetresPerFoot, ReportFormat::kLengthDecimals) + QStringLiteral(" m"));
    s.line(kBoosterPower.toString());
    const double litresPerSecond = b.flowGpm * Design::kLitresPerSecondPerGpm;
    const double headKPa = b.headPsi / Design::kPsiPerKPa;
    s.sum(formatFixed(litresPerSecond, ReportFormat::kLossDecimals) + QStringLiteral(" L/s × ")
          + formatFixed(headKPa, ReportFormat::kPressureDecimals) + QStringLiteral(" kPa ÷ 1000 = ")
          + formatFixed(b.hydraulicKw, BoosterFigures::kPowerDecimals) + QStringLiteral(" kW; ")
          + formatFixed(b.hydraulicKw, BoosterFigures::kPowerDecimals) + QStringLiteral(" ÷ ")
          + formatFixed(set.efficiency, ReportFormat::kPressureDecimals) + QStringLiteral(" = ")
          + formatFixed(b.shaftKw, BoosterFigures::kPowerDecimals) + QStringLiteral(" kW"));
    s.line(kBoosterSwitch.toString());
    s.sum(QStringLiteral("cut-in = ") + s.pressure(b.dischargePsi) + QStringLiteral("; cut-out = ")
          + fixed2(b.dischargePsi) + QStringLiteral(" + ") + fixed2(set.differentialPsi) + QStringLiteral(" = ")
          + s.pressure(b.cutOutPsi));
}

void pressureTank(TSection& s)
{
    const Sizing::TBoosterResult& b = s.result.booster;
    const Sizing::TBooster& set = s.project.schedule.booster;
    if (!(set.differentialPsi > 0.0)) {
        s.line(kBoosterNoTank.toString());
        return;
    }
    const double preChargePsi = std::max(0.0, b.dischargePsi - set.preChargeBelowPsi);
    const QChar mark = userDecimalSeparator();
    s.line(kBoosterTank.toString().arg(ReportFormat::quantity(set.altitudeM, 0, QStringLiteral("m"), mark),
                                       leftToRight(psi(set.preChargeBelowPsi))));
    s.sum(QStringLiteral("atm = 14.6959 × (1 − 2.25577e-5 × ") + formatFixed(set.altitudeM, 0)
          + QStringLiteral(")^5.25588 = ") + psi(b.atmosphericPsi) + QStringLiteral("; pre-charge = ")
          + fixed2(b.dischargePsi) + QStringLiteral(" − ") + fixed2(set.preChargeBelowPsi) + QStringLiteral(" = ")
          + psi(preChargePsi));
    const QString atm = fixed2(b.atmosphericPsi);
    s.sum(QStringLiteral("DF = (") + fixed2(preChargePsi) + QStringLiteral(" + ") + atm + QStringLiteral(") × (1/(")
          + fixed2(b.dischargePsi) + QStringLiteral(" + ") + atm + QStringLiteral(") − 1/(") + fixed2(b.cutOutPsi)
          + QStringLiteral(" + ") + atm + QStringLiteral(")) = ") + formatFixed(b.drawdownFactor, kFactorDecimals));
    s.sum(QStringLiteral("drawdown = ") + formatFixed(kDrawdownMinutes, 0) + QStringLiteral(" × ")
          + formatFixed(b.flowGpm, ReportFormat::kFlowDecimals) + QStringLiteral(" gpm ÷ ")
          + formatFixed(set.startsPerHour, ReportFormat::kPressureDecimals) + QStringLiteral(" = ")
          + formatFixed(b.drawdownGal, ReportFormat::kFlowDecimals) + QStringLiteral(" gal; V = ")
          + formatFixed(b.drawdownGal, ReportFormat::kFlowDecimals) + QStringLiteral(" ÷ ")
          + formatFixed(b.drawdownFactor, kFactorDecimals) + QStringLiteral(" = ")
          + formatFixed(b.tankGal, ReportFormat::kFlowDecimals) + QStringLiteral(" gal = ")
          + formatFixed(b.tankGal * BoosterFigures::kLitresPerGallon, 0) + QStringLiteral(" L"));
}

void storageTank(TSection& s)
{
    const Sizing::TBoosterResult& b = s.result.booster;
    const QChar mark = userDecimalSeparator();
    s.line(kBoosterStorage.toString());
    s.sum(formatFixed(kLitresPerPerson, 0) + QStringLiteral(" L × ")
          + ReportFormat::count(s.project.schedule.booster.occupants) + QStringLiteral(" = ")
          + formatFixed(b.storageLitres, 0) + QStringLiteral(" L = ")
          + formatFixed(b.storageLitres / BoosterFigures::kLitresPerCubicMetre, ReportFormat::kPressureDecimals)
          + QStringLiteral(" m³"));
    if (b.storageLitres > kOneTankMostLitres)
        s.line(kBoosterTwoTanks.toString().arg(BoosterFigures::storageText(b.storageLitres / 2.0, mark)));
}

} // namespace

void boosterSection(TReportPages& pages, const TReportFonts& fonts, const Project::TProject& project,
                    const Sizing::TScheduleResult& result)
{
    if (project.schedule.source != Sizing::TSource::Booster || project.schedule.layout != Sizing::TLayout::Tree)
        return;
    TSection section{pages, fonts, project, result};
    pages.makeRoom(pages.mm(kSectionMm));
    pages.paragraph(kBoosterHeading.toString(), fonts.heading, pages.mm(2 * kLineGapMm));
    if (!result.booster.complete)
        section.line(BoosterTexts::kDutyIncomplete.toString());
    flowAndDischarge(section);
    headAndPower(section);
    pressureTank(section);
    storageTank(section);
    pages.advance(pages.mm(kBlockGapMm));
}

void valvesSection(TReportPages& pages, const TReportFonts& fonts, const Project::TProject& project,
                   const Sizing::TScheduleResult& result)
{
    const ReducerValves::TValveMap valves(project.schedule, result);
    if (valves.valves().empty())
        return;
    const Sizing::TSchedule& schedule = project.schedule;
    const QString unit = ScheduleUnits::pressureUnit(project.units);
    TReportTable table;
    table.columns = {{kColumnRow.toString(), {}, false},
                     {CommonTexts::kColumnSegment.toString(), {}, false},
                     {CommonTexts::kColumnFrom.toString(), {}, false},
                     {BoosterTexts::kColumnValveSetting.toString(), unit, false},
                     {kColumnValveOutlets.toString(), {}, true}};
    QStringList atSource;
    for (const std::size_t valve : valves.valves()) {
        QStringList outlets;
        for (const std::size_t outlet : valves.outletsBelow(valve))
            outlets << QString::fromStdString(schedule.segments[outlet].to);
        table.rows.push_back(
            {QString::number(valve + 1), QString::fromStdString(schedule.segments[valve].name),
             QString::fromStdString(schedule.segments[valve].from),
             ReportFormat::fixed(ScheduleUnits::pressureIn(result.segments[valve].reducerSetPsi, project.units),
                                 ReportFormat::kPressureDecimals, userDecimalSeparator()),
             leftToRight(outlets.join(QStringLiteral(", ")))});
        if (valves.leavesSource(valve))
            atSource << QString::fromStdString(schedule.segments[valve].name);
    }
    pages.makeRoom(pages.mm(2 * kBlockGapMm));
    pages.paragraph(kValvesHeading.toString(), fonts.heading, pages.mm(2 * kLineGapMm));
    paintTable(pages, table, fonts);
    for (const QString& segment : atSource)
        pages.paragraph(kValveAtSource.toString().arg(segment), fonts.body, pages.mm(kLineGapMm));
    pages.advance(pages.mm(kBlockGapMm));
}

} // namespace Report
