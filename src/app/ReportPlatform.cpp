#include "ReportPlatform.h"

#include <QByteArray>
#include <QtGlobal>

namespace {
void discard(QtMsgType, const QMessageLogContext&, const QString&) { }
} // namespace

// Windows' own platform needs no display of its own and brings the system's fonts, which the
// PDF embeds; elsewhere the window system may be missing altogether (a build server, ssh), and
// the offscreen platform draws without one.
void prepareHeadless()
{
#ifndef Q_OS_WIN
    qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("offscreen"));
#endif
    qInstallMessageHandler(discard);
}
