#pragma once
// Where the pipe-range indicator's marker stands on its bar, in the window's pixels: its resting
// place for a place between the two neighbours (PipeRange's ratio), its steps on the way there, and
// the half of the bar, and so the neighbour, it names at rest.

// The marker's resting left edge for a ratio (limited to 0..1): the bar's left end plus the
// travel (bar width less marker width) times the ratio, rounded half to even.
[[nodiscard]] int markerTargetLeft(double ratio, int barLeft, int barWidth, int markerWidth);

// One animation tick: moves `left` by `step` towards `target` without passing it. True when the
// marker has arrived (it then stands exactly on `target`).
[[nodiscard]] bool stepMarker(int& left, int target, int step);

// At rest the marker names the larger neighbour when its left edge is at or past the bar's middle.
[[nodiscard]] bool markerOnHighHalf(int markerLeft, int barLeft, int barWidth);
