// The notice box in the real calculator window: the connection check every three seconds, the
// one request against a local HTTPS server, what the box shows, and a window that stays live
// while the request runs.
#include "NoticeFetcher.h"
#include "NoticeTestServer.h"
#include "Unit1.h"
#include "WindowFixture.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>
#include <QTimer>

namespace {

constexpr int kOutcomeTimeoutMs = 15000;
using TState = TForm1::TNoticeState;

QTimer* internetTimer() { return formChild<QTimer>("TimerInternet"); }
QPlainTextEdit* memo() { return formChild<QPlainTextEdit>("MemoWidget"); }

TCannedResponse canned(const QByteArray& status, const QByteArray& body)
{
    return cannedResponse(status, "text/html; charset=utf-8", body);
}

} // namespace

class TestNoticeWindow : public QObject {
    Q_OBJECT

private:
    QTemporaryDir FFolder;
    TTestCertificate FLocal;    // for 127.0.0.1, trusted by the window's client
    TTestCertificate FStranger; // for 127.0.0.1, never trusted
    bool FConnected = false;
    int FChecks = 0;

private slots:
    void initTestCase()
    {
        QVERIFY(FFolder.isValid());
        QVERIFY(FLocal.make(FFolder, QStringLiteral("local"), QStringLiteral("IP:127.0.0.1")));
        QVERIFY(FStranger.make(FFolder, QStringLiteral("stranger"), QStringLiteral("IP:127.0.0.1")));
        if (const QString reason = tlsServingUnavailable(FLocal); !reason.isEmpty())
            QSKIP(qPrintable(reason));
    }

    void init()
    {
        FConnected = false;
        FChecks = 0;
        QVERIFY(openWindows());
        Form1->setConnectionCheck([this] {
            ++FChecks;
            return FConnected;
        });
        Form1->noticeClient().setTrustedCertificates({FLocal.certificate});
    }

    void cleanup() { closeWindows(); }

    void waitsForAConnectionThenFetchesOnce()
    {
        TLocalHttpServer server;
        QVERIFY(server.listen(&FLocal));
        server.route(
            kNoticePath,
            canned("200 OK", "<p>\xd8\xa7\xd8\xb7\xd9\x84\xd8\xa7\xd8\xb9\xdb\x8c\xd9\x87</p><br>second&nbsp;line"));
        Form1->setNoticeUrl(server.url(kNoticePath));

        QVERIFY(internetTimer()->isActive());
        QCOMPARE(internetTimer()->interval(), 3000);
        // A minute without a connection: twenty checks, no request.
        for (int tick = 0; tick < 20; ++tick)
            Form1->TimerInternetTimer();
        QCOMPARE(FChecks, 20);
        QVERIFY(internetTimer()->isActive());
        QCOMPARE(Form1->noticeState(), TState::Waiting);
        QTest::qWait(50);
        QCOMPARE(server.requestCount(), 0);
        QVERIFY(memo()->toPlainText().isEmpty());

        FConnected = true;
        Form1->TimerInternetTimer();
        QVERIFY(!internetTimer()->isActive());
        QCOMPARE(Form1->noticeState(), TState::Fetching);
        QTRY_COMPARE_WITH_TIMEOUT(Form1->noticeState(), TState::Shown, kOutcomeTimeoutMs);
        QCOMPARE(memo()->toPlainText(), QStringLiteral("اطلاعیه\nsecond line"));
        QCOMPARE(server.requestCount(), 1);

        // Later ticks, had one been queued, neither ask nor fetch again.
        const int checks = FChecks;
        Form1->TimerInternetTimer();
        Form1->LoadWidgetFromServer();
        QTest::qWait(50);
        QCOMPARE(FChecks, checks);
        QCOMPARE(server.requestCount(), 1);
        QCOMPARE(Form1->noticeState(), TState::Shown);
    }

    void theTimerDrivesTheCheck()
    {
        TLocalHttpServer server;
        QVERIFY(server.listen(&FLocal));
        server.route(kNoticePath, canned("200 OK", "notice"));
        Form1->setNoticeUrl(server.url(kNoticePath));
        // Three seconds between checks in the program; much less here.
        Form1->setConnectionCheckInterval(std::chrono::milliseconds(30));
        QTRY_VERIFY_WITH_TIMEOUT(FChecks >= 20, kOutcomeTimeoutMs);
        QCOMPARE(server.requestCount(), 0);
        QVERIFY(internetTimer()->isActive());

        FConnected = true;
        QTRY_COMPARE_WITH_TIMEOUT(Form1->noticeState(), TState::Shown, kOutcomeTimeoutMs);
        QCOMPARE(memo()->toPlainText(), QStringLiteral("notice"));
        const int checks = FChecks;
        QTest::qWait(200);
        QCOMPARE(FChecks, checks);
        QCOMPARE(server.requestCount(), 1);
    }

    void shown_data()
    {
        // clang-format off
        QTest::addColumn<QByteArray>("status");
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<QString>("shown");
        QTest::newRow("an error status with a body") << QByteArray("500 Internal Server Error")
                                                     << QByteArray("<h1>down</h1>") << QStringLiteral("down");
        QTest::newRow("markup that survives is plain text")
            << QByteArray("200 OK") << QByteArray("<b>&lt;b&gt;bold&lt;/b&gt;</b>") << QStringLiteral("&lt;b&gt;bold&lt;/b&gt;");
        QTest::newRow("nothing but tags and blanks") << QByteArray("200 OK") << QByteArray(" <p> </p>\r\n<br/> ")
                                                     << QString();
        QTest::newRow("an empty body") << QByteArray("200 OK") << QByteArray() << QString();
        // clang-format on
    }
    void shown()
    {
        QFETCH(QByteArray, status);
        QFETCH(QByteArray, body);
        QFETCH(QString, shown);
        TLocalHttpServer server;
        QVERIFY(server.listen(&FLocal));
        server.route(kNoticePath, canned(status, body));
        Form1->setNoticeUrl(server.url(kNoticePath));
        FConnected = true;
        Form1->TimerInternetTimer();
        QTRY_COMPARE_WITH_TIMEOUT(Form1->noticeState(), TState::Shown, kOutcomeTimeoutMs);
        QCOMPARE(memo()->toPlainText(), shown);
        QCOMPARE(memo()->document()->toPlainText(), shown);
    }

    void givenUp_data()
    {
        // clang-format off
        QTest::addColumn<QString>("failure");
        QTest::addColumn<int>("requests");
        QTest::newRow("connection refused") << QStringLiteral("refused") << 0;
        QTest::newRow("untrusted certificate") << QStringLiteral("stranger") << 0;
        QTest::newRow("body over the cap") << QStringLiteral("large") << 1;
        // clang-format on
    }
    void givenUp()
    {
        QFETCH(QString, failure);
        QFETCH(int, requests);
        TLocalHttpServer server;
        if (failure == QLatin1String("refused")) {
            Form1->setNoticeUrl(QUrl(QStringLiteral("https://127.0.0.1:%1").arg(TLocalHttpServer::closedPort())
                                     + QString::fromLatin1(kNoticePath)));
        } else {
            QVERIFY(server.listen(failure == QLatin1String("stranger") ? &FStranger : &FLocal));
            server.route(kNoticePath, canned("200 OK", QByteArray(300 * 1024, 'x')));
            Form1->setNoticeUrl(server.url(kNoticePath));
        }
        FConnected = true;
        Form1->TimerInternetTimer();
        QTRY_COMPARE_WITH_TIMEOUT(Form1->noticeState(), TState::GivenUp, kOutcomeTimeoutMs);
        QVERIFY(memo()->toPlainText().isEmpty());
        QVERIFY(!internetTimer()->isActive());
        Form1->TimerInternetTimer();
        QTest::qWait(100);
        QCOMPARE(Form1->noticeState(), TState::GivenUp);
        QCOMPARE(server.requestCount(), requests);
    }

    void windowStaysLiveWhileFetching()
    {
        TLocalHttpServer server;
        QVERIFY(server.listen(&FLocal));
        server.route(kNoticePath, silentResponse());
        Form1->setNoticeUrl(server.url(kNoticePath));
        Form1->noticeClient().setTransferTimeout(std::chrono::milliseconds(1500));
        FConnected = true;
        Form1->TimerInternetTimer();
        QTRY_COMPARE_WITH_TIMEOUT(server.requestCount(), 1, kOutcomeTimeoutMs);
        QCOMPARE(Form1->noticeState(), TState::Fetching);

        auto* flow = formChild<QLineEdit>("EditFlow");
        flow->setFocus();
        QTest::keyClicks(flow, QStringLiteral("12.5"));
        QCOMPARE(flow->text(), QStringLiteral("12.5"));
        QCOMPARE(Form1->noticeState(), TState::Fetching);

        // The silent host costs the transfer timeout and nothing more.
        QTRY_COMPARE_WITH_TIMEOUT(Form1->noticeState(), TState::GivenUp, kOutcomeTimeoutMs);
        QVERIFY(memo()->toPlainText().isEmpty());
        QCOMPARE(server.requestCount(), 1);
    }
};

QTEST_MAIN(TestNoticeWindow)
#include "tst_notice_window.moc"
