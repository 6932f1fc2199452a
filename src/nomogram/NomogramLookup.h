#pragma once
// The log-log lookups of one roughness class, written once over that class's two tables.
// Each class module (Unit2, Unit3, Unit4) hands its own tables to these functions.
//
// Every function answers bad input (NaN, infinities, zero or negative values, values that
// overflow a logarithm or a power) with its neutral result: false, the empty name, or 0.
// None throws and none hands back a NaN or an infinity.

#include "UGlobalTypes.h"

#include <cstddef>
#include <string>

namespace Nomogram {

// The two tables of one roughness class.
struct TClassTables {
    const TPipeSizeArray& PipeSizes;
    const TPipeSizeArray& VelocityLines;
};

// Flow on the line through (x1, y1) and (x2, y2) at pressure drop x, extended beyond the
// end points; 0 when an argument is not a finite positive number or the line is vertical.
[[nodiscard]] double calcYOnLogLine(double x, double x1, double y1, double x2, double y2);

// A line spans a pressure drop when it lies between its end points, both ends included.
[[nodiscard]] bool spans(const TPipeSize& line, double pressureDrop);

// The smallest pipe whose line spans the pressure drop and carries at least the flow there;
// its index in PipeSizes. False, with index untouched, when no line does.
[[nodiscard]] bool getNearestPipe(const TClassTables& tables, double pressureDrop, double flow, std::size_t& index);

// The same pipe's name, and the velocity at the point.
[[nodiscard]] bool getNearestPipeAndVelocity(const TClassTables& tables, double pressureDrop, double flow,
                                             std::string& pipeName, double& velocity);

// Pressure drop at which the named pipe line carries the flow (the line extended); 0 for a
// name not in the table.
[[nodiscard]] double getPressureForPipe(const TClassTables& tables, const std::string& pipeName, double targetFlow);

// Velocity at any point, interpolated against log10 of the flow between the two consecutive
// spanning velocity lines that enclose it. Outside the band the spanning lines cover, the
// nearest spanning line's velocity: the slowest below the band, the fastest above it.
[[nodiscard]] double getVelocityAtPoint(const TClassTables& tables, double pressureDrop, double flow);

// The tables of class 1, 2 or 3; nullptr for any other number (0 = none chosen yet).
[[nodiscard]] const TClassTables* tablesForClass(int classNumber);

} // namespace Nomogram
