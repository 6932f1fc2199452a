#include "OperatingPoint.h"

#include "NumberText.h"

#include <cmath>

namespace {
constexpr double kGlideFraction = 0.1;
constexpr double kArrivalTolerance = 0.001;
constexpr int kPanelDecimals = 2;
} // namespace

double onLogAxis(double value, double lowEnd) { return (std::isfinite(value) && value > 0.0) ? value : lowEnd; }

double logMidpoint(double a, double b, double lowEnd)
{
    const double la = std::log10(onLogAxis(a, lowEnd));
    const double lb = std::log10(onLogAxis(b, lowEnd));
    return std::pow(10.0, (la + lb) / 2.0);
}

TPlotPoint glideStep(const TPlotPoint& current, const TPlotPoint& target)
{
    TPlotPoint next;
    next.pressurePsiPer100ft
        = current.pressurePsiPer100ft + (target.pressurePsiPer100ft - current.pressurePsiPer100ft) * kGlideFraction;
    next.flowGpm = current.flowGpm + (target.flowGpm - current.flowGpm) * kGlideFraction;
    return next;
}

bool hasArrived(const TPlotPoint& current, const TPlotPoint& target)
{
    return std::abs(target.pressurePsiPer100ft - current.pressurePsiPer100ft) < kArrivalTolerance
        && std::abs(target.flowGpm - current.flowGpm) < kArrivalTolerance;
}

double finiteTarget(double value) { return std::isfinite(value) ? value : 0.0; }

QString infoPanelText(double flowGpm, double pressurePsiPer100ft, const QString& pipeName, double velocityFtPerS)
{
    return QStringLiteral("Q= ") + formatUpTo(flowGpm, kPanelDecimals) + QStringLiteral(" GPM\n")
        + QStringLiteral("H= ") + formatUpTo(pressurePsiPer100ft, kPanelDecimals) + QStringLiteral(" psi/100ft\n")
        + QStringLiteral("D= ") + pipeName + QStringLiteral("\n") + QStringLiteral("V= ")
        + formatUpTo(velocityFtPerS, kPanelDecimals) + QStringLiteral(" ft/s");
}
