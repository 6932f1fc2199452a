#include "CommandLine.h"
#include "Console.h"
#include "ReportCommand.h"
#include "ReportPlatform.h"
#include "ScheduleLink.h"
#include "Startup.h"
#include "Unit1.h"

#include <QApplication>

namespace {
const QString kNoDisplay = QStringLiteral("no display to open the calculator on (neither DISPLAY nor WAYLAND_DISPLAY "
                                          "is set); a report needs none: keldaran --report OUT PROJECT");
} // namespace

int main(int argc, char* argv[])
{
    if (argc > 1)
        attachParentConsole();
    // With no window system to open on, the arguments are still read, so that a mistyped option
    // is named instead of Qt aborting for want of a display.
    const bool headless = opensNoWindow(argc, argv) || !windowSystemNamed(argc, argv);
    if (headless)
        prepareHeadless();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("keldaran"));
    QApplication::setApplicationVersion(QStringLiteral(KELDARAN_VERSION));

    const TCommandLine commandLine = parseCommandLine(QApplication::arguments());
    switch (commandLine.command) {
    case TCommand::Help:
    case TCommand::Version: printLine(TConsoleStream::Out, commandLine.text); return 0;
    case TCommand::Refuse: printLine(TConsoleStream::Error, QStringLiteral("keldaran: ") + commandLine.text); return 2;
    case TCommand::Report: return runReport(commandLine.reportPath, commandLine.projectPath);
    case TCommand::OpenWindows: break;
    }
    if (headless) {
        printLine(TConsoleStream::Error, QStringLiteral("keldaran: ") + kNoDisplay);
        return 2;
    }
    CreateWindows();
    Form1->show();
    // A project named on the command line, or double-clicked in a file manager, opens in the
    // schedule window beside the calculator; the window holds one project at a time.
    if (!commandLine.files.isEmpty())
        scheduleLink()->openProject(commandLine.files.constFirst());
    scheduleLink()->offerRecoveryAfterFirstPaint();
    return app.exec();
}
