#pragma once
// The command line's output. On Windows Keldaran is a GUI program, which has no console of its
// own: what it prints reaches the console it was started from only once it is attached there.

#include <QString>

enum class TConsoleStream { Out, Error };

// Attaches to the console of the program that started this one, where there is one and the
// output is not already sent elsewhere; nothing on other systems.
void attachParentConsole();

// One line, in UTF-8 or, on a Windows console, as the console's own wide characters.
void printLine(TConsoleStream stream, const QString& line);
