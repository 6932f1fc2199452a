#include "ScheduleSettings.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>

namespace {

const QString kOrganization = QStringLiteral("Keldaran");
const QString kApplication = QStringLiteral("keldaran");
const QString kRecentKey = QStringLiteral("schedule/recentFiles");
const QString kGeometryKey = QStringLiteral("schedule/geometry");
const QString kRiserShownKey = QStringLiteral("schedule/riserShown");

// Named here rather than through the application's names, which the tests' programs do not share.
QVariant setting(const QString& key) { return QSettings(kOrganization, kApplication).value(key); }
void keep(const QString& key, const QVariant& value) { QSettings(kOrganization, kApplication).setValue(key, value); }

} // namespace

QStringList recentFiles() { return setting(kRecentKey).toStringList().mid(0, kRecentFileCount); }

void rememberRecentFile(const QString& path)
{
    const QString absolute = QFileInfo(path).absoluteFilePath();
    QStringList files = recentFiles();
    files.removeAll(absolute);
    files.prepend(absolute);
    keep(kRecentKey, files.mid(0, kRecentFileCount));
}

void forgetRecentFile(const QString& path)
{
    QStringList files = recentFiles();
    files.removeAll(QFileInfo(path).absoluteFilePath());
    keep(kRecentKey, files);
}

QByteArray scheduleGeometry() { return setting(kGeometryKey).toByteArray(); }
void keepScheduleGeometry(const QByteArray& geometry) { keep(kGeometryKey, geometry); }

// Shown until the user hides it.
bool riserShown()
{
    const QVariant shown = setting(kRiserShownKey);
    return !shown.isValid() || shown.toBool();
}
void keepRiserShown(bool shown) { keep(kRiserShownKey, shown); }
