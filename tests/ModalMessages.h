#pragma once
// Reads and closes the modal message boxes that a handler opens: a short repeating timer looks
// at QApplication::activeModalWidget(), so a test never hangs on a box it did not expect.

#include <QApplication>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

struct TSeenMessage {
    QString Text;
    bool RightToLeft = false;
    int Buttons = 0;
    bool Centred = false;
};

class TModalMessages {
public:
    TModalMessages()
    {
        FTimer.setInterval(10);
        QObject::connect(&FTimer, &QTimer::timeout, [this] { closeActive(); });
        FTimer.start();
    }

    [[nodiscard]] const QList<TSeenMessage>& seen() const { return FSeen; }
    [[nodiscard]] QStringList texts() const
    {
        QStringList all;
        for (const TSeenMessage& message : FSeen)
            all << message.Text;
        return all;
    }

private:
    void closeActive()
    {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr || !box->isVisible())
            return;
        const QPoint screenCentre = QGuiApplication::primaryScreen()->availableGeometry().center();
        const QPoint boxCentre = box->frameGeometry().center();
        FSeen.append({box->text(), box->layoutDirection() == Qt::RightToLeft, static_cast<int>(box->buttons().size()),
                      (boxCentre - screenCentre).manhattanLength() <= 2});
        box->accept();
    }

    QTimer FTimer;
    QList<TSeenMessage> FSeen;
};
