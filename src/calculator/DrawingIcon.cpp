#include "DrawingIcon.h"

#include <QApplication>
#include <QIconEngine>
#include <QPainter>
#include <QPixmap>
#include <QPixmapCache>
#include <QStyle>
#include <QStyleOption>
#include <QSvgRenderer>

#include <atomic>
#include <memory>

namespace {

// The parsed drawing, shared by every copy of the icon, and the prefix of its pixmaps' keys in
// Qt's pixmap cache, which may drop them when it needs the room.
struct TDrawing {
    QSvgRenderer Renderer;
    QString CacheKeyPrefix;
};

class TDrawingIconEngine : public QIconEngine {
public:
    explicit TDrawingIconEngine(std::shared_ptr<TDrawing> drawing)
        : FDrawing(std::move(drawing))
    {
    }

    QSize actualSize(const QSize& size, QIcon::Mode /*mode*/, QIcon::State /*state*/) override
    {
        return FDrawing->Renderer.defaultSize().scaled(size, Qt::KeepAspectRatio);
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        const QSize fitted = actualSize(size, mode, state);
        if (fitted.isEmpty())
            return {};
        const QString key = FDrawing->CacheKeyPrefix
            + QStringLiteral("%1x%2-%3").arg(fitted.width()).arg(fitted.height()).arg(static_cast<int>(mode));
        QPixmap drawn;
        if (QPixmapCache::find(key, &drawn))
            return drawn;
        QImage image(fitted, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        FDrawing->Renderer.render(&painter);
        painter.end();
        drawn = QPixmap::fromImage(image);
        // A disabled or selected picture looks as the style makes it from the normal one.
        if (mode != QIcon::Normal) {
            QStyleOption option;
            option.palette = QApplication::palette();
            const QPixmap generated = QApplication::style()->generatedIconPixmap(mode, drawn, &option);
            if (!generated.isNull())
                drawn = generated;
        }
        QPixmapCache::insert(key, drawn);
        return drawn;
    }

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override
    {
        QSize size = rect.size();
        if (painter->device() != nullptr)
            size *= painter->device()->devicePixelRatio();
        painter->drawPixmap(rect, pixmap(size, mode, state));
    }

    [[nodiscard]] QIconEngine* clone() const override { return new TDrawingIconEngine(FDrawing); }
    [[nodiscard]] QString key() const override { return QStringLiteral("KeldaranDrawing"); }
    [[nodiscard]] bool isNull() override { return false; }

private:
    std::shared_ptr<TDrawing> FDrawing;
};

} // namespace

bool loadDrawingIcon(const QString& path, QIcon& icon, QSize& drawingSize)
{
    static std::atomic<int> drawingsRead{0};
    auto drawing = std::make_shared<TDrawing>();
    if (!drawing->Renderer.load(path) || drawing->Renderer.defaultSize().isEmpty()) {
        icon = QIcon();
        drawingSize = QSize();
        return false;
    }
    drawing->CacheKeyPrefix = QStringLiteral("keldaran-drawing-%1-").arg(drawingsRead.fetch_add(1));
    drawingSize = drawing->Renderer.defaultSize();
    icon = QIcon(new TDrawingIconEngine(std::move(drawing)));
    return true;
}
