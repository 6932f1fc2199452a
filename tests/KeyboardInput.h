#pragma once
// Keys as a user types them: to whatever has the focus, in an active window. A cell's editor
// commits Enter after the key has been handled, through the event queue, as it does between a
// user's keys, so the queue is run after each key.

#include <QApplication>
#include <QTest>

inline void press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QTest::keyClick(QApplication::focusWidget(), static_cast<Qt::Key>(key), modifiers);
    QCoreApplication::processEvents();
}

inline void type(const QString& text)
{
    for (const QChar c : text) {
        QTest::keyClick(QApplication::focusWidget(), c.toLatin1());
        QCoreApplication::processEvents();
    }
}

// As a click or a Tab would put it there.
[[nodiscard]] inline bool giveFocus(QWidget* widget)
{
    widget->window()->activateWindow();
    if (!QTest::qWaitForWindowActive(widget->window()))
        return false;
    widget->setFocus();
    return QApplication::focusWidget() == widget;
}
