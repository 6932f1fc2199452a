#pragma once
// The schedule's numbers as the window and the report show them. The file and the sizing core
// work in US units (ft, psi, gpm); a project whose units are SI is shown in metres, kPa, L/s,
// m/s and kPa/m, with the design helpers' factors, and values typed in SI are converted once,
// on entry. Pipes keep the nomogram's nominal names; in SI the metric size follows. A computed
// material's size is written as its table writes it ("25×4.2", outside diameter × wall in mm),
// the same in both systems.

#include "ProjectFile.h"

#include <QString>

namespace ScheduleUnits {

// "1 1/4\"" -> "DN32"; empty when unknown.
[[nodiscard]] QString dnName(const QString& nominalPipe);
// US: the nominal name; SI: "1 1/4\" DN32".
[[nodiscard]] QString pipeLabel(const QString& nominalPipe, Project::TUnits units);

// The pipe a segment was sized with, as every view writes it: pipeLabel for a nomogram pipe,
// the size's own name for a computed material's.
[[nodiscard]] QString sizeLabel(const Sizing::TSegmentSize& size, Project::TUnits units);

// From the file's US units to those shown.
[[nodiscard]] double lengthIn(double lengthFt, Project::TUnits units);  // ft or m
[[nodiscard]] double pressureIn(double psi, Project::TUnits units);     // psi or kPa
[[nodiscard]] double flowIn(double gpm, Project::TUnits units);         // gpm or L/s
[[nodiscard]] double velocityIn(double ftPerS, Project::TUnits units);  // ft/s or m/s
[[nodiscard]] double lossIn(double psiPer100ft, Project::TUnits units); // psi/100ft or kPa/m

// From the units shown back to the file's.
[[nodiscard]] double lengthFt(double value, Project::TUnits units);
[[nodiscard]] double pressurePsi(double value, Project::TUnits units);
[[nodiscard]] double flowGpm(double value, Project::TUnits units);
[[nodiscard]] double limitFtPerS(double value, Project::TUnits units);

[[nodiscard]] QString lengthUnit(Project::TUnits units);   // "ft" or "m"
[[nodiscard]] QString pressureUnit(Project::TUnits units); // "psi" or "kPa"
[[nodiscard]] QString flowUnit(Project::TUnits units);     // "gpm" or "L/s"
[[nodiscard]] QString velocityUnit(Project::TUnits units); // "ft/s" or "m/s"
[[nodiscard]] QString lossUnit(Project::TUnits units);     // "psi/100ft" or "kPa/m"

} // namespace ScheduleUnits
