#pragma once
// What the command line asks for: the calculator's windows (the default), the help or the
// version, or a report written from a project file with no window at all.

#include <QString>
#include <QStringList>

enum class TCommand { OpenWindows, Help, Version, Report, Refuse };

struct TCommandLine {
    TCommand command = TCommand::OpenWindows;
    QString reportPath;  // --report OUT
    QString projectPath; // the project a report is written from
    QStringList files;   // project files named without --report, for the windows to open
    QString text;        // the help text, or for Refuse the one line that says what is wrong
};

// Whether the arguments ask for a report, the help or the version rather than the windows. Read
// before the application object exists: the platform of a run that needs no display is chosen
// before Qt starts.
[[nodiscard]] bool opensNoWindow(int argc, const char* const* argv);

// arguments as QCoreApplication::arguments() gives them, the program first.
[[nodiscard]] TCommandLine parseCommandLine(const QStringList& arguments);
