#include "ChartPlot.h"

#include <QPaintEvent>

#include <algorithm>

namespace {
// Below the raster engine's threshold for splitting a blend across threads.
constexpr int kBandRows = 48;
} // namespace

TChartPlot::TChartPlot(QWidget* parent)
    : QCustomPlot(parent)
{
}

// As QCustomPlot paints itself, band by band over the region asked for.
void TChartPlot::paintEvent(QPaintEvent* event)
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
