#include "NoticeFetcher.h"

#include "HtmlText.h"
#include "NoticeBody.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QSslConfiguration>

namespace {

constexpr QLatin1StringView kNoticePathAndQuery{"/APP/api/app-widget-box.php?app=vexa017"};

// An error that only repeats the response's HTTP status (404, 500, ...): the body that came with
// it is the notice all the same. Every other error means no complete body arrived.
[[nodiscard]] bool isStatusOnlyError(const QNetworkReply& reply)
{
    const int status = reply.attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    if (status < 400)
        return false;
    const int code = reply.error();
    const bool contentError = code >= QNetworkReply::ContentAccessDenied && code <= QNetworkReply::UnknownContentError
        && code != QNetworkReply::ContentReSendError;
    const bool serverError = code >= QNetworkReply::InternalServerError && code <= QNetworkReply::UnknownServerError;
    return contentError || serverError;
}

} // namespace

QUrl noticeEndpointUrl()
{
    return QUrl(QLatin1StringView("https://") + QLatin1StringView(KELDARAN_NOTICE_HOST) + kNoticePathAndQuery);
}

TNoticeFetcher::TNoticeFetcher(QObject* parent)
    : QObject(parent)
    , FManager(new QNetworkAccessManager(this))
{
}

TNoticeFetcher::~TNoticeFetcher()
{
    if (FReply != nullptr) {
        FReply->disconnect(this);
        FReply->abort();
    }
}

void TNoticeFetcher::setTrustedCertificates(const QList<QSslCertificate>& certificates)
{
    FTrustedCertificates = certificates;
}

void TNoticeFetcher::setTransferTimeout(std::chrono::milliseconds timeout) { FTransferTimeout = timeout; }

bool TNoticeFetcher::start(const QUrl& url)
{
    if (FStarted)
        return false;
    FStarted = true;

    QNetworkRequest request(url);
    // Qt would otherwise ask for gzip and inflate without a bound; the body is asked for as it
    // is, and a server that compresses it anyway is inflated here under the size cap.
    request.setRawHeader("Accept-Encoding", "identity");
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
    request.setMaximumRedirectsAllowed(kMaxRedirects);
    request.setTransferTimeout(static_cast<int>(FTransferTimeout.count()));
    if (!FTrustedCertificates.isEmpty()) {
        QSslConfiguration configuration = QSslConfiguration::defaultConfiguration();
        configuration.setCaCertificates(FTrustedCertificates);
        request.setSslConfiguration(configuration);
    }

    FReply = FManager->get(request);
    connect(FReply, &QNetworkReply::readyRead, this, &TNoticeFetcher::ReplyReadyRead);
    connect(FReply, &QNetworkReply::finished, this, &TNoticeFetcher::ReplyFinished);
    return true;
}

void TNoticeFetcher::ReplyReadyRead()
{
    // A reply that timed out or was cancelled is closed and has nothing left to read.
    if (FReply == nullptr || !FReply->isReadable())
        return;
    const qsizetype room = kNoticeMaxBodyBytes - FBody.size();
    if (FReply->bytesAvailable() > room) {
        finishWithFailure();
        return;
    }
    FBody += FReply->readAll();
}

void TNoticeFetcher::ReplyFinished()
{
    if (FReply == nullptr)
        return;
    ReplyReadyRead();
    if (FReply == nullptr)
        return;
    if (FReply->error() != QNetworkReply::NoError && !isStatusOnlyError(*FReply)) {
        finishWithFailure();
        return;
    }
    const QByteArray contentType = FReply->rawHeader("Content-Type");
    const QByteArray contentEncoding = FReply->rawHeader("Content-Encoding");
    FReply->deleteLater();
    FReply = nullptr;

    QString text;
    if (!decodeNoticeBody(FBody, contentType, contentEncoding, text)) {
        emit failed();
        return;
    }
    FBody.clear();
    emit fetched(StripHTMLImproved(text));
}

void TNoticeFetcher::finishWithFailure()
{
    QNetworkReply* reply = FReply;
    FReply = nullptr;
    FBody.clear();
    reply->disconnect(this);
    reply->abort();
    reply->deleteLater();
    emit failed();
}
