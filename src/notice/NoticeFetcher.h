#pragma once
// The one HTTPS request of the notice box. It runs on the event loop, so the window keeps
// painting and taking input while the maker's host is slow or silent. The request either ends
// in fetched() with the cleaned text or in failed(), which the window keeps to itself: a notice
// that cannot be had is simply not shown.

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QSslCertificate>
#include <QString>
#include <QUrl>

#include <chrono>

class QNetworkAccessManager;
class QNetworkReply;

// The endpoint on the maker's host; the host is a build setting (KELDARAN_NOTICE_HOST).
[[nodiscard]] QUrl noticeEndpointUrl();

class TNoticeFetcher : public QObject {
    Q_OBJECT

public:
    // No bytes moving for this long, while connecting, sending or receiving, ends the request.
    static constexpr std::chrono::milliseconds kTransferTimeout{60000};
    static constexpr int kMaxRedirects = 5;

    explicit TNoticeFetcher(QObject* parent = nullptr);
    ~TNoticeFetcher() override;

    // When not empty, these certificates are trusted instead of the system's trust store; tests
    // trust their own local server's certificate, and nothing else, this way.
    void setTrustedCertificates(const QList<QSslCertificate>& certificates);
    void setTransferTimeout(std::chrono::milliseconds timeout);

    // Sends the GET. False, and nothing sent, when a request was already started.
    bool start(const QUrl& url);
    [[nodiscard]] bool isRunning() const { return FReply != nullptr; }

signals:
    void fetched(const QString& text);
    void failed();

private:
    void ReplyReadyRead();
    void ReplyFinished();
    void finishWithFailure();

    QNetworkAccessManager* FManager;
    QNetworkReply* FReply = nullptr;
    QByteArray FBody;
    QList<QSslCertificate> FTrustedCertificates;
    std::chrono::milliseconds FTransferTimeout = kTransferTimeout;
    bool FStarted = false;
};
