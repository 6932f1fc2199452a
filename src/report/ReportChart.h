#pragma once
// The schedule's friction chart, drawn by the plot the chart window shows, without the window:
// the class's nomogram for galvanized pipe, or the computed material's own chart, with the
// allowable loss as a vertical line and every sized segment marked where its flow meets its
// pipe's line. The PDF report paints it onto a page; the schedule window shows it as it is.

#include "FrictionPlot.h"
#include "ProjectFile.h"
#include "Sizing.h"

#include <QRectF>

#include <memory>

class QCPPainter;

// Whether the marks are named by the segments' names or, where those crowd too much to stand
// clear of one another, by their rows in the table.
enum class TMarkNames { SegmentNames, RowNumbers };

// The plot laid out and marked at its own size (scheduleChartSizePx) for the schedule and its
// result, with its parent; nullptr when the schedule's class or material has no chart. names:
// what the marks were named by.
[[nodiscard]] std::unique_ptr<TFrictionPlot> markedScheduleChart(const Project::TProject& project,
                                                                 const Sizing::TScheduleResult& result,
                                                                 TMarkNames& names, QWidget* parent = nullptr);

// The size in screen pixels the chart is laid out at.
[[nodiscard]] QSize scheduleChartSizePx();

// Draws the chart into `target` of the painter.
TMarkNames paintScheduleChart(QCPPainter& painter, const QRectF& target, const Project::TProject& project,
                              const Sizing::TScheduleResult& result);

// The chart's height for a width: the proportions it is laid out in.
[[nodiscard]] double scheduleChartHeight(double widthPx);
