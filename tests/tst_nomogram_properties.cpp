// Properties of the lookups over many random points of each class's nomogram: the chosen pipe
// is the smallest spanning pipe that carries the flow, velocities stay on the class's scale and
// rise with the flow, and the inverse pipe lookup undoes the line arithmetic.
#include "NomogramClasses.h"

#include <QTest>

#include <cmath>
#include <random>

namespace {

constexpr int kPointsPerClass = 100000;
constexpr double kSlowestFtPerS = 1.0;

// Log-uniform over the frame and a margin around it, where points fall off the nomogram.
struct TRandomPoints {
    explicit TRandomPoints(int classNumber)
        : FRandom(0x6b656c6400u + static_cast<unsigned>(classNumber))
    {
    }
    double pressure() { return std::pow(10.0, FLogPressure(FRandom)); }
    double flow() { return std::pow(10.0, FLogFlow(FRandom)); }

private:
    std::mt19937_64 FRandom;
    std::uniform_real_distribution<double> FLogPressure{-1.2, 2.1}; // 0.063 .. 126 psi/100ft
    std::uniform_real_distribution<double> FLogFlow{-0.3, 4.2};     // 0.5 .. 15800 gpm
};

QString describe(int classNumber, double pressure, double flow)
{
    return QStringLiteral("class %1 at %2 psi/100ft, %3 gpm")
        .arg(classNumber)
        .arg(pressure, 0, 'g', 17)
        .arg(flow, 0, 'g', 17);
}

bool spans(const TPipeSize& line, double pressure)
{
    return std::min(line.X1, line.X2) <= pressure && pressure <= std::max(line.X1, line.X2);
}

double lineFlow(const TClassModule& m, const TPipeSize& line, double pressure)
{
    return m.CalcYOnLogLine(pressure, line.X1, line.Y1, line.X2, line.Y2);
}

double fastestFtPerS(int classNumber) { return classNumber == 3 ? 30.0 : 40.0; }

} // namespace

class TestNomogramProperties : public QObject {
    Q_OBJECT

private slots:
    void foundPipeIsSmallestThatCarries_data() { addClassRows(); }
    void foundPipeIsSmallestThatCarries()
    {
        QFETCH(int, classNumber);
        const TClassModule& m = classModule(classNumber);
        TRandomPoints points(classNumber);
        int found = 0;
        for (int i = 0; i < kPointsPerClass; ++i) {
            const double p = points.pressure();
            const double q = points.flow();
            std::string name;
            double v = 0.0;
            if (!m.GetNearestPipeAndVelocity(p, q, name, v)) {
                for (const TPipeSize& line : m.PipeSizes)
                    if (spans(line, p) && lineFlow(m, line, p) >= q)
                        QFAIL(qPrintable(describe(classNumber, p, q) + " refused, yet " + line.Name.c_str()
                                         + " carries it"));
                continue;
            }
            ++found;
            const auto it = std::find_if(m.PipeSizes.begin(), m.PipeSizes.end(),
                                         [&](const TPipeSize& line) { return line.Name == name; });
            if (it == m.PipeSizes.end())
                QFAIL(qPrintable(describe(classNumber, p, q) + " names a pipe not in the table"));
            if (!spans(*it, p) || lineFlow(m, *it, p) < q)
                QFAIL(qPrintable(describe(classNumber, p, q) + ": " + name.c_str() + " does not carry it"));
            // Only the pipe directly before can be the one the search should have stopped at
            // when every spanning line is in order; check each smaller spanning pipe all the same.
            for (auto before = m.PipeSizes.begin(); before != it; ++before)
                if (spans(*before, p) && lineFlow(m, *before, p) >= q)
                    QFAIL(qPrintable(describe(classNumber, p, q) + ": the smaller " + before->Name.c_str()
                                     + " already carries it"));
        }
        // The margin around the frame is small: most points lie on the nomogram.
        QVERIFY2(found > kPointsPerClass / 4, qPrintable(QString::number(found)));
    }

    void velocityOnTheClassScale_data() { addClassRows(); }
    void velocityOnTheClassScale()
    {
        QFETCH(int, classNumber);
        const TClassModule& m = classModule(classNumber);
        const double fastest = fastestFtPerS(classNumber);
        TRandomPoints points(classNumber);
        for (int i = 0; i < kPointsPerClass; ++i) {
            const double p = points.pressure();
            const double q = points.flow();
            std::string name;
            double v = 0.0;
            const bool found = m.GetNearestPipeAndVelocity(p, q, name, v);
            const double vAny = m.GetVelocityAtPoint(p, q);
            if (found && !(kSlowestFtPerS <= v && v <= fastest))
                QFAIL(qPrintable(describe(classNumber, p, q) + QStringLiteral(": velocity %1").arg(v)));
            if (found && vAny != v)
                QFAIL(qPrintable(describe(classNumber, p, q) + ": the two lookups disagree"));
            if (vAny != 0.0 && !(kSlowestFtPerS <= vAny && vAny <= fastest))
                QFAIL(qPrintable(describe(classNumber, p, q) + QStringLiteral(": velocity %1").arg(vAny)));
        }
    }

    // At one pressure drop a larger flow needs a larger pipe, in which the water runs faster.
    void velocityRisesWithFlow_data() { addClassRows(); }
    void velocityRisesWithFlow()
    {
        QFETCH(int, classNumber);
        const TClassModule& m = classModule(classNumber);
        TRandomPoints points(classNumber);
        for (int i = 0; i < kPointsPerClass; ++i) {
            const double p = std::clamp(points.pressure(), 0.1, 100.0);
            const double q1 = points.flow();
            const double q2 = points.flow();
            const double lowFlow = std::min(q1, q2);
            const double highFlow = std::max(q1, q2);
            if (m.GetVelocityAtPoint(p, lowFlow) > m.GetVelocityAtPoint(p, highFlow))
                QFAIL(qPrintable(describe(classNumber, p, lowFlow)
                                 + QStringLiteral(" is faster than at %1 gpm").arg(highFlow, 0, 'g', 17)));
        }
    }

    // Both ways round: the pressure drop for a flow gives that flow back on the line, and the
    // flow at a pressure drop gives that pressure drop back.
    void pressureForPipeInvertsTheLine_data() { addClassRows(); }
    void pressureForPipeInvertsTheLine()
    {
        QFETCH(int, classNumber);
        const TClassModule& m = classModule(classNumber);
        TRandomPoints points(classNumber);
        std::mt19937 pick(static_cast<unsigned>(classNumber));
        std::uniform_int_distribution<std::size_t> index(0, m.PipeSizes.size() - 1);
        constexpr double kRelativeTolerance = 1e-9;
        for (int i = 0; i < kPointsPerClass; ++i) {
            const TPipeSize& line = m.PipeSizes[index(pick)];
            const double q = points.flow();
            const double pForQ = m.GetPressureForPipe(line.Name, q);
            if (!(pForQ > 0.0) || std::abs(lineFlow(m, line, pForQ) - q) > kRelativeTolerance * q)
                QFAIL(qPrintable(QStringLiteral("class %1, %2 at %3 gpm: pressure drop %4")
                                     .arg(classNumber)
                                     .arg(line.Name.c_str())
                                     .arg(q, 0, 'g', 17)
                                     .arg(pForQ, 0, 'g', 17)));
            const double p = points.pressure();
            const double qAtP = lineFlow(m, line, p);
            const double back = m.GetPressureForPipe(line.Name, qAtP);
            if (std::abs(back - p) > kRelativeTolerance * p)
                QFAIL(qPrintable(QStringLiteral("class %1, %2 at %3 psi/100ft: back %4")
                                     .arg(classNumber)
                                     .arg(line.Name.c_str())
                                     .arg(p, 0, 'g', 17)
                                     .arg(back, 0, 'g', 17)));
        }
    }

private:
    static void addClassRows()
    {
        QTest::addColumn<int>("classNumber");
        QTest::newRow("class 1, smooth") << 1;
        QTest::newRow("class 2, semi-smooth") << 2;
        QTest::newRow("class 3, rough") << 3;
    }
};

QTEST_GUILESS_MAIN(TestNomogramProperties)
#include "tst_nomogram_properties.moc"
