#include "Picture.h"

#include <QCoreApplication>
#include <QPainter>

#ifdef Q_OS_WIN
#include <QDir>
#include <QImageReader>
#else
#include "DrawingIcon.h"
#endif

namespace {

// The icon and the picture's own size, which gives its proportions, read together once.
struct TProgramPicture {
    QIcon Icon;
    QSize Size;
};

TProgramPicture loadProgramPicture()
{
    TProgramPicture picture;
#ifdef Q_OS_WIN
    // The Windows build has no Qt SVG; its resources hold keldaran-<size>.png instead, and the
    // icon hands out the one nearest the size asked for, scaled down, never up. The size is read
    // from the largest PNG's header.
    const QDir pictures(QStringLiteral(":/keldaran"));
    const QStringList names = pictures.entryList({QStringLiteral("keldaran-*.png")}, QDir::Files);
    for (const QString& name : names) {
        picture.Icon.addFile(pictures.filePath(name));
        const QSize size = QImageReader(pictures.filePath(name)).size();
        if (size.width() > picture.Size.width())
            picture.Size = size;
    }
#else
    // An icon tells its size only by rendering, and the SVG drawing at whatever size it is
    // asked; the drawing's own size comes from the same single reading.
    if (!loadDrawingIcon(QStringLiteral(":/keldaran/keldaran.svg"), picture.Icon, picture.Size))
        qWarning("Keldaran: the program's picture is missing or unreadable");
#endif
    return picture;
}

const TProgramPicture& programPictureOnce()
{
    // One icon for the application, the calculator and its corner: copies share the drawing,
    // read once, and each size rendered once. It goes before the application does, which the
    // pixmaps it holds need.
    static TProgramPicture picture;
    if (picture.Icon.isNull()) {
        picture = loadProgramPicture();
        qAddPostRoutine([] { picture.Icon = QIcon(); });
    }
    return picture;
}

} // namespace

QIcon programPicture() { return programPictureOnce().Icon; }

QSize programPictureSize() { return programPictureOnce().Size; }

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
