// The tanks of a booster set: the standard atmosphere, the pressure tank by Boyle's law against
// published worked examples, its refusals, and the storage tank of the regulations.
#include "BoosterSet.h"

#include <QTest>

#include <cmath>
#include <limits>

namespace {
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kSeaLevelPsi = 14.7; // as the published examples round it
} // namespace

class TestDesignBooster : public QObject {
    Q_OBJECT

private slots:
    void atmosphere_data()
    {
        QTest::addColumn<double>("altitudeM");
        QTest::addColumn<double>("psi");
        QTest::addColumn<double>("tolerancePsi");
        QTest::newRow("sea level") << 0.0 << 14.6959 << 1e-12;
        // The standard atmosphere's table: 84.56 kPa at 1,500 m, 12.264 psi.
        QTest::newRow("1,500 m, 84.56 kPa") << 1500.0 << 12.264 << 0.001;
        QTest::newRow("1,000 m, 89.88 kPa") << 1000.0 << 89.88 * 0.145038 << 0.002;
        QTest::newRow("500 m below sea level, 107.48 kPa") << -500.0 << 107.48 * 0.145038 << 0.002;
    }
    void atmosphere()
    {
        QFETCH(double, altitudeM);
        QFETCH(double, psi);
        QFETCH(double, tolerancePsi);
        const double result = Design::atmosphericPsi(altitudeM);
        QVERIFY2(std::abs(result - psi) < tolerancePsi, qPrintable(QString::number(result, 'g', 10)));
    }

    void tank_data()
    {
        QTest::addColumn<double>("cutInPsi");
        QTest::addColumn<double>("cutOutPsi");
        QTest::addColumn<double>("preChargePsi");
        QTest::addColumn<double>("atmPsi");
        QTest::addColumn<double>("flowGpm");
        QTest::addColumn<double>("startsPerHour");
        QTest::addColumn<double>("factor");
        QTest::addColumn<double>("drawdownGal");
        QTest::addColumn<double>("volumeGal");
        // The Driller (2006): 30/50 psi, pre-charged at 28 psi, DF 0.2953; an 85 gal tank draws
        // 25.10 gal, which is the drawdown of 6.69 gpm at 4 starts: 15 × 6.69 / 4 = 25.09 gal.
        QTest::newRow("30/50, pre-charge 28, The Driller")
            << 30.0 << 50.0 << 28.0 << kSeaLevelPsi << 25.10 * 4.0 / 15.0 << 4.0 << 0.2953 << 25.10 << 85.0;
        // A tank maker's example: 40/60 with the pre-charge at 40, 15 gpm for 2 minutes (7.5
        // starts an hour: 15 × 15 / 7.5 = 30 gal) gives AF 0.2677 and a 112.05 gal tank.
        QTest::newRow("40/60, pre-charge 40, 30 gal drawdown")
            << 40.0 << 60.0 << 40.0 << kSeaLevelPsi << 15.0 << 7.5 << 0.2677 << 30.0 << 112.05;
        // Higher up the air starts thinner, so the same switch pressures store less.
        QTest::newRow("40/60 at 1,500 m")
            << 40.0 << 60.0 << 38.0 << 12.264 << 20.0 << 6.0 << 50.264 * (1.0 / 52.264 - 1.0 / 72.264) << 50.0
            << 50.0 / (50.264 * (1.0 / 52.264 - 1.0 / 72.264));
    }
    void tank()
    {
        QFETCH(double, cutInPsi);
        QFETCH(double, cutOutPsi);
        QFETCH(double, preChargePsi);
        QFETCH(double, atmPsi);
        QFETCH(double, flowGpm);
        QFETCH(double, startsPerHour);
        QFETCH(double, factor);
        QFETCH(double, drawdownGal);
        QFETCH(double, volumeGal);
        Design::TPressureTank tank;
        QVERIFY(Design::pressureTank(cutInPsi, cutOutPsi, preChargePsi, atmPsi, flowGpm, startsPerHour, tank));
        // The published figures are rounded to four places and to the hundredth of a gallon.
        QVERIFY2(std::abs(tank.drawdownFactor - factor) < 5e-5, qPrintable(QString::number(tank.drawdownFactor)));
        QVERIFY2(std::abs(tank.drawdownGal - drawdownGal) < 0.01, qPrintable(QString::number(tank.drawdownGal)));
        QVERIFY2(std::abs(tank.volumeGal - volumeGal) < 0.02 * volumeGal / 100.0 + 0.01,
                 qPrintable(QString::number(tank.volumeGal, 'f', 3)));
    }

    void tankRefused_data()
    {
        QTest::addColumn<double>("cutInPsi");
        QTest::addColumn<double>("cutOutPsi");
        QTest::addColumn<double>("preChargePsi");
        QTest::addColumn<double>("flowGpm");
        QTest::addColumn<double>("startsPerHour");
        QTest::newRow("no differential") << 40.0 << 40.0 << 38.0 << 20.0 << 6.0;
        QTest::newRow("cut-out below cut-in") << 60.0 << 40.0 << 38.0 << 20.0 << 6.0;
        QTest::newRow("pre-charge above cut-in") << 40.0 << 60.0 << 41.0 << 20.0 << 6.0;
        QTest::newRow("negative pre-charge") << 40.0 << 60.0 << -1.0 << 20.0 << 6.0;
        QTest::newRow("no flow") << 40.0 << 60.0 << 38.0 << 0.0 << 6.0;
        QTest::newRow("no starts") << 40.0 << 60.0 << 38.0 << 20.0 << 0.0;
        QTest::newRow("NaN cut-out") << 40.0 << kNaN << 38.0 << 20.0 << 6.0;
    }
    void tankRefused()
    {
        QFETCH(double, cutInPsi);
        QFETCH(double, cutOutPsi);
        QFETCH(double, preChargePsi);
        QFETCH(double, flowGpm);
        QFETCH(double, startsPerHour);
        Design::TPressureTank tank{1.0, 2.0, 3.0};
        QVERIFY(!Design::pressureTank(cutInPsi, cutOutPsi, preChargePsi, kSeaLevelPsi, flowGpm, startsPerHour, tank));
        QCOMPARE(tank.volumeGal, 3.0);
    }

    // The regulations 16-4-6-1: 12 hours at 150 L a person a day.
    void storage()
    {
        QCOMPARE(Design::storageLitres(64.0), 4800.0);
        QCOMPARE(Design::storageLitres(0.0), 0.0);
    }
};

QTEST_GUILESS_MAIN(TestDesignBooster)
#include "tst_design_booster.moc"
