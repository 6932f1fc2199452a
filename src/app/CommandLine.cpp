#include "CommandLine.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <cstring>

namespace {
const QString kReportOption = QStringLiteral("report");
const char kReportArgument[] = "--report";

const QString kDescription = QStringLiteral(
    "Sizes galvanized drinking-water pipes from the friction-loss nomogram. Without options it opens the "
    "calculator.");
const QString kReportDescription = QStringLiteral(
    "Writes the sizing report of PROJECT to OUT, a .csv or .pdf file, and opens no window. Exits with 0 when "
    "the report is written, or with 2 and one line on stderr when it is not.");
const QString kProjectDescription = QStringLiteral("A project file (.keldaran).");
const QString kNoProject = QStringLiteral("--report needs the project file to report on: keldaran --report OUT "
                                          "PROJECT");
const QString kTooMany = QStringLiteral("--report writes one project's report: keldaran --report OUT PROJECT");
constexpr int kReportArguments = 1;

TCommandLine refused(const QString& line)
{
    TCommandLine commandLine;
    commandLine.command = TCommand::Refuse;
    commandLine.text = line;
    return commandLine;
}
} // namespace

bool asksForReport(int argc, const char* const* argv)
{
    const std::size_t length = std::strlen(kReportArgument);
    for (int i = 1; i < argc; ++i)
        if (std::strncmp(argv[i], kReportArgument, length) == 0 && (argv[i][length] == '\0' || argv[i][length] == '='))
            return true;
    return false;
}

TCommandLine parseCommandLine(const QStringList& arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(kDescription);
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    const QCommandLineOption report(kReportOption, kReportDescription, QStringLiteral("OUT"));
    parser.addOption(report);
    parser.addPositionalArgument(QStringLiteral("PROJECT"), kProjectDescription, QStringLiteral("[PROJECT]"));
    if (!parser.parse(arguments))
        return refused(parser.errorText());

    TCommandLine commandLine;
    if (parser.isSet(help)) {
        commandLine.command = TCommand::Help;
        commandLine.text = parser.helpText();
        while (commandLine.text.endsWith(u'\n'))
            commandLine.text.chop(1);
    } else if (parser.isSet(version)) {
        commandLine.command = TCommand::Version;
        commandLine.text = QCoreApplication::applicationName() + u' ' + QCoreApplication::applicationVersion();
    } else if (parser.isSet(report)) {
        const QStringList projects = parser.positionalArguments();
        if (projects.isEmpty())
            return refused(kNoProject);
        if (projects.size() > kReportArguments)
            return refused(kTooMany);
        commandLine.command = TCommand::Report;
        commandLine.reportPath = parser.value(report);
        commandLine.projectPath = projects.constFirst();
    } else {
        commandLine.files = parser.positionalArguments();
    }
    return commandLine;
}
