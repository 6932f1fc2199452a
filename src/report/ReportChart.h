#pragma once
// The class's nomogram on the PDF report, drawn by the plot the chart window shows, without the
// window, with the allowable loss as a vertical line and every sized segment marked where its
// flow meets its pipe's line.

#include "ProjectFile.h"
#include "Sizing.h"

#include <QRectF>

class QCPPainter;

// Whether the marks are named by the segments' names or, where those crowd too much to stand
// clear of one another, by their rows in the table.
enum class TMarkNames { SegmentNames, RowNumbers };

// Draws the chart into `target` of the painter.
TMarkNames paintScheduleChart(QCPPainter& painter, const QRectF& target, const Project::TProject& project,
                              const Sizing::TScheduleResult& result);

// The chart's height for a width: the proportions it is laid out in.
[[nodiscard]] double scheduleChartHeight(double widthPx);
