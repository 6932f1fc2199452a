#pragma once
// The file name that saving the chart suggests, free of widgets.

#include <QString>

// The class and the operating point, e.g. "نسبتاً صاف - 52.5 gpm - 4 psi per 100 ft", numbers as
// the info panel writes them; the point is left out before one is shown, and a chart without a
// class is called "Keldaran chart". Characters that some file system refuses are left out. No
// extension: the chosen format adds it.
[[nodiscard]] QString suggestedChartFileName(const QString& classTitle, bool hasPoint, double flowGpm,
                                             double pressurePsiPer100ft);
