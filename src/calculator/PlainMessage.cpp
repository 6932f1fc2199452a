#include "PlainMessage.h"

#include <QAbstractButton>
#include <QGuiApplication>
#include <QIcon>
#include <QScreen>

TPlainMessageBox::TPlainMessageBox(const QString& text)
    : QMessageBox(QMessageBox::NoIcon, QStringLiteral("Keldaran"), text, QMessageBox::Ok)
{
    setObjectName(QStringLiteral("PlainMessage"));
    setLayoutDirection(Qt::RightToLeft);
    setTextFormat(Qt::PlainText);
    setWindowModality(Qt::ApplicationModal);
    // Some styles put a tick on the OK button; the box is text and one plain button.
    if (QAbstractButton* ok = button(QMessageBox::Ok))
        ok->setIcon(QIcon());
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
