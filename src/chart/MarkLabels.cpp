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

// The rectangles already taken, filed by the cells of a grid over the plot that they touch, so
// that a candidate is checked against its neighbours only: a crowded drawing's thousand names
// would otherwise each be checked against every other.
class TTakenGrid {
public:
    explicit TTakenGrid(const QRectF& plotPx)
        : FOrigin(plotPx.topLeft())
    {
        FCellPx = std::max(kLeastCellPx, std::sqrt(plotPx.width() * plotPx.height() / kMostCells));
        FColumns = std::max(1, static_cast<int>(std::ceil(plotPx.width() / FCellPx)));
        FRows = std::max(1, static_cast<int>(std::ceil(plotPx.height() / FCellPx)));
        FCells.resize(static_cast<std::size_t>(FColumns) * static_cast<std::size_t>(FRows));
    }

    void add(const QRectF& rect)
    {
        const TSpan span = spanOf(rect);
        for (int r = span.firstRow; r <= span.lastRow; ++r)
            for (int c = span.firstColumn; c <= span.lastColumn; ++c)
                cell(r, c).push_back(FRects.size());
        FRects.push_back(rect);
    }

    [[nodiscard]] bool collides(const QRectF& rect)
    {
        const TSpan span = spanOf(rect);
        for (int r = span.firstRow; r <= span.lastRow; ++r)
            for (int c = span.firstColumn; c <= span.lastColumn; ++c)
                for (const std::size_t i : cell(r, c))
                    if (labelsCollide(rect, FRects[i]))
                        return true;
        return false;
    }

private:
    struct TSpan {
        int firstRow, lastRow, firstColumn, lastColumn;
    };

    // The cells the rectangle, widened by the gap names keep, touches; whatever lies beyond the
    // plot falls into its edge cells.
    [[nodiscard]] TSpan spanOf(const QRectF& rect) const
    {
        const auto column = [&](double x) {
            return std::clamp(static_cast<int>(std::floor((x - FOrigin.x()) / FCellPx)), 0, FColumns - 1);
        };
        const auto row = [&](double y) {
            return std::clamp(static_cast<int>(std::floor((y - FOrigin.y()) / FCellPx)), 0, FRows - 1);
        };
        const QRectF wide = rect.adjusted(-kGapPx, -kGapPx, kGapPx, kGapPx);
        return {row(wide.top()), row(wide.bottom()), column(wide.left()), column(wide.right())};
    }

    std::vector<std::size_t>& cell(int row, int column)
    {
        return FCells[static_cast<std::size_t>(row) * static_cast<std::size_t>(FColumns)
                      + static_cast<std::size_t>(column)];
    }

    static constexpr double kLeastCellPx = 48.0;
    static constexpr double kMostCells = 65536.0;
    // Wider than the gap labelsCollide keeps, so that a neighbour across a cell's edge is found.
    static constexpr double kGapPx = 2.0;

    QPointF FOrigin;
    double FCellPx = kLeastCellPx;
    int FColumns = 1;
    int FRows = 1;
    std::vector<QRectF> FRects;
    std::vector<std::vector<std::size_t>> FCells;
};
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

    TTakenGrid taken(plotPx);
    for (const QRectF& obstacle : obstaclesPx)
        taken.add(obstacle);
    for (const QRectF& dot : dots)
        taken.add(dot);
    const auto isFree = [&](const QRectF& rect) { return plotPx.contains(rect) && !taken.collides(rect); };

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
        taken.add(placedPx[i]);
    }
    return allPlaced;
}
