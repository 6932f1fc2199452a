#include "CommandLine.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <algorithm>
#include <array>
#include <string_view>

namespace {
const QString kReportOption = QStringLiteral("report");

const QString kDescription = QStringLiteral(
    "Sizes galvanized drinking-water pipes from the friction-loss nomogram. Without options it opens the "
    "calculator.");
const QString kReportDescription = QStringLiteral(
    "Writes the sizing report of PROJECT to OUT, a .csv or .pdf file, or its results as a .json file, and "
    "opens no window. Exits with 0 when the report is written, or with 2 and one line on stderr when it is not.");
const QString kProjectDescription = QStringLiteral("A project file (.keldaran).");
const QString kNoProject = QStringLiteral("--report needs the project file to report on: keldaran --report OUT "
                                          "PROJECT");
const QString kTooMany = QStringLiteral("--report writes one project's report: keldaran --report OUT PROJECT");
constexpr int kReportArguments = 1;

// Qt takes options of its own (-style, -platform, -reverse) out of the arguments before the
// parser sees them; only these of ours open no window.
constexpr std::string_view kReportArgument = "--report";
constexpr std::string_view kReportAssigned = "--report=";
constexpr std::array<std::string_view, 6> kNoWindowOptions{"-h", "-?", "--help", "--help-all", "-v", "--version"};

TCommandLine refused(const QString& line)
{
    TCommandLine commandLine;
    commandLine.command = TCommand::Refuse;
    commandLine.text = line;
    return commandLine;
}
} // namespace

bool opensNoWindow(int argc, const char* const* argv)
{
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument(argv[i]);
        const bool isReport = argument == kReportArgument || argument.starts_with(kReportAssigned);
        if (isReport || std::find(kNoWindowOptions.begin(), kNoWindowOptions.end(), argument) != kNoWindowOptions.end())
            return true;
    }
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
    if (parser.isSet(help) || parser.isSet(QStringLiteral("help-all"))) {
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
