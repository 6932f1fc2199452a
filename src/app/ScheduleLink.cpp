#include "ScheduleLink.h"

#include "DemandDialog.h"
#include "FormSchedule.h"
#include "ScheduleAutosave.h"
#include "ScheduleRecovery.h"
#include "Unit1.h"

#include <QCloseEvent>
#include <QTimer>

TScheduleLink::TScheduleLink(TForm1* calculator)
    : QObject(calculator)
    , FCalculator(calculator)
{
    setObjectName(QStringLiteral("ScheduleLink"));
    FCalculator->installEventFilter(this);
}

// The schedule window has no parent, so that it is a window of its own on the taskbar; it goes
// with the calculator.
TScheduleLink::~TScheduleLink() { delete FWindow.data(); }

TFormSchedule* TScheduleLink::window()
{
    if (FWindow.isNull()) {
        FWindow = new TFormSchedule();
        // Closing it alone leaves the program running with the calculator.
        FWindow->setAttribute(Qt::WA_QuitOnClose, false);
        connect(FWindow, &TFormSchedule::demandRequested, this, &TScheduleLink::showDemand);
    }
    return FWindow;
}

void TScheduleLink::showWindow()
{
    TFormSchedule* schedule = window();
    schedule->show();
    schedule->raise();
    schedule->activateWindow();
}

bool TScheduleLink::openProject(const QString& path)
{
    showWindow();
    return FWindow->openFile(path);
}

void TScheduleLink::offerRecovery()
{
    const auto copies = TScheduleAutosave::leftBehind();
    if (copies.empty())
        return;
    const TScheduleAutosave::TLeftBehind& newest = copies.front();
    switch (askToRestore(FCalculator, newest)) {
    case TRestoreAnswer::Restore:
        showWindow();
        FWindow->restoreAutosave(newest);
        break;
    case TRestoreAnswer::ThrowAway: TScheduleAutosave::throwAway(newest.AutosavePath); break;
    case TRestoreAnswer::Later: break;
    }
}

void TScheduleLink::offerRecoveryAfterFirstPaint() { FOfferPending = true; }

bool TScheduleLink::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != FCalculator)
        return false;
    if (event->type() == QEvent::Paint && FOfferPending) {
        FOfferPending = false;
        // The question waits until the calculator is on the screen and the paint is done.
        QTimer::singleShot(0, this, &TScheduleLink::offerRecovery);
    }
    if (event->type() == QEvent::Close && !FWindow.isNull() && FWindow->isVisible() && !FWindow->close()) {
        event->ignore();
        return true;
    }
    return false;
}

void TScheduleLink::showDemand(Design::TSupply supply)
{
    if (FDemand == nullptr) {
        FDemand = new TDemandDialog(FWindow);
        connect(FDemand, &TDemandDialog::loadApplied, FWindow, &TFormSchedule::applyDemandLoad);
    }
    FDemand->setSupply(supply);
    FDemand->show();
    FDemand->raise();
    FDemand->activateWindow();
}

TScheduleLink* scheduleLink()
{
    return Form1 == nullptr ? nullptr : Form1->findChild<TScheduleLink*>(QStringLiteral("ScheduleLink"));
}
