#pragma once
// The pipe-range indicator's arithmetic: which two neighbouring pipe sizes enclose the design
// flow at the design pressure drop, and where between them the flow lies on a natural-log scale.
// Where the marker stands on the bar for that place is the window's (MarkerTravel).

#include "UGlobalTypes.h"

#include <string>

struct TPipeRange {
    std::string LowName;     // the pipe before HighName in the table (HighName itself for the first)
    std::string HighName;    // the first pipe that carries at least the flow
    double LowFlowGpm = 0.0; // 0 when HighName is the first pipe
    double HighFlowGpm = 0.0;
};

// The flow that a pipe's line carries at a pressure drop: the line is a power law through its
// first end point, extended beyond both ends. 0 when the line gives no finite number.
[[nodiscard]] double flowAtPressure(const TPipeSize& pipe, double pressurePsiPer100ft);

// Walks the table smallest pipe first. False (and `range` untouched) when no pipe carries the flow.
[[nodiscard]] bool findPipeRange(const TPipeSizeArray& pipes, double pressurePsiPer100ft, double flowGpm,
                                 TPipeRange& range);

// Where the flow lies between the two neighbours' flows on a log scale: 0 at the smaller, 1 at
// the larger. When the smallest pipe already carries the flow there is no smaller neighbour to
// measure from, and the flow sits at the larger end: 1. Never NaN.
[[nodiscard]] double flowRatio(double flowGpm, const TPipeRange& range);
