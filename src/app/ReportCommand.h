#pragma once
// keldaran --report OUT PROJECT: the report written from a project file, with no window.

#include <QString>

// Exit status of a report: 0 when it is written, 2 when not.
inline constexpr int kReportWritten = 0;
inline constexpr int kReportFailed = 2;

// Reads the project and writes its report; on failure one line on stderr says why.
[[nodiscard]] int runReport(const QString& outPath, const QString& projectPath);
