#pragma once
// The operating point's glide on the chart and the text of its info panel, free of widgets.
//
// The marker covers a tenth of the remaining distance every tick, on the plain values (not on
// their logarithms), and counts as arrived once it is closer than 0.001 in both quantities.

#include <QString>

// A place on the nomogram: pressure drop across, flow up.
struct TPlotPoint {
    double pressurePsiPer100ft = 0.0;
    double flowGpm = 0.0;
};

// A logarithmic axis cannot map 0 or below (nor a NaN or an infinity): such a value sits at
// the axis's low end.
[[nodiscard]] double onLogAxis(double value, double lowEnd);

// The point halfway along a straight line of the log-log plane: the geometric mean. Values
// that cannot be on a logarithmic axis count as the low end.
[[nodiscard]] double logMidpoint(double a, double b, double lowEnd);

// One tick of the glide: H first, then Q, each a tenth of the way to its target.
[[nodiscard]] TPlotPoint glideStep(const TPlotPoint& current, const TPlotPoint& target);

// Strictly closer than 0.001 in both quantities, each in its own unit.
[[nodiscard]] bool hasArrived(const TPlotPoint& current, const TPlotPoint& target);

// A target that is no number cannot be reached; the marker goes to 0 instead, which the axes
// place at their low ends.
[[nodiscard]] double finiteTarget(double value);

// The four lines of the info panel, numbers as "0.##" with the user's decimal separator. The
// pressure drop is in psi per 100 ft, the unit of the horizontal axis, and says so.
[[nodiscard]] QString infoPanelText(double flowGpm, double pressurePsiPer100ft, const QString& pipeName,
                                    double velocityFtPerS);
