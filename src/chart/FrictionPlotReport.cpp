// The plot in a printed report: the lines with a limit and named marks, drawn by the same code
// as the window's chart onto the report's pages.
#include "FontFamilies.h"
#include "FrictionPlot.h"
#include "MarkLabels.h"
#include "OperatingPoint.h"

#include <qcustomplot.h>

#include <algorithm>
#include <cmath>

namespace {
constexpr int kMarkFontPx = 10;
constexpr double kDotDiameterPx = 5.0;
// A name set farther from its dot than this is tied to it by a thin line.
constexpr double kLeaderFromPx = 6.0;
const QColor kMarkColour(0, 70, 160);
const QColor kLimitColour(200, 0, 0);
// Behind a name, so that a nomogram line passing under it does not cut through the letters.
const QColor kNameBackground(255, 255, 255, 215);
constexpr double kLimitGapPx = 2.0;
constexpr double kNameSlack = 1.12;
constexpr double kNameSlackPx = 2.0;

QFont markFont()
{
    QFont font;
    font.setFamilies(segoeUiFamilies());
    font.setPixelSize(kMarkFontPx);
    return font;
}

// Sizes in points are resolved at the resolution of the device drawn on, but the chart is laid
// out at the screen's and then scaled onto the page; in pixels the text keeps its place.
QFont inPixels(QFont font, int dotsPerInch)
{
    if (font.pointSizeF() > 0.0)
        font.setPixelSize(std::max(1, qRound(font.pointSizeF() * dotsPerInch / 72.0)));
    return font;
}

QSizeF textSizePx(const QFont& font, const QString& text)
{
    return QFontMetricsF(font).boundingRect(QRectF(), Qt::TextDontClip, text).size();
}

// The room a name gets: measured on the screen, it may be drawn a little wider on the page,
// whose font engine hints and falls back differently (on Windows, GDI against the PDF's own).
QSizeF roomFor(const QFont& font, const QString& text)
{
    const QSizeF size = textSizePx(font, text);
    return {size.width() * kNameSlack + kNameSlackPx, size.height()};
}

bool onScale(double value, const TLogScale& scale) { return value >= scale.low && value <= scale.high; }

// The name stands in the middle of the room it was given, so that however wide it is drawn it
// stays inside.
QCPItemText* addName(QCustomPlot* chart, const QString& text, const QFont& font, const QColor& colour,
                     const QRectF& roomPx)
{
    auto* name = new QCPItemText(chart);
    name->setClipToAxisRect(false);
    name->position->setType(QCPItemPosition::ptAbsolute);
    name->position->setCoords(QPointF(roomPx.center().x(), roomPx.top()));
    name->setPositionAlignment(Qt::AlignHCenter | Qt::AlignTop);
    name->setPadding(QMargins());
    name->setFont(font);
    name->setColor(colour);
    name->setBrush(kNameBackground);
    name->setPen(Qt::NoPen);
    name->setText(text);
    return name;
}
} // namespace

void TFrictionPlot::fontsInPixels()
{
    const int dpi = logicalDpiY();
    for (QCPAxis* axis : axisRect()->axes()) {
        axis->setLabelFont(inPixels(axis->labelFont(), dpi));
        axis->setTickLabelFont(inPixels(axis->tickLabelFont(), dpi));
    }
    FTitle->setFont(inPixels(FTitle->font(), dpi));
    for (const TLineName& name : FLineNames)
        name.label->setFont(inPixels(name.label->font(), dpi));
}

void TFrictionPlot::removeReportMarks()
{
    for (QCPAbstractItem* item : FReportItems)
        removeItem(item);
    for (QCPGraph* graph : FReportGraphs)
        removeGraph(graph);
    FReportItems.clear();
    FReportGraphs.clear();
}

std::vector<QRectF> TFrictionPlot::lineNameRects() const
{
    std::vector<QRectF> rects;
    for (const TLineName& name : FLineNames)
        rects.emplace_back(name.label->position->pixelPosition(), textSizePx(name.label->font(), name.label->text()));
    return rects;
}

void TFrictionPlot::addReportMark(const TPlotMark& mark, const QPointF& pointPx, const QRectF& namePx)
{
    FReportItems.push_back(addName(this, mark.name, markFont(), kMarkColour, namePx));
    const QPointF end = nearestPointOf(namePx, pointPx);
    if (std::hypot(end.x() - pointPx.x(), end.y() - pointPx.y()) < kLeaderFromPx)
        return;
    auto* leader = new QCPItemLine(this);
    leader->setClipToAxisRect(false);
    leader->start->setType(QCPItemPosition::ptAbsolute);
    leader->end->setType(QCPItemPosition::ptAbsolute);
    leader->start->setCoords(pointPx);
    leader->end->setCoords(end);
    leader->setPen(QPen(kMarkColour, 0.5));
    FReportItems.push_back(leader);
}

// The limit's name beside its line at the top, on the left where the right has no room.
QRectF TFrictionPlot::addLimit(const TPlotLimit& limit)
{
    const QRectF plotPx(axisRect()->rect());
    const double limitXPx
        = xAxis->coordToPixel(std::clamp(onLogAxis(limit.across, FAcross.low), FAcross.low, FAcross.high));
    QRectF limitPx(QPointF(limitXPx + kLimitGapPx, plotPx.top() + kLimitGapPx), roomFor(markFont(), limit.name));
    if (limitPx.right() > plotPx.right())
        limitPx.moveRight(limitXPx - kLimitGapPx);
    FReportItems.push_back(addName(this, limit.name, markFont(), kLimitColour, limitPx));
    return limitPx;
}

bool TFrictionPlot::markForReport(const QSize& sizePx, const TPlotLimit& limit, const std::vector<TPlotMark>& marks)
{
    removeReportMarks();
    fontsInPixels();
    FReportSizePx = sizePx;
    setViewport(QRect(QPoint(0, 0), sizePx));

    const double limitAt = std::clamp(onLogAxis(limit.across, FAcross.low), FAcross.low, FAcross.high);
    QCPGraph* limitLine = addGraph(xAxis, yAxis);
    limitLine->setPen(QPen(kLimitColour, 1.5, Qt::DashLine));
    limitLine->setData({limitAt, limitAt}, {FUp.low, FUp.high});
    QCPGraph* dots = addGraph(xAxis, yAxis);
    dots->setLineStyle(QCPGraph::lsNone);
    dots->setScatterStyle(QCPScatterStyle(QCPScatterStyle::ssDisc, kMarkColour, kMarkColour, kDotDiameterPx));
    FReportGraphs = {limitLine, dots};
    std::vector<const TPlotMark*> shown;
    for (const TPlotMark& mark : marks)
        if (onScale(mark.across, FAcross) && onScale(mark.up, FUp)) {
            dots->addData(mark.across, mark.up);
            shown.push_back(&mark);
        }
    // The layout, and with it the line names' places, for this size.
    replot();

    std::vector<QRectF> obstaclesPx = lineNameRects();
    obstaclesPx.push_back(addLimit(limit));
    std::vector<TMarkLabel> labels;
    for (const TPlotMark* mark : shown)
        labels.push_back({QPointF(xAxis->coordToPixel(mark->across), yAxis->coordToPixel(mark->up)),
                          roomFor(markFont(), mark->name)});
    std::vector<QRectF> placedPx;
    const bool allPlaced
        = placeMarkLabels(labels, obstaclesPx, QRectF(axisRect()->rect()), kDotDiameterPx / 2.0, placedPx);
    for (std::size_t i = 0; i < shown.size(); ++i)
        addReportMark(*shown[i], labels[i].pointPx, placedPx[i]);
    return allPlaced;
}

void TFrictionPlot::paintForReport(QCPPainter& painter, const QRectF& target)
{
    if (FReportSizePx.isEmpty())
        return;
    const QCPPainter::PainterModes modes = painter.modes();
    painter.save();
    painter.translate(target.topLeft());
    painter.scale(target.width() / FReportSizePx.width(), target.height() / FReportSizePx.height());
    // Pens keep their widths in the scaled drawing, and the page gets lines, not pixels.
    painter.setModes(QCPPainter::pmVectorized | QCPPainter::pmNonCosmetic);
    toPainter(&painter, FReportSizePx.width(), FReportSizePx.height());
    painter.restore();
    painter.setModes(modes);
}
