#include "SvgPicture.h"

#include <QPainter>

TSvgPicture::TSvgPicture(const QString& resource, QWidget* parent) : QWidget(parent), FRenderer(resource)
{
    FRenderer.setAspectRatioMode(Qt::KeepAspectRatio);
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

QRectF TSvgPicture::PictureRect() const
{
    const QSizeF natural = FRenderer.defaultSize();
    if (natural.isEmpty())
        return {};
    const QSizeF fitted = natural.scaled(size(), Qt::KeepAspectRatio);
    return {(width() - fitted.width()) / 2.0, (height() - fitted.height()) / 2.0, fitted.width(), fitted.height()};
}

void TSvgPicture::paintEvent(QPaintEvent* /*event*/)
{
    if (!FRenderer.isValid())
        return;
    QPainter painter(this);
    FRenderer.render(&painter, PictureRect());
}
