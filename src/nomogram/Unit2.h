#pragma once
// Unit2 holds class 1's tables, the smoothest class ("نسبتاً صاف"): its pipe and velocity lines and their lookups.
// The tables are filled once, on first use, and are read-only from then on.

#include "ClassModule.h"
#include "NomogramLookup.h"
#include "UGlobalTypes.h"

#include <string>

namespace Unit2 {

namespace detail {
// The class's tables, made on the first call.
[[nodiscard]] const Nomogram::TClassData& classData();
} // namespace detail

// Inline variables are initialised before anything that follows them in a translation unit,
// so even a static initialiser elsewhere that reads these sees the filled tables.
inline const TPipeSizeArray& PipeSizes = detail::classData().pipeSizes();
inline const TPipeSizeArray& VelocityLines = detail::classData().velocityLines();

// Fills both tables; a second call changes nothing.
void InitData();

[[nodiscard]] double CalcYOnLogLine(double x, double x1, double y1, double x2, double y2);
[[nodiscard]] bool GetNearestPipeAndVelocity(double pressureDrop, double flow, std::string& PipeName, double& Velocity);
[[nodiscard]] double GetPressureForPipe(const std::string& PipeName, double TargetFlow);
[[nodiscard]] double GetVelocityAtPoint(double pressureDrop, double flow);

} // namespace Unit2
