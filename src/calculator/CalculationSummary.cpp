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
} // namespace

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
