#pragma once
// Which labels of a logarithmic axis can be written without running into each other.
//
// The nomogram's axes carry a label at every 1 to 9 of every decade; towards the top of a
// decade they lie only a few pixels apart. Labels are taken in order of rank, the decades
// first, then 5, 2, 3, 4, 6, 7, 8 and 9 of each decade, lowest value first within a rank; a
// label is kept when it keeps a gap to every label kept before it. The tick and its grid line
// stay whatever becomes of the label.

#include <vector>

struct TAxisLabel {
    double value = 0.0;
    // Centre of the label along the axis and its length along the axis, in pixels.
    double centrePx = 0.0;
    double extentPx = 0.0;
};

// One flag per label, in the order given: true when the label is written.
[[nodiscard]] std::vector<bool> labelsThatFit(const std::vector<TAxisLabel>& labels, double gapPx);

// Rank of a value by its leading digit: 0 for a power of ten, then 5, 2, 3, 4, 6, 7, 8, 9;
// values that are not a positive number rank last.
[[nodiscard]] int labelRank(double value);
