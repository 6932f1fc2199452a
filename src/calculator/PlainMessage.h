#pragma once
// The calculator's plain message: the Persian text, one OK button, right to left, centred on
// the screen, modal.

#include <QMessageBox>

class TPlainMessageBox : public QMessageBox {
    Q_OBJECT

public:
    explicit TPlainMessageBox(const QString& text);

protected:
    void showEvent(QShowEvent* event) override;
};

// Shows the message and returns when the user has closed it.
void showPlainMessage(const QString& text);
