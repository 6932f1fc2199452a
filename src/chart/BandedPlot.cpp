#include "BandedPlot.h"

#include <QCoreApplication>
#include <QPaintEvent>

#include <algorithm>

// On a new QCustomPlot, compare QCustomPlot::paintEvent in its qcustomplot.cpp with the loop
// below: the background brush filled over the viewport, drawBackground, then every paint buffer
// drawn in order, and that mBackgroundBrush, mViewport and mPaintBuffers still mean that. Take
// over any change, then run chart_bench's animationTick with and without the bands: when Qt no
// longer splits such blends across threads, QCustomPlot's own paintEvent will do. Then raise the
// version here.
static_assert(QCUSTOMPLOT_VERSION == 0x020100,
              "TBandedPlot::paintEvent repeats QCustomPlot 2.1.0's paint loop; check it against this version");

namespace {
// Below the raster engine's threshold for splitting a blend across threads.
constexpr int kBandRows = 48;
} // namespace

TBandedPlot::TBandedPlot(QWidget* parent)
    : QCustomPlot(parent)
{
    // QCustomPlot queues a replot of itself as it is made. The chart window is made hidden at
    // start-up and lays its plot out anew when first shown; that replot would only draw buffers
    // nobody sees, ahead of the calculator's first paint. It is taken back, and with it the
    // mark that one is queued, so that the next queued replot is not swallowed.
    QCoreApplication::removePostedEvents(this, QEvent::MetaCall);
    mReplotQueued = false;
}

// As QCustomPlot paints itself, band by band over the region asked for.
void TBandedPlot::paintEvent(QPaintEvent* event)
{
    QCPPainter painter(this);
    if (!painter.isActive())
        return;
    for (const QRect& rect : event->region())
        for (int top = rect.top(); top <= rect.bottom(); top += kBandRows) {
            painter.setClipRect(QRect(rect.left(), top, rect.width(), std::min(kBandRows, rect.bottom() - top + 1)));
            if (mBackgroundBrush.style() != Qt::NoBrush)
                painter.fillRect(mViewport, mBackgroundBrush);
            drawBackground(&painter);
            for (const QSharedPointer<QCPAbstractPaintBuffer>& buffer : mPaintBuffers)
                buffer->draw(&painter);
        }
}
