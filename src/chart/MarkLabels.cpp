#include "MarkLabels.h"

#include "LineLabels.h"

#include <algorithm>
#include <cmath>

namespace {
// Rings of candidate places lie this far apart, out to this far from the mark; a name farther
// than a hand's breadth on the printed chart no longer reads as belonging to its mark.
constexpr double kStepPx = 3.0;
constexpr double kReachPx = 90.0;
constexpr double kDotGapPx = 1.5;

// The name's rectangle on one of eight sides of the mark, `distancePx` from its centre: beside
// it to the right and left, above and below, and at the four corners.
QRectF onSide(const QPointF& point, const QSizeF& size, int side, double distancePx)
{
    const double diagonal = distancePx / std::sqrt(2.0);
    QRectF rect(QPointF(0.0, 0.0), size);
    switch (side) {
    case 0: rect.moveTopLeft(point + QPointF(diagonal, -diagonal - size.height())); break;
    case 1: rect.moveTopRight(point + QPointF(-diagonal, -diagonal - size.height())); break;
    case 2: rect.moveTopLeft(point + QPointF(diagonal, diagonal)); break;
    case 3: rect.moveTopRight(point + QPointF(-diagonal, diagonal)); break;
    case 4: rect.moveCenter(point + QPointF(distancePx + size.width() / 2.0, 0.0)); break;
    case 5: rect.moveCenter(point - QPointF(distancePx + size.width() / 2.0, 0.0)); break;
    case 6: rect.moveCenter(point - QPointF(0.0, distancePx + size.height() / 2.0)); break;
    default: rect.moveCenter(point + QPointF(0.0, distancePx + size.height() / 2.0)); break;
    }
    return rect;
}

constexpr int kSides = 8;
} // namespace

QPointF nearestPointOf(const QRectF& rect, const QPointF& point)
{
    return {std::clamp(point.x(), rect.left(), rect.right()), std::clamp(point.y(), rect.top(), rect.bottom())};
}

bool placeMarkLabels(const std::vector<TMarkLabel>& labels, const std::vector<QRectF>& obstaclesPx,
                     const QRectF& plotPx, double dotRadiusPx, std::vector<QRectF>& placedPx)
{
    placedPx.assign(labels.size(), QRectF());
    std::vector<QRectF> dots;
    dots.reserve(labels.size());
    const double dotPx = dotRadiusPx + kDotGapPx;
    for (const TMarkLabel& label : labels)
        dots.emplace_back(label.pointPx - QPointF(dotPx, dotPx), QSizeF(2.0 * dotPx, 2.0 * dotPx));

    std::vector<QRectF> taken = obstaclesPx;
    const auto isFree = [&](const QRectF& rect) {
        if (!plotPx.contains(rect))
            return false;
        const auto collides = [&](const QRectF& other) { return labelsCollide(rect, other); };
        return std::none_of(taken.begin(), taken.end(), collides) && std::none_of(dots.begin(), dots.end(), collides);
    };

    bool allPlaced = true;
    for (std::size_t i = 0; i < labels.size(); ++i) {
        const TMarkLabel& label = labels[i];
        bool placed = false;
        for (double distancePx = dotPx; !placed && distancePx <= kReachPx; distancePx += kStepPx)
            for (int side = 0; !placed && side < kSides; ++side)
                if (const QRectF rect = onSide(label.pointPx, label.textPx, side, distancePx); isFree(rect)) {
                    placedPx[i] = rect;
                    placed = true;
                }
        if (!placed) {
            allPlaced = false;
            placedPx[i] = onSide(label.pointPx, label.textPx, 0, dotPx);
        }
        taken.push_back(placedPx[i]);
    }
    return allPlaced;
}
