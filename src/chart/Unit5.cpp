#include "Unit5.h"

#include "FrictionPlot.h"
#include "InfoLabel.h"
#include "NomogramFrame.h"
#include "NomogramLines.h"
#include "OperatingPoint.h"

#include <QVBoxLayout>
#include <qcustomplot.h>

#include <array>

TForm5* Form5 = nullptr;

namespace {

// "لوله‌کشی" is written with a zero-width non-joiner between its two parts.
const QString kCaption = QStringLiteral("نمودار سایزینگ لوله\u200Cکشی گالوانیزه");

constexpr QSize kClientSizePx(518, 364);
constexpr int kWindowFontPx = 12;
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
constexpr double kFlowLowGpm = Nomogram::kLeastFlowGpm;
constexpr double kFlowHighGpm = Nomogram::kMostFlowGpm;

constexpr int kMarkerDiameterPx = 9;
constexpr double kLineWidthPx = 2.0;

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
    QFont windowFont = plotFont();
    windowFont.setPixelSize(kWindowFontPx);
    setFont(windowFont);

    Chart1 = new TFrictionPlot(nomogramPressureScale(), nomogramFlowScale(), this);
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
    QFont infoFont = plotFont();
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
    Chart1->setTitle(nomogramTitle(QString()));
    connect(Chart1, &QCustomPlot::afterLayout, this, [this] {
        if (pnlInfo->isVisible())
            placeInfoPanel();
    });
    setUpOperatingPoint();
    FTimer.setInterval(kTickIntervalMs);
    connect(&FTimer, &QTimer::timeout, this, &TForm5::TimerTick);
    FHasGraph = false;
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

// The plot's lines and a report's marks go; the operating point's series are the window's own
// and stay.
void TForm5::ClearGraphSeries()
{
    Chart1->clearLines();
    FHasGraph = false;
    Chart1->replot();
}

void TForm5::DrawGraph(const TPipeSizeArray& PipeData, const TPipeSizeArray& VelocityData)
{
    Chart1->setLines(nomogramLines(PipeData, VelocityData));
    FHasGraph = true;
    Chart1->replot();
}

void TForm5::ShowGraph(const TPipeSizeArray& PipeData, const TPipeSizeArray& VelocityData)
{
    Chart1->setTitle(nomogramTitle(FPipeTypeTitle));
    DrawGraph(PipeData, VelocityData);
    show();
    raise();
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
