#pragma once
// The program's picture, drawn centred in the widget, as large as fits with its proportions
// kept, from the source that suits the screen's pixel density at every window scale.

#include <QIcon>
#include <QPixmap>
#include <QWidget>

// The program's picture for the window icons and the calculator's corner: the SVG drawing
// where Qt SVG is there, else the PNGs rendered from it at build time, one for each size.
[[nodiscard]] QIcon programPicture();
// The picture's own size, which gives its proportions: the SVG drawing's default size, or the
// largest PNG's. Empty when the picture is missing.
[[nodiscard]] QSize programPictureSize();

class TPicture : public QWidget {
    Q_OBJECT

public:
    // The icon is drawn at the size painted, never larger; naturalSize gives its proportions.
    TPicture(const QIcon& picture, const QSize& naturalSize, QWidget* parent = nullptr);

    [[nodiscard]] bool HasPicture() const { return !FPicture.isNull(); }
    // Where the picture is drawn, in the widget's coordinates.
    [[nodiscard]] QRectF PictureRect() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QIcon FPicture;
    QSizeF FNaturalSize;
    // The last pixmap drawn, kept until the widget's size or pixel density changes.
    QPixmap FDrawn;
};
