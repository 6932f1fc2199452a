// The log-axis clamping, the midpoint of a line and the glide's arrival test, without widgets;
// the glide itself and the panel's text are tested through the chart window.
#include "OperatingPoint.h"

#include <QTest>

class TestOperatingPoint : public QObject {
    Q_OBJECT

private slots:
    void onLogAxis_data()
    {
        // clang-format off
        QTest::addColumn<double>("value");
        QTest::addColumn<double>("placed");
        QTest::newRow("positive stays") << 12.5 << 12.5;
        QTest::newRow("tiny positive stays") << 1e-9 << 1e-9;
        QTest::newRow("zero goes to the low end") << 0.0 << 0.1;
        QTest::newRow("negative goes to the low end") << -3.0 << 0.1;
        QTest::newRow("NaN goes to the low end") << qQNaN() << 0.1;
        QTest::newRow("infinity goes to the low end") << qInf() << 0.1;
        // clang-format on
    }
    void onLogAxis()
    {
        QFETCH(double, value);
        QFETCH(double, placed);
        QCOMPARE(::onLogAxis(value, 0.1), placed);
    }

    void logMidpoint_data()
    {
        // clang-format off
        QTest::addColumn<double>("a");
        QTest::addColumn<double>("b");
        QTest::addColumn<double>("mid");
        QTest::newRow("a decade apart") << 1.0 << 100.0 << 10.0;
        QTest::newRow("either order") << 100.0 << 1.0 << 10.0;
        QTest::newRow("0.1 to 100") << 0.1 << 100.0 << std::sqrt(10.0);
        QTest::newRow("zero counts as the low end") << 0.0 << 10000.0 << 100.0;
        // clang-format on
    }
    void logMidpoint()
    {
        QFETCH(double, a);
        QFETCH(double, b);
        QFETCH(double, mid);
        QVERIFY(qAbs(::logMidpoint(a, b, 1.0) - mid) < 1e-12 * mid);
    }

    void arrival_data()
    {
        // clang-format off
        QTest::addColumn<double>("dh");
        QTest::addColumn<double>("dq");
        QTest::addColumn<bool>("arrived");
        QTest::newRow("on the target") << 0.0 << 0.0 << true;
        QTest::newRow("just inside both") << 0.00099 << -0.00099 << true;
        QTest::newRow("exactly 0.001 is not yet") << 0.0 << 0.001 << false;
        QTest::newRow("pressure still away") << 0.002 << 0.0 << false;
        QTest::newRow("flow still away") << 0.0 << -0.5 << false;
        // clang-format on
    }
    void arrival()
    {
        QFETCH(double, dh);
        QFETCH(double, dq);
        QFETCH(bool, arrived);
        // A target of exactly representable values, so that the distance is the one written.
        QCOMPARE(hasArrived({4.0 + dh, 64.0 + dq}, {4.0, 64.0}), arrived);
    }
};

QTEST_GUILESS_MAIN(TestOperatingPoint)
#include "tst_operatingpoint.moc"
