#include "RiserLayout.h"

#include <algorithm>
#include <cmath>
#include <string_view>
#include <unordered_map>

namespace Sizing {
namespace {

// Each node's feeder, with the shape rules of the tree's check: both ends named and different,
// each `to` fed once, one source. Reachability is left to the walk that orders the nodes.
bool linkNodes(const TSchedule& schedule, TRiserLayout& layout)
{
    const std::vector<TSegment>& segments = schedule.segments;
    std::unordered_map<std::string_view, std::size_t> nodeNamed;
    nodeNamed.reserve(segments.size());
    for (std::size_t k = 0; k < segments.size(); ++k) {
        const TSegment& g = segments[k];
        if (g.from.empty() || g.to.empty() || g.from == g.to || !nodeNamed.emplace(g.to, riserNodeOf(k)).second)
            return false;
        if (!std::isfinite(g.elevationFt))
            return false;
    }
    layout.nodes.assign(segments.size() + 1, TRiserNode{});
    const std::string* source = nullptr;
    for (std::size_t k = 0; k < segments.size(); ++k) {
        TRiserNode& node = layout.nodes[riserNodeOf(k)];
        node.elevationFt = segments[k].elevationFt;
        if (const auto found = nodeNamed.find(segments[k].from); found != nodeNamed.end()) {
            node.parent = found->second;
        } else if (source == nullptr || *source == segments[k].from) {
            source = &segments[k].from;
            node.parent = 0;
        } else {
            return false;
        }
        layout.byElevation = layout.byElevation || segments[k].elevationFt != 0.0;
    }
    return source != nullptr;
}

// Whether a child of `n` level with it would stand at `centre`, right under it.
bool levelChildUnder(const TRiserLayout& layout, std::size_t n, const std::vector<std::size_t>& firstChild,
                     const std::vector<std::size_t>& children, const std::vector<double>& ownCentre,
                     const std::vector<double>& band, double centre)
{
    double edge = 0.0;
    for (std::size_t c = firstChild[n + 1]; c-- > firstChild[n];) {
        const std::size_t child = children[c];
        if (layout.nodes[child].elevationFt == layout.nodes[n].elevationFt
            && std::abs(edge + ownCentre[child] - centre) < 1e-9 * std::max(1.0, std::abs(centre)))
            return true;
        edge += band[child];
    }
    return false;
}

} // namespace

bool layoutRiser(const TSchedule& schedule, const std::vector<double>& nodeWidths, TRiserLayout& layout)
{
    layout = {};
    const std::size_t count = schedule.segments.size() + 1;
    if (schedule.segments.empty() || nodeWidths.size() != count || !linkNodes(schedule, layout)) {
        layout = {};
        return false;
    }
    for (const double w : nodeWidths)
        if (!std::isfinite(w) || w < 0.0) {
            layout = {};
            return false;
        }
    std::vector<TRiserNode>& nodes = layout.nodes;

    // The children of each node, in segment order, as one flat array grouped by parent.
    std::vector<std::size_t> firstChild(count + 1, 0);
    for (std::size_t n = 1; n < count; ++n)
        ++firstChild[nodes[n].parent + 1];
    for (std::size_t n = 1; n <= count; ++n)
        firstChild[n] += firstChild[n - 1];
    std::vector<std::size_t> children(count - 1);
    std::vector<std::size_t> cursor(firstChild.begin(), firstChild.end() - 1);
    for (std::size_t n = 1; n < count; ++n)
        children[cursor[nodes[n].parent]++] = n;

    // Every node after its parent; a node never reached stands in a loop.
    std::vector<std::size_t> order{0};
    order.reserve(count);
    for (std::size_t k = 0; k < order.size(); ++k) {
        const std::size_t n = order[k];
        for (std::size_t c = firstChild[n]; c < firstChild[n + 1]; ++c) {
            nodes[children[c]].depth = nodes[n].depth + 1;
            order.push_back(children[c]);
        }
    }
    if (order.size() != count) {
        layout = {};
        return false;
    }

    // Bottom up, each node's band in its own terms: its children's bands side by side, the last
    // child leftmost, the node centred over its first and last child, and the band widened where
    // the node itself needs more room than its children leave it on either side.
    std::vector<double> band(count, 0.0);
    std::vector<double> ownCentre(count, 0.0);     // from the band's left edge
    std::vector<double> childrenStart(count, 0.0); // where the children's bands begin
    for (auto it = order.rbegin(); it != order.rend(); ++it) {
        const std::size_t n = *it;
        const double halfPx = nodeWidths[n] / 2.0;
        if (firstChild[n] == firstChild[n + 1]) {
            band[n] = nodeWidths[n];
            ownCentre[n] = halfPx;
            continue;
        }
        double edge = 0.0;
        double firstCentre = 0.0;
        double lastCentre = 0.0;
        for (std::size_t c = firstChild[n + 1]; c-- > firstChild[n];) {
            const std::size_t child = children[c];
            if (c == firstChild[n])
                firstCentre = edge + ownCentre[child];
            if (c == firstChild[n + 1] - 1)
                lastCentre = edge + ownCentre[child];
            edge += band[child];
        }
        double centre = (firstCentre + lastCentre) / 2.0;
        // Drawn by elevation, a pipe level with the node feeding it shrinks to a point when that
        // node stands right over its end; such a node stands instead right of all it feeds, and
        // the level pipe runs out from it to the left.
        if (layout.byElevation && levelChildUnder(layout, n, firstChild, children, ownCentre, band, centre))
            centre = edge + halfPx;
        const double lo = std::min(0.0, centre - halfPx);
        const double hi = std::max(edge, centre + halfPx);
        band[n] = hi - lo;
        childrenStart[n] = -lo;
        ownCentre[n] = centre - lo;
    }
    // Top down, every band's left edge on the page.
    std::vector<double> left(count, 0.0);
    for (const std::size_t n : order) {
        double edge = left[n] + childrenStart[n];
        for (std::size_t c = firstChild[n + 1]; c-- > firstChild[n];) {
            left[children[c]] = edge;
            edge += band[children[c]];
        }
        TRiserNode& node = nodes[n];
        node.centre = left[n] + ownCentre[n];
        node.height = layout.byElevation ? node.elevationFt : static_cast<double>(node.depth);
    }
    layout.width = band[0];
    return true;
}

} // namespace Sizing
