// The chart in a printed report: the class's nomogram with the allowable loss and one mark per
// sized segment, drawn by the same code as the window's chart onto the report's pages.
#include "ChartPlot.h"
#include "FontFamilies.h"
#include "MarkLabels.h"
#include "NomogramFrame.h"
#include "NumberText.h"
#include "OperatingPoint.h"
#include "Unit5.h"

#include <qcustomplot.h>

#include <algorithm>
#include <cmath>

namespace {
using Nomogram::kLeastFlowGpm;
using Nomogram::kLeastPsiPer100ft;
using Nomogram::kMostFlowGpm;
using Nomogram::kMostPsiPer100ft;

constexpr int kMarkFontPx = 10;
constexpr double kDotDiameterPx = 5.0;
// A name set farther from its dot than this is tied to it by a thin line.
constexpr double kLeaderFromPx = 6.0;
const QColor kMarkColour(0, 70, 160);
const QColor kLimitColour(200, 0, 0);
// Behind a name, so that a nomogram line passing under it does not cut through the letters.
const QColor kNameBackground(255, 255, 255, 215);
constexpr int kLimitDecimals = 2;
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

bool onChart(const TChartMark& mark)
{
    return mark.flowGpm >= kLeastFlowGpm && mark.flowGpm <= kMostFlowGpm
        && mark.pressurePsiPer100ft >= kLeastPsiPer100ft && mark.pressurePsiPer100ft <= kMostPsiPer100ft;
}

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

void TForm5::fontsInPixels()
{
    const int dpi = Chart1->logicalDpiY();
    for (QCPAxis* axis : Chart1->axisRect()->axes()) {
        axis->setLabelFont(inPixels(axis->labelFont(), dpi));
        axis->setTickLabelFont(inPixels(axis->tickLabelFont(), dpi));
    }
    FTitle->setFont(inPixels(FTitle->font(), dpi));
    for (const TLineName& name : FLineNames)
        name.label->setFont(inPixels(name.label->font(), dpi));
}

void TForm5::removeReportMarks()
{
    for (QCPAbstractItem* item : FReportItems)
        Chart1->removeItem(item);
    for (QCPGraph* graph : FReportGraphs)
        Chart1->removeGraph(graph);
    FReportItems.clear();
    FReportGraphs.clear();
}

std::vector<QRectF> TForm5::lineNameRects() const
{
    std::vector<QRectF> rects;
    for (const TLineName& name : FLineNames)
        rects.emplace_back(name.label->position->pixelPosition(), textSizePx(name.label->font(), name.label->text()));
    return rects;
}

void TForm5::addReportMark(const TChartMark& mark, const QPointF& pointPx, const QRectF& namePx)
{
    FReportItems.push_back(addName(Chart1, mark.name, markFont(), kMarkColour, namePx));
    const QPointF end = nearestPointOf(namePx, pointPx);
    if (std::hypot(end.x() - pointPx.x(), end.y() - pointPx.y()) < kLeaderFromPx)
        return;
    auto* leader = new QCPItemLine(Chart1);
    leader->setClipToAxisRect(false);
    leader->start->setType(QCPItemPosition::ptAbsolute);
    leader->end->setType(QCPItemPosition::ptAbsolute);
    leader->start->setCoords(pointPx);
    leader->end->setCoords(end);
    leader->setPen(QPen(kMarkColour, 0.5));
    FReportItems.push_back(leader);
}

bool TForm5::MarkForReport(const QSize& sizePx, double allowablePsiPer100ft, const std::vector<TChartMark>& marks)
{
    removeReportMarks();
    FTitle->setText(titleText());
    fontsInPixels();
    FReportSizePx = sizePx;
    Chart1->setViewport(QRect(QPoint(0, 0), sizePx));

    const double limitAt
        = std::clamp(onLogAxis(allowablePsiPer100ft, kLeastPsiPer100ft), kLeastPsiPer100ft, kMostPsiPer100ft);
    QCPGraph* limit = Chart1->addGraph(Chart1->xAxis, Chart1->yAxis);
    limit->setPen(QPen(kLimitColour, 1.5, Qt::DashLine));
    limit->setData({limitAt, limitAt}, {kLeastFlowGpm, kMostFlowGpm});
    QCPGraph* dots = Chart1->addGraph(Chart1->xAxis, Chart1->yAxis);
    dots->setLineStyle(QCPGraph::lsNone);
    dots->setScatterStyle(QCPScatterStyle(QCPScatterStyle::ssDisc, kMarkColour, kMarkColour, kDotDiameterPx));
    FReportGraphs = {limit, dots};
    std::vector<const TChartMark*> shown;
    for (const TChartMark& mark : marks)
        if (onChart(mark)) {
            dots->addData(mark.pressurePsiPer100ft, mark.flowGpm);
            shown.push_back(&mark);
        }
    // The layout, and with it the line names' places, for this size.
    Chart1->replot();

    const QRectF plotPx(Chart1->axisRect()->rect());
    std::vector<QRectF> obstaclesPx = lineNameRects();
    const QString limitText = formatFixed(allowablePsiPer100ft, kLimitDecimals) + QStringLiteral(" psi/100ft");
    // Named beside its line at the top, on the left where the right has no room.
    const double limitXPx = Chart1->xAxis->coordToPixel(limitAt);
    QRectF limitPx(QPointF(limitXPx + kLimitGapPx, plotPx.top() + kLimitGapPx), roomFor(markFont(), limitText));
    if (limitPx.right() > plotPx.right())
        limitPx.moveRight(limitXPx - kLimitGapPx);
    FReportItems.push_back(addName(Chart1, limitText, markFont(), kLimitColour, limitPx));
    obstaclesPx.push_back(limitPx);

    std::vector<TMarkLabel> labels;
    for (const TChartMark* mark : shown)
        labels.push_back({QPointF(Chart1->xAxis->coordToPixel(mark->pressurePsiPer100ft),
                                  Chart1->yAxis->coordToPixel(mark->flowGpm)),
                          roomFor(markFont(), mark->name)});
    std::vector<QRectF> placedPx;
    const bool allPlaced = placeMarkLabels(labels, obstaclesPx, plotPx, kDotDiameterPx / 2.0, placedPx);
    for (std::size_t i = 0; i < shown.size(); ++i)
        addReportMark(*shown[i], labels[i].pointPx, placedPx[i]);
    return allPlaced;
}

void TForm5::PaintForReport(QCPPainter& painter, const QRectF& target)
{
    if (FReportSizePx.isEmpty())
        return;
    const QCPPainter::PainterModes modes = painter.modes();
    painter.save();
    painter.translate(target.topLeft());
    painter.scale(target.width() / FReportSizePx.width(), target.height() / FReportSizePx.height());
    // Pens keep their widths in the scaled drawing, and the page gets lines, not pixels.
    painter.setModes(QCPPainter::pmVectorized | QCPPainter::pmNonCosmetic);
    Chart1->toPainter(&painter, FReportSizePx.width(), FReportSizePx.height());
    painter.restore();
    painter.setModes(modes);
}
