// The notice box's handlers: a connection check every three seconds until the first yes, then
// one request, whose answer fills the box or is dropped without a word.
#include "Unit1.h"

#include "NoticeFetcher.h"

#include <QTimer>

void TForm1::TimerInternetTimer()
{
    // A tick queued before the timer stopped must not start a second request.
    if (FNoticeState != TNoticeState::Waiting || !HasInternet())
        return;
    TimerInternet->stop();
    LoadWidgetFromServer();
}

bool TForm1::HasInternet() const { return FConnectionCheck && FConnectionCheck(); }

void TForm1::LoadWidgetFromServer()
{
    if (FNoticeState != TNoticeState::Waiting)
        return;
    FNoticeState = TNoticeState::Fetching;
    // The answer arrives later on the event loop; see the handlers bound in connectHandlers.
    if (!NetHTTPClient1->start(FNoticeUrl))
        FNoticeState = TNoticeState::GivenUp;
}

void TForm1::setConnectionCheckInterval(std::chrono::milliseconds interval)
{
    TimerInternet->setInterval(static_cast<int>(interval.count()));
}
