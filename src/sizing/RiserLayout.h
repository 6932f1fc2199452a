#pragma once
// Where each node of a riser tree stands when the tree is drawn, free of any painting: the source
// at the bottom, every node above the one feeding it, by its elevation when the elevations differ
// and otherwise by its depth, and across the page a tidy tree laid out right to left.
//
// The horizontal layout is the tidy tree in one post-order and one pre-order pass: each subtree
// keeps a band of its own as wide as its leaves need, a parent stands centred over its first and
// last child, and so no two branches cross whatever their heights, since the bands never overlap.
// The first branch of a node (in segment order) takes the rightmost band, as a Persian page reads.
// Drawn by elevation, pipes that climb or drop are risers and stay vertical: a node stands right
// under the first such pipe it feeds rather than centred over its children. One that feeds only
// level pipes is centred over them, unless that would hide one under it; it then stands right of
// them all, so that the level pipe runs out to the left.

#include "Sizing.h"

#include <cstddef>
#include <vector>

namespace Sizing {

// Node 0 is the source; node k + 1 is segment k's `to`, so that a node and the segment feeding it
// share an index shifted by one.
inline constexpr std::size_t riserNodeOf(std::size_t segment) { return segment + 1; }

struct TRiserNode {
    std::size_t parent = 0; // the node feeding it; the source's own index for the source
    int depth = 0;          // segments from the source
    double elevationFt = 0.0;
    double centre = 0.0; // across the page, from the left edge, in the widths' units
    double height = 0.0; // up the page: elevationFt, or depth when every elevation is the same
};

struct TRiserLayout {
    std::vector<TRiserNode> nodes;
    bool byElevation = false; // heights are elevations in feet rather than depths
    double width = 0.0;       // of the whole tree, in the widths' units
};

// Lays out a schedule whose segments make one tree from one source (as checkSchedule's shape
// rules say); `nodeWidths[n]` is the least band node n needs (one per node, non-negative). False
// when the segments are no tree or a width is unusable; `layout` is then cleared.
[[nodiscard]] bool layoutRiser(const TSchedule& schedule, const std::vector<double>& nodeWidths, TRiserLayout& layout);

} // namespace Sizing
