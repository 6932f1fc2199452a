#include "CalculationSummary.h"

#include "NumberText.h"

#include <QStringList>

namespace {
constexpr int kDecimals = 2;
const QString kLineEnd = QStringLiteral("\r\n");

QString neighbourLine(const TNeighbourPipe& pipe)
{
    return pipe.name + QStringLiteral(": V=") + formatFixed(pipe.velocityFtPerS, kDecimals)
        + QStringLiteral(u" ft/s, ΔP=") + formatFixed(pipe.pressurePsiPer100ft, kDecimals)
        + QStringLiteral(" psi/100ft");
}

QString fromStd(const std::string& text) { return QString::fromStdString(text); }

TNeighbourPipe neighbour(const Sizing::TNeighbourReading& reading)
{
    return {fromStd(reading.pipe), reading.velocityFtPerS, reading.lossPsiPer100ft};
}
} // namespace

TCalculationSummary calculationSummary(const QString& className, double pressurePsiPer100ft, double flowGpm,
                                       const Sizing::TCalculatorReading& reading, const QString& advice)
{
    TCalculationSummary summary;
    summary.className = className;
    summary.pressurePsiPer100ft = pressurePsiPer100ft;
    summary.flowGpm = flowGpm;
    summary.pipeName = fromStd(reading.pipe);
    summary.velocityFtPerS = reading.velocityFtPerS;
    if (reading.needsAdvice)
        summary.advice = advice;
    summary.hasNeighbours = reading.hasNeighbours;
    if (reading.hasNeighbours) {
        summary.lower = neighbour(reading.lower);
        summary.upper = neighbour(reading.upper);
    }
    return summary;
}

QString calculationSummaryText(const TCalculationSummary& summary)
{
    QStringList lines;
    lines << QStringLiteral("نوع لوله: ") + summary.className.trimmed();
    lines << QStringLiteral("افت فشار: ") + formatFixed(summary.pressurePsiPer100ft, kDecimals)
            + QStringLiteral(" psi/100ft");
    lines << QStringLiteral("دبی: ") + formatFixed(summary.flowGpm, kDecimals) + QStringLiteral(" gpm");
    lines << QStringLiteral("سایز لوله: ") + summary.pipeName;
    lines << QStringLiteral("سرعت: ") + formatFixed(summary.velocityFtPerS, kDecimals) + QStringLiteral(" ft/s");
    if (!summary.advice.trimmed().isEmpty())
        lines << summary.advice.trimmed();
    if (summary.hasNeighbours) {
        lines << QStringLiteral("سایزهای مجاور:");
        lines << neighbourLine(summary.lower);
        lines << neighbourLine(summary.upper);
    }
    return lines.join(kLineEnd) + kLineEnd;
}
