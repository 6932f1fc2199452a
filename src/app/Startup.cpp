#include "Startup.h"

#include "Picture.h"
#include "ScheduleLink.h"
#include "Unit1.h"
#include "Unit2.h"
#include "Unit3.h"
#include "Unit4.h"
#include "Unit5.h"

#include <QApplication>

// A static library's resources are registered by hand, outside any namespace.
static void initResources() { Q_INIT_RESOURCE(keldaran); }

void CreateWindows()
{
    Unit2::InitData();
    Unit3::InitData();
    Unit4::InitData();
    initResources();
    QApplication::setWindowIcon(programPicture());
    Form1 = new TForm1();
    auto* schedule = new TScheduleLink(Form1);
    QObject::connect(Form1, &TForm1::scheduleRequested, schedule, &TScheduleLink::showWindow);
    // Queued: the question about unsaved changes waits until the drop has finished.
    QObject::connect(Form1, &TForm1::projectDropped, schedule, &TScheduleLink::openProject, Qt::QueuedConnection);
    Form5 = new TForm5();
    // Closing the calculator ends the program, also while the chart window is open.
    Form5->setAttribute(Qt::WA_QuitOnClose, false);
}
