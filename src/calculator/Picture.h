#pragma once
// A scalable picture drawn centred in the widget, as large as fits with its proportions kept,
// so that it stays sharp at every window scale.

#include <QSvgRenderer>
#include <QWidget>

class TSvgPicture : public QWidget {
    Q_OBJECT

public:
    explicit TSvgPicture(const QString& resource, QWidget* parent = nullptr);

    [[nodiscard]] bool HasPicture() const { return FRenderer.isValid(); }
    // Where the picture is drawn, in the widget's coordinates.
    [[nodiscard]] QRectF PictureRect() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QSvgRenderer FRenderer;
};
