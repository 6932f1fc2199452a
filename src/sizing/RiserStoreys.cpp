// A riser tree laid out by elevation, as a building's riser diagram is drawn: every pipe that
// climbs or drops is a riser, a node stands right under the first riser it feeds so that the
// riser is one vertical line, and the pipes it feeds on its own level run out beside it, the
// first ones to the right. Subtrees that stand on different storeys may share the same stretch
// of the page, as the floors' branches share the width beside their riser; where they share a
// storey they are kept apart.
//
// Each subtree carries its profile: for every storey it reaches (each elevation a node stands at
// is one), the stretch it takes there, its nodes' bands, the risers passing through and the
// level pipes. A child is moved beside its parent until its profile clears, storey by storey,
// what already stands there; two subtrees clear of each other on every storey they share never
// cross. The work is the sum of the storeys each subtree spans: linear in the segments for a
// building of a few storeys, and never more than segments times storeys.
#include "RiserLayoutParts.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace Sizing::Parts {
namespace {

constexpr double kNothing = std::numeric_limits<double>::infinity();

// The stretch a subtree takes on each storey it reaches, in its root's frame (the root at 0).
class TProfile {
public:
    [[nodiscard]] bool empty() const { return FLeft.empty(); }
    [[nodiscard]] int first() const { return FFirst; }
    [[nodiscard]] int last() const { return FFirst + static_cast<int>(FLeft.size()) - 1; }
    [[nodiscard]] bool reaches(int storey) const
    {
        return !empty() && storey >= first() && storey <= last() && FLeft[index(storey)] <= FRight[index(storey)];
    }
    [[nodiscard]] double left(int storey) const { return FLeft[index(storey)]; }
    [[nodiscard]] double right(int storey) const { return FRight[index(storey)]; }

    void take(int storey, double left, double right)
    {
        reach(storey);
        FLeft[index(storey)] = std::min(FLeft[index(storey)], left);
        FRight[index(storey)] = std::max(FRight[index(storey)], right);
    }

    // Another profile, moved by `offset`.
    void add(const TProfile& other, double offset)
    {
        if (other.empty())
            return;
        reach(other.first());
        reach(other.last());
        for (int storey = other.first(); storey <= other.last(); ++storey)
            if (other.reaches(storey))
                take(storey, other.left(storey) + offset, other.right(storey) + offset);
    }

private:
    [[nodiscard]] std::size_t index(int storey) const { return static_cast<std::size_t>(storey - FFirst); }

    void reach(int storey)
    {
        if (empty()) {
            FFirst = storey;
            FLeft.assign(1, kNothing);
            FRight.assign(1, -kNothing);
        } else if (storey < FFirst) {
            const auto more = static_cast<std::size_t>(FFirst - storey);
            FLeft.insert(FLeft.begin(), more, kNothing);
            FRight.insert(FRight.begin(), more, -kNothing);
            FFirst = storey;
        } else if (storey > last()) {
            FLeft.resize(index(storey) + 1, kNothing);
            FRight.resize(index(storey) + 1, -kNothing);
        }
    }

    int FFirst = 0;
    std::vector<double> FLeft;
    std::vector<double> FRight;
};

class TStoreyLayout {
public:
    TStoreyLayout(const TRiserChildren& tree, const std::vector<double>& widths, TRiserLayout& layout)
        : FTree(tree)
        , FWidths(widths)
        , FLayout(layout)
        , FProfiles(layout.nodes.size())
        , FOffset(layout.nodes.size(), 0.0)
        , FSide(layout.nodes.size(), TSide::Left)
    {
        numberStoreys();
        chooseSides();
    }

    void place()
    {
        for (auto it = FTree.order.rbegin(); it != FTree.order.rend(); ++it)
            placeChildren(*it);
        std::vector<double> x(FLayout.nodes.size(), 0.0);
        for (const std::size_t n : FTree.order)
            if (n != 0)
                x[n] = x[FLayout.nodes[n].parent] + FOffset[n];
        const TProfile& whole = FProfiles[0];
        double left = kNothing;
        double right = -kNothing;
        for (int storey = whole.first(); storey <= whole.last(); ++storey)
            if (whole.reaches(storey)) {
                left = std::min(left, whole.left(storey));
                right = std::max(right, whole.right(storey));
            }
        for (std::size_t n = 0; n < FLayout.nodes.size(); ++n) {
            FLayout.nodes[n].centre = x[n] - left;
            FLayout.nodes[n].height = FLayout.nodes[n].elevationFt;
        }
        FLayout.width = right - left;
    }

private:
    // Every elevation a node stands at is a storey, numbered from the lowest.
    void numberStoreys()
    {
        std::vector<double> elevations;
        elevations.reserve(FLayout.nodes.size());
        for (const TRiserNode& node : FLayout.nodes)
            elevations.push_back(node.elevationFt);
        std::sort(elevations.begin(), elevations.end());
        elevations.erase(std::unique(elevations.begin(), elevations.end()), elevations.end());
        FStorey.reserve(FLayout.nodes.size());
        for (const TRiserNode& node : FLayout.nodes)
            FStorey.push_back(static_cast<int>(std::lower_bound(elevations.begin(), elevations.end(), node.elevationFt)
                                               - elevations.begin()));
    }

    // The child's profile seen from its parent: its riser passing the storeys in between, with
    // the room its words need beside it, and its foot on the parent's storey.
    TProfile& fromParent(std::size_t child, int parentStorey, bool withFoot = true)
    {
        TProfile& profile = FProfiles[child];
        const int own = FStorey[child];
        const double half = FWidths[child] / 2.0;
        for (int storey = std::min(own, parentStorey) + 1; storey < std::max(own, parentStorey); ++storey)
            profile.take(storey, -half, half);
        if (withFoot)
            profile.take(parentStorey, 0.0, 0.0);
        return profile;
    }

    [[nodiscard]] static bool clears(const TProfile& placed, const TProfile& child, double offset)
    {
        for (int storey = child.first(); storey <= child.last(); ++storey)
            if (child.reaches(storey) && placed.reaches(storey) && child.left(storey) + offset < placed.right(storey)
                && child.right(storey) + offset > placed.left(storey))
                return false;
        return true;
    }

    // How far the child must move to stand clear of everything placed, on its side.
    [[nodiscard]] static double besideOffset(const TProfile& placed, const TProfile& child, bool toTheRight)
    {
        double offset = toTheRight ? -kNothing : kNothing;
        for (int storey = child.first(); storey <= child.last(); ++storey) {
            if (!child.reaches(storey) || !placed.reaches(storey))
                continue;
            offset = toTheRight ? std::max(offset, placed.right(storey) - child.left(storey))
                                : std::min(offset, placed.left(storey) - child.right(storey));
        }
        return std::isfinite(offset) ? offset : 0.0;
    }

    void put(std::size_t n, std::size_t child, double offset)
    {
        TProfile& profile = FProfiles[n];
        FOffset[child] = offset;
        profile.add(FProfiles[child], offset);
        profile.take(FStorey[n], std::min(0.0, offset), std::max(0.0, offset)); // the pipe along the storey
        FProfiles[child] = TProfile();
    }

    enum class TSide { Above, Right, Left };

    // Which side of its node each child goes, decided from the source up before any is placed:
    // the first riser above, and of the others the first half to the right and the rest to the
    // left (a single one to the left). A node that stands beside its parent on one storey sends
    // all its pipes further out on its own side, so that none runs back along its parent's pipe,
    // through the nodes there. Two pipes on one side run along the storey as a header, the
    // farther passing the nearer one's tee.
    void chooseSides();
    [[nodiscard]] std::size_t firstRiser(std::size_t n) const;
    // The children on one side, nearest the node first; those whose subtrees come back to the
    // node's storey go outermost, where no later pipe along the storey passes over them.
    [[nodiscard]] std::vector<std::size_t> sideChildren(std::size_t n, TSide side) const;
    [[nodiscard]] bool comesBack(std::size_t child, int parentStorey) const;
    void placeChildren(std::size_t n);

    const TRiserChildren& FTree;
    const std::vector<double>& FWidths;
    TRiserLayout& FLayout;
    std::vector<int> FStorey;
    std::vector<TProfile> FProfiles;
    std::vector<double> FOffset; // from the parent
    std::vector<TSide> FSide;
};

std::size_t TStoreyLayout::firstRiser(std::size_t n) const
{
    for (std::size_t c = FTree.firstChild[n]; c < FTree.firstChild[n + 1]; ++c)
        if (FStorey[FTree.children[c]] != FStorey[n])
            return c;
    return FTree.firstChild[n + 1];
}

void TStoreyLayout::chooseSides()
{
    for (const std::size_t n : FTree.order) {
        const std::size_t begin = FTree.firstChild[n];
        const std::size_t end = FTree.firstChild[n + 1];
        const std::size_t riser = firstRiser(n);
        const bool besideParent = n != 0 && FSide[n] != TSide::Above && FStorey[n] == FStorey[FLayout.nodes[n].parent];
        const std::size_t others = end - begin - (riser != end ? 1 : 0);
        std::size_t seen = 0;
        for (std::size_t c = begin; c < end; ++c) {
            const std::size_t child = FTree.children[c];
            if (c == riser)
                FSide[child] = TSide::Above;
            else if (besideParent)
                FSide[child] = FSide[n];
            else
                FSide[child] = seen++ < others / 2 ? TSide::Right : TSide::Left;
        }
    }
}

bool TStoreyLayout::comesBack(std::size_t child, int parentStorey) const
{
    const TProfile& profile = FProfiles[child];
    if (!profile.reaches(parentStorey))
        return false;
    if (FStorey[child] != parentStorey)
        return true;
    // Level with the parent: anything on the parent's side of its own band came back.
    const double half = FWidths[child] / 2.0;
    return FSide[child] == TSide::Right ? profile.left(parentStorey) < -half : profile.right(parentStorey) > half;
}

std::vector<std::size_t> TStoreyLayout::sideChildren(std::size_t n, TSide side) const
{
    std::vector<std::size_t> nearestFirst;
    const std::size_t begin = FTree.firstChild[n];
    const std::size_t end = FTree.firstChild[n + 1];
    // The first child stands outermost on the right; on the left, the first stands nearest.
    for (std::size_t k = 0; k < end - begin; ++k) {
        const std::size_t child = FTree.children[side == TSide::Right ? end - 1 - k : begin + k];
        if (FSide[child] == side)
            nearestFirst.push_back(child);
    }
    std::stable_partition(nearestFirst.begin(), nearestFirst.end(),
                          [&](std::size_t child) { return !comesBack(child, FStorey[n]); });
    return nearestFirst;
}

void TStoreyLayout::placeChildren(std::size_t n)
{
    const int storey = FStorey[n];
    FProfiles[n].take(storey, -FWidths[n] / 2.0, FWidths[n] / 2.0);
    const std::size_t riser = firstRiser(n);
    if (riser != FTree.firstChild[n + 1]) {
        const std::size_t child = FTree.children[riser];
        // Its foot is the node itself, so only what stands above (or below) it is looked at;
        // when something is in the way, or its subtree comes back down to this storey where the
        // pipes along it would pass over it, it goes beside the node like the others.
        if (!comesBack(child, storey) && clears(FProfiles[n], fromParent(child, storey, false), 0.0))
            put(n, child, 0.0);
        else
            FSide[child] = TSide::Left;
    }
    for (const TSide side : {TSide::Right, TSide::Left})
        for (const std::size_t child : sideChildren(n, side))
            put(n, child, besideOffset(FProfiles[n], fromParent(child, storey), side == TSide::Right));
}

} // namespace

void placeByStoreys(const TRiserChildren& tree, const std::vector<double>& widths, TRiserLayout& layout)
{
    TStoreyLayout(tree, widths, layout).place();
}

} // namespace Sizing::Parts
