#pragma once
// What the schedule window keeps between runs, in the user's settings: the five projects opened
// last, newest first, the window's size and place, and whether the riser diagram is shown.

#include <QByteArray>
#include <QString>
#include <QStringList>

inline constexpr int kRecentFileCount = 5;

[[nodiscard]] QStringList recentFiles();
void rememberRecentFile(const QString& path);
void forgetRecentFile(const QString& path);

[[nodiscard]] QByteArray scheduleGeometry();
void keepScheduleGeometry(const QByteArray& geometry);

[[nodiscard]] bool riserShown();
void keepRiserShown(bool shown);
