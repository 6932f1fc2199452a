#pragma once
// Answers the message boxes a window opens, in order, each with a named standard button, as a
// user would click it (never the default button: which one that is, and where, changes with the
// layout direction). A short repeating timer waits until the box is the active modal widget, so
// nothing is pressed before exec() has started. A box beyond the answers given is closed with
// its escape button and counted, so that a test never hangs on a prompt it did not expect.

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>

#include <utility>

class TPromptAnswers {
public:
    explicit TPromptAnswers(QList<QMessageBox::StandardButton> answers)
        : FAnswers(std::move(answers))
    {
        FTimer.setInterval(10);
        QObject::connect(&FTimer, &QTimer::timeout, [this] { answerActive(); });
        FTimer.start();
    }

    // Every answer was given, to a box that had that button, and no other box came.
    [[nodiscard]] bool allGiven() const { return FGiven == FAnswers.size() && FUnexpected == 0 && !FMissingButton; }
    [[nodiscard]] const QStringList& texts() const { return FTexts; }

private:
    void answerActive()
    {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        // A box on the stack may take the address of the one before it; the mark is on the box.
        if (box == nullptr || !box->isVisible() || box->property(kAnswered).toBool())
            return;
        box->setProperty(kAnswered, true);
        FTexts << box->text();
        if (FGiven >= FAnswers.size()) {
            ++FUnexpected;
            box->reject();
            return;
        }
        QAbstractButton* button = box->button(FAnswers[FGiven++]);
        if (button == nullptr) {
            FMissingButton = true;
            box->reject();
            return;
        }
        button->click();
    }

    QList<QMessageBox::StandardButton> FAnswers;
    qsizetype FGiven = 0;
    int FUnexpected = 0;
    bool FMissingButton = false;
    QStringList FTexts;
    static constexpr const char* kAnswered = "promptAnswered";
    QTimer FTimer;
};
