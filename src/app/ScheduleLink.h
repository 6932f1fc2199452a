#pragma once
// The wiring between the calculator and the schedule window, which do not know each other. The
// schedule window is made on first use (the calculator's button, Ctrl+T, a project named on the
// command line or dropped on a window), never at start-up. Closing the calculator, which ends the
// program, first closes the schedule window, so that its unsaved changes are asked about. The
// demand helper a row asks for is an instance of the calculator's own, whose Apply writes the
// load into that row. After the calculator's first paint, a copy of a project that a crash left
// behind is offered once.

#include "Demand.h"

#include <QObject>
#include <QPointer>

class TDemandDialog;
class TForm1;
class TFormSchedule;

class TScheduleLink : public QObject {
    Q_OBJECT

public:
    explicit TScheduleLink(TForm1* calculator);
    ~TScheduleLink() override;

    [[nodiscard]] bool hasWindow() const { return !FWindow.isNull(); }
    // The schedule window, made now if it does not exist yet.
    [[nodiscard]] TFormSchedule* window();
    void showWindow();
    // Shows the window with the project, after the question about unsaved changes there.
    bool openProject(const QString& path);
    // Asks whether to restore the newest copy a crash left behind, if there is one.
    void offerRecovery();
    // The same, once, when the calculator has been painted for the first time.
    void offerRecoveryAfterFirstPaint();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void showDemand(Design::TSupply supply);

    TForm1* FCalculator;
    QPointer<TFormSchedule> FWindow;
    TDemandDialog* FDemand = nullptr;
    bool FOfferPending = false;
};

// The link CreateWindows made for the calculator Form1.
[[nodiscard]] TScheduleLink* scheduleLink();
