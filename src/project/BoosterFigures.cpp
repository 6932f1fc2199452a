#include "BoosterFigures.h"

#include "BoosterTexts.h"
#include "ReportFormat.h"
#include "ScheduleUnits.h"
#include "Units.h"

#include <QLocale>
#include <QStringList>

namespace BoosterFigures {
namespace {

using namespace BoosterTexts;
using Project::TUnits;
using ReportFormat::quantity;

QString named(QStringView name, const QString& value) { return name.toString() + u' ' + value; }

} // namespace

QString flowText(double flowGpm, TUnits units, QChar decimalMark)
{
    if (units == TUnits::US)
        return quantity(flowGpm, ReportFormat::kFlowDecimals, QStringLiteral("gpm"), decimalMark);
    const double litresPerSecond = flowGpm * Design::kLitresPerSecondPerGpm;
    const double cubicMetresPerHour = litresPerSecond * kSecondsPerHour / kLitresPerCubicMetre;
    return quantity(cubicMetresPerHour, ReportFormat::kFlowDecimals, QStringLiteral("m³/h"), decimalMark)
        + QStringLiteral(" (")
        + quantity(litresPerSecond, ReportFormat::kFlowDecimals, QStringLiteral("L/s"), decimalMark) + u')';
}

QString headText(double headFt, TUnits units, QChar decimalMark)
{
    return quantity(ScheduleUnits::lengthIn(headFt, units), ReportFormat::kLengthDecimals,
                    ScheduleUnits::lengthUnit(units), decimalMark);
}

QString tankText(double gallons, TUnits units, QChar decimalMark)
{
    if (units == TUnits::US)
        return quantity(gallons, kVolumeDecimals, QStringLiteral("gal"), decimalMark);
    return quantity(gallons * kLitresPerGallon, kVolumeDecimals, QStringLiteral("L"), decimalMark);
}

QString storageText(double litres, QChar decimalMark)
{
    return quantity(litres, kVolumeDecimals, QStringLiteral("L"), decimalMark) + QStringLiteral(" (")
        + quantity(litres / kLitresPerCubicMetre, ReportFormat::kPressureDecimals, QStringLiteral("m³"), decimalMark)
        + u')';
}

QString dutyLine(const Sizing::TBoosterResult& b, TUnits units, QChar decimalMark)
{
    const auto pressure = [&](double psi) {
        return ReportFormat::fixed(ScheduleUnits::pressureIn(psi, units), ReportFormat::kPressureDecimals, decimalMark);
    };
    QStringList parts{named(kDutyFlow, flowText(b.flowGpm, units, decimalMark)),
                      named(kDutyHead, headText(b.headFt, units, decimalMark)),
                      named(kDutyShaft, quantity(b.shaftKw, kPowerDecimals, QStringLiteral("kW"), decimalMark))};
    const QString unit = ScheduleUnits::pressureUnit(units);
    const bool hasTank = b.tankGal > 0.0;
    if (hasTank) {
        parts << named(kDutySwitch,
                       ReportFormat::leftToRight(pressure(b.dischargePsi) + u'/' + pressure(b.cutOutPsi) + u' ' + unit))
              << named(kDutyTank, tankText(b.tankGal, units, decimalMark));
    } else {
        parts << kDutyNoTank.toString();
    }
    parts << named(kDutyStorage, storageText(b.storageLitres, decimalMark));
    return kDuty.toString() + QStringLiteral(": ") + parts.join(QStringLiteral("، "));
}

std::vector<std::pair<QByteArray, QByteArray>> csvRows(const Sizing::TBoosterResult& b)
{
    // The shortest text that reads back as the same double.
    const auto n = [](double v) { return QString::number(v, 'g', QLocale::FloatingPointShortest).toUtf8(); };
    return {{"complete", b.complete ? "1" : "0"},
            {"criticalOutlet", QByteArray::number(static_cast<qulonglong>(b.criticalOutlet))},
            {"flowGpm", n(b.flowGpm)},
            {"dischargePsi", n(b.dischargePsi)},
            {"suctionPsi", n(b.suctionPsi)},
            {"headPsi", n(b.headPsi)},
            {"headFt", n(b.headFt)},
            {"hydraulicKw", n(b.hydraulicKw)},
            {"shaftKw", n(b.shaftKw)},
            {"cutOutPsi", n(b.cutOutPsi)},
            {"atmosphericPsi", n(b.atmosphericPsi)},
            {"drawdownFactor", n(b.drawdownFactor)},
            {"drawdownGal", n(b.drawdownGal)},
            {"tankGal", n(b.tankGal)},
            {"storageLitres", n(b.storageLitres)}};
}

} // namespace BoosterFigures
