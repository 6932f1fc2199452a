#include "LineLabels.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace {
// Space kept free between a name and its line, and between two names.
constexpr double kLineGapPx = 1.0;
constexpr double kLabelGapPx = 1.0;
// Candidate places lie this far apart along the line.
constexpr double kStepPx = 3.0;
// First each name looks within this share of its line's visible length either side of the
// midpoint, then along all of it.
constexpr double kNearShare = 0.3;

struct TSegment {
    QPointF a;
    QPointF b;
};

// The part of the line inside the rectangle (Liang-Barsky); none when the line misses it.
std::optional<TSegment> clipped(const QPointF& from, const QPointF& to, const QRectF& area)
{
    const double dx = to.x() - from.x();
    const double dy = to.y() - from.y();
    double t0 = 0.0;
    double t1 = 1.0;
    const auto edge = [&](double p, double q) {
        if (p == 0.0)
            return q >= 0.0;
        const double t = q / p;
        if (p < 0.0)
            t0 = std::max(t0, t);
        else
            t1 = std::min(t1, t);
        return t0 <= t1;
    };
    if (!edge(-dx, from.x() - area.left()) || !edge(dx, area.right() - from.x()) || !edge(-dy, from.y() - area.top())
        || !edge(dy, area.bottom() - from.y()))
        return std::nullopt;
    return TSegment{from + (to - from) * t0, from + (to - from) * t1};
}

// The name with one corner at `point`, on the one or the other side of a line that rises
// (on screen: y falls as x grows) or falls.
QRectF besideLine(const QPointF& point, const QSizeF& size, bool rises, bool firstSide)
{
    QRectF rect(QPointF(0.0, 0.0), size);
    const double g = kLineGapPx;
    if (rises) {
        if (firstSide)
            rect.moveBottomRight(point + QPointF(-g, -g));
        else
            rect.moveTopLeft(point + QPointF(g, g));
    } else {
        if (firstSide)
            rect.moveBottomLeft(point + QPointF(g, -g));
        else
            rect.moveTopRight(point + QPointF(-g, g));
    }
    return rect;
}

bool isFinite(const QPointF& p) { return std::isfinite(p.x()) && std::isfinite(p.y()); }

// Places the names one by one, each clear of those placed before it.
class TLabelPlacer {
public:
    TLabelPlacer(const std::vector<TLineLabel>& labels, const QRectF& plotPx, std::vector<QRectF>& placedPx)
        : FLabels(labels)
        , FPlotPx(plotPx)
        , FPlacedPx(placedPx)
        , FIsPlaced(labels.size(), false)
        , FVisible(labels.size())
        , FBounds(labels.size())
    {
        FPlacedPx.assign(labels.size(), QRectF());
        for (std::size_t i = 0; i < labels.size(); ++i)
            if (isFinite(labels[i].fromPx) && isFinite(labels[i].toPx)) {
                FVisible[i] = clipped(labels[i].fromPx, labels[i].toPx, plotPx);
                if (FVisible[i])
                    FBounds[i] = QRectF(FVisible[i]->a, FVisible[i]->b).normalized();
            }
    }

    // Every name not placed yet, at the nearest free place within a share of its line.
    void placeAll(double reachShare, bool linesMayCross)
    {
        for (std::size_t i = 0; i < FLabels.size(); ++i)
            if (!FIsPlaced[i])
                if (const auto rect = search(i, reachShare, linesMayCross)) {
                    FPlacedPx[i] = *rect;
                    FIsPlaced[i] = true;
                }
    }

    // A name that found no place stands at its midpoint; false when there was one.
    bool placeTheRestAtMidpoints()
    {
        bool allPlaced = true;
        for (std::size_t i = 0; i < FLabels.size(); ++i)
            if (!FIsPlaced[i]) {
                allPlaced = false;
                FPlacedPx[i] = QRectF(QPointF(0.0, 0.0), FLabels[i].textPx);
                FPlacedPx[i].moveBottomLeft(FLabels[i].midpointPx);
            }
        return allPlaced;
    }

private:
    // Another line running through a name is allowed only where no place clear of lines is left.
    bool isFree(std::size_t self, const QRectF& rect, bool linesMayCross) const
    {
        if (!FPlotPx.contains(rect))
            return false;
        for (std::size_t other = 0; other < FLabels.size(); ++other)
            if (FIsPlaced[other] && labelsCollide(rect, FPlacedPx[other]))
                return false;
        if (!linesMayCross) {
            const QRectF inside = rect.adjusted(kLineGapPx, kLineGapPx, -kLineGapPx, -kLineGapPx);
            for (std::size_t other = 0; other < FLabels.size(); ++other)
                if (other != self && FVisible[other] && FBounds[other].adjusted(-1.0, -1.0, 1.0, 1.0).intersects(inside)
                    && clipped(FVisible[other]->a, FVisible[other]->b, inside))
                    return false;
        }
        return true;
    }

    // The nearest free place to the midpoint along the visible line, within a share of its length.
    std::optional<QRectF> search(std::size_t self, double reachShare, bool linesMayCross) const
    {
        if (!FVisible[self])
            return std::nullopt;
        const TLineLabel& label = FLabels[self];
        const TSegment& line = *FVisible[self];
        const QPointF along = line.b - line.a;
        const double lengthPx = std::hypot(along.x(), along.y());
        if (lengthPx <= 0.0)
            return std::nullopt;
        const double reachPx = reachShare * lengthPx;
        const QPointF unit = along / lengthPx;
        const bool rises = (along.x() >= 0.0) == (along.y() <= 0.0);
        // The midpoint's distance from the visible start; a midpoint outside the plot counts
        // as the nearer visible end.
        const QPointF fromStart = label.midpointPx - line.a;
        const double midPx = std::clamp(fromStart.x() * unit.x() + fromStart.y() * unit.y(), 0.0, lengthPx);
        const int steps = int(std::ceil(reachPx / kStepPx));
        for (int step = 0; step <= steps; ++step)
            for (const int sign : {1, -1}) {
                if (step == 0 && sign < 0)
                    continue;
                const double atPx = midPx + sign * step * kStepPx;
                if (atPx < 0.0 || atPx > lengthPx)
                    continue;
                const QPointF point = line.a + unit * atPx;
                for (const bool firstSide : {true, false})
                    if (const QRectF rect = besideLine(point, label.textPx, rises, firstSide);
                        isFree(self, rect, linesMayCross))
                        return rect;
            }
        return std::nullopt;
    }

    const std::vector<TLineLabel>& FLabels;
    const QRectF FPlotPx;
    std::vector<QRectF>& FPlacedPx;
    std::vector<bool> FIsPlaced;
    std::vector<std::optional<TSegment>> FVisible;
    std::vector<QRectF> FBounds;
};
} // namespace

bool labelsCollide(const QRectF& a, const QRectF& b)
{
    return a.adjusted(-kLabelGapPx, -kLabelGapPx, kLabelGapPx, kLabelGapPx).intersects(b);
}

bool placeLineLabels(const std::vector<TLineLabel>& labels, const QRectF& plotPx, std::vector<QRectF>& placedPx)
{
    TLabelPlacer placer(labels, plotPx, placedPx);
    // Near the midpoint first, clear of other lines if it can be; names with no room near
    // their midpoint go wherever their line leaves room, once the others have taken theirs.
    struct TPass {
        double reachShare;
        bool linesMayCross;
    };
    constexpr TPass kPasses[] = {{kNearShare, false}, {kNearShare, true}, {1.0, false}, {1.0, true}};
    for (const TPass& pass : kPasses)
        placer.placeAll(pass.reachShare, pass.linesMayCross);
    return placer.placeTheRestAtMidpoints();
}
