#include "CommandLine.h"
#include "Console.h"
#include "Keldaran.h"
#include "ReportCommand.h"
#include "ReportPlatform.h"
#include "ScheduleLink.h"
#include "Unit1.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    if (argc > 1)
        attachParentConsole();
    if (opensNoWindow(argc, argv))
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
    CreateWindows();
    Form1->show();
    // A project named on the command line, or double-clicked in a file manager, opens in the
    // schedule window beside the calculator; the window holds one project at a time.
    if (!commandLine.files.isEmpty())
        scheduleLink()->openProject(commandLine.files.constFirst());
    scheduleLink()->offerRecoveryAfterFirstPaint();
    return app.exec();
}
