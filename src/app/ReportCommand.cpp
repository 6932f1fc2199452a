#include "ReportCommand.h"

#include "Console.h"
#include "ProjectFile.h"
#include "Report.h"

int runReport(const QString& outPath, const QString& projectPath)
{
    Project::TProject project;
    QString message;
    if (!Project::readProject(projectPath, project, message) || !Report::writeReport(outPath, project, message)) {
        printLine(TConsoleStream::Error, QStringLiteral("keldaran: ") + message);
        return kReportFailed;
    }
    return kReportWritten;
}
