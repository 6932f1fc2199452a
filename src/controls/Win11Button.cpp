#include "Win11Button.h"

#include <QEnterEvent>
#include <QMouseEvent>
#include <QPainter>

namespace {
constexpr int kDefaultWidthPx = 120;
constexpr int kDefaultHeightPx = 40;
// Quarter of an 8 x 8 ellipse at each corner, in device pixels, not scaled.
constexpr qreal kCornerRadiusPx = 4.0;
const QColor kDefaultNormal(240, 240, 240);
const QColor kDefaultHover(229, 229, 229);
const QColor kDefaultPressed(218, 218, 218);
const QColor kDefaultFont(0, 0, 0);
} // namespace

TWin11Button::TWin11Button(QWidget* parent)
    : QWidget(parent)
    , FColorNormal(kDefaultNormal)
    , FColorHover(kDefaultHover)
    , FColorPressed(kDefaultPressed)
    , FFontColor(kDefaultFont)
    , FCaption(QStringLiteral("Button"))
{
    resize(kDefaultWidthPx, kDefaultHeightPx);
    // The whole rectangle, corners included, is painted on every paint: no background
    // erase, no flicker on a state change.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::NoFocus);
    setCursor(Qt::PointingHandCursor);
}

QSize TWin11Button::sizeHint() const { return {kDefaultWidthPx, kDefaultHeightPx}; }

void TWin11Button::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(this);
    const QRect area = rect();
    // The corners outside the rounded shape show the parent's colour, as the palette
    // inherits it from the parent window.
    painter.fillRect(area, palette().color(QPalette::Window));

    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(FPressed ? FColorPressed : (FHover ? FColorHover : FColorNormal));
    painter.drawRoundedRect(QRectF(area), kCornerRadiusPx, kCornerRadiusPx);

    // Left-to-right paragraph: the bidirectional algorithm still orders a Persian caption
    // right to left. "&" underlines the next character and "&&" draws one ampersand.
    painter.setLayoutDirection(Qt::LeftToRight);
    painter.setFont(font());
    painter.setPen(FFontColor);
    painter.setBrush(Qt::NoBrush);
    painter.drawText(area, Qt::AlignCenter | Qt::TextSingleLine | Qt::TextShowMnemonic, FCaption);
}

void TWin11Button::enterEvent(QEnterEvent* event)
{
    QWidget::enterEvent(event);
    FLeavePending = false;
    FHover = true;
    update();
}

void TWin11Button::leaveEvent(QEvent* event)
{
    QWidget::leaveEvent(event);
    if (FHeldButtons != Qt::NoButton) {
        FLeavePending = true;
        return;
    }
    applyLeave();
}

void TWin11Button::applyLeave()
{
    FLeavePending = false;
    FHover = false;
    FPressed = false;
    update();
}

// A double-click's second press reaches here too (QWidget's double-click handler forwards
// it), so a double-click gives two clicks.
void TWin11Button::mousePressEvent(QMouseEvent* event)
{
    QWidget::mousePressEvent(event);
    FHeldButtons = event->buttons();
    if (event->button() == Qt::LeftButton) {
        FPressed = true;
        update();
    }
}

void TWin11Button::mouseReleaseEvent(QMouseEvent* event)
{
    QWidget::mouseReleaseEvent(event);
    FHeldButtons = event->buttons();
    if (FPressed) {
        FPressed = false;
        update();
        emit clicked();
    }
    if (FHeldButtons == Qt::NoButton && FLeavePending)
        applyLeave();
}
