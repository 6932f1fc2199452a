// The pipe-range indicator's arithmetic over the real class tables: neighbour search and the log
// ratio.
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
};

QTEST_GUILESS_MAIN(TestPipeRange)
#include "tst_piperange.moc"
