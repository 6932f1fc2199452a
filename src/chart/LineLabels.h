#pragma once
// Where the name of each nomogram line is written, free of widgets.
//
// Every line is named once, beside itself, as near its midpoint as there is room. At the
// chart's own size the lines crowd where the pipe and velocity lines cross, and names written
// at their midpoints run into each other; here each name looks for a free place along its own
// line, nearest the midpoint first, on either side of the line, inside the plot. A name touches
// its line only at a corner, so that its own line never strikes it through.

#include <QPointF>
#include <QRectF>
#include <QSizeF>

#include <vector>

struct TLineLabel {
    // The line's ends and its midpoint, where its name belongs, in pixels; the ends may lie
    // outside the plot.
    QPointF fromPx;
    QPointF toPx;
    QPointF midpointPx;
    // The size of the written name.
    QSizeF textPx;
};

// One rectangle per label, in the order given, each inside `plotPx` and clear of all others.
// False when some label found no free place anywhere along its line; that one then stands at
// its midpoint.
[[nodiscard]] bool placeLineLabels(const std::vector<TLineLabel>& labels, const QRectF& plotPx,
                                   std::vector<QRectF>& placedPx);

// Whether two written names overlap or come closer than the gap kept between them.
[[nodiscard]] bool labelsCollide(const QRectF& a, const QRectF& b);
