// The notice request against a real HTTPS server on 127.0.0.1, whose self-signed certificate
// only this test's client trusts.
#include "NoticeBody.h"
#include "NoticeFetcher.h"
#include "NoticeTestServer.h"

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

Q_DECLARE_METATYPE(TCannedResponse)

namespace {

constexpr int kOutcomeTimeoutMs = 15000;

} // namespace

class TestNoticeFetch : public QObject {
    Q_OBJECT

private:
    QTemporaryDir FFolder;
    TTestCertificate FLocal;     // for 127.0.0.1, trusted
    TTestCertificate FElsewhere; // trusted, but names another host
    TTestCertificate FStranger;  // for 127.0.0.1, never trusted

    // A fetcher that trusts the local test certificates and nothing else.
    std::unique_ptr<TNoticeFetcher> makeFetcher()
    {
        auto fetcher = std::make_unique<TNoticeFetcher>();
        fetcher->setTrustedCertificates({FLocal.certificate, FElsewhere.certificate});
        return fetcher;
    }

    // Runs one fetch of url; true when it ended in fetched(), with the text.
    bool fetch(const QUrl& url, QString& text)
    {
        const auto fetcher = makeFetcher();
        QSignalSpy fetched(fetcher.get(), &TNoticeFetcher::fetched);
        QSignalSpy failed(fetcher.get(), &TNoticeFetcher::failed);
        if (!fetcher->start(url))
            return false;
        if (!QTest::qWaitFor([&] { return fetched.count() + failed.count() > 0; }, kOutcomeTimeoutMs))
            return false;
        QTest::qWait(10); // a second outcome would be a fault
        if (fetched.count() + failed.count() != 1 || fetcher->isRunning())
            return false;
        if (fetched.isEmpty())
            return false;
        text = fetched.first().first().toString();
        return true;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(FFolder.isValid());
        QVERIFY(FLocal.make(FFolder, QStringLiteral("local"), QStringLiteral("IP:127.0.0.1")));
        QVERIFY(FElsewhere.make(FFolder, QStringLiteral("elsewhere"), QStringLiteral("DNS:elsewhere.invalid")));
        QVERIFY(FStranger.make(FFolder, QStringLiteral("stranger"), QStringLiteral("IP:127.0.0.1")));
        if (const QString reason = tlsServingUnavailable(FLocal); !reason.isEmpty())
            QSKIP(qPrintable(reason));
    }

    void endpoint()
    {
        const QUrl url = noticeEndpointUrl();
        QCOMPARE(url.scheme(), QStringLiteral("https"));
        QCOMPARE(url.path(), QStringLiteral("/APP/api/app-widget-box.php"));
        QCOMPARE(url.query(), QStringLiteral("app=vexa017"));
        QVERIFY(!url.host().isEmpty());
    }

    void served_data()
    {
        // clang-format off
        QTest::addColumn<TCannedResponse>("response");
        QTest::addColumn<bool>("shown");
        QTest::addColumn<QString>("text");
        const QString twoLines = QString::fromUtf8("\u0633\u0644\u0627\u0645\r\nNotice&amp;");
        const QByteArray markup = QString::fromUtf8("<p>\u0633\u0644\u0627\u0645<br/>Notice&amp;</p>\n").toUtf8();

        QTest::newRow("UTF-8 notice") << cannedResponse("200 OK", "text/html; charset=UTF-8", markup) << true << twoLines;
        QTest::newRow("windows-1256 notice")
            << cannedResponse("200 OK", "text/html; charset=windows-1256", "<b>\xd3\xe1\xc7\xe3</b>&nbsp;!") << true
            << QString::fromUtf8("\u0633\u0644\u0627\u0645 !");
        QTest::newRow("no charset named") << cannedResponse("200 OK", "text/html", markup) << true << twoLines;
        QTest::newRow("no Content-Type") << cannedResponse("200 OK", {}, markup) << true << twoLines;
        TCannedResponse gzip = cannedResponse("200 OK", "text/html; charset=utf-8", {});
        // "<p>gzip<br>body</p>" as gzip -9 -n writes it.
        gzip.body = QByteArray::fromBase64("H4sIAAAAAAACA7MpsEuvyiywSSqyS8pPqbTRL7ADANLh3GETAAAA");
        gzip.addHeader("Content-Encoding", "gzip");
        QTest::newRow("gzip body") << gzip << true << QStringLiteral("gzip\r\nbody");
        QTest::newRow("error status with a body")
            << cannedResponse("500 Internal Server Error", "text/html", "<h1>Down for repair</h1>") << true
            << QStringLiteral("Down for repair");
        QTest::newRow("not found with a body")
            << cannedResponse("404 Not Found", "text/html", "<p>gone</p>") << true << QStringLiteral("gone");
        QTest::newRow("empty body") << cannedResponse("200 OK", "text/html", {}) << true << QString();
        QTest::newRow("undecodable charset")
            << cannedResponse("200 OK", "text/html; charset=x-no-such-charset", markup) << false << QString();
        QTest::newRow("body of exactly the cap")
            << cannedResponse("200 OK", "text/plain", QByteArray(kNoticeMaxBodyBytes, 'a')) << true
            << QString(kNoticeMaxBodyBytes, u'a');
        QTest::newRow("over-cap body") << cannedResponse("200 OK", "text/plain", QByteArray(kNoticeMaxBodyBytes + 1, 'a'))
                                       << false << QString();
        TCannedResponse unbounded = cannedResponse("200 OK", "text/plain", QByteArray(4 * kNoticeMaxBodyBytes, 'a'));
        unbounded.sendLength = false;
        QTest::newRow("over-cap body without a length") << unbounded << false << QString();
        // clang-format on
    }
    void served()
    {
        QFETCH(TCannedResponse, response);
        QFETCH(bool, shown);
        QFETCH(QString, text);
        TLocalHttpServer server;
        QVERIFY(server.listen(&FLocal));
        server.route(kNoticePath, response);
        QString result;
        QCOMPARE(fetch(server.url(kNoticePath), result), shown);
        if (shown)
            QCOMPARE(result, text);
        QCOMPARE(server.requestCount(), 1);
        // No compression is asked for; a compressed body is the server's own choice.
        QVERIFY(server.lastRequestHead().contains("\r\nAccept-Encoding: identity"));
    }

    void unreachable_data()
    {
        // clang-format off
        QTest::addColumn<QString>("failure");
        QTest::newRow("refused connection") << "refused";
        QTest::newRow("certificate nobody trusts") << "stranger";
        QTest::newRow("certificate for another host") << "elsewhere";
        QTest::newRow("redirect from HTTPS to plain HTTP") << "downgrade";
        // clang-format on
    }
    void unreachable()
    {
        QFETCH(QString, failure);
        TLocalHttpServer server;
        TLocalHttpServer plain;
        QVERIFY(plain.listen());
        plain.route(kNoticePath, cannedResponse("200 OK", "text/html", "plain text over HTTP"));
        QUrl url;
        if (failure == QLatin1String("refused")) {
            url = QUrl(QStringLiteral("https://127.0.0.1:%1").arg(TLocalHttpServer::closedPort()) + kNoticePath);
        } else {
            QVERIFY(server.listen(failure == QLatin1String("stranger")        ? &FStranger
                                      : failure == QLatin1String("elsewhere") ? &FElsewhere
                                                                              : &FLocal));
            TCannedResponse downgrade = cannedResponse("301 Moved Permanently", {}, {});
            downgrade.addHeader("Location", plain.url(kNoticePath).toEncoded());
            server.route(kNoticePath,
                         failure == QLatin1String("downgrade") ? downgrade : cannedResponse("200 OK", {}, "hidden"));
            url = server.url(kNoticePath);
        }
        QString result = QStringLiteral("untouched");
        QVERIFY(!fetch(url, result));
        QCOMPARE(result, QStringLiteral("untouched"));
        QCOMPARE(plain.requestCount(), 0);
    }

    void redirects_data()
    {
        // clang-format off
        QTest::addColumn<int>("hops");
        QTest::addColumn<bool>("shown");
        QTest::newRow("one redirect followed") << 1 << true;
        QTest::newRow("five redirects followed") << 5 << true;
        QTest::newRow("six redirects refused") << 6 << false;
        // clang-format on
    }
    void redirects()
    {
        QFETCH(int, hops);
        QFETCH(bool, shown);
        TLocalHttpServer server;
        QVERIFY(server.listen(&FLocal));
        server.routeRedirectChain(hops, "<p>after the hops</p>");
        QString result;
        QCOMPARE(fetch(server.url("/hop0"), result), shown);
        if (shown)
            QCOMPARE(result, QStringLiteral("after the hops"));
        // Refused at the sixth Location: the page it names is never asked for.
        QCOMPARE(server.requestCount(), qMin(hops, TNoticeFetcher::kMaxRedirects) + 1);
    }

    // A host that never answers: the event loop keeps running while the request waits, and the
    // transfer timeout ends it as a failure.
    void silentServer()
    {
        TLocalHttpServer server;
        QVERIFY(server.listen(&FLocal));
        server.route(kNoticePath, silentResponse());
        const auto fetcher = makeFetcher();
        fetcher->setTransferTimeout(std::chrono::milliseconds(1000));
        QSignalSpy fetched(fetcher.get(), &TNoticeFetcher::fetched);
        QSignalSpy failed(fetcher.get(), &TNoticeFetcher::failed);
        QVERIFY(fetcher->start(server.url(kNoticePath)));
        QTRY_COMPARE_WITH_TIMEOUT(server.requestCount(), 1, kOutcomeTimeoutMs);

        bool fired = false;
        QTimer::singleShot(0, this, [&] { fired = true; });
        QTRY_VERIFY_WITH_TIMEOUT(fired, 50);
        QVERIFY(fetcher->isRunning());
        QCOMPARE(fetched.count() + failed.count(), 0);

        QTRY_COMPARE_WITH_TIMEOUT(failed.count(), 1, kOutcomeTimeoutMs);
        QCOMPARE(fetched.count(), 0);
        QVERIFY(!fetcher->isRunning());
    }

    void startsOnlyOnce()
    {
        TLocalHttpServer server;
        QVERIFY(server.listen(&FLocal));
        server.route(kNoticePath, cannedResponse("200 OK", "text/html", "once"));
        const auto fetcher = makeFetcher();
        QSignalSpy fetched(fetcher.get(), &TNoticeFetcher::fetched);
        QVERIFY(fetcher->start(server.url(kNoticePath)));
        QVERIFY(!fetcher->start(server.url(kNoticePath)));
        QTRY_COMPARE_WITH_TIMEOUT(fetched.count(), 1, kOutcomeTimeoutMs);
        QVERIFY(!fetcher->start(server.url(kNoticePath)));
        QTest::qWait(50);
        QCOMPARE(server.requestCount(), 1);
    }
};

QTEST_GUILESS_MAIN(TestNoticeFetch)
#include "tst_notice_fetch.moc"
