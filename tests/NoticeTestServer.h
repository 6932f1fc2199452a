#pragma once
// A tiny HTTP/1.1 responder for the notice tests: HTTPS on 127.0.0.1 with a certificate that
// the test makes with openssl and that only the test's client trusts, or plain HTTP for the
// redirect that must not be followed. One canned response per path; a path can also hang,
// reading the request and never answering.

#include <QByteArray>
#include <QFile>
#include <QHash>
#include <QHostAddress>
#include <QList>
#include <QPair>
#include <QProcess>
#include <QSslCertificate>
#include <QSslConfiguration>
#include <QSslKey>
#include <QSslServer>
#include <QSslSocket>
#include <QString>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

#include <memory>

struct TCannedResponse {
    QByteArray statusLine = "200 OK";
    QList<QPair<QByteArray, QByteArray>> headers;
    QByteArray body;
    bool sendLength = true; // without it the body ends when the connection closes
    bool hang = false;

    void addHeader(const QByteArray& name, const QByteArray& value) { headers.append(qMakePair(name, value)); }
};

// The notice's path and query on the maker's host.
inline const QByteArray kNoticePath = "/APP/api/app-widget-box.php?app=vexa017";

// A response with the given status line, Content-Type (none when empty) and body.
[[nodiscard]] inline TCannedResponse cannedResponse(const QByteArray& status, const QByteArray& contentType,
                                                    const QByteArray& body)
{
    TCannedResponse response;
    response.statusLine = status;
    if (!contentType.isEmpty())
        response.addHeader("Content-Type", contentType);
    response.body = body;
    return response;
}

// A server that reads the request and never answers.
[[nodiscard]] inline TCannedResponse silentResponse()
{
    TCannedResponse response;
    response.hang = true;
    return response;
}

// A self-signed certificate and its key, made by openssl into a temporary folder. A Windows
// test under Wine cannot start the build machine's openssl; there the folder named by
// KELDARAN_TEST_CERTIFICATES holds them ready-made under the same names, by the build
// machine's openssl before the test runs (tests/MakeTestCertificates.cmake).
struct TTestCertificate {
    QSslCertificate certificate;
    QSslKey key;

    // subjectAltName, e.g. "IP:127.0.0.1" or "DNS:elsewhere.invalid".
    [[nodiscard]] bool make(const QTemporaryDir& folder, const QString& name, const QString& subjectAltName)
    {
        const QString readyMade = qEnvironmentVariable("KELDARAN_TEST_CERTIFICATES");
        const QString dir = readyMade.isEmpty() ? folder.path() : readyMade;
        const QString keyPath = dir + QStringLiteral("/") + name + QStringLiteral(".key");
        const QString certPath = dir + QStringLiteral("/") + name + QStringLiteral(".pem");
        if (readyMade.isEmpty() && !runOpenssl(name, subjectAltName, keyPath, certPath))
            return false;
        QFile certFile(certPath);
        QFile keyFile(keyPath);
        if (!certFile.open(QIODevice::ReadOnly) || !keyFile.open(QIODevice::ReadOnly))
            return false;
        certificate = QSslCertificate(certFile.readAll(), QSsl::Pem);
        key = QSslKey(keyFile.readAll(), QSsl::Ec, QSsl::Pem);
        return !certificate.isNull() && !key.isNull();
    }

private:
    [[nodiscard]] static bool runOpenssl(const QString& name, const QString& subjectAltName, const QString& keyPath,
                                         const QString& certPath)
    {
        QProcess openssl;
        openssl.start(QStringLiteral("openssl"),
                      {QStringLiteral("req"), QStringLiteral("-x509"), QStringLiteral("-newkey"), QStringLiteral("ec"),
                       QStringLiteral("-pkeyopt"), QStringLiteral("ec_paramgen_curve:prime256v1"),
                       QStringLiteral("-nodes"), QStringLiteral("-days"), QStringLiteral("2"), QStringLiteral("-subj"),
                       QStringLiteral("/CN=") + name, QStringLiteral("-addext"),
                       QStringLiteral("subjectAltName=") + subjectAltName, QStringLiteral("-keyout"), keyPath,
                       QStringLiteral("-out"), certPath});
        return openssl.waitForFinished(30000) && openssl.exitStatus() == QProcess::NormalExit
            && openssl.exitCode() == 0;
    }
};

class TLocalHttpServer {
public:
    TLocalHttpServer() = default;
    TLocalHttpServer(const TLocalHttpServer&) = delete;
    TLocalHttpServer& operator=(const TLocalHttpServer&) = delete;
    ~TLocalHttpServer()
    {
        // Closing sockets report their disconnection, and the handlers read this object.
        if (FServer == nullptr)
            return;
        const QList<QTcpSocket*> sockets = FServer->findChildren<QTcpSocket*>();
        for (QTcpSocket* socket : sockets)
            socket->disconnect();
        FServer.reset();
    }

    // HTTPS with the given certificate, or plain HTTP when it is null.
    [[nodiscard]] bool listen(const TTestCertificate* tls = nullptr)
    {
        if (tls != nullptr) {
            auto server = std::make_unique<QSslServer>();
            QSslConfiguration configuration = QSslConfiguration::defaultConfiguration();
            configuration.setLocalCertificate(tls->certificate);
            configuration.setPrivateKey(tls->key);
            configuration.setPeerVerifyMode(QSslSocket::VerifyNone);
            server->setSslConfiguration(configuration);
            FServer = std::move(server);
            FScheme = QStringLiteral("https");
        } else {
            FServer = std::make_unique<QTcpServer>();
            FScheme = QStringLiteral("http");
        }
        QObject::connect(FServer.get(), &QTcpServer::pendingConnectionAvailable, FServer.get(), [this] {
            while (QTcpSocket* socket = FServer->nextPendingConnection())
                accept(socket);
        });
        return FServer->listen(QHostAddress::LocalHost);
    }

    void route(const QByteArray& path, const TCannedResponse& response) { FRoutes.insert(path, response); }

    // A chain /hop0 -> /hop1 -> ... -> /hop<count>, which answers with the body.
    void routeRedirectChain(int count, const QByteArray& body)
    {
        for (int hop = 0; hop < count; ++hop) {
            TCannedResponse redirect;
            redirect.statusLine = "302 Found";
            redirect.addHeader("Location", "/hop" + QByteArray::number(hop + 1));
            route("/hop" + QByteArray::number(hop), redirect);
        }
        TCannedResponse last;
        last.addHeader("Content-Type", "text/html; charset=utf-8");
        last.body = body;
        route("/hop" + QByteArray::number(count), last);
    }

    [[nodiscard]] QUrl url(const QByteArray& path) const
    {
        return QUrl(FScheme + QStringLiteral("://127.0.0.1:") + QString::number(FServer->serverPort())
                    + QString::fromLatin1(path));
    }
    [[nodiscard]] int requestCount() const { return int(FRequestedPaths.size()); }
    [[nodiscard]] const QList<QByteArray>& requestedPaths() const { return FRequestedPaths; }
    [[nodiscard]] const QByteArray& lastRequestHead() const { return FLastRequestHead; }

    // A port on 127.0.0.1 where nothing listens, for a refused connection.
    [[nodiscard]] static quint16 closedPort()
    {
        QTcpServer probe;
        if (!probe.listen(QHostAddress::LocalHost))
            return 0;
        const quint16 port = probe.serverPort();
        probe.close();
        return port;
    }

private:
    void accept(QTcpSocket* socket)
    {
        socket->setParent(FServer.get());
        QObject::connect(socket, &QTcpSocket::readyRead, socket, [this, socket] {
            QByteArray& pending = FPending[socket];
            pending += socket->readAll();
            const qsizetype headEnd = pending.indexOf("\r\n\r\n");
            if (headEnd < 0)
                return;
            const QByteArray head = pending.left(headEnd);
            pending.clear();
            FLastRequestHead = head;
            const QList<QByteArray> requestLine = head.left(head.indexOf("\r\n")).split(' ');
            const QByteArray path = requestLine.size() >= 2 ? requestLine.at(1) : QByteArray();
            FRequestedPaths.append(path);
            answer(socket, FRoutes.value(path, notFound()));
        });
        QObject::connect(socket, &QTcpSocket::disconnected, socket, [this, socket] {
            FPending.remove(socket);
            socket->deleteLater();
        });
    }

    static void answer(QTcpSocket* socket, const TCannedResponse& response)
    {
        if (response.hang)
            return;
        QByteArray message = "HTTP/1.1 " + response.statusLine + "\r\n";
        for (const auto& [name, value] : response.headers)
            message += name + ": " + value + "\r\n";
        if (response.sendLength)
            message += "Content-Length: " + QByteArray::number(response.body.size()) + "\r\n";
        message += "Connection: close\r\n\r\n" + response.body;
        socket->write(message);
        socket->disconnectFromHost();
    }

    [[nodiscard]] static TCannedResponse notFound()
    {
        TCannedResponse response;
        response.statusLine = "404 Not Found";
        return response;
    }

    std::unique_ptr<QTcpServer> FServer;
    QString FScheme;
    QHash<QByteArray, TCannedResponse> FRoutes;
    QHash<QTcpSocket*, QByteArray> FPending;
    QList<QByteArray> FRequestedPaths;
    QByteArray FLastRequestHead;
};

// Empty when this platform's TLS backend can serve the test certificate on 127.0.0.1, else why
// not. Schannel under Wine cannot load a server certificate's private key, so the suites that
// need the local HTTPS server skip there with this reason instead of failing every row; on
// Linux and on a real Windows the probe's handshake succeeds and every test runs.
[[nodiscard]] inline QString tlsServingUnavailable(const TTestCertificate& tls)
{
    TLocalHttpServer server;
    if (!server.listen(&tls))
        return QStringLiteral("the test server cannot listen on 127.0.0.1");
    QSslSocket client;
    QSslConfiguration configuration = QSslConfiguration::defaultConfiguration();
    configuration.setCaCertificates({tls.certificate});
    client.setSslConfiguration(configuration);
    bool failed = false;
    QObject::connect(&client, &QAbstractSocket::errorOccurred, &client, [&failed] { failed = true; });
    client.connectToHostEncrypted(QStringLiteral("127.0.0.1"), quint16(server.url({}).port()));
    // The server answers on this thread, so the wait must keep the event loop running.
    if (QTest::qWaitFor([&] { return client.isEncrypted() || failed; }, 10000) && client.isEncrypted())
        return {};
    return QStringLiteral("the %1 TLS backend cannot serve a local certificate here (%2)")
        .arg(QSslSocket::activeBackend(), client.errorString());
}
