#pragma once
// The chart's plot widget: QCustomPlot composing its paint buffers in bands of a few rows.
//
// Qt's raster engine hands a blend of more than about a hundred rows to its thread pool and
// waits for it. One glide step repaints the strips the marker and its guide lines left and
// entered, each the plot's full height or width; on a busy machine the wait for the pool's
// threads cost many times the blend itself. In bands the blends stay on the window's thread.
//
// QCustomPlot has no public way to clip its own paint loop, so paintEvent repeats that loop over
// the library's protected members. It was written against QCustomPlot 2.1.0 (Debian 12's
// libqcustomplot-dev, and the source the Windows build compiles), and the build stops on any
// other version until it has been checked again; see BandedPlot.cpp for what to check.

#include <qcustomplot.h>

class TBandedPlot : public QCustomPlot {
    Q_OBJECT

public:
    explicit TBandedPlot(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};
