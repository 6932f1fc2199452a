#pragma once
// A computed pipe material's friction chart as the plot's data, drawn by the same plot as a
// nomogram: loss across and flow up on log-log scales, as the nomogram has them, one line per
// size of the material's table and lines of round velocities, all worked out by Darcy-Weisbach
// with the Colebrook-White friction factor for water at the schedule's temperature.
//
// A size's loss is not quite a power of its flow: the friction factor falls as the flow grows,
// and below a Reynolds number of 2300 the flow is laminar and the loss jumps down. So each line
// is drawn through points a little apart along it, and its laminar part, with the jump, as a
// line of its own without a name: the name then stands beside the part where pipes are sized.

#include "FrictionPlot.h"
#include "Hydraulics.h"

#include <vector>

// The chart in SI reads L/s against kPa/m, in US units gpm against psi/100 ft.
enum class TChartUnits { SI, US };

struct TMaterialChart {
    TLogScale loss; // across
    TLogScale flow; // up
    QString title;
    // The sizes' lines, smallest bore first, then the velocity lines, slowest first, then the
    // laminar parts of the sizes' lines that reach into the plot, unnamed.
    std::vector<TPlotLine> lines;
};

// False when the water's temperature is one Hydraulics::water refuses; chart is then untouched.
[[nodiscard]] bool materialChart(const Hydraulics::TMaterial& material, double temperatureC, TChartUnits units,
                                 TMaterialChart& chart);

// A loss in psi/100 ft and a flow in gpm, the sizing's own units, as the chart's scales read them.
[[nodiscard]] double chartLoss(double psiPer100ft, TChartUnits units);
[[nodiscard]] double chartFlow(double flowGpm, TChartUnits units);
// "kPa/m" or "psi/100ft".
[[nodiscard]] QString chartLossUnit(TChartUnits units);
