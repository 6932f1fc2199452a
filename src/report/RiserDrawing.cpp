// The riser diagram worked out as shapes: the layout's bands sized from the labels each node
// carries, the heights scaled so that a storey has room for its words, and every label placed by
// the same placer that names the nomogram's marks, clear of the others, the dots and the pipes.
#include "RiserDrawing.h"

#include "CommonTexts.h"
#include "MarkLabels.h"
#include "NumberText.h"
#include "ReportFormat.h"
#include "ReportNotes.h"
#include "RiserLayout.h"
#include "RiserPath.h"
#include "ScheduleUnits.h"
#include "SegmentFigures.h"

#include <QFontMetricsF>

#include <algorithm>
#include <cmath>

namespace Riser {
namespace {

using SegmentFigures::TColumn;

constexpr double kDotRadiusPx = 3.0;
constexpr double kPxPerPoint = 96.0 / 72.0;
constexpr double kLineClearancePx = 1.5;
constexpr double kMarginPx = 12.0;
// A storey's height in lines of text: the segment's two lines of figures, the node's name and an outlet's
// margin one above the other.
constexpr double kLevelLines = 4.5;
// Elevations are drawn to scale, but never so stretched that a tall building's smallest step
// dwarfs the rest: at most this many storeys' worth of height from the lowest node to the highest.
constexpr double kMostLevels = 60.0;
// Where labels still collide, the whole drawing is spread wider and taller by this much and placed
// again, a few times at most.
constexpr double kSpreadStep = 1.5;
constexpr int kSpreadTries = 5;
const QSizeF kReducerMarkPx(14.0, 9.0);

struct TWords {
    std::vector<QString> names;   // per node
    std::vector<QString> figures; // per segment
    std::vector<QString> margins; // per segment; empty where it is no outlet
    std::vector<bool> negative;
    std::vector<QString> notes;  // per segment: why it is unsized or raised
    std::vector<QString> valves; // per segment: its valve's setting; empty where it has none
    // Measured once, for every try at placing them.
    std::vector<QSizeF> nameSizes;
    std::vector<QSizeF> figureSizes;
    std::vector<QSizeF> marginSizes;
    std::vector<QSizeF> valveSizes;
};

TWords wordsOf(const Project::TProject& project, const Sizing::TScheduleResult& result, bool evaluated)
{
    const Sizing::TSchedule& schedule = project.schedule;
    const QChar mark = userDecimalSeparator();
    TWords words;
    const std::size_t count = schedule.segments.size();
    words.names.reserve(count + 1);
    words.names.push_back(QString::fromStdString(schedule.segments.front().from));
    words.figures.resize(count);
    words.margins.resize(count);
    words.negative.assign(count, false);
    words.notes.resize(count);
    words.valves.resize(count);
    for (std::size_t k = 0; k < count; ++k) {
        const Sizing::TSegment& segment = schedule.segments[k];
        words.names.push_back(QString::fromStdString(segment.to));
        if (!evaluated)
            continue;
        const Sizing::TSegmentResult& r = result.segments[k];
        const SegmentFigures::TPlace place = SegmentFigures::placeOf(schedule, result, k);
        const auto figure
            = [&](TColumn column) { return SegmentFigures::figure(segment, r, column, project.units, place); };
        const SegmentFigures::TFigure flow = figure(TColumn::Flow);
        const QString pipe
            = r.sized ? ScheduleUnits::sizeLabel(r.size, project.units) : CommonTexts::kShortUnsized.toString();
        // The pipe over its flow, so that a segment's words stand narrow beside its riser.
        words.figures[k]
            = flow.isEmpty() ? pipe : pipe + u'\n' + ReportFormat::quantity(flow.value, flow.decimals, flow.unit, mark);
        if (!r.sized || r.size.raisedForVelocity)
            words.notes[k] = Report::segmentNote(schedule, k, r, project.units, mark);
        if (r.reducer)
            words.valves[k] = ReportFormat::quantity(ScheduleUnits::pressureIn(r.reducerSetPsi, project.units),
                                                     ReportFormat::kPressureDecimals,
                                                     ScheduleUnits::pressureUnit(project.units), mark);
        const SegmentFigures::TFigure margin = figure(TColumn::OutletMargin);
        if (!margin.isEmpty()) {
            const QString sign = margin.value > 0.0 ? QStringLiteral("+") : QString();
            words.margins[k]
                = ReportFormat::leftToRight(sign + SegmentFigures::written(margin, mark) + u' ' + margin.unit);
            words.negative[k] = margin.value < 0.0;
        }
    }
    return words;
}

// A label's size, one line or several; the advance of each line is far cheaper to measure than
// a laid-out paragraph, and a thousand labels are measured.
QSizeF textSize(const QFontMetricsF& metrics, const QString& text)
{
    if (text.isEmpty())
        return {};
    double widest = 0.0;
    qsizetype lines = 0;
    for (const QStringView line : QStringView(text).split(u'\n')) {
        widest = std::max(widest, metrics.horizontalAdvance(line.toString()));
        ++lines;
    }
    return {widest, metrics.height() + static_cast<double>(lines - 1) * metrics.lineSpacing()};
}

void measure(TWords& words, const QFontMetricsF& metrics, const QFontMetricsF& bold)
{
    for (const QString& name : words.names)
        words.nameSizes.push_back(textSize(bold, name));
    for (const QString& figures : words.figures)
        words.figureSizes.push_back(textSize(metrics, figures));
    for (const QString& margin : words.margins)
        words.marginSizes.push_back(textSize(metrics, margin));
    for (const QString& valve : words.valves)
        words.valveSizes.push_back(textSize(metrics, valve));
}

// The bands each node needs: room for its widest word beside its riser, with a line's height to
// spare for the dot and the gap.
std::vector<double> bandsPx(const TWords& words, double lineHeightPx)
{
    std::vector<double> bands(words.names.size());
    for (std::size_t n = 0; n < bands.size(); ++n) {
        double widest = words.nameSizes[n].width();
        if (n > 0)
            widest = std::max({widest, words.figureSizes[n - 1].width(), words.marginSizes[n - 1].width()});
        bands[n] = widest + 2.0 * lineHeightPx;
    }
    return bands;
}

// Pixels per unit of height: a storey's lines per level of depth; by elevation, a level for the
// typical rise of a pipe that climbs (the median, so that a tap a few inches above its branch
// does not stretch every storey), but never so much that the building spans more than
// kMostLevels of them. Labels of nodes closer than a level are kept apart by the placer.
double pxPerHeight(const Project::TProject& project, const Sizing::TRiserLayout& layout, double levelPx)
{
    if (!layout.byElevation)
        return levelPx;
    double lowest = 0.0;
    double highest = 0.0;
    std::vector<double> rises;
    for (std::size_t k = 0; k < project.schedule.segments.size(); ++k) {
        const Sizing::TRiserNode& node = layout.nodes[Sizing::riserNodeOf(k)];
        lowest = std::min(lowest, node.height);
        highest = std::max(highest, node.height);
        if (const double rise = std::abs(node.height - layout.nodes[node.parent].height); rise > 0.0)
            rises.push_back(rise);
    }
    double typicalRise = 0.0;
    if (!rises.empty()) {
        const auto middle = rises.begin() + static_cast<std::ptrdiff_t>(rises.size() / 2);
        std::nth_element(rises.begin(), middle, rises.end());
        typicalRise = *middle;
    }
    return levelPx / std::max({typicalRise, (highest - lowest) / kMostLevels, 1e-9});
}

// The segment's polyline and where its figures belong: halfway up its riser, or along its branch
// when it barely rises.
QPolygonF segmentLine(const QPointF& fromPx, const QPointF& toPx)
{
    QPolygonF line{fromPx};
    if (fromPx.x() != toPx.x() && fromPx.y() != toPx.y())
        line << QPointF(toPx.x(), fromPx.y());
    line << toPx;
    return line;
}

QPointF figuresAnchor(const QPolygonF& line, double lineHeightPx)
{
    const QPointF& to = line.back();
    const QPointF& before = line[line.size() - 2];
    if (line.size() == 2 || std::abs(to.y() - before.y()) >= lineHeightPx)
        return (to + before) / 2.0;
    return (line[0] + line[1]) / 2.0;
}

// A valve stands at its segment's upstream end, a little along the first leg from the node that
// feeds it, so that it reads as the branch's and not the riser's.
TReducerShape valveShape(std::size_t segment, const QPolygonF& line)
{
    TReducerShape shape;
    shape.segment = segment;
    const QPointF along = line[1] - line[0];
    const double lengthPx = std::hypot(along.x(), along.y());
    shape.vertical = std::abs(along.y()) > std::abs(along.x());
    const QSizeF size = shape.vertical ? kReducerMarkPx.transposed() : kReducerMarkPx;
    const double fromNodePx = kDotRadiusPx + 3.0 + kReducerMarkPx.width() / 2.0;
    const double t = lengthPx > 2.0 * fromNodePx ? fromNodePx / lengthPx : 0.5;
    shape.markPx = QRectF(QPointF(), size);
    shape.markPx.moveCenter(line[0] + along * t);
    return shape;
}

// A pipe as thin rectangles the labels keep clear of.
void addObstacles(const QPolygonF& line, std::vector<QRectF>& obstacles)
{
    for (qsizetype i = 1; i < line.size(); ++i)
        obstacles.push_back(QRectF(line[i - 1], line[i])
                                .normalized()
                                .adjusted(-kLineClearancePx, -kLineClearancePx, kLineClearancePx, kLineClearancePx));
}

struct TPlacing {
    const Project::TProject& project;
    const Sizing::TScheduleResult& result;
    bool evaluated;
    const TWords& words;
    const Sizing::TRiserLayout& layout;
    QFontMetricsF metrics;
};

// Every shape at one spread; false when some label found no free place.
bool placeAll(const TPlacing& p, double xScale, double pxPerUnit, TDrawing& drawing)
{
    const std::vector<Sizing::TSegment>& segments = p.project.schedule.segments;
    const auto at = [&](std::size_t n) {
        return QPointF(p.layout.nodes[n].centre * xScale, -p.layout.nodes[n].height * pxPerUnit);
    };
    drawing.segments.clear();
    const bool pump = p.project.schedule.source == Sizing::TSource::Booster;
    drawing.nodes.assign(1, TNodeShape{kNoSegment, at(0), false, pump});
    drawing.reducers.clear();
    std::vector<QRectF> obstacles;
    if (pump)
        obstacles.push_back(QRectF(at(0) - QPointF(kPumpRadiusPx, kPumpRadiusPx), QSizeF(2, 2) * kPumpRadiusPx));
    std::vector<TMarkLabel> marks;
    drawing.labels.clear();
    const auto addLabel
        = [&](std::size_t segment, TLabelKind kind, const QString& text, const QSizeF& size, const QPointF& anchor) {
              if (text.isEmpty())
                  return;
              marks.push_back({anchor, size + QSizeF(4.0, 0.0)});
              drawing.labels.push_back({segment, kind, text, QRectF(), anchor, false});
          };
    const TWords& w = p.words;
    addLabel(kNoSegment, TLabelKind::NodeName, w.names[0], w.nameSizes[0], at(0));
    for (std::size_t k = 0; k < segments.size(); ++k) {
        const std::size_t n = Sizing::riserNodeOf(k);
        const bool sized = p.evaluated && p.result.segments[k].sized;
        TSegmentShape shape{k, segmentLine(at(p.layout.nodes[n].parent), at(n)), false, sized, QString()};
        TNodeShape node{k, at(n), false, false};
        if (p.evaluated) {
            const Sizing::TSegmentResult& r = p.result.segments[k];
            shape.critical = r.onCriticalPath;
            shape.note = w.notes[k];
            node.outlet = !p.words.margins[k].isEmpty();
            if (r.reducer) {
                drawing.reducers.push_back(valveShape(k, shape.linePx));
                obstacles.push_back(drawing.reducers.back().markPx);
            }
        }
        addObstacles(shape.linePx, obstacles);
        drawing.segments.push_back(shape);
        drawing.nodes.push_back(node);
        addLabel(k, TLabelKind::NodeName, w.names[n], w.nameSizes[n], node.atPx);
    }
    for (std::size_t k = 0; k < segments.size(); ++k)
        addLabel(k, TLabelKind::Figures, w.figures[k], w.figureSizes[k],
                 figuresAnchor(drawing.segments[k].linePx, p.metrics.height()));
    for (std::size_t k = 0; k < segments.size(); ++k)
        if (!p.words.margins[k].isEmpty()) {
            addLabel(k, TLabelKind::Margin, w.margins[k], w.marginSizes[k], drawing.nodes[Sizing::riserNodeOf(k)].atPx);
            drawing.labels.back().negative = p.words.negative[k];
        }
    for (const TReducerShape& valve : drawing.reducers)
        addLabel(valve.segment, TLabelKind::Valve, w.valves[valve.segment], w.valveSizes[valve.segment],
                 valve.markPx.center());

    QRectF reach = QRectF(at(0), QSizeF()).normalized();
    for (const TNodeShape& node : drawing.nodes)
        reach = reach.united(QRectF(node.atPx, QSizeF(0.1, 0.1)));
    double widest = 0.0;
    for (const TMarkLabel& mark : marks)
        widest = std::max(widest, mark.textPx.width());
    reach.adjust(-widest - kMarginPx, -3.0 * p.metrics.height(), widest + kMarginPx, 3.0 * p.metrics.height());
    std::vector<QRectF> placed;
    const bool clear = placeMarkLabels(marks, obstacles, reach, kDotRadiusPx, placed);
    for (std::size_t i = 0; i < placed.size(); ++i)
        drawing.labels[i].rectPx = placed[i];
    return clear;
}

} // namespace

bool drawRiser(const Project::TProject& project, const Sizing::TScheduleResult& result, bool evaluated,
               const QFont& givenFont, TDrawing& drawing)
{
    drawing = {};
    // In pixels, so that the words keep their size to the pipes on a screen of any resolution, on
    // the page and in the SVG alike.
    QFont font = givenFont;
    if (font.pixelSize() <= 0)
        font.setPixelSize(std::max(1, qRound(font.pointSizeF() * kPxPerPoint)));
    const Sizing::TSchedule& schedule = project.schedule;
    if (schedule.layout != Sizing::TLayout::Tree || schedule.segments.empty())
        return false;
    evaluated = evaluated && result.segments.size() == schedule.segments.size();
    QFont bold = font;
    bold.setBold(true);
    TWords words = wordsOf(project, result, evaluated);
    const QFontMetricsF metrics(font);
    const QFontMetricsF boldMetrics(bold);
    measure(words, metrics, boldMetrics);
    Sizing::TRiserLayout layout;
    if (!Sizing::layoutRiser(schedule, bandsPx(words, metrics.height()), layout))
        return false;
    const TPlacing placing{project, result, evaluated, words, layout, metrics};
    const double pxPerUnit = pxPerHeight(project, layout, kLevelLines * metrics.height());
    double spread = 1.0;
    for (int tries = 1; !placeAll(placing, spread, spread * pxPerUnit, drawing) && tries < kSpreadTries; ++tries)
        spread *= kSpreadStep;

    QRectF bounds;
    for (const TSegmentShape& shape : drawing.segments)
        bounds = bounds.united(shape.linePx.boundingRect());
    for (const TLabel& label : drawing.labels)
        bounds = bounds.united(label.rectPx);
    for (const TReducerShape& mark : drawing.reducers)
        bounds = bounds.united(mark.markPx);
    drawing.boundsPx = bounds.adjusted(-kMarginPx, -kMarginPx, kMarginPx, kMarginPx);
    drawing.font = font;
    if (evaluated)
        drawing.criticalChain = RiserPath::nodeChain(RiserPath::criticalPathNodes(schedule, result));
    return true;
}

} // namespace Riser
