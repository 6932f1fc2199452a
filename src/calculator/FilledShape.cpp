#include "FilledShape.h"

#include <QPainter>

TFilledShape::TFilledShape(TShapeKind kind, QWidget* parent)
    : QWidget(parent)
    , FKind(kind)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void TFilledShape::setFillColor(const QColor& color)
{
    FFillColor = color;
    update();
}

void TFilledShape::setOutlineWidth(int widthPx)
{
    FOutlineWidth = widthPx;
    update();
}

void TFilledShape::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing, FKind == TShapeKind::Circle);
    // The pen is centred on the outline, so the shape is inset by half its width to stay whole.
    const qreal inset = FOutlineWidth / 2.0;
    const QRectF area = QRectF(rect()).adjusted(inset, inset, -inset, -inset);
    painter.setPen(QPen(Qt::black, FOutlineWidth));
    painter.setBrush(FFillColor);
    if (FKind == TShapeKind::Circle)
        painter.drawEllipse(area);
    else
        painter.drawRect(area);
}
