// The demand from a load in fixture units: every row of both columns, points between rows, the
// first row's floor and the refusals.
#include "Demand.h"

#include <QTest>

#include <cmath>
#include <limits>

using Design::TSupply;

Q_DECLARE_METATYPE(Design::TSupply)

namespace {
// The table as the regulations print it; 0 where the flush-valve column has no row.
struct TRow {
    double Fu;
    double TankGpm;
    double ValveGpm;
};
constexpr TRow kRows[] = {
    {1, 3.0, 0},         {2, 5.0, 0},         {3, 6.5, 0},         {4, 8.0, 0},        {5, 9.4, 15.0},
    {6, 10.7, 17.4},     {7, 11.8, 19.8},     {8, 12.8, 22.2},     {9, 13.7, 24.6},    {10, 14.6, 27.0},
    {11, 15.4, 27.8},    {12, 16.0, 28.6},    {13, 16.5, 29.4},    {14, 17.0, 30.2},   {15, 17.5, 31.0},
    {16, 18.0, 31.8},    {17, 18.4, 32.6},    {18, 18.8, 33.4},    {19, 19.2, 34.2},   {20, 19.6, 35.0},
    {25, 21.5, 38.0},    {30, 23.3, 42.0},    {35, 24.9, 44.0},    {40, 26.3, 46.0},   {45, 27.7, 48.0},
    {50, 29.1, 50.0},    {60, 32.0, 54.0},    {70, 35.0, 58.0},    {80, 38.0, 61.2},   {90, 41.0, 64.3},
    {100, 43.5, 67.5},   {120, 48.0, 73.0},   {140, 52.5, 77.0},   {160, 57.0, 81.0},  {180, 61.0, 85.5},
    {200, 65.0, 90.0},   {225, 70.0, 95.5},   {250, 75.0, 101.0},  {275, 80.0, 104.5}, {300, 85.0, 108.0},
    {400, 105.0, 127.0}, {500, 124.0, 143.0}, {750, 170.0, 177.0}, {1000, 208, 208},   {1250, 239, 239},
    {1500, 269, 269},    {1750, 297, 297},    {2000, 325, 325},    {2500, 380, 380},   {3000, 433, 433},
    {4000, 525, 525},    {5000, 593, 593},
};
constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
} // namespace

class TestDesignDemand : public QObject {
    Q_OBJECT

private slots:
    void demand_data()
    {
        // clang-format off
        QTest::addColumn<double>("fixtureUnits");
        QTest::addColumn<TSupply>("supply");
        QTest::addColumn<double>("gpm");
        for (const TRow& row : kRows) {
            QTest::addRow("flush tanks at %g fu", row.Fu) << row.Fu << TSupply::FlushTank << row.TankGpm;
            if (row.ValveGpm > 0)
                QTest::addRow("flush valves at %g fu", row.Fu) << row.Fu << TSupply::FlushValve << row.ValveGpm;
        }
        QTest::newRow("flush tanks halfway from 1 to 2 fu") << 1.5 << TSupply::FlushTank << 4.0;
        QTest::newRow("flush tanks at 48.6 fu") << 48.6 << TSupply::FlushTank << 28.708;
        QTest::newRow("flush valves at 48.6 fu") << 48.6 << TSupply::FlushValve << 49.44;
        QTest::newRow("flush valves a quarter from 80 to 90 fu") << 82.5 << TSupply::FlushValve << 61.975;
        QTest::newRow("flush tanks from 3000 to 4000 fu") << 3500.0 << TSupply::FlushTank << 479.0;
        QTest::newRow("flush valves from 4000 to 5000 fu") << 4200.0 << TSupply::FlushValve << 538.6;
        QTest::newRow("no load, flush tanks") << 0.0 << TSupply::FlushTank << 0.0;
        QTest::newRow("no load, flush valves") << 0.0 << TSupply::FlushValve << 0.0;
        // One fixture still draws the column's first flow.
        QTest::newRow("flush tanks below 1 fu") << 0.25 << TSupply::FlushTank << 3.0;
        QTest::newRow("flush valves below 5 fu") << 2.2 << TSupply::FlushValve << 15.0;
        QTest::newRow("flush valves just below 5 fu") << 4.99 << TSupply::FlushValve << 15.0;
        // clang-format on
    }
    void demand()
    {
        QFETCH(double, fixtureUnits);
        QFETCH(TSupply, supply);
        QFETCH(double, gpm);
        double result = -1.0;
        QVERIFY(Design::demandGpm(fixtureUnits, supply, result));
        QVERIFY2(std::abs(result - gpm) < 1e-9, qPrintable(QString::number(result, 'g', 12)));
    }

    void refused_data()
    {
        // clang-format off
        QTest::addColumn<double>("fixtureUnits");
        QTest::newRow("negative load") << -1.0;
        QTest::newRow("just negative load") << -1e-9;
        QTest::newRow("just above 5000 fu") << 5000.001;
        QTest::newRow("infinite load") << kInf;
        QTest::newRow("negative infinite load") << -kInf;
        QTest::newRow("NaN load") << kNaN;
        // clang-format on
    }
    void refused()
    {
        QFETCH(double, fixtureUnits);
        for (const TSupply supply : {TSupply::FlushTank, TSupply::FlushValve}) {
            double result = -1.0;
            QVERIFY(!Design::demandGpm(fixtureUnits, supply, result));
            QCOMPARE(result, -1.0);
        }
    }

    void leastFixturePressure()
    {
        QCOMPARE(Design::leastFixturePsi(TSupply::FlushTank), 8.0);
        QCOMPARE(Design::leastFixturePsi(TSupply::FlushValve), 15.0);
    }
};

QTEST_GUILESS_MAIN(TestDesignDemand)
#include "tst_design_demand.moc"
