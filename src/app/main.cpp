#include "CommandLine.h"
#include "Console.h"
#include "Keldaran.h"
#include "ReportCommand.h"
#include "ReportPlatform.h"
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
    // Project files named on the command line (commandLine.files) are for the schedule window.
    CreateWindows();
    Form1->show();
    return app.exec();
}
