// The riser diagram's shapes painted: on the window's scene one item at a time, on a PDF page or
// an image all at once, and written out as SVG with the same colours, strokes and words.
#include "RiserDrawing.h"

#include "MarkLabels.h"

#include <QPainter>
#include <QPainterPath>

namespace Riser {
namespace {

constexpr double kSelectionWidthPx = 9.0;
const QColor kSelectionColour(255, 193, 7, 150);
const QColor kLeaderColour(150, 150, 150);

QColor pipeColour(const TSegmentShape& shape) { return shape.critical ? kCriticalColour : kPipeColour; }
double pipeWidth(const TSegmentShape& shape) { return shape.critical ? kCriticalWidthPx : kPipeWidthPx; }

} // namespace

QPolygonF bowTie(const TReducerShape& shape)
{
    const QRectF& r = shape.markPx;
    if (shape.vertical)
        return QPolygonF{r.topLeft(), r.topRight(), r.bottomLeft(), r.bottomRight(), r.topLeft()};
    return QPolygonF{r.topLeft(), r.bottomRight(), r.topRight(), r.bottomLeft(), r.topLeft()};
}

// A pump as drawings mark one.
QPolygonF pumpTriangle(const QPointF& centrePx)
{
    constexpr double kSide = kPumpRadiusPx * 0.55; // clear of the circle's outline
    return QPolygonF{centrePx + QPointF(0.0, -kSide), centrePx + QPointF(kSide, kSide * 0.7),
                     centrePx + QPointF(-kSide, kSide * 0.7)};
}

QColor labelColour(const TLabel& label)
{
    if (label.kind == TLabelKind::Margin)
        return label.negative ? kShortfallColour : kMarginColour;
    if (label.kind == TLabelKind::Valve)
        return kReducerColour;
    return kTextColour;
}

bool needsLeader(const TLabel& label)
{
    const QPointF gap = nearestPointOf(label.rectPx, label.anchorPx) - label.anchorPx;
    return gap.manhattanLength() > kLeaderFromPx;
}

void paintSegment(QPainter& painter, const TSegmentShape& shape, bool selected)
{
    painter.setBrush(Qt::NoBrush);
    if (selected) {
        painter.setPen(QPen(kSelectionColour, kSelectionWidthPx, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.drawPolyline(shape.linePx);
    }
    QPen pen(pipeColour(shape), pipeWidth(shape), shape.sized ? Qt::SolidLine : Qt::DashLine, Qt::FlatCap,
             Qt::MiterJoin);
    painter.setPen(pen);
    painter.drawPolyline(shape.linePx);
}

void paintNode(QPainter& painter, const TNodeShape& shape)
{
    painter.setPen(Qt::NoPen);
    painter.setBrush(kPipeColour);
    if (shape.segment == kNoSegment && shape.pump) {
        painter.setPen(QPen(kPipeColour, kPipeWidthPx));
        painter.setBrush(Qt::white);
        painter.drawEllipse(shape.atPx, kPumpRadiusPx, kPumpRadiusPx);
        painter.setPen(Qt::NoPen);
        painter.setBrush(kPipeColour);
        painter.drawPolygon(pumpTriangle(shape.atPx));
        return;
    }
    if (shape.segment == kNoSegment) {
        painter.drawRect(
            QRectF(shape.atPx - QPointF(kSourceSidePx, kSourceSidePx) / 2.0, QSizeF(kSourceSidePx, kSourceSidePx)));
        return;
    }
    const double r = shape.outlet ? kOutletRadiusPx : kJunctionRadiusPx;
    painter.drawEllipse(shape.atPx, r, r);
}

void paintLabel(QPainter& painter, const TLabel& label, const QFont& font)
{
    if (needsLeader(label)) {
        painter.setPen(QPen(kLeaderColour, 0.8));
        painter.drawLine(label.anchorPx, nearestPointOf(label.rectPx, label.anchorPx));
    }
    QFont f = font;
    f.setBold(label.kind == TLabelKind::NodeName);
    painter.setFont(f);
    painter.setPen(labelColour(label));
    painter.drawText(label.rectPx, Qt::AlignCenter | Qt::TextDontClip, label.text);
}

void paintReducerMark(QPainter& painter, const TReducerShape& shape)
{
    painter.setPen(QPen(kReducerColour, 1.2));
    painter.setBrush(kReducerColour);
    painter.drawPolygon(bowTie(shape));
}

void paintRiser(QPainter& painter, const TDrawing& drawing, std::size_t selectedSegment)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(-drawing.boundsPx.topLeft());
    for (const bool critical : {false, true})
        for (const TSegmentShape& shape : drawing.segments)
            if (shape.critical == critical)
                paintSegment(painter, shape, shape.segment == selectedSegment);
    for (const TNodeShape& node : drawing.nodes)
        paintNode(painter, node);
    for (const TReducerShape& mark : drawing.reducers)
        paintReducerMark(painter, mark);
    for (const TLabel& label : drawing.labels)
        paintLabel(painter, label, drawing.font);
    painter.restore();
}

} // namespace Riser
