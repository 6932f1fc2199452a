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
} // namespace

bool labelsCollide(const QRectF& a, const QRectF& b)
{
    return a.adjusted(-kLabelGapPx, -kLabelGapPx, kLabelGapPx, kLabelGapPx).intersects(b);
}

bool placeLineLabels(const std::vector<TLineLabel>& labels, const QRectF& plotPx, std::vector<QRectF>& placedPx)
{
    placedPx.assign(labels.size(), QRectF());
    std::vector<bool> isPlaced(labels.size(), false);
    std::vector<std::optional<TSegment>> visible(labels.size());
    std::vector<QRectF> bounds(labels.size());
    for (std::size_t i = 0; i < labels.size(); ++i)
        if (isFinite(labels[i].fromPx) && isFinite(labels[i].toPx)) {
            visible[i] = clipped(labels[i].fromPx, labels[i].toPx, plotPx);
            if (visible[i])
                bounds[i] = QRectF(visible[i]->a, visible[i]->b).normalized();
        }

    // Another line running through a name is allowed only where no place clear of lines is left.
    const auto isFree = [&](std::size_t self, const QRectF& rect, bool linesMayCross) {
        if (!plotPx.contains(rect))
            return false;
        for (std::size_t other = 0; other < labels.size(); ++other)
            if (isPlaced[other] && labelsCollide(rect, placedPx[other]))
                return false;
        if (!linesMayCross) {
            const QRectF inside = rect.adjusted(kLineGapPx, kLineGapPx, -kLineGapPx, -kLineGapPx);
            for (std::size_t other = 0; other < labels.size(); ++other)
                if (other != self && visible[other] && bounds[other].adjusted(-1.0, -1.0, 1.0, 1.0).intersects(inside)
                    && clipped(visible[other]->a, visible[other]->b, inside))
                    return false;
        }
        return true;
    };

    // The nearest free place to the midpoint along the visible line, within a share of its length.
    const auto search = [&](std::size_t self, double reachShare, bool linesMayCross) -> std::optional<QRectF> {
        if (!visible[self])
            return std::nullopt;
        const TLineLabel& label = labels[self];
        const TSegment& line = *visible[self];
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
    };

    // Near the midpoint first, clear of other lines if it can be; names with no room near
    // their midpoint go wherever their line leaves room, once the others have taken theirs.
    struct TPass {
        double reachShare;
        bool linesMayCross;
    };
    constexpr TPass kPasses[] = {{kNearShare, false}, {kNearShare, true}, {1.0, false}, {1.0, true}};
    for (const TPass& pass : kPasses)
        for (std::size_t i = 0; i < labels.size(); ++i)
            if (!isPlaced[i])
                if (const auto rect = search(i, pass.reachShare, pass.linesMayCross)) {
                    placedPx[i] = *rect;
                    isPlaced[i] = true;
                }
    bool allPlaced = true;
    for (std::size_t i = 0; i < labels.size(); ++i)
        if (!isPlaced[i]) {
            allPlaced = false;
            placedPx[i] = QRectF(QPointF(0.0, 0.0), labels[i].textPx);
            placedPx[i].moveBottomLeft(labels[i].midpointPx);
        }
    return allPlaced;
}
