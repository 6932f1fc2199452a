#pragma once
// The chart's plot widget: QCustomPlot composing its paint buffers in bands of a few rows.
//
// Qt's raster engine hands a blend of more than about a hundred rows to its thread pool and
// waits for it. One glide step repaints the strips the marker and its guide lines left and
// entered, each the plot's full height or width; on a busy machine the wait for the pool's
// threads cost many times the blend itself. In bands the blends stay on the window's thread.

#include <qcustomplot.h>

class TChartPlot : public QCustomPlot {
public:
    explicit TChartPlot(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};
