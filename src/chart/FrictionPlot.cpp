#include "FrictionPlot.h"

#include "FittingTicker.h"
#include "FontFamilies.h"
#include "LineLabels.h"
#include "OperatingPoint.h"

#include <qcustomplot.h>

#include <cmath>

namespace {

constexpr int kPlotFontPx = 12;
constexpr int kTitleFontPt = 10;
constexpr int kLineNameFontPt = 8;
const QColor kGridColour(218, 218, 218);
constexpr double kSizeLineWidthPx = 2.0;
constexpr double kVelocityLineWidthPx = 1.0;

// Every decade's 1 to 9, each written as the plain decimal of its value.
void setUpLogAxis(QCPAxis* axis, const TLogScale& scale)
{
    axis->setScaleType(QCPAxis::stLogarithmic);
    axis->setRange(scale.low, scale.high);
    auto ticker = QSharedPointer<TFittingTicker>::create(axis);
    const auto addTick = [&](double value) { ticker->addTick(value, QString::number(value, 'g', 10)); };
    // Whole exponents, so that 0.3 is the nearest double to 0.3 and not 3 * 0.1.
    const int lowExponent = int(std::lround(std::log10(scale.low)));
    const int highExponent = int(std::lround(std::log10(scale.high)));
    for (int exponent = lowExponent; exponent < highExponent; ++exponent)
        for (int digit = 1; digit <= 9; ++digit)
            addTick(exponent < 0 ? digit / std::pow(10.0, -exponent) : digit * std::pow(10.0, exponent));
    addTick(scale.high);
    axis->setTicker(ticker);
}

// The white behind the whole chart. Painted into the lines' paint buffer, it is drawn when the
// lines are; as the chart's background brush it would be filled over the whole repainted area
// on every glide step of the window's operating point as well.
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

} // namespace

QFont plotFont()
{
    QFont font;
    font.setFamilies(segoeUiFamilies());
    return font;
}

TFrictionPlot::TFrictionPlot(const TLogScale& across, const TLogScale& up, QWidget* parent)
    : TBandedPlot(parent)
    , FAcross(across)
    , FUp(up)
{
    // The axes took the font the widget had as they were made; a plot made without a window
    // around it writes with the same font as one inside the chart window.
    QFont font = plotFont();
    font.setPixelSize(kPlotFontPx);
    setFont(font);
    for (QCPAxis* axis : axisRect()->axes()) {
        axis->setLabelFont(this->font());
        axis->setTickLabelFont(this->font());
    }
    legend->setVisible(false);
    addLayer(QStringLiteral("paper"), layer(QStringLiteral("background")), QCustomPlot::limBelow);
    new TPaper(this, QStringLiteral("paper"));
    setBackground(Qt::NoBrush);
    setUpScales(across, up);
    connect(this, &QCustomPlot::afterLayout, this, [this] {
        placeLineNames();
        for (QCPAxis* axis : axisRect()->axes())
            if (auto ticker = axis->ticker().dynamicCast<TFittingTicker>(); ticker && ticker->isStale())
                replot(QCustomPlot::rpQueuedReplot);
    });

    plotLayout()->insertRow(0);
    QFont titleFont = plotFont();
    titleFont.setPointSize(kTitleFontPt);
    titleFont.setBold(true);
    FTitle = new QCPTextElement(this, QString(), titleFont);
    plotLayout()->addElement(0, 0, FTitle);
}

void TFrictionPlot::setUpScales(const TLogScale& across, const TLogScale& up)
{
    setUpLogAxis(xAxis, across);
    setUpLogAxis(xAxis2, across);
    setUpLogAxis(yAxis, up);
    setUpLogAxis(yAxis2, up);
    xAxis->setLabel(across.title);
    yAxis->setLabel(up.title);
    // Solid and pale, so that the grid never passes for one of the dotted velocity lines.
    const QPen gridPen(kGridColour, 0.0, Qt::SolidLine);
    for (QCPAxis* axis : {xAxis, yAxis}) {
        axis->grid()->setVisible(true);
        axis->grid()->setPen(gridPen);
    }
    xAxis2->grid()->setVisible(false);
    yAxis2->grid()->setVisible(false);
    xAxis2->setVisible(false);
    yAxis2->setVisible(false);
}

void TFrictionPlot::setTitle(const QString& text) { FTitle->setText(text); }

QString TFrictionPlot::title() const { return FTitle->text(); }

// Every item of the plot is a line's name or a report's mark.
void TFrictionPlot::clearLines()
{
    for (QCPGraph* graph : FLines)
        removeGraph(graph);
    for (QCPGraph* graph : FReportGraphs)
        removeGraph(graph);
    clearItems();
    FLines.clear();
    FReportItems.clear();
    FReportGraphs.clear();
    FLineNames.clear();
    FNamesPlacedIn = QRect();
    xAxis2->setVisible(false);
    yAxis2->setVisible(false);
}

void TFrictionPlot::setLines(const std::vector<TPlotLine>& lines)
{
    clearLines();
    bool hasSizeLines = false;
    for (const TPlotLine& line : lines) {
        addLine(line);
        hasSizeLines = hasSizeLines || line.kind == TPlotLineKind::Size;
    }
    xAxis2->setVisible(hasSizeLines);
    yAxis2->setVisible(hasSizeLines);
}

// Size lines go on the top and right axes, velocity lines on the bottom and left ones; both
// pairs span the same ranges. Each line is named once, beside it near its midpoint on the
// log-log plane (placeLineNames).
void TFrictionPlot::addLine(const TPlotLine& line)
{
    const bool isSize = line.kind == TPlotLineKind::Size;
    QCPAxis* keyAxis = isSize ? xAxis2 : xAxis;
    QCPAxis* valueAxis = isSize ? yAxis2 : yAxis;
    QCPGraph* graph = addGraph(keyAxis, valueAxis);
    graph->setPen(
        QPen(Qt::black, isSize ? kSizeLineWidthPx : kVelocityLineWidthPx, isSize ? Qt::SolidLine : Qt::DotLine));
    graph->removeFromLegend();
    FLines.push_back(graph);

    const double x1 = onLogAxis(line.from.x(), FAcross.low);
    const double x2 = onLogAxis(line.to.x(), FAcross.low);
    const double y1 = onLogAxis(line.from.y(), FUp.low);
    const double y2 = onLogAxis(line.to.y(), FUp.low);
    const double xm = logMidpoint(x1, x2, FAcross.low);
    const double ym = logMidpoint(y1, y2, FUp.low);
    if (line.through.empty())
        graph->setData({x1, x2, xm}, {y1, y2, ym});
    else {
        QVector<double> across{x1};
        QVector<double> up{y1};
        for (const QPointF& point : line.through) {
            across.push_back(onLogAxis(point.x(), FAcross.low));
            up.push_back(onLogAxis(point.y(), FUp.low));
        }
        across.push_back(x2);
        up.push_back(y2);
        graph->setData(across, up);
    }
    if (line.name.isEmpty())
        return;

    auto* label = new QCPItemText(this);
    label->position->setAxes(keyAxis, valueAxis);
    label->position->setType(QCPItemPosition::ptPlotCoords);
    label->position->setCoords(xm, ym);
    label->setText(line.name);
    label->setColor(Qt::black);
    label->setPen(Qt::NoPen);
    label->setBrush(Qt::NoBrush);
    QFont labelFont = label->font();
    labelFont.setPointSize(kLineNameFontPt);
    label->setFont(labelFont);
    // The position is the name's top left corner once placed; until then the name stands at
    // the midpoint.
    label->setPositionAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setPadding(QMargins());
    if (isSize)
        label->setClipToAxisRect(false);
    FLineNames.push_back({label, QPointF(x1, y1), QPointF(x2, y2), QPointF(xm, ym)});
}

// After a layout that changed the plot's rectangle, every name looks for its place again, so
// that no two names overlap at any size of the window. It runs before the layers are drawn,
// so the replot that laid the chart out already writes the names in their new places.
void TFrictionPlot::placeLineNames()
{
    const QRect plotPx = axisRect()->rect();
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
