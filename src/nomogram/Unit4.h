#pragma once
// Unit4 holds class 3's tables, the roughest class ("ناصاف"): its pipe and velocity lines and their lookups.
// It has no 40 ft/s line. The tables are filled once, on first use, and are read-only from then on.

#include "ClassModule.h"
#include "NomogramLookup.h"
#include "UGlobalTypes.h"

#include <string>

namespace Unit4 {

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

} // namespace Unit4
