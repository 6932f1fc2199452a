#include "Picture.h"

#include <QCoreApplication>
#include <QDir>
#include <QImageReader>
#include <QPainter>

namespace {

QIcon loadProgramPicture()
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

} // namespace

QIcon programPicture()
{
    // One icon for the application, the calculator and its corner: copies share the drawing,
    // read once, and each size rendered once. It goes before the application does, which the
    // pixmaps it holds need.
    static QIcon picture;
    if (picture.isNull()) {
        picture = loadProgramPicture();
        qAddPostRoutine([] { picture = QIcon(); });
    }
    return picture;
}

QSize programPictureSize()
{
    // Read from the sources' headers: an icon tells its size only by rendering, and for the SVG
    // drawing at whatever size it is asked.
#ifdef Q_OS_WIN
    QSize largest;
    const QDir pictures(QStringLiteral(":/keldaran"));
    const QStringList names = pictures.entryList({QStringLiteral("keldaran-*.png")}, QDir::Files);
    for (const QString& name : names) {
        const QSize size = QImageReader(pictures.filePath(name)).size();
        if (size.width() > largest.width())
            largest = size;
    }
    return largest;
#else
    return QImageReader(QStringLiteral(":/keldaran/keldaran.svg")).size();
#endif
}

TPicture::TPicture(const QIcon& picture, const QSize& naturalSize, QWidget* parent)
    : QWidget(parent)
    , FPicture(picture)
    , FNaturalSize(naturalSize)
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
