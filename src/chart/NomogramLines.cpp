#include "NomogramLines.h"

#include "NomogramFrame.h"

namespace {
const QString kTitle = QStringLiteral("FLOW GRAPH FOR GALVANIZED PIPING");
const QString kPressureAxisTitle = QStringLiteral("PRESSURE DROP (PSI PER 100FT)");
const QString kFlowAxisTitle = QStringLiteral("Flow (GPM)");

void addLines(const TPipeSizeArray& table, TPlotLineKind kind, std::vector<TPlotLine>& lines)
{
    for (const TPipeSize& entry : table)
        lines.push_back(
            {QString::fromStdString(entry.Name), QPointF(entry.X1, entry.Y1), QPointF(entry.X2, entry.Y2), kind});
}
} // namespace

TLogScale nomogramPressureScale()
{
    return {Nomogram::kLeastPsiPer100ft, Nomogram::kMostPsiPer100ft, kPressureAxisTitle};
}

TLogScale nomogramFlowScale() { return {Nomogram::kLeastFlowGpm, Nomogram::kMostFlowGpm, kFlowAxisTitle}; }

QString nomogramTitle(const QString& className)
{
    return className.isEmpty() ? kTitle : kTitle + QStringLiteral(" (") + className + u')';
}

std::vector<TPlotLine> nomogramLines(const TPipeSizeArray& pipeSizes, const TPipeSizeArray& velocityLines)
{
    std::vector<TPlotLine> lines;
    lines.reserve(pipeSizes.size() + velocityLines.size());
    addLines(pipeSizes, TPlotLineKind::Size, lines);
    addLines(velocityLines, TPlotLineKind::Velocity, lines);
    return lines;
}
