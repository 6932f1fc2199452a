#include "Unit5.h"

#include "ChartPlot.h"
#include "FittingTicker.h"
#include "FontFamilies.h"
#include "InfoLabel.h"
#include "LineLabels.h"
#include "NomogramFrame.h"
#include "OperatingPoint.h"

#include <QVBoxLayout>
#include <qcustomplot.h>

#include <array>
#include <cmath>

TForm5* Form5 = nullptr;

namespace {

// "لوله‌کشی" is written with a zero-width non-joiner between its two parts.
const QString kCaption = QStringLiteral("نمودار سایزینگ لوله\u200Cکشی گالوانیزه");
const QString kTitle = QStringLiteral("FLOW GRAPH FOR GALVANIZED PIPING");
const QString kPressureAxisTitle = QStringLiteral("PRESSURE DROP (PSI PER 100FT)");
const QString kFlowAxisTitle = QStringLiteral("Flow (GPM)");
// Segoe UI first, then the faces each platform has for the Persian class name in the title.
QFont chartFont()
{
    QFont font;
    font.setFamilies(segoeUiFamilies());
    return font;
}

constexpr QSize kClientSizePx(518, 364);
constexpr int kWindowFontPx = 12;
constexpr int kTitleFontPt = 10;
constexpr int kLineLabelFontPt = 8;
constexpr int kInfoFontPx = 9;
constexpr int kInfoBorderPx = 5;
// The panel's lower left corner sits this far right of and above the marker's centre.
constexpr int kPanelOffsetPx = 15;
constexpr int kTickIntervalMs = 20;

// Where the info panel and its label lie before the first tick moves the panel, in the
// chart's coordinates (the label in the panel's).
struct TPlace {
    const char* name;
    QRect rect;
};
constexpr std::array kLayout{
    TPlace{"pnlInfo", QRect(264, 145, 80, 55)},
    TPlace{"lblInfo", QRect(kInfoBorderPx, kInfoBorderPx, 80 - 2 * kInfoBorderPx, 55 - 2 * kInfoBorderPx)},
};

constexpr double kPressureLow = Nomogram::kLeastPsiPer100ft;
constexpr double kPressureHigh = Nomogram::kMostPsiPer100ft;
// The flow axes are laid out from 0, and a logarithmic axis whose minimum is 0 starts at 1.
constexpr double kFlowLowGpm = Nomogram::kLeastFlowGpm;
constexpr double kFlowHighGpm = Nomogram::kMostFlowGpm;

constexpr int kMarkerDiameterPx = 9;
const QColor kGridColour(218, 218, 218);
constexpr double kLineWidthPx = 2.0;

// Every decade's 1 to 9, each written as the plain decimal of its value.
void setUpLogAxis(QCPAxis* axis, double low, double high)
{
    axis->setScaleType(QCPAxis::stLogarithmic);
    axis->setRange(low, high);
    auto ticker = QSharedPointer<TFittingTicker>::create(axis);
    const auto addTick = [&](double value) { ticker->addTick(value, QString::number(value, 'g', 10)); };
    // Whole exponents, so that 0.3 is the nearest double to 0.3 and not 3 * 0.1.
    const int lowExponent = int(std::lround(std::log10(low)));
    const int highExponent = int(std::lround(std::log10(high)));
    for (int exponent = lowExponent; exponent < highExponent; ++exponent)
        for (int digit = 1; digit <= 9; ++digit)
            addTick(exponent < 0 ? digit / std::pow(10.0, -exponent) : digit * std::pow(10.0, exponent));
    addTick(high);
    axis->setTicker(ticker);
}

// The white behind the whole chart. Painted into the nomogram's paint buffer, it is drawn when
// the nomogram is; as the chart's background brush it would be filled over the whole repainted
// area on every glide step as well.
class TPaper : public QCPLayerable {
public:
    TPaper(QCustomPlot* chart, const QString& layer)
        : QCPLayerable(chart, layer)
    {
    }

protected:
    void applyDefaultAntialiasingHint(QCPPainter*) const override { }
    void draw(QCPPainter* painter) override { painter->fillRect(mParentPlot->viewport(), Qt::white); }
};

QCPGraph* addRedLine(QCustomPlot* chart, QCPLayer* layer, const QString& name)
{
    QCPGraph* graph = chart->addGraph(chart->xAxis, chart->yAxis);
    graph->setLayer(layer);
    graph->setName(name);
    graph->setPen(QPen(Qt::red, kLineWidthPx));
    graph->setScatterStyle(QCPScatterStyle(QCPScatterStyle::ssNone));
    return graph;
}

} // namespace

TForm5::TForm5(QWidget* parent)
    : QWidget(parent)
{
    setWindowTitle(kCaption);
    resize(kClientSizePx);
    QFont windowFont = chartFont();
    windowFont.setPixelSize(kWindowFontPx);
    setFont(windowFont);

    Chart1 = new TChartPlot(this);
    Chart1->setObjectName(QStringLiteral("Chart1"));
    // The chart paints every pixel of itself, so a tick's repaint need not fill the window
    // behind it first.
    Chart1->setAttribute(Qt::WA_OpaquePaintEvent);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(Chart1);

    pnlInfo = new QWidget(Chart1);
    pnlInfo->setObjectName(QString::fromLatin1(kLayout[0].name));
    pnlInfo->setGeometry(kLayout[0].rect);
    pnlInfo->setAutoFillBackground(true);
    QPalette panelPalette = pnlInfo->palette();
    panelPalette.setColor(QPalette::Window, Qt::white);
    pnlInfo->setPalette(panelPalette);
    pnlInfo->hide();

    lblInfo = new TInfoLabel(pnlInfo);
    lblInfo->setObjectName(QString::fromLatin1(kLayout[1].name));
    lblInfo->setGeometry(kLayout[1].rect);
    QFont infoFont = chartFont();
    infoFont.setPixelSize(kInfoFontPx);
    // The panel writes Latin letters, digits and signs only; left unshaped, its text is laid out
    // from the font's own advances, a small part of the cost of shaping it on every step.
    infoFont.setStyleStrategy(QFont::PreferNoShaping);
    lblInfo->setFont(infoFont);

    FormCreate();
    setUpActions();
}

void TForm5::FormCreate()
{
    setUpAxes();
    setUpOperatingPoint();
    FTimer.setInterval(kTickIntervalMs);
    connect(&FTimer, &QTimer::timeout, this, &TForm5::TimerTick);
    FHasGraph = false;
}

void TForm5::setUpAxes()
{
    Chart1->legend->setVisible(false);
    Chart1->addLayer(QStringLiteral("paper"), Chart1->layer(QStringLiteral("background")), QCustomPlot::limBelow);
    new TPaper(Chart1, QStringLiteral("paper"));
    Chart1->setBackground(Qt::NoBrush);
    setUpLogAxis(Chart1->xAxis, kPressureLow, kPressureHigh);
    setUpLogAxis(Chart1->xAxis2, kPressureLow, kPressureHigh);
    setUpLogAxis(Chart1->yAxis, kFlowLowGpm, kFlowHighGpm);
    setUpLogAxis(Chart1->yAxis2, kFlowLowGpm, kFlowHighGpm);
    Chart1->xAxis->setLabel(kPressureAxisTitle);
    Chart1->yAxis->setLabel(kFlowAxisTitle);
    // Solid and pale, so that the grid never passes for one of the dotted velocity lines.
    const QPen gridPen(kGridColour, 0.0, Qt::SolidLine);
    for (QCPAxis* axis : {Chart1->xAxis, Chart1->yAxis}) {
        axis->grid()->setVisible(true);
        axis->grid()->setPen(gridPen);
    }
    Chart1->xAxis2->grid()->setVisible(false);
    Chart1->yAxis2->grid()->setVisible(false);
    updateTopAndRightAxes(false);
    connect(Chart1, &QCustomPlot::afterLayout, this, [this] {
        placeLineNames();
        if (pnlInfo->isVisible())
            placeInfoPanel();
        for (QCPAxis* axis : Chart1->axisRect()->axes())
            if (auto ticker = axis->ticker().dynamicCast<TFittingTicker>(); ticker && ticker->isStale())
                Chart1->replot(QCustomPlot::rpQueuedReplot);
    });

    Chart1->plotLayout()->insertRow(0);
    QFont titleFont = chartFont();
    titleFont.setPointSize(kTitleFontPt);
    titleFont.setBold(true);
    FTitle = new QCPTextElement(Chart1, kTitle, titleFont);
    Chart1->plotLayout()->addElement(0, 0, FTitle);
}

// Marker and guide lines have a layer of their own with its own paint buffer, so that a tick
// redraws them alone and not the whole nomogram. The overlay layer holds nothing here (it is
// for mouse selection), so it shares the nomogram's buffer: each repaint composes two buffers.
void TForm5::setUpOperatingPoint()
{
    Chart1->layer(QStringLiteral("overlay"))->setMode(QCPLayer::lmLogical);
    Chart1->addLayer(QStringLiteral("operatingPoint"), Chart1->layer(Chart1->layerCount() - 1), QCustomPlot::limAbove);
    FOperatingLayer = Chart1->layer(QStringLiteral("operatingPoint"));
    FOperatingLayer->setMode(QCPLayer::lmBuffered);

    FPointSeries = addRedLine(Chart1, FOperatingLayer, QStringLiteral("Operating Point"));
    FPointSeries->setLineStyle(QCPGraph::lsNone);
    FPointSeries->setScatterStyle(
        QCPScatterStyle(QCPScatterStyle::ssCircle, QPen(Qt::red), QBrush(Qt::red), kMarkerDiameterPx));
    FVertLine = addRedLine(Chart1, FOperatingLayer, QStringLiteral("Vertical Line"));
    FHorizLine = addRedLine(Chart1, FOperatingLayer, QStringLiteral("Horizontal Line"));
    // Level and upright, they cover whole pixels without smoothing, and a 2 px line smoothed
    // cost most of a tick.
    FVertLine->setAntialiased(false);
    FHorizLine->setAntialiased(false);
}

void TForm5::updateTopAndRightAxes(bool hasPipeLines)
{
    Chart1->xAxis2->setVisible(hasPipeLines);
    Chart1->yAxis2->setVisible(hasPipeLines);
}

// Every item of the chart is the name label of a nomogram line, or a report's mark.
void TForm5::removeNomogram()
{
    for (int i = Chart1->plottableCount() - 1; i >= 0; --i) {
        QCPAbstractPlottable* series = Chart1->plottable(i);
        if (series != FPointSeries && series != FVertLine && series != FHorizLine)
            Chart1->removePlottable(i);
    }
    Chart1->clearItems();
    FReportItems.clear();
    FReportGraphs.clear();
    FLineNames.clear();
    FNamesPlacedIn = QRect();
    updateTopAndRightAxes(false);
    FHasGraph = false;
}

void TForm5::ClearGraphSeries()
{
    removeNomogram();
    Chart1->replot();
}

// Pipe lines go on the top and right axes, velocity lines on the bottom and left ones; both
// pairs span the same ranges. Each line is named once, beside it near its midpoint on the
// log-log plane (placeLineNames).
void TForm5::addLine(const TPipeSize& line, bool isPipe)
{
    QCPAxis* keyAxis = isPipe ? Chart1->xAxis2 : Chart1->xAxis;
    QCPAxis* valueAxis = isPipe ? Chart1->yAxis2 : Chart1->yAxis;
    QCPGraph* graph = Chart1->addGraph(keyAxis, valueAxis);
    QPen pen(Qt::black, isPipe ? kLineWidthPx : 1.0, isPipe ? Qt::SolidLine : Qt::DotLine);
    graph->setPen(pen);
    graph->removeFromLegend();

    const double x1 = onLogAxis(line.X1, kPressureLow);
    const double x2 = onLogAxis(line.X2, kPressureLow);
    const double y1 = onLogAxis(line.Y1, kFlowLowGpm);
    const double y2 = onLogAxis(line.Y2, kFlowLowGpm);
    const double xm = logMidpoint(x1, x2, kPressureLow);
    const double ym = logMidpoint(y1, y2, kFlowLowGpm);
    graph->setData({x1, x2, xm}, {y1, y2, ym});

    auto* label = new QCPItemText(Chart1);
    label->position->setAxes(keyAxis, valueAxis);
    label->position->setType(QCPItemPosition::ptPlotCoords);
    label->position->setCoords(xm, ym);
    label->setText(QString::fromStdString(line.Name));
    label->setColor(Qt::black);
    label->setPen(Qt::NoPen);
    label->setBrush(Qt::NoBrush);
    QFont labelFont = label->font();
    labelFont.setPointSize(kLineLabelFontPt);
    label->setFont(labelFont);
    // The position is the name's top left corner once placed; until then the name stands at
    // the midpoint.
    label->setPositionAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setPadding(QMargins());
    if (isPipe)
        label->setClipToAxisRect(false);
    FLineNames.push_back({label, QPointF(x1, y1), QPointF(x2, y2), QPointF(xm, ym)});
}

// After a layout that changed the plot's rectangle, every name looks for its place again, so
// that no two names overlap at any size of the window. It runs before the layers are drawn,
// so the replot that laid the chart out already writes the names in their new places.
void TForm5::placeLineNames()
{
    const QRect plotPx = Chart1->axisRect()->rect();
    if (FLineNames.empty() || plotPx == FNamesPlacedIn || plotPx.isEmpty())
        return;
    std::vector<TLineLabel> labels;
    labels.reserve(FLineNames.size());
    for (const TLineName& name : FLineNames) {
        const QCPItemPosition* position = name.label->position;
        const auto toPx = [&](const QPointF& coords) {
            return QPointF(position->keyAxis()->coordToPixel(coords.x()),
                           position->valueAxis()->coordToPixel(coords.y()));
        };
        const QSize textPx
            = QFontMetrics(name.label->font())
                  .boundingRect(0, 0, 0, 0, Qt::TextDontClip | name.label->textAlignment(), name.label->text())
                  .size();
        labels.push_back({toPx(name.from), toPx(name.to), toPx(name.midpoint), QSizeF(textPx)});
    }
    // A name that finds no free place anywhere along its line stands at its midpoint; in a
    // window too small for all names some then overlap, which is all that can be done there.
    std::vector<QRectF> placedPx;
    (void)placeLineLabels(labels, QRectF(plotPx), placedPx);
    for (std::size_t i = 0; i < FLineNames.size(); ++i)
        FLineNames[i].label->position->setPixelPosition(placedPx[i].topLeft());
    FNamesPlacedIn = plotPx;
}

void TForm5::DrawGraph(const TPipeSizeArray& PipeData, const TPipeSizeArray& VelocityData)
{
    removeNomogram();
    for (const TPipeSize& line : PipeData)
        addLine(line, true);
    for (const TPipeSize& line : VelocityData)
        addLine(line, false);
    updateTopAndRightAxes(!PipeData.empty());
    FHasGraph = true;
    Chart1->replot();
}

void TForm5::ShowGraph(const TPipeSizeArray& PipeData, const TPipeSizeArray& VelocityData)
{
    FTitle->setText(titleText());
    DrawGraph(PipeData, VelocityData);
    show();
    raise();
}

QString TForm5::titleText() const
{
    return FPipeTypeTitle.isEmpty() ? kTitle : kTitle + QStringLiteral(" (") + FPipeTypeTitle + u')';
}

void TForm5::ShowOperatingPoint(double Q, double H, double V, const QString& DN)
{
    FTimer.stop();
    TargetQ = finiteTarget(Q);
    TargetH = finiteTarget(H);
    FCurrentDN = DN;
    FCurrentV = V;
    FTimer.start();
}

void TForm5::TimerTick()
{
    const TPlotPoint target{TargetH, TargetQ};
    const TPlotPoint next = glideStep({CurrentH, CurrentQ}, target);
    CurrentH = next.pressurePsiPer100ft;
    CurrentQ = next.flowGpm;

    const double markerH = onLogAxis(CurrentH, kPressureLow);
    const double markerQ = onLogAxis(CurrentQ, kFlowLowGpm);
    FPointSeries->setData({markerH}, {markerQ});

    FVertLine->setData({markerH, markerH}, {kFlowLowGpm, kFlowHighGpm});
    FHorizLine->setData({kPressureLow, kPressureHigh}, {markerQ, markerQ});
    lblInfo->setText(infoPanelText(CurrentQ, CurrentH, FCurrentDN, FCurrentV));
    fitInfoPanel();
    placeInfoPanel();
    if (pnlInfo->isHidden()) {
        pnlInfo->raise();
        pnlInfo->show();
    }

    if (hasArrived(next, target)) {
        FTimer.stop();
        CurrentH = TargetH;
        CurrentQ = TargetQ;
        FPointSeries->setData({onLogAxis(TargetH, kPressureLow)}, {onLogAxis(TargetQ, kFlowLowGpm)});
    }
    FOperatingLayer->replot();
}

// The panel is laid out at 80 x 55, which the four lines overflow with most fonts; it grows
// to show them whole and never shrinks below its laid-out size. Its lower left corner is
// what the marker places, so growing keeps it clear of the marker.
void TForm5::fitInfoPanel()
{
    const QSize labelPx = lblInfo->textSizePx().expandedTo(kLayout[1].rect.size());
    lblInfo->resize(labelPx);
    pnlInfo->resize(labelPx + QSize(2 * kInfoBorderPx, 2 * kInfoBorderPx));
}

// The panel's lower left corner lies 15 px right of and above the crossing of the guide lines,
// where the marker stands; it is not pulled back inside the chart. A new layout of the chart
// (a resize) places it anew, so that it stays with the marker.
void TForm5::placeInfoPanel()
{
    if (FVertLine->data()->isEmpty() || FHorizLine->data()->isEmpty())
        return;
    const int pointX = qRound(Chart1->xAxis->coordToPixel(FVertLine->data()->constBegin()->key));
    const int pointY = qRound(Chart1->yAxis->coordToPixel(FHorizLine->data()->constBegin()->value));
    pnlInfo->move(pointX + kPanelOffsetPx, pointY - pnlInfo->height() - kPanelOffsetPx);
}
