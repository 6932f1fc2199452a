#pragma once
// What the riser layout's two ways share inside the sizing library: the tree's children grouped
// by parent and its nodes in order from the source. Not for callers outside this folder.

#include "RiserLayout.h"

#include <cstddef>
#include <vector>

namespace Sizing::Parts {

struct TRiserChildren {
    const std::vector<std::size_t>& firstChild; // node n's children: children[firstChild[n] .. firstChild[n + 1])
    const std::vector<std::size_t>& children;   // in segment order
    const std::vector<std::size_t>& order;      // every node after its parent
};

// The layout by elevation: fills every node's centre and height and the layout's width.
void placeByStoreys(const TRiserChildren& tree, const std::vector<double>& widths, TRiserLayout& layout);

} // namespace Sizing::Parts
