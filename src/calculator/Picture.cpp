#include "Picture.h"

#include <QDir>
#include <QPainter>

QIcon programPicture()
{
#ifdef Q_OS_WIN
    // The Windows build has no Qt SVG; its resources hold keldaran-<size>.png instead, and the
    // icon hands out the one nearest the size asked for, scaled down, never up.
    QIcon icon;
    const QDir pictures(QStringLiteral(":/keldaran"));
    const QStringList names = pictures.entryList({QStringLiteral("keldaran-*.png")}, QDir::Files);
    for (const QString& name : names)
        icon.addFile(pictures.filePath(name));
    return icon;
#else
    return QIcon(QStringLiteral(":/keldaran/keldaran.svg"));
#endif
}

TPicture::TPicture(const QIcon& picture, QWidget* parent)
    : QWidget(parent)
    , FPicture(picture)
    , FNaturalSize(picture.actualSize(QSize(4096, 4096)))
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

QRectF TPicture::PictureRect() const
{
    if (FNaturalSize.isEmpty())
        return {};
    const QSizeF fitted = FNaturalSize.scaled(size(), Qt::KeepAspectRatio);
    return {(width() - fitted.width()) / 2.0, (height() - fitted.height()) / 2.0, fitted.width(), fitted.height()};
}

void TPicture::paintEvent(QPaintEvent* /*event*/)
{
    const QRect target = PictureRect().toRect();
    if (target.isEmpty())
        return;
    const qreal pixelRatio = devicePixelRatioF();
    if (FDrawn.deviceIndependentSize() != QSizeF(target.size()) || FDrawn.devicePixelRatio() != pixelRatio)
        FDrawn = FPicture.pixmap(target.size(), pixelRatio);
    QPainter painter(this);
    painter.drawPixmap(target, FDrawn);
}
