#pragma once
// The nomogram of a roughness class as a friction chart's data: its two scales, its title and
// one line per entry of the class's tables, for the plot the chart window shows and the one a
// report draws.

#include "FrictionPlot.h"
#include "UGlobalTypes.h"

#include <vector>

// Pressure drop in psi per 100 ft across, 0.1 to 100.
[[nodiscard]] TLogScale nomogramPressureScale();
// Flow in gpm up. The window's flow axes are laid out from 0, and a logarithmic axis whose
// minimum is 0 starts at 1.
[[nodiscard]] TLogScale nomogramFlowScale();

// The chart's title, naming the class when it is given.
[[nodiscard]] QString nomogramTitle(const QString& className);

// The pipe sizes' lines, then the velocity lines, each in its table's order.
[[nodiscard]] std::vector<TPlotLine> nomogramLines(const TPipeSizeArray& pipeSizes,
                                                   const TPipeSizeArray& velocityLines);
