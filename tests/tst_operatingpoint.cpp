// The glide, the log-axis clamping and the info panel's text, without widgets.
#include "OperatingPoint.h"

#include <QLocale>
#include <QScopeGuard>
#include <QTest>

class TestOperatingPoint : public QObject {
    Q_OBJECT

private slots:
    void onLogAxis_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<double>("placed");
        QTest::newRow("positive stays") << 12.5 << 12.5;
        QTest::newRow("tiny positive stays") << 1e-9 << 1e-9;
        QTest::newRow("zero goes to the low end") << 0.0 << 0.1;
        QTest::newRow("negative goes to the low end") << -3.0 << 0.1;
        QTest::newRow("NaN goes to the low end") << qQNaN() << 0.1;
        QTest::newRow("infinity goes to the low end") << qInf() << 0.1;
    }
    void onLogAxis()
    {
        QFETCH(double, value);
        QFETCH(double, placed);
        QCOMPARE(::onLogAxis(value, 0.1), placed);
    }

    void logMidpoint_data()
    {
        QTest::addColumn<double>("a");
        QTest::addColumn<double>("b");
        QTest::addColumn<double>("mid");
        QTest::newRow("a decade apart") << 1.0 << 100.0 << 10.0;
        QTest::newRow("either order") << 100.0 << 1.0 << 10.0;
        QTest::newRow("0.1 to 100") << 0.1 << 100.0 << std::sqrt(10.0);
        QTest::newRow("zero counts as the low end") << 0.0 << 10000.0 << 100.0;
    }
    void logMidpoint()
    {
        QFETCH(double, a);
        QFETCH(double, b);
        QFETCH(double, mid);
        QVERIFY(qAbs(::logMidpoint(a, b, 1.0) - mid) < 1e-12 * mid);
    }

    void glideStepsATenthOnPlainValues()
    {
        const TPlotPoint next = glideStep({ 1.0, 10.0 }, { 11.0, 1010.0 });
        QCOMPARE(next.pressurePsiPer100ft, 2.0);
        QCOMPARE(next.flowGpm, 110.0);
        const TPlotPoint back = glideStep({ 10.0, 100.0 }, { 0.0, 0.0 });
        QCOMPARE(back.pressurePsiPer100ft, 9.0);
        QCOMPARE(back.flowGpm, 90.0);
    }

    void arrival_data()
    {
        QTest::addColumn<double>("dh");
        QTest::addColumn<double>("dq");
        QTest::addColumn<bool>("arrived");
        QTest::newRow("on the target") << 0.0 << 0.0 << true;
        QTest::newRow("just inside both") << 0.00099 << -0.00099 << true;
        QTest::newRow("exactly 0.001 is not yet") << 0.0 << 0.001 << false;
        QTest::newRow("pressure still away") << 0.002 << 0.0 << false;
        QTest::newRow("flow still away") << 0.0 << -0.5 << false;
    }
    void arrival()
    {
        QFETCH(double, dh);
        QFETCH(double, dq);
        QFETCH(bool, arrived);
        // A target of exactly representable values, so that the distance is the one written.
        QCOMPARE(hasArrived({ 4.0 + dh, 64.0 + dq }, { 4.0, 64.0 }), arrived);
    }

    void finiteTarget_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<double>("target");
        QTest::newRow("number") << 12.5 << 12.5;
        QTest::newRow("zero") << 0.0 << 0.0;
        QTest::newRow("negative stays") << -1.0 << -1.0;
        QTest::newRow("NaN") << qQNaN() << 0.0;
        QTest::newRow("infinity") << -qInf() << 0.0;
    }
    void finiteTarget()
    {
        QFETCH(double, value);
        QFETCH(double, target);
        QCOMPARE(::finiteTarget(value), target);
    }

    void panelText_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<double>("flow");
        QTest::addColumn<double>("pressure");
        QTest::addColumn<QString>("pipe");
        QTest::addColumn<double>("velocity");
        QTest::addColumn<QString>("text");
        QTest::newRow("12.5 psi at 1000 gpm") << "en_US" << 1000.0 << 12.5 << "3\"" << 3.456
                                              << "Q= 1000 GPM\nH= 12.5 psi/100ft\nD= 3\"\nV= 3.46 ft/s";
        QTest::newRow("no grouping in 12345.678") << "en_US" << 12345.678 << 0.1 << "12\"" << 0.0
                                                  << "Q= 12345.68 GPM\nH= 0.1 psi/100ft\nD= 12\"\nV= 0 ft/s";
        QTest::newRow("German comma") << "de_DE" << 99.999 << 2.5 << "" << 10.5
                                      << "Q= 100 GPM\nH= 2,5 psi/100ft\nD= \nV= 10,5 ft/s";
    }
    void panelText()
    {
        QFETCH(QString, locale);
        QFETCH(double, flow);
        QFETCH(double, pressure);
        QFETCH(QString, pipe);
        QFETCH(double, velocity);
        QFETCH(QString, text);
        const QLocale saved;
        const auto restore = qScopeGuard([&] { QLocale::setDefault(saved); });
        QLocale::setDefault(QLocale(locale));
        QCOMPARE(infoPanelText(flow, pressure, pipe, velocity), text);
    }
};

QTEST_GUILESS_MAIN(TestOperatingPoint)
#include "tst_operatingpoint.moc"
