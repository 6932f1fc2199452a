// The calculator's reading of the nomogram at an operating point: the refusals, the advice at
// the main's limit, and the two neighbours the bar names, each at its own point of the design flow.
#include "CalculatorReading.h"
#include "NomogramLookup.h"
#include "PipeRange.h"
#include "Unit2.h"
#include "Unit4.h"

#include <QTest>

#include <cmath>

using namespace Sizing;

class TestCalculatorReading : public QObject {
    Q_OBJECT

private slots:
    void refused_data()
    {
        // clang-format off
        QTest::addColumn<int>("classNumber");
        QTest::addColumn<double>("pressure");
        QTest::addColumn<double>("flow");
        QTest::newRow("no class chosen") << 0 << 4.0 << 20.0;
        QTest::newRow("class 4 does not exist") << 4 << 4.0 << 20.0;
        QTest::newRow("zero pressure drop") << 1 << 0.0 << 20.0;
        QTest::newRow("negative flow") << 1 << 4.0 << -1.0;
        QTest::newRow("flow above every pipe") << 1 << 4.0 << 1e6;
        // clang-format on
    }
    void refused()
    {
        QFETCH(int, classNumber);
        QFETCH(double, pressure);
        QFETCH(double, flow);
        TCalculatorReading reading;
        reading.pipe = "stale";
        QVERIFY(!readOperatingPoint(classNumber, pressure, flow, reading));
        QCOMPARE(reading.pipe, std::string("stale"));
    }

    void neighbours_data()
    {
        // clang-format off
        QTest::addColumn<int>("classNumber");
        QTest::addColumn<double>("pressure");
        QTest::addColumn<int>("highIndex");
        QTest::addColumn<double>("flowShare");
        // flowShare places the flow between the smaller neighbour's flow and the larger one's.
        QTest::newRow("class 1, 4 psi, exactly pipe 4's flow") << 1 << 4.0 << 4 << 1.0;
        QTest::newRow("class 1, 1 psi, half way") << 1 << 1.0 << 7 << 0.5;
        QTest::newRow("class 3, 20 psi, a tenth of the way") << 3 << 20.0 << 10 << 0.1;
        // clang-format on
    }
    void neighbours()
    {
        QFETCH(int, classNumber);
        QFETCH(double, pressure);
        QFETCH(int, highIndex);
        QFETCH(double, flowShare);
        const TPipeSizeArray& pipes = Nomogram::tablesForClass(classNumber)->PipeSizes;
        const double lowGpm = flowAtPressure(pipes[highIndex - 1], pressure);
        const double highGpm = flowAtPressure(pipes[highIndex], pressure);
        const double flow = flowShare == 1.0 ? highGpm : lowGpm * std::pow(highGpm / lowGpm, flowShare);
        TCalculatorReading reading;
        QVERIFY(readOperatingPoint(classNumber, pressure, flow, reading));
        QVERIFY(reading.hasNeighbours);
        QCOMPARE(reading.lower.pipe, pipes[highIndex - 1].Name);
        QCOMPARE(reading.upper.pipe, pipes[highIndex].Name);
        QCOMPARE(reading.lower.flowGpm, lowGpm);
        QCOMPARE(reading.upper.flowGpm, highGpm);
        // Tolerance: 1e-6 on a ratio, the power and log round trip of the test's own flow.
        QVERIFY(std::abs(reading.barRatio - flowShare) < 1e-6);
        // The smaller pipe needs the steeper drop to carry the design flow, and runs faster.
        QVERIFY(reading.lower.lossPsiPer100ft > pressure * (1.0 - 1e-9));
        QVERIFY(reading.upper.lossPsiPer100ft <= pressure * (1.0 + 1e-9));
        QVERIFY(reading.lower.velocityFtPerS > reading.upper.velocityFtPerS);
        QCOMPARE(reading.needsAdvice, reading.velocityFtPerS > 10.0);
    }

    void smallestPipeIsBothEnds()
    {
        TCalculatorReading reading;
        QVERIFY(readOperatingPoint(1, 4.0, 0.5, reading));
        QCOMPARE(reading.lower.pipe, Unit2::PipeSizes.front().Name);
        QCOMPARE(reading.upper.pipe, Unit2::PipeSizes.front().Name);
        QCOMPARE(reading.lower.flowGpm, 0.0);
        QCOMPARE(reading.barRatio, 1.0);
    }

    // The advice is for a velocity above 10 ft/s, not at it: points on and just off class 3's
    // 10 ft/s line.
    void adviceAboveTheLimitOnly()
    {
        const TPipeSize* tenLine = nullptr;
        for (const TPipeSize& line : Unit4::VelocityLines)
            if (line.Name == "10 ft/s")
                tenLine = &line;
        QVERIFY(tenLine != nullptr);
        const double pressure = 10.0;
        const double onLine = Nomogram::calcYOnLogLine(pressure, tenLine->X1, tenLine->Y1, tenLine->X2, tenLine->Y2);
        TCalculatorReading at;
        QVERIFY(readOperatingPoint(3, pressure, onLine, at));
        // Tolerance: 1e-9 ft/s, the log round trip of the line's own flow.
        QVERIFY(std::abs(at.velocityFtPerS - 10.0) < 1e-9);
        QCOMPARE(at.needsAdvice, at.velocityFtPerS > 10.0);
        TCalculatorReading above;
        QVERIFY(readOperatingPoint(3, pressure, onLine * 1.001, above));
        QVERIFY(above.velocityFtPerS > 10.0);
        QVERIFY(above.needsAdvice);
    }
};

QTEST_GUILESS_MAIN(TestCalculatorReading)
#include "tst_calculatorreading.moc"
