#pragma once
// A filled rectangle or circle with a dark outline: the pipe-range bar and its marker.

#include <QColor>
#include <QWidget>

class TFilledShape : public QWidget {
    Q_OBJECT

public:
    enum class TShapeKind { Rectangle, Circle };

    explicit TFilledShape(TShapeKind kind, QWidget* parent = nullptr);

    [[nodiscard]] TShapeKind Kind() const { return FKind; }
    [[nodiscard]] QColor FillColor() const { return FFillColor; }
    // Repaints.
    void setFillColor(const QColor& color);
    [[nodiscard]] int OutlineWidth() const { return FOutlineWidth; }
    void setOutlineWidth(int widthPx);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    TShapeKind FKind;
    QColor FFillColor = Qt::white;
    int FOutlineWidth = 1;
};
