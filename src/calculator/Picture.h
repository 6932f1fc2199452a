#pragma once
// The program's picture, drawn centred in the widget, as large as fits with its proportions
// kept, from the source that suits the screen's pixel density at every window scale.

#include <QIcon>
#include <QPixmap>
#include <QWidget>

// The program's picture for the window icons and the calculator's corner: the SVG drawing
// where Qt SVG is there, else the PNGs rendered from it at build time, one for each size.
[[nodiscard]] QIcon programPicture();

class TPicture : public QWidget {
    Q_OBJECT

public:
    explicit TPicture(const QIcon& picture, QWidget* parent = nullptr);

    [[nodiscard]] bool HasPicture() const { return !FPicture.isNull(); }
    // Where the picture is drawn, in the widget's coordinates.
    [[nodiscard]] QRectF PictureRect() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QIcon FPicture;
    // The picture's proportions, read once: asking the icon parses the drawing every time.
    QSizeF FNaturalSize;
    // The last pixmap drawn, kept until the widget's size or pixel density changes.
    QPixmap FDrawn;
};
