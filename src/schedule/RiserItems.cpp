#include "RiserItems.h"

#include <QCursor>
#include <QGraphicsScene>
#include <QGraphicsSceneMouseEvent>
#include <QPainter>
#include <QPainterPathStroker>

#include <utility>

namespace {

// A line two pixels wide is hard to hit: the click area is this wide around it.
constexpr double kClickWidthPx = 10.0;
// Room for the thickest pen, a dash's cap and a node's dot around the shape's own points.
constexpr double kPaintMarginPx = 10.0;

} // namespace

TRiserSegmentItem::TRiserSegmentItem(Riser::TSegmentShape shape)
    : FShape(std::move(shape))
{
    setFlag(ItemIsSelectable);
    setZValue(0.0);
    if (!FShape.note.isEmpty())
        setToolTip(FShape.note);
    QPainterPath line;
    line.addPolygon(FShape.linePx);
    QPainterPathStroker stroker;
    stroker.setWidth(kClickWidthPx);
    stroker.setCapStyle(Qt::SquareCap);
    FClickArea = stroker.createStroke(line);
    FBounds = FShape.linePx.boundingRect().adjusted(-kPaintMarginPx, -kPaintMarginPx, kPaintMarginPx, kPaintMarginPx);
}

void TRiserSegmentItem::paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*)
{
    Riser::paintSegment(*painter, FShape, isSelected());
}

TRiserNodeItem::TRiserNodeItem(Riser::TNodeShape shape)
    : FShape(std::move(shape))
    , FBounds(FShape.atPx.x() - kPaintMarginPx, FShape.atPx.y() - kPaintMarginPx, 2 * kPaintMarginPx,
              2 * kPaintMarginPx)
{
    setZValue(1.0);
}

void TRiserNodeItem::paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*)
{
    Riser::paintNode(*painter, FShape);
}

TRiserLabelItem::TRiserLabelItem(Riser::TLabel label, const QFont& font, TRiserSegmentItem* segment)
    : FLabel(std::move(label))
    , FFont(font)
    , FSegment(segment)
{
    setZValue(3.0);
    // A label that stands off draws a leader back to its point.
    FBounds = FLabel.rectPx.united(QRectF(FLabel.anchorPx, QSizeF(1.0, 1.0)))
                  .adjusted(-kPaintMarginPx, -kPaintMarginPx, kPaintMarginPx, kPaintMarginPx);
    if (FSegment != nullptr)
        setCursor(Qt::PointingHandCursor);
}

// Only the words take a click, not the room around them nor the leader.
QPainterPath TRiserLabelItem::shape() const
{
    QPainterPath path;
    path.addRect(FLabel.rectPx);
    return path;
}

void TRiserLabelItem::paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*)
{
    Riser::paintLabel(*painter, FLabel, FFont);
}

void TRiserLabelItem::mousePressEvent(QGraphicsSceneMouseEvent* event)
{
    if (FSegment == nullptr || event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    scene()->clearSelection();
    FSegment->setSelected(true);
    event->accept();
}

TRiserReducerItem::TRiserReducerItem(Riser::TReducerShape shape, const QString& advice)
    : FShape(std::move(shape))
    , FBounds(FShape.markPx.adjusted(-1.0, -1.0, 1.0, 1.0))
{
    setZValue(2.0);
    setToolTip(advice);
}

void TRiserReducerItem::paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*)
{
    Riser::paintReducerMark(*painter, FShape);
}
