#pragma once
// Where the names of points marked on the nomogram are written, free of widgets.
//
// A report marks each sized segment where its flow meets its pipe's line. Several segments
// often share a pipe and nearly a flow, so their marks crowd together; each name looks for the
// nearest free place around its own mark, on every side in turn, and keeps clear of the other
// names, of every mark and of what else is already written on the chart.

#include <QPointF>
#include <QRectF>
#include <QSizeF>

#include <vector>

struct TMarkLabel {
    QPointF pointPx; // the mark's centre
    QSizeF textPx;   // the size of the written name
};

// One rectangle per label, in the order given, each inside `plotPx`, clear of the others, of
// `obstaclesPx` and of every mark's dot (a circle of `dotRadiusPx`). False when some label
// found no free place within reach of its mark; that one then stands beside its mark, over
// whatever is there.
[[nodiscard]] bool placeMarkLabels(const std::vector<TMarkLabel>& labels, const std::vector<QRectF>& obstaclesPx,
                                   const QRectF& plotPx, double dotRadiusPx, std::vector<QRectF>& placedPx);

// The point of `rect` nearest to `point`: where a leader line from a mark meets its name.
[[nodiscard]] QPointF nearestPointOf(const QRectF& rect, const QPointF& point);
