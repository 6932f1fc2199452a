#pragma once
// Quits the event loop once the watched window has painted for the first time: the end of a
// start-up as the start-up benchmarks time it. Qt alone, so that bare_window links nothing of
// Keldaran's.

#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <QTimer>

class TFirstPaintQuit : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && !FSeen) {
            FSeen = true;
            QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    bool FSeen = false;
};
