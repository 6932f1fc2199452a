#include "PlainMessage.h"

#include <QGuiApplication>
#include <QScreen>

TPlainMessageBox::TPlainMessageBox(const QString& text) :
    QMessageBox(QMessageBox::NoIcon, QStringLiteral("Keldaran"), text, QMessageBox::Ok)
{
    setObjectName(QStringLiteral("PlainMessage"));
    setLayoutDirection(Qt::RightToLeft);
    setTextFormat(Qt::PlainText);
    setWindowModality(Qt::ApplicationModal);
}

void TPlainMessageBox::showEvent(QShowEvent* event)
{
    // The box settles its size here; it is then centred on the screen, not over the window
    // that was active, and before it is mapped, so it never jumps.
    QMessageBox::showEvent(event);
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr)
        return;
    QRect frame = frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    move(frame.topLeft());
}

void showPlainMessage(const QString& text)
{
    TPlainMessageBox box(text);
    box.exec();
}
