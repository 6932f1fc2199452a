#include "NetworkState.h"

#include <QtGlobal>

#ifdef Q_OS_WIN
#include <qt_windows.h>
#include <wininet.h>
#else
#include <QNetworkInformation>
#include <QNetworkInterface>
#endif

#ifdef Q_OS_WIN

bool machineReportsNetworkConnection()
{
    // The kind of connection (modem, LAN, proxy) does not matter here, only that there is one.
    DWORD connectionFlags = 0;
    return InternetGetConnectedState(&connectionFlags, 0) != FALSE;
}

#else

namespace {

[[nodiscard]] bool anyInterfaceConnected()
{
    const QList<QNetworkInterface> interfaces = QNetworkInterface::allInterfaces();
    for (const QNetworkInterface& networkInterface : interfaces) {
        const QNetworkInterface::InterfaceFlags flags = networkInterface.flags();
        if (flags.testFlag(QNetworkInterface::IsUp) && flags.testFlag(QNetworkInterface::IsRunning)
            && !flags.testFlag(QNetworkInterface::IsLoopBack) && !networkInterface.addressEntries().isEmpty())
            return true;
    }
    return false;
}

// The backend is process-wide and is loaded once; a failed load is not retried.
[[nodiscard]] QNetworkInformation* reachabilityBackend()
{
    static const bool loaded = QNetworkInformation::loadBackendByFeatures(QNetworkInformation::Feature::Reachability);
    return loaded ? QNetworkInformation::instance() : nullptr;
}

} // namespace

bool machineReportsNetworkConnection()
{
    if (const QNetworkInformation* information = reachabilityBackend()) {
        switch (information->reachability()) {
        case QNetworkInformation::Reachability::Online: return true;
        // Site means the local network only (a captive portal, a LAN without a gateway); the
        // next check comes soon enough, and the one request is not spent on a network that
        // cannot reach the notice host.
        case QNetworkInformation::Reachability::Disconnected:
        case QNetworkInformation::Reachability::Local:
        case QNetworkInformation::Reachability::Site: return false;
        case QNetworkInformation::Reachability::Unknown: break;
        }
    }
    return anyInterfaceConnected();
}

#endif
