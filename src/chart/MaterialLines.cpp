#include "MaterialLines.h"

#include "Units.h"

#include <cmath>
#include <numbers>
#include <span>

namespace {

// The scales, powers of ten as the plot wants them. In SI the loss runs from what a large pipe
// loses at a walking pace to what a small one loses at a rush, and the flow from a dripping tap
// to what the largest tabled bore (a 110 mm PE service pipe, 90 mm inside) carries at 10 kPa/m,
// about 74 L/s. The US scales are the nomogram's loss scale and about the same flows.
constexpr double kLeastLossKPaPerM = 0.01;
constexpr double kMostLossKPaPerM = 10.0;
constexpr double kLeastFlowLitresPerSecond = 0.01;
constexpr double kMostFlowLitresPerSecond = 100.0;
constexpr double kLeastLossPsiPer100ft = 0.1;
constexpr double kMostLossPsiPer100ft = 100.0;
constexpr double kLeastFlowGpm = 0.1;
constexpr double kMostFlowGpm = 1000.0;

// Round velocities for the dotted lines, in each system's own unit.
constexpr double kVelocitiesMPerS[] = {0.5, 1.0, 1.5, 2.0, 3.0};
constexpr double kVelocitiesFtPerS[] = {1.0, 2.0, 4.0, 6.0, 8.0, 10.0};

// Points along a line, per decade of flow (or of bore): close enough that the straight pieces
// between them stay within a pixel of the curve on a report's page.
constexpr int kPointsPerDecade = 16;
// A velocity line runs through every bore from a capillary to a water main, so that it crosses
// the whole plot whatever the material's sizes.
constexpr double kLeastBoreMm = 1.0;
constexpr double kMostBoreMm = 1000.0;
constexpr double kMillimetresPerMetre = 1000.0;
constexpr double kLitresPerCubicMetre = 1000.0;

const QString kTitle = QStringLiteral("FRICTION CHART: %1, WATER AT %2 °C");
const QString kLossAxisTitle = QStringLiteral("PRESSURE DROP (%1)");
const QString kFlowAxisTitle = QStringLiteral("Flow (%1)");

double lossIn(double lossKPaPerM, TChartUnits units)
{
    return units == TChartUnits::SI ? lossKPaPerM : lossKPaPerM / Design::kKPaPerMetrePerPsiPer100ft;
}

double flowIn(double flowLitresPerSecond, TChartUnits units)
{
    return units == TChartUnits::SI ? flowLitresPerSecond : flowLitresPerSecond / Design::kLitresPerSecondPerGpm;
}

bool inside(const QPointF& point, const TMaterialChart& chart)
{
    return point.x() >= chart.loss.low && point.x() <= chart.loss.high && point.y() >= chart.flow.low
        && point.y() <= chart.flow.high;
}

// The points inside the plot, and the one either side of them outside, so that the line runs
// to the plot's edge and its ends are near the plot (its name is placed along the chord).
std::vector<QPointF> withinPlot(const std::vector<QPointF>& points, const TMaterialChart& chart)
{
    std::size_t first = points.size();
    std::size_t last = 0;
    for (std::size_t i = 0; i < points.size(); ++i)
        if (inside(points[i], chart)) {
            first = std::min(first, i);
            last = i;
        }
    if (first == points.size())
        return {};
    first = first > 0 ? first - 1 : first;
    last = std::min(last + 1, points.size() - 1);
    return {points.begin() + std::ptrdiff_t(first), points.begin() + std::ptrdiff_t(last) + 1};
}

void addLine(const QString& name, const std::vector<QPointF>& points, TPlotLineKind kind, TMaterialChart& chart)
{
    if (points.size() < 2)
        return;
    chart.lines.push_back({name, points.front(), points.back(), kind, {points.begin() + 1, points.end() - 1}});
}

// Geometric steps from `low` to `high`, both included.
std::vector<double> logSteps(double low, double high)
{
    const int steps = int(std::ceil(std::log10(high / low) * kPointsPerDecade));
    std::vector<double> values;
    for (int i = 0; i <= steps; ++i)
        values.push_back(low * std::pow(high / low, double(i) / steps));
    return values;
}

// The flow at which the bore's flow turns turbulent, where the loss jumps: drawn from the
// laminar value up to the turbulent one at the same flow.
double criticalFlowLitresPerSecond(double insideMm, const Hydraulics::TWater& water)
{
    const double boreM = insideMm / kMillimetresPerMetre;
    return Hydraulics::kLaminarMostReynolds * water.kinematicViscosityM2PerS * std::numbers::pi * boreM / 4.0
        * kLitresPerCubicMetre;
}

// A size's line in two parts: laminar up to the critical flow and the jump from there, and
// turbulent from just above it.
struct TSizePoints {
    std::vector<QPointF> laminar;
    std::vector<QPointF> turbulent;
};

TSizePoints sizePoints(const Hydraulics::TPipeSize& size, double roughnessMm, double temperatureC,
                       const Hydraulics::TWater& water, TChartUnits units)
{
    const double critical = criticalFlowLitresPerSecond(size.insideMm(), water);
    const double aboveCritical = std::nextafter(critical, kMostFlowLitresPerSecond);
    TSizePoints points;
    const auto add = [&](double flow, std::vector<QPointF>& to) {
        Hydraulics::TFlowLoss loss;
        if (Hydraulics::flowLoss(size.insideMm(), roughnessMm, flow, temperatureC, loss))
            to.emplace_back(lossIn(loss.lossKPaPerM, units), flowIn(flow, units));
    };
    for (const double flow : logSteps(kLeastFlowLitresPerSecond / 2.0, kMostFlowLitresPerSecond * 2.0)) {
        if (flow < critical)
            add(flow, points.laminar);
        else {
            if (points.turbulent.empty())
                add(aboveCritical, points.turbulent);
            add(flow, points.turbulent);
        }
    }
    if (!points.laminar.empty()) {
        add(critical, points.laminar);
        add(aboveCritical, points.laminar);
    }
    return points;
}

std::vector<QPointF> velocityPoints(double velocityMPerS, double roughnessMm, double temperatureC, TChartUnits units)
{
    std::vector<QPointF> points;
    for (const double boreMm : logSteps(kLeastBoreMm, kMostBoreMm)) {
        const double boreM = boreMm / kMillimetresPerMetre;
        const double flow = velocityMPerS * std::numbers::pi * boreM * boreM / 4.0 * kLitresPerCubicMetre;
        // Laminar bores are left out: there the loss jumps down as the bore narrows, and the line
        // would fold back on itself. The sizes' own lines keep their laminar part.
        Hydraulics::TFlowLoss loss;
        if (Hydraulics::flowLoss(boreMm, roughnessMm, flow, temperatureC, loss)
            && loss.reynolds > Hydraulics::kLaminarMostReynolds)
            points.emplace_back(lossIn(loss.lossKPaPerM, units), flowIn(flow, units));
    }
    return points;
}

} // namespace

double chartLoss(double psiPer100ft, TChartUnits units)
{
    return units == TChartUnits::SI ? Design::lossKPaPerMetre(psiPer100ft) : psiPer100ft;
}

double chartFlow(double flowGpm, TChartUnits units)
{
    return units == TChartUnits::SI ? Design::flowLitresPerSecond(flowGpm) : flowGpm;
}

QString chartLossUnit(TChartUnits units)
{
    return units == TChartUnits::SI ? QStringLiteral("kPa/m") : QStringLiteral("psi/100ft");
}

bool materialChart(const Hydraulics::TMaterial& material, double temperatureC, TChartUnits units, TMaterialChart& chart)
{
    Hydraulics::TWater water;
    if (!Hydraulics::water(temperatureC, water))
        return false;
    const bool si = units == TChartUnits::SI;
    TMaterialChart made;
    made.loss = si ? TLogScale{kLeastLossKPaPerM, kMostLossKPaPerM, kLossAxisTitle.arg(chartLossUnit(units))}
                   : TLogScale{kLeastLossPsiPer100ft, kMostLossPsiPer100ft, kLossAxisTitle.arg(chartLossUnit(units))};
    made.flow = si ? TLogScale{kLeastFlowLitresPerSecond, kMostFlowLitresPerSecond, kFlowAxisTitle.arg("L/s")}
                   : TLogScale{kLeastFlowGpm, kMostFlowGpm, kFlowAxisTitle.arg("gpm")};
    made.title = kTitle.arg(QString::fromStdString(material.name), QString::number(temperatureC, 'g', 4));
    std::vector<TSizePoints> sizes;
    for (const Hydraulics::TPipeSize& size : material.sizes) {
        sizes.push_back(sizePoints(size, material.roughnessMm, temperatureC, water, units));
        addLine(QString::fromStdString(size.name), withinPlot(sizes.back().turbulent, made), TPlotLineKind::Size, made);
    }
    const QString velocityUnit = si ? QStringLiteral(" m/s") : QStringLiteral(" ft/s");
    for (const double velocity :
         si ? std::span<const double>(kVelocitiesMPerS) : std::span<const double>(kVelocitiesFtPerS))
        addLine(QString::number(velocity) + velocityUnit,
                withinPlot(velocityPoints(si ? velocity : velocity * Design::kMetresPerFoot, material.roughnessMm,
                                          temperatureC, units),
                           made),
                TPlotLineKind::Velocity, made);
    for (const TSizePoints& size : sizes)
        addLine(QString(), withinPlot(size.laminar, made), TPlotLineKind::Size, made);
    chart = std::move(made);
    return true;
}
