// The lookups of the three classes: sizing, velocity, the inverse pipe lookup, and the neutral
// answers to input outside the nomogram.
#include "NomogramClasses.h"

#include <QTest>

#include <cmath>
#include <limits>
#include <random>

namespace {
constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kDenormal = std::numeric_limits<double>::denorm_min();
constexpr double kHuge = std::numeric_limits<double>::max();
} // namespace

class TestNomogramLookup : public QObject {
    Q_OBJECT

private slots:
    void nearestPipe_data()
    {
        // clang-format off
        QTest::addColumn<int>("classNumber");
        QTest::addColumn<double>("pressure");
        QTest::addColumn<double>("flow");
        QTest::addColumn<bool>("found");
        QTest::addColumn<QString>("pipe");
        QTest::addColumn<double>("velocity");

        QTest::newRow("class 1 at 4 psi, 20 gpm") << 1 << 4.0 << 20.0 << true << "1 1/4\"" << 4.8169;
        QTest::newRow("class 2 at 2 psi, 50 gpm") << 2 << 2.0 << 50.0 << true << "2 1/2\"" << 3.9983;
        QTest::newRow("class 3 at 10 psi, 100 gpm") << 3 << 10.0 << 100.0 << true << "2 1/2\"" << 7.3059;
        // Below the band of spanning velocity lines: the slowest spanning line, not the fastest.
        QTest::newRow("class 1 at 0.3 psi, 2 gpm, below the band") << 1 << 0.3 << 2.0 << true << "1\"" << 1.0;
        QTest::newRow("class 1 at 1 psi, 0.5 gpm, below the band") << 1 << 1.0 << 0.5 << true << "1/2\"" << 1.5;
        QTest::newRow("class 1 at 2 psi, 1 gpm, small pipe slow flow") << 1 << 2.0 << 1.0 << true << "3/8\"" << 2.0;
        // Above the band the fastest spanning line is also the nearest.
        QTest::newRow("class 1 at 100 psi, 9.2 gpm, above the band") << 1 << 100.0 << 9.2 << true << "3/8\"" << 15.0;
        // End points of lines: both ends of a span are included.
        QTest::newRow("class 1 at the 3/8 line's first end") << 1 << 1.9 << 1.0 << true << "3/8\"" << 2.0;
        QTest::newRow("class 1 just left of the 3/8 line") << 1 << 1.89 << 1.0 << true << "1/2\"" << 2.0;
        QTest::newRow("class 1 at 55 psi, 8 inch line's end") << 1 << 55.0 << 10000.0 << true << "8\"" << 40.0;
        QTest::newRow("class 1 at 60 psi, 8000 gpm, 8 inch not spanning") << 1 << 60.0 << 8000.0 << false << "" << 0.0;
        QTest::newRow("class 1 on the 10 ft/s line at 2 psi") << 1 << 2.0 << 1258.5908169934762 << true << "8\"" << 10.0;
        // Class 3 has no 40 ft/s line: above 30 ft/s its fastest line is 30.
        QTest::newRow("class 3 at 100 psi, 3000 gpm") << 3 << 100.0 << 3000.0 << true << "6\"" << 30.0;
        QTest::newRow("class 2 above every pipe") << 2 << 1.0 << 9999.0 << false << "" << 0.0;
        for (int c = 1; c <= 3; ++c) {
            QTest::addRow("class %d at 0.05 psi", c) << c << 0.05 << 10.0 << false << "" << 0.0;
            QTest::addRow("class %d at 150 psi", c) << c << 150.0 << 10.0 << false << "" << 0.0;
            QTest::addRow("class %d at 0 psi", c) << c << 0.0 << 10.0 << false << "" << 0.0;
            QTest::addRow("class %d at -4 psi", c) << c << -4.0 << 10.0 << false << "" << 0.0;
            QTest::addRow("class %d at 0 gpm", c) << c << 4.0 << 0.0 << false << "" << 0.0;
            QTest::addRow("class %d at -20 gpm", c) << c << 4.0 << -20.0 << false << "" << 0.0;
            QTest::addRow("class %d at NaN psi", c) << c << kNaN << 10.0 << false << "" << 0.0;
            QTest::addRow("class %d at NaN gpm", c) << c << 4.0 << kNaN << false << "" << 0.0;
            QTest::addRow("class %d at infinite psi", c) << c << kInf << 10.0 << false << "" << 0.0;
            QTest::addRow("class %d at infinite gpm", c) << c << 4.0 << kInf << false << "" << 0.0;
            QTest::addRow("class %d at huge gpm", c) << c << 4.0 << kHuge << false << "" << 0.0;
            QTest::addRow("class %d at denormal psi", c) << c << kDenormal << 10.0 << false << "" << 0.0;
        }
        // clang-format on
    }
    void nearestPipe()
    {
        QFETCH(int, classNumber);
        QFETCH(double, pressure);
        QFETCH(double, flow);
        QFETCH(bool, found);
        QFETCH(QString, pipe);
        QFETCH(double, velocity);
        const TClassModule& m = classModule(classNumber);
        std::string name = "stale";
        double v = -1.0;
        QCOMPARE(m.GetNearestPipeAndVelocity(pressure, flow, name, v), found);
        QCOMPARE(QString::fromStdString(name), pipe);
        QVERIFY2(std::abs(v - velocity) < 5e-4, qPrintable(QString::number(v, 'g', 10)));
        if (found)
            QCOMPARE(m.GetVelocityAtPoint(pressure, flow), v);
    }

    void velocityAtPoint_data()
    {
        // clang-format off
        QTest::addColumn<int>("classNumber");
        QTest::addColumn<double>("pressure");
        QTest::addColumn<double>("flow");
        QTest::addColumn<double>("velocity");
        QTest::newRow("no line spans 0") << 1 << 0.0 << 10.0 << 0.0;
        QTest::newRow("no line spans a negative drop") << 2 << -1.0 << 10.0 << 0.0;
        QTest::newRow("no line spans 0.0579") << 1 << 0.0579 << 40.0 << 0.0;
        QTest::newRow("zero flow lies below the band") << 1 << 4.0 << 0.0 << 3.0;
        QTest::newRow("negative flow lies below the band") << 1 << 4.0 << -3.0 << 3.0;
        QTest::newRow("NaN flow") << 1 << 4.0 << kNaN << 0.0;
        QTest::newRow("infinite flow") << 3 << 4.0 << kInf << 0.0;
        QTest::newRow("NaN pressure") << 3 << kNaN << 4.0 << 0.0;
        QTest::newRow("denormal flow lies below the band") << 3 << 10.0 << kDenormal << 3.0;
        QTest::newRow("one spanning line: its own velocity") << 1 << 0.1 << 1.0 << 1.0;
        // clang-format on
    }
    void velocityAtPoint()
    {
        QFETCH(int, classNumber);
        QFETCH(double, pressure);
        QFETCH(double, flow);
        QFETCH(double, velocity);
        QCOMPARE(classModule(classNumber).GetVelocityAtPoint(pressure, flow), velocity);
    }

    void pressureForPipe_data()
    {
        // clang-format off
        QTest::addColumn<int>("classNumber");
        QTest::addColumn<QString>("pipe");
        QTest::addColumn<double>("flow");
        QTest::addColumn<double>("pressure");
        QTest::addColumn<double>("velocity");
        QTest::newRow("class 1, 3 inch at 40 gpm") << 1 << "3\"" << 40.0 << 0.19566 << 1.6319;
        QTest::newRow("class 1, 4 inch at 40 gpm, off the velocity lines") << 1 << "4\"" << 40.0 << 0.057905 << 0.0;
        QTest::newRow("letter case differs") << 1 << "1 1/4\" X" << 40.0 << 0.0 << 0.0;
        QTest::newRow("no inch mark") << 1 << "3" << 40.0 << 0.0 << 0.0;
        QTest::newRow("extra blank") << 2 << "1  1/4\"" << 40.0 << 0.0 << 0.0;
        QTest::newRow("curly inch mark") << 3 << "3\u201D" << 40.0 << 0.0 << 0.0;
        QTest::newRow("empty name") << 3 << "" << 40.0 << 0.0 << 0.0;
        QTest::newRow("zero flow") << 1 << "3\"" << 0.0 << 0.0 << 0.0;
        QTest::newRow("NaN flow") << 1 << "3\"" << kNaN << 0.0 << 0.0;
        QTest::newRow("huge flow overflows") << 1 << "3/8\"" << kHuge << 0.0 << 0.0;
        // clang-format on
    }
    void pressureForPipe()
    {
        QFETCH(int, classNumber);
        QFETCH(QString, pipe);
        QFETCH(double, flow);
        QFETCH(double, pressure);
        QFETCH(double, velocity);
        const TClassModule& m = classModule(classNumber);
        const double p = m.GetPressureForPipe(pipe.toStdString(), flow);
        QVERIFY2(std::abs(p - pressure) <= 1e-4 * std::max(1.0, pressure), qPrintable(QString::number(p, 'g', 10)));
        QVERIFY2(std::abs(m.GetVelocityAtPoint(p, flow) - velocity) < 5e-4, qPrintable(QString::number(p)));
    }

    // The velocity's name is read from its leading number, trimmed, with "," as a point too.
    void velocityNames_data()
    {
        // clang-format off
        QTest::addColumn<QString>("slowName");
        QTest::addColumn<double>("slowVelocity");
        QTest::newRow("plain") << "2 ft/s" << 2.0;
        QTest::newRow("padded with blanks") << "  10 ft/s  " << 10.0;
        QTest::newRow("padded with a tab") << "\t10 ft/s" << 10.0;
        QTest::newRow("comma decimal") << "2,5 ft/s" << 2.5;
        QTest::newRow("no number before the blank") << "ft/s 3" << 0.0;
        QTest::newRow("nothing but blanks") << "   " << 0.0;
        QTest::newRow("trailing junk in the number") << "2x ft/s" << 0.0;
        QTest::newRow("number without unit") << "7.25" << 7.25;
        // clang-format on
    }
    void velocityNames()
    {
        QFETCH(QString, slowName);
        QFETCH(double, slowVelocity);
        const TPipeSizeArray none;
        const TPipeSizeArray lines{{slowName.toStdString(), 10, 1, 1, 10}, {"20 ft/s", 10, 10, 1, 100}};
        const Nomogram::TClassTables tables{none, lines};
        // On the slow line itself at p = 5: the first of the two lines gives its own velocity.
        const double q = Nomogram::calcYOnLogLine(5, 10, 1, 1, 10);
        QCOMPARE(Nomogram::getVelocityAtPoint(tables, 5, q), slowVelocity);
        QCOMPARE(Nomogram::getVelocityAtPoint(tables, 5, q / 2), slowVelocity);
    }

    void logLine_data()
    {
        // clang-format off
        QTest::addColumn<double>("x");
        QTest::addColumn<double>("x1");
        QTest::addColumn<double>("y1");
        QTest::addColumn<double>("x2");
        QTest::addColumn<double>("y2");
        QTest::addColumn<double>("y");
        QTest::newRow("first end") << 1.9 << 1.9 << 1.0 << 100.0 << 9.2 << 1.0;
        QTest::newRow("second end") << 100.0 << 1.9 << 1.0 << 100.0 << 9.2 << 9.2;
        QTest::newRow("extended left") << 0.01 << 0.1 << 1.0 << 1.0 << 10.0 << 0.1;
        QTest::newRow("falling line") << 1.0 << 10.0 << 1.0 << 0.1 << 100.0 << 10.0;
        QTest::newRow("vertical line") << 1.0 << 2.0 << 1.0 << 2.0 << 10.0 << 0.0;
        QTest::newRow("x zero") << 0.0 << 0.1 << 1.0 << 1.0 << 10.0 << 0.0;
        QTest::newRow("y1 negative") << 1.0 << 0.1 << -1.0 << 1.0 << 10.0 << 0.0;
        QTest::newRow("x NaN") << kNaN << 0.1 << 1.0 << 1.0 << 10.0 << 0.0;
        QTest::newRow("result overflows") << kHuge << 0.1 << 1.0 << 0.2 << 1e300 << 0.0;
        // clang-format on
    }
    void logLine()
    {
        QFETCH(double, x);
        QFETCH(double, x1);
        QFETCH(double, y1);
        QFETCH(double, x2);
        QFETCH(double, y2);
        QFETCH(double, y);
        for (int c = 1; c <= 3; ++c)
            QVERIFY(std::abs(classModule(c).CalcYOnLogLine(x, x1, y1, x2, y2) - y) <= 1e-12 * std::max(1.0, y));
    }

    // GetPressureForPipe is the inverse of CalcYOnLogLine on every pipe line, extended lines too.
    void pressureInvertsTheLine_data()
    {
        // clang-format off
        QTest::addColumn<int>("classNumber");
        for (int c = 1; c <= 3; ++c)
            QTest::addRow("class %d", c) << c;
        // clang-format on
    }
    void pressureInvertsTheLine()
    {
        QFETCH(int, classNumber);
        const TClassModule& m = classModule(classNumber);
        std::mt19937_64 random(classNumber);
        std::uniform_real_distribution<double> logFlow(-1.0, 5.0);
        for (const TPipeSize& line : m.PipeSizes) {
            for (int i = 0; i < 500; ++i) {
                const double q = std::pow(10.0, logFlow(random));
                const double p = m.GetPressureForPipe(line.Name, q);
                QVERIFY(p > 0.0);
                const double back = m.CalcYOnLogLine(p, line.X1, line.Y1, line.X2, line.Y2);
                QVERIFY2(std::abs(back - q) <= 1e-9 * q,
                         qPrintable(QStringLiteral("%1 at %2").arg(line.Name.c_str()).arg(q)));
            }
        }
    }
};

QTEST_GUILESS_MAIN(TestNomogramLookup)
#include "tst_nomogram_lookup.moc"
