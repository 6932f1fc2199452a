// The pipe-range indicator's arithmetic over the real class tables: neighbour search, the log
// ratio, the marker's resting place with its half-to-even rounding, and the half it names.
#include "PipeRange.h"
#include "Unit2.h"
#include "Unit4.h"

#include <QTest>

#include <cmath>

class TestPipeRange : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        Unit2::InitData();
        Unit4::InitData();
    }

    void flowOnLine_data()
    {
        // clang-format off
        QTest::addColumn<double>("x1");
        QTest::addColumn<double>("y1");
        QTest::addColumn<double>("x2");
        QTest::addColumn<double>("y2");
        QTest::addColumn<double>("pressure");
        QTest::addColumn<double>("flow");
        QTest::newRow("slope 1 inside") << 1.0 << 10.0 << 10.0 << 100.0 << 5.0 << 50.0;
        QTest::newRow("slope 2 inside") << 1.0 << 10.0 << 10.0 << 1000.0 << 2.0 << 40.0;
        QTest::newRow("extended past the upper end") << 1.0 << 10.0 << 10.0 << 100.0 << 100.0 << 1000.0;
        QTest::newRow("extended below the lower end") << 1.0 << 10.0 << 10.0 << 100.0 << 0.1 << 1.0;
        QTest::newRow("ends given high to low") << 10.0 << 100.0 << 1.0 << 10.0 << 5.0 << 50.0;
        QTest::newRow("vertical line gives 0 off it") << 2.0 << 10.0 << 2.0 << 100.0 << 3.0 << 0.0;
        // clang-format on
    }
    void flowOnLine()
    {
        QFETCH(double, x1);
        QFETCH(double, y1);
        QFETCH(double, x2);
        QFETCH(double, y2);
        QFETCH(double, pressure);
        QFETCH(double, flow);
        const TPipeSize line{"line", x1, y1, x2, y2};
        // Tolerance: relative 1e-12, the log round trip.
        QVERIFY2(std::abs(flowAtPressure(line, pressure) - flow) <= 1e-12 * std::max(1.0, flow),
                 qPrintable(QString::number(flowAtPressure(line, pressure), 'g', 17)));
    }

    void neighbours_data()
    {
        // clang-format off
        QTest::addColumn<int>("classNumber");
        QTest::addColumn<double>("pressure");
        QTest::addColumn<int>("lowIndex");
        QTest::addColumn<int>("highIndex");
        QTest::addColumn<double>("flowShare");
        // flowShare places the flow between the two neighbours' flows on the log scale.
        QTest::newRow("class 1, 4 psi, exactly pipe 4's flow") << 1 << 4.0 << 3 << 4 << 1.0;
        QTest::newRow("class 1, 4 psi, just above pipe 3's flow") << 1 << 4.0 << 3 << 4 << 1e-9;
        QTest::newRow("class 1, 1 psi, half way on the log scale") << 1 << 1.0 << 6 << 7 << 0.5;
        QTest::newRow("class 3, 20 psi, a tenth of the way") << 3 << 20.0 << 9 << 10 << 0.1;
        // clang-format on
    }
    void neighbours()
    {
        QFETCH(int, classNumber);
        QFETCH(double, pressure);
        QFETCH(int, lowIndex);
        QFETCH(int, highIndex);
        QFETCH(double, flowShare);
        const TPipeSizeArray& pipes = classNumber == 1 ? Unit2::PipeSizes : Unit4::PipeSizes;
        const double lowGpm = flowAtPressure(pipes[lowIndex], pressure);
        const double highGpm = flowAtPressure(pipes[highIndex], pressure);
        const double flowGpm = flowShare == 1.0
            ? highGpm
            : std::exp(std::log(lowGpm) + flowShare * (std::log(highGpm) - std::log(lowGpm)));
        TPipeRange range;
        QVERIFY(findPipeRange(pipes, pressure, flowGpm, range));
        QCOMPARE(range.LowName, pipes[lowIndex].Name);
        QCOMPARE(range.HighName, pipes[highIndex].Name);
        QCOMPARE(range.LowFlowGpm, lowGpm);
        QCOMPARE(range.HighFlowGpm, highGpm);
        // Tolerance: 1e-6 on a ratio, the exp/log round trip of the test's own flow.
        QVERIFY(std::abs(flowRatio(flowGpm, range) - flowShare) < 1e-6);
    }

    void smallestPipeCarriesTheFlow()
    {
        TPipeRange range;
        QVERIFY(findPipeRange(Unit2::PipeSizes, 4.0, 0.5, range));
        QCOMPARE(range.LowName, Unit2::PipeSizes.front().Name);
        QCOMPARE(range.HighName, Unit2::PipeSizes.front().Name);
        QCOMPARE(range.LowFlowGpm, 0.0);
        QCOMPARE(flowRatio(0.5, range), 1.0);
    }

    void noPipeLeavesTheRangeAlone_data()
    {
        // clang-format off
        QTest::addColumn<bool>("emptyTable");
        QTest::addColumn<double>("flow");
        QTest::newRow("flow above the largest pipe") << false << 1e7;
        QTest::newRow("NaN flow") << false << qQNaN();
        QTest::newRow("empty table") << true << 10.0;
        // clang-format on
    }
    void noPipeLeavesTheRangeAlone()
    {
        QFETCH(bool, emptyTable);
        QFETCH(double, flow);
        TPipeRange range{"low", "high", 1.0, 2.0};
        const TPipeSizeArray none;
        QVERIFY(!findPipeRange(emptyTable ? none : Unit2::PipeSizes, 4.0, flow, range));
        QCOMPARE(range.LowName, std::string("low"));
        QCOMPARE(range.HighName, std::string("high"));
        QCOMPARE(range.LowFlowGpm, 1.0);
        QCOMPARE(range.HighFlowGpm, 2.0);
    }

    void restingPlace_data()
    {
        // clang-format off
        QTest::addColumn<double>("ratio");
        QTest::addColumn<int>("left");
        QTest::addColumn<bool>("highHalf");
        QTest::newRow("0: left end") << 0.0 << 44 << false;
        QTest::newRow("0.5: still left of the middle") << 0.5 << 158 << false;
        QTest::newRow("0.524: one pixel short") << 0.524 << 163 << false;
        QTest::newRow("0.5264: on the middle") << 0.5264 << 164 << true;
        QTest::newRow("1: right end") << 1.0 << 272 << true;
        QTest::newRow("below 0 is 0") << -3.0 << 44 << false;
        QTest::newRow("above 1 is 1") << 7.0 << 272 << true;
        QTest::newRow("NaN is 0") << qQNaN() << 44 << false;
        // clang-format on
    }
    void restingPlace()
    {
        QFETCH(double, ratio);
        QFETCH(int, left);
        QFETCH(bool, highHalf);
        const int target = markerTargetLeft(ratio, 44, 240, 12);
        QCOMPARE(target, left);
        QCOMPARE(markerOnHighHalf(target, 44, 240), highHalf);
    }

    void halvesRoundToEven_data()
    {
        // clang-format off
        QTest::addColumn<double>("ratio");
        QTest::addColumn<int>("left");
        // Travel 8: the ratios below land exactly on halves.
        QTest::newRow("0.5 rounds down to 0") << 0.0625 << 0;
        QTest::newRow("1.5 rounds up to 2") << 0.1875 << 2;
        QTest::newRow("2.5 rounds down to 2") << 0.3125 << 2;
        QTest::newRow("3.5 rounds up to 4") << 0.4375 << 4;
        // clang-format on
    }
    void halvesRoundToEven()
    {
        QFETCH(double, ratio);
        QFETCH(int, left);
        QCOMPARE(markerTargetLeft(ratio, 0, 12, 4), left);
    }

    void stepping_data()
    {
        // clang-format off
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("target");
        QTest::addColumn<int>("step");
        QTest::addColumn<int>("ticks");
        QTest::newRow("92 to 272") << 92 << 272 << 5 << 36;
        QTest::newRow("92 to 44") << 92 << 44 << -5 << 10;
        QTest::newRow("92 to 95 lands exactly") << 92 << 95 << 5 << 1;
        QTest::newRow("already there") << 92 << 92 << -5 << 1;
        QTest::newRow("whole bar") << 44 << 272 << 5 << 46;
        // clang-format on
    }
    void stepping()
    {
        QFETCH(int, start);
        QFETCH(int, target);
        QFETCH(int, step);
        QFETCH(int, ticks);
        int left = start;
        int count = 0;
        bool arrived = false;
        while (!arrived && count < 1000) {
            const int before = left;
            arrived = stepMarker(left, target, step);
            ++count;
            QVERIFY(step > 0 ? left <= target && left > before - 1 : left >= target && left < before + 1);
        }
        QCOMPARE(left, target);
        QCOMPARE(count, ticks);
    }
};

QTEST_GUILESS_MAIN(TestPipeRange)
#include "tst_piperange.moc"
