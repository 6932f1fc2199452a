// The six compiled-in tables against the rules the lookups and the indicator rely on.
#include "NomogramClasses.h"

#include <QTest>

#include <cmath>

class TestNomogramTables : public QObject {
    Q_OBJECT

private:
    static void addTableRows()
    {
        QTest::addColumn<int>("classNumber");
        QTest::addColumn<bool>("pipes");
        for (int c = 1; c <= 3; ++c) {
            QTest::addRow("class %d pipes", c) << c << true;
            QTest::addRow("class %d velocities", c) << c << false;
        }
    }
    static const TPipeSizeArray& table(int classNumber, bool pipes)
    {
        return pipes ? classModule(classNumber).PipeSizes : classModule(classNumber).VelocityLines;
    }

private slots:
    void entryCountsAndNames_data()
    {
        // clang-format off
        QTest::addColumn<int>("classNumber");
        QTest::addColumn<int>("velocityCount");
        QTest::addColumn<QString>("lastVelocity");
        QTest::newRow("class 1") << 1 << 13 << "40 ft/s";
        QTest::newRow("class 2") << 2 << 13 << "40 ft/s";
        QTest::newRow("class 3 has no 40 ft/s line") << 3 << 12 << "30 ft/s";
        // clang-format on
    }
    void entryCountsAndNames()
    {
        QFETCH(int, classNumber);
        QFETCH(int, velocityCount);
        QFETCH(QString, lastVelocity);
        const TClassModule& m = classModule(classNumber);
        QCOMPARE(m.PipeSizes.size(), std::size_t(15));
        QCOMPARE(QString::fromStdString(m.PipeSizes.front().Name), QStringLiteral("3/8\""));
        QCOMPARE(QString::fromStdString(m.PipeSizes[4].Name), QStringLiteral("1 1/4\""));
        QCOMPARE(QString::fromStdString(m.PipeSizes.back().Name), QStringLiteral("12\""));
        QCOMPARE(int(m.VelocityLines.size()), velocityCount);
        QCOMPARE(QString::fromStdString(m.VelocityLines.front().Name), QStringLiteral("1 ft/s"));
        QCOMPARE(QString::fromStdString(m.VelocityLines.back().Name), lastVelocity);
    }

    void sameNamesInEveryClass()
    {
        for (int c = 2; c <= 3; ++c) {
            for (std::size_t i = 0; i < 15; ++i)
                QCOMPARE(classModule(c).PipeSizes[i].Name, classModule(1).PipeSizes[i].Name);
            for (std::size_t i = 0; i < classModule(c).VelocityLines.size(); ++i)
                QCOMPARE(classModule(c).VelocityLines[i].Name, classModule(1).VelocityLines[i].Name);
        }
    }

    void endPointsOnTheFrame_data() { addTableRows(); }
    void endPointsOnTheFrame()
    {
        QFETCH(int, classNumber);
        QFETCH(bool, pipes);
        const auto onBorder = [](double x, double y) { return x == 0.1 || x == 100.0 || y == 1.0 || y == 10000.0; };
        for (const TPipeSize& line : table(classNumber, pipes)) {
            for (double x : {line.X1, line.X2})
                QVERIFY2(x >= 0.1 && x <= 100.0, line.Name.c_str());
            for (double y : {line.Y1, line.Y2})
                QVERIFY2(y >= 1.0 && y <= 10000.0, line.Name.c_str());
            QVERIFY2(onBorder(line.X1, line.Y1), line.Name.c_str());
            QVERIFY2(onBorder(line.X2, line.Y2), line.Name.c_str());
            QVERIFY2(line.Y1 < line.Y2, line.Name.c_str());
            // Pipe lines rise to the right; velocity lines fall to the right.
            QVERIFY2(pipes ? line.X1 < line.X2 : line.X1 > line.X2, line.Name.c_str());
        }
    }

    // At any pressure drop the spanning lines of a table carry strictly rising flows, and every
    // pressure drop of the frame is spanned by some line.
    void flowsRiseAlongTheTable_data() { addTableRows(); }
    void flowsRiseAlongTheTable()
    {
        QFETCH(int, classNumber);
        QFETCH(bool, pipes);
        constexpr int kSamples = 600;
        for (int i = 0; i <= kSamples; ++i) {
            const double p = std::pow(10.0, -1.0 + 3.0 * i / kSamples);
            double previous = 0.0;
            int spanning = 0;
            for (const TPipeSize& line : table(classNumber, pipes)) {
                if (!Nomogram::spans(line, p))
                    continue;
                const double y = Nomogram::calcYOnLogLine(p, line.X1, line.Y1, line.X2, line.Y2);
                QVERIFY2(y > previous, qPrintable(QStringLiteral("%1 at %2").arg(line.Name.c_str()).arg(p)));
                previous = y;
                ++spanning;
            }
            QVERIFY2(spanning > 0, qPrintable(QString::number(p)));
        }
    }

    void velocityNamesReadAsTheirVelocity()
    {
        // A point on a velocity line, inside the band, reads as that line's own velocity.
        const TClassModule& m = classModule(1);
        const double expected[] = {1, 1.5, 2, 3, 4, 5, 6, 8, 10, 15, 20, 30, 40};
        for (std::size_t i = 1; i + 1 < m.VelocityLines.size(); ++i) {
            const TPipeSize& line = m.VelocityLines[i];
            const double p = std::sqrt(line.X1 * line.X2);
            const double q = m.CalcYOnLogLine(p, line.X1, line.Y1, line.X2, line.Y2);
            QVERIFY(std::abs(m.GetVelocityAtPoint(p, q) - expected[i]) < 1e-9);
        }
    }
};

QTEST_GUILESS_MAIN(TestNomogramTables)
#include "tst_nomogram_tables.moc"
