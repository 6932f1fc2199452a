#include "Console.h"

#include <QtGlobal>

#include <cstdio>

#ifdef Q_OS_WIN
#include <windows.h>

namespace {
bool isValid(HANDLE handle) { return handle != nullptr && handle != INVALID_HANDLE_VALUE; }

bool isConsole(HANDLE handle)
{
    DWORD mode = 0;
    return isValid(handle) && GetConsoleMode(handle, &mode) != 0;
}

void writeConsole(HANDLE console, const QString& text)
{
    DWORD written = 0;
    WriteConsoleW(console, reinterpret_cast<const wchar_t*>(text.utf16()), DWORD(text.size()), &written, nullptr);
}
} // namespace

void attachParentConsole() { AttachConsole(ATTACH_PARENT_PROCESS); }

// A handle the parent handed over (a pipe or a file) gets UTF-8; a console gets wide characters,
// which it shows whatever its code page; a program started from a console without redirection
// has no handle of its own and writes to the console it attached to.
void printLine(TConsoleStream stream, const QString& line)
{
    const QString text = line + QStringLiteral("\r\n");
    const HANDLE handle = GetStdHandle(stream == TConsoleStream::Out ? STD_OUTPUT_HANDLE : STD_ERROR_HANDLE);
    if (isConsole(handle)) {
        writeConsole(handle, text);
    } else if (isValid(handle)) {
        const QByteArray bytes = text.toUtf8();
        DWORD written = 0;
        WriteFile(handle, bytes.constData(), DWORD(bytes.size()), &written, nullptr);
    } else {
        const HANDLE console = CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_WRITE, nullptr,
                                           OPEN_EXISTING, 0, nullptr);
        if (!isValid(console))
            return;
        writeConsole(console, text);
        CloseHandle(console);
    }
}

#else

void attachParentConsole() { }

void printLine(TConsoleStream stream, const QString& line)
{
    FILE* out = stream == TConsoleStream::Out ? stdout : stderr;
    std::fputs(line.toUtf8().constData(), out);
    std::fputc('\n', out);
    std::fflush(out);
}

#endif
