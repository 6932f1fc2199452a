#pragma once
// The flat push button of the calculator window: a filled rounded rectangle whose colour
// follows the mouse (normal, hover, pressed) with one centred caption line. It is worked with
// the mouse alone: no focus, no keyboard operation, no disabled look.
//
// The colour and caption setters only store the value; the owner asks for the repaint.

#include <QColor>
#include <QString>
#include <QWidget>

class TWin11Button : public QWidget {
    Q_OBJECT

public:
    explicit TWin11Button(QWidget* parent = nullptr);

    [[nodiscard]] QString Caption() const { return FCaption; }
    void setCaption(const QString& caption) { FCaption = caption; }
    [[nodiscard]] QColor ColorNormal() const { return FColorNormal; }
    void setColorNormal(const QColor& color) { FColorNormal = color; }
    [[nodiscard]] QColor ColorHover() const { return FColorHover; }
    void setColorHover(const QColor& color) { FColorHover = color; }
    [[nodiscard]] QColor ColorPressed() const { return FColorPressed; }
    void setColorPressed(const QColor& color) { FColorPressed = color; }
    [[nodiscard]] QColor FontColor() const { return FFontColor; }
    void setFontColor(const QColor& color) { FFontColor = color; }

    [[nodiscard]] QSize sizeHint() const override;

signals:
    // Exactly once per completed press, wherever the pointer is at the release.
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void applyLeave();

    bool FHover = false;
    bool FPressed = false;
    // A leave that arrives while a button is still held waits for the last release, as the
    // pointer stays with the control for the whole press.
    bool FLeavePending = false;
    Qt::MouseButtons FHeldButtons;
    QColor FColorNormal;
    QColor FColorHover;
    QColor FColorPressed;
    QColor FFontColor;
    QString FCaption;
};
