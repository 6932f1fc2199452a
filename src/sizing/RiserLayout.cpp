#include "RiserLayout.h"

#include "RiserLayoutParts.h"

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

// The tree's children and bands, worked out in the passes the layout makes over it.
struct TTidyTree {
    TRiserLayout& layout;
    const std::vector<double>& widths;
    std::vector<std::size_t> firstChild; // node n's children are children[firstChild[n] .. firstChild[n + 1])
    std::vector<std::size_t> children;   // in segment order, grouped by parent
    std::vector<std::size_t> order;      // every node after its parent
    std::vector<double> band;
    std::vector<double> ownCentre;     // from the band's left edge
    std::vector<double> childrenStart; // where the children's bands begin in it

    void groupChildren()
    {
        const std::vector<TRiserNode>& nodes = layout.nodes;
        const std::size_t count = nodes.size();
        firstChild.assign(count + 1, 0);
        for (std::size_t n = 1; n < count; ++n)
            ++firstChild[nodes[n].parent + 1];
        for (std::size_t n = 1; n <= count; ++n)
            firstChild[n] += firstChild[n - 1];
        children.assign(count - 1, 0);
        std::vector<std::size_t> cursor(firstChild.begin(), firstChild.end() - 1);
        for (std::size_t n = 1; n < count; ++n)
            children[cursor[nodes[n].parent]++] = n;
    }

    // False when some node is never reached: it stands in a loop.
    bool orderFromSource()
    {
        std::vector<TRiserNode>& nodes = layout.nodes;
        order.assign(1, 0);
        order.reserve(nodes.size());
        for (std::size_t k = 0; k < order.size(); ++k) {
            const std::size_t n = order[k];
            for (std::size_t c = firstChild[n]; c < firstChild[n + 1]; ++c) {
                nodes[children[c]].depth = nodes[n].depth + 1;
                order.push_back(children[c]);
            }
        }
        return order.size() == nodes.size();
    }

    // Node n's band in its own terms: its children's bands side by side, the last child
    // leftmost, the node centred over its first and last child, and the band widened where the
    // node itself needs more room than its children leave it on either side.
    void fitBand(std::size_t n)
    {
        const double half = widths[n] / 2.0;
        double edge = 0.0;
        double firstCentre = half;
        double lastCentre = half;
        for (std::size_t c = firstChild[n + 1]; c-- > firstChild[n];) {
            const std::size_t child = children[c];
            if (c == firstChild[n])
                firstCentre = edge + ownCentre[child];
            if (c == firstChild[n + 1] - 1)
                lastCentre = edge + ownCentre[child];
            edge += band[child];
        }
        const double centre = (firstCentre + lastCentre) / 2.0;
        const double lo = std::min(0.0, centre - half);
        const double hi = std::max(edge, centre + half);
        band[n] = hi - lo;
        childrenStart[n] = -lo;
        ownCentre[n] = centre - lo;
    }

    void place()
    {
        const std::size_t count = layout.nodes.size();
        band.assign(count, 0.0);
        ownCentre.assign(count, 0.0);
        childrenStart.assign(count, 0.0);
        for (auto it = order.rbegin(); it != order.rend(); ++it)
            fitBand(*it);
        std::vector<double> left(count, 0.0);
        for (const std::size_t n : order) {
            double edge = left[n] + childrenStart[n];
            for (std::size_t c = firstChild[n + 1]; c-- > firstChild[n];) {
                left[children[c]] = edge;
                edge += band[children[c]];
            }
            TRiserNode& node = layout.nodes[n];
            node.centre = left[n] + ownCentre[n];
            node.height = static_cast<double>(node.depth);
        }
        layout.width = band[0];
    }
};

} // namespace

bool layoutRiser(const TSchedule& schedule, const std::vector<double>& nodeWidths, TRiserLayout& layout)
{
    layout = {};
    const bool usable
        = std::all_of(nodeWidths.begin(), nodeWidths.end(), [](double w) { return std::isfinite(w) && w >= 0.0; });
    if (schedule.segments.empty() || nodeWidths.size() != schedule.segments.size() + 1 || !usable
        || !linkNodes(schedule, layout)) {
        layout = {};
        return false;
    }
    TTidyTree tree{layout, nodeWidths, {}, {}, {}, {}, {}, {}};
    tree.groupChildren();
    if (!tree.orderFromSource()) {
        layout = {};
        return false;
    }
    if (layout.byElevation)
        Parts::placeByStoreys({tree.firstChild, tree.children, tree.order}, nodeWidths, layout);
    else
        tree.place();
    return true;
}

} // namespace Sizing
