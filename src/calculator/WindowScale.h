#pragma once
// Whole-pixel arithmetic of the window scale. Each scaling works on the current geometry, so
// successive scalings multiply (150 % twice is 225 %), up to the rounding of each step.

#include <QRect>

// A length times percent / 100, rounded to the nearest pixel.
[[nodiscard]] int scaledLength(int lengthPx, int percent);

// Position and size each scaled and rounded on their own.
[[nodiscard]] QRect scaledRect(const QRect& rect, int percent);
