#include "ReportPlatform.h"

#include <QByteArray>
#include <QtGlobal>

#include <array>
#include <string_view>

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

bool windowSystemNamed(int argc, const char* const* argv)
{
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    // Qt reads its options with one dash or two.
    constexpr std::array<std::string_view, 2> kPlatformOptions{"-platform", "--platform"};
    constexpr std::array<const char*, 3> kPlatformVariables{"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"};
    for (const char* name : kPlatformVariables)
        if (!qEnvironmentVariableIsEmpty(name))
            return true;
    for (int i = 1; i < argc; ++i)
        for (std::string_view option : kPlatformOptions)
            if (std::string_view(argv[i]) == option)
                return true;
    return false;
#else
    Q_UNUSED(argc);
    Q_UNUSED(argv);
    return true;
#endif
}
