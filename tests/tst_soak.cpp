// A long run through the real windows: thousands of calculations with random valid and invalid
// inputs, class changes and scale changes while the chart window is open. The chart always holds
// its three operating-point series plus the drawn class's lines, every timer stops once the
// marker and the glide have come to rest, and resident memory does not grow.
#include "NomogramLookup.h"
#include "NumberInput.h"
#include "PipeRange.h"
#include "Unit1.h"
#include "Unit5.h"
#include "Win11Button.h"
#include "WindowFixture.h"

#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QScopeGuard>
#include <QTest>
#include <QTimer>
#include <qcustomplot.h>

#include <array>
#include <cmath>
#include <random>

namespace {

constexpr int kCalculations = 5000;
constexpr int kWarmUpCalculations = 500;
constexpr double kAllowedGrowthKiB = 5 * 1024;
// The operating point's marker and its two guide lines.
constexpr int kOperatingPointSeries = 3;
// The marker crosses the bar in at most 46 ticks and the glide takes 132; a few more than that
// means a timer that never stops.
constexpr int kMaxMarkerTicks = 100;
constexpr int kMaxGlideTicks = 400;

#if defined(__SANITIZE_ADDRESS__)
constexpr bool kUnderAddressSanitizer = true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr bool kUnderAddressSanitizer = true;
#else
constexpr bool kUnderAddressSanitizer = false;
#endif
#else
constexpr bool kUnderAddressSanitizer = false;
#endif

// Resident set size of this process in KiB, as the kernel counts it.
double residentKiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1.0;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toDouble();
    return -1.0;
}

// Does a calculation with these inputs get as far as feeding the chart?
bool reachesChart(int mode, const QString& pressureText, const QString& flowText)
{
    const Nomogram::TClassTables* tables = Nomogram::tablesForClass(mode);
    double pressure = 0.0;
    double flow = 0.0;
    QString rewritten;
    if (tables == nullptr || !parsePressureText(pressureText, pressure) || !parseFlowText(flowText, flow, rewritten))
        return false;
    std::string name;
    double velocity = 0.0;
    TPipeRange range;
    return Nomogram::getNearestPipeAndVelocity(*tables, pressure, flow, name, velocity)
        && findPipeRange(tables->PipeSizes, pressure, flow, range);
}

int linesOfClass(int mode)
{
    const Nomogram::TClassTables* tables = Nomogram::tablesForClass(mode);
    return static_cast<int>(tables->PipeSizes.size() + tables->VelocityLines.size());
}

class TInputs {
public:
    explicit TInputs(unsigned seed)
        : FRandom(seed)
    {
    }

    QString pressure()
    {
        static const QString kInvalid[] = {QString(),           QStringLiteral("abc"),   QStringLiteral("1,5"),
                                           QStringLiteral("-"), QStringLiteral("1e999"), QStringLiteral("2+3")};
        if (chance(0.1))
            return kInvalid[pick(std::size(kInvalid))];
        return QString::number(logUniform(-1.4, 2.2), 'g', 6); // 0.04 .. 160 psi/100ft
    }

    QString flow()
    {
        static const QString kInvalid[]
            = {QString(),           QStringLiteral("2+"), QStringLiteral("+2"), QStringLiteral("2++3"),
               QStringLiteral("x"), QStringLiteral("nan")};
        if (chance(0.1))
            return kInvalid[pick(std::size(kInvalid))];
        const QString first = QString::number(logUniform(-0.5, 4.2), 'g', 6);
        if (chance(0.3))
            return first + QLatin1Char('+') + QString::number(logUniform(-0.5, 3.0), 'g', 4).replace('.', ',');
        return first;
    }

    bool chance(double p) { return std::uniform_real_distribution<double>(0.0, 1.0)(FRandom) < p; }
    std::size_t pick(std::size_t n) { return std::uniform_int_distribution<std::size_t>(0, n - 1)(FRandom); }

private:
    double logUniform(double lo, double hi)
    {
        return std::pow(10.0, std::uniform_real_distribution<double>(lo, hi)(FRandom));
    }

    std::mt19937 FRandom;
};

} // namespace

class TestSoak : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        // The offscreen platform says on every raise of the chart window that it cannot raise
        // windows; thousands of those would crowd out this test's own figures.
        FPreviousHandler = qInstallMessageHandler(&TestSoak::dropPlatformNotes);
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        QVERIFY(openWindows());
        // Invalid inputs open the calculator's modal message; answer each one at once.
        connect(&FModalCloser, &QTimer::timeout, this, [this] {
            if (QWidget* modal = QApplication::activeModalWidget()) {
                ++FMessages;
                modal->close();
            }
        });
        FModalCloser.start(0);
    }

    void cleanupTestCase()
    {
        FModalCloser.stop();
        closeWindows();
    }

    void manyCalculations()
    {
        const std::array<TWin11Button*, 3> buttons{Form1->findChild<TWin11Button*>(QStringLiteral("BtnSmooth")),
                                                   Form1->findChild<TWin11Button*>(QStringLiteral("BtnSemiSmooth")),
                                                   Form1->findChild<TWin11Button*>(QStringLiteral("BtnRough"))};
        auto* calculate = Form1->findChild<TWin11Button*>(QStringLiteral("BtnCalculate"));
        auto* showChart = Form1->findChild<TWin11Button*>(QStringLiteral("BtnShowChart"));
        auto* pressure = Form1->findChild<QLineEdit*>(QStringLiteral("EditPressure"));
        auto* flow = Form1->findChild<QLineEdit*>(QStringLiteral("EditFlow"));
        auto* scale = Form1->findChild<QLineEdit*>(QStringLiteral("EditScale"));
        auto* marker = Form1->findChild<QTimer*>(QStringLiteral("tmrAnim"));
        auto* chart = Form5->findChild<QCustomPlot*>(QStringLiteral("Chart1"));
        QVERIFY(calculate && showChart && pressure && flow && scale && marker && chart);
        QVERIFY(buttons[0] && buttons[1] && buttons[2]);

        QTest::mouseClick(buttons[0], Qt::LeftButton);
        QTest::mouseClick(showChart, Qt::LeftButton);
        QVERIFY(QTest::qWaitForWindowExposed(Form5));

        TInputs inputs(20261209);
        int drawnMode = 0;
        int reached = 0;
        bool scaledUp = false;
        double warmRssKiB = 0.0;
        for (int i = 1; i <= kCalculations; ++i) {
            if (inputs.chance(0.05))
                QTest::mouseClick(buttons[inputs.pick(3)], Qt::LeftButton);
            // Doubling and halving return every length to the pixel, so the window never drifts.
            if (inputs.chance(0.02)) {
                scale->setText(scaledUp ? QStringLiteral("50") : QStringLiteral("200"));
                scaledUp = !scaledUp;
                Form1->EditScaleExit();
            }
            const QString pressureText = inputs.pressure();
            const QString flowText = inputs.flow();
            pressure->setText(pressureText);
            flow->setText(flowText);
            const int mode = Form1->selectedMode();
            const bool expectChart = reachesChart(mode, pressureText, flowText);
            QTest::mouseClick(calculate, Qt::LeftButton);
            if (expectChart) {
                drawnMode = mode;
                ++reached;
            }

            // The timers' handlers are driven directly: the run does not wait real milliseconds.
            for (int tick = 0; marker->isActive() && tick < kMaxMarkerTicks; ++tick)
                Form1->tmrAnimTimer();
            QVERIFY2(!marker->isActive(),
                     qPrintable(QStringLiteral("marker still moving after calculation %1").arg(i)));
            // Most glides are cut short by the next calculation, as when a user types fast;
            // every tenth is left to come to rest.
            const int glideTicks = i % 10 == 0 ? kMaxGlideTicks : static_cast<int>(inputs.pick(8));
            for (int tick = 0; Form5->animationTimer().isActive() && tick < glideTicks; ++tick)
                Form5->TimerTick();
            if (i % 10 == 0)
                QVERIFY2(!Form5->animationTimer().isActive(), qPrintable(QStringLiteral("glide %1 never ends").arg(i)));

            if (drawnMode != 0 && chart->graphCount() != kOperatingPointSeries + linesOfClass(drawnMode))
                QFAIL(qPrintable(QStringLiteral("calculation %1: %2 series for class %3")
                                     .arg(i)
                                     .arg(chart->graphCount())
                                     .arg(drawnMode)));
            QVERIFY(Form5->isVisible());
            if (i == kWarmUpCalculations)
                warmRssKiB = residentKiB();
        }
        if (scaledUp) {
            scale->setText(QStringLiteral("50"));
            Form1->EditScaleExit();
        }
        QCoreApplication::processEvents();
        const double endRssKiB = residentKiB();
        qInfo("%d of %d calculations reached the chart, %d messages answered; resident %.0f KiB after %d, %.0f KiB "
              "at the end",
              reached, kCalculations, FMessages, warmRssKiB, kWarmUpCalculations, endRssKiB);
        QVERIFY(reached > kCalculations / 2);
        QVERIFY(FMessages > 0);
        QVERIFY(!marker->isActive());
        QVERIFY(!Form5->animationTimer().isActive());
        QVERIFY(warmRssKiB > 0.0 && endRssKiB > 0.0);
        // AddressSanitizer holds freed blocks in quarantine (up to 256 MiB), so resident size says
        // nothing about leaks there; LeakSanitizer checks those at exit instead.
        if (!kUnderAddressSanitizer)
            QVERIFY2(endRssKiB - warmRssKiB <= kAllowedGrowthKiB,
                     qPrintable(QStringLiteral("grew by %1 KiB").arg(endRssKiB - warmRssKiB)));
    }

private:
    static void dropPlatformNotes(QtMsgType type, const QMessageLogContext& context, const QString& message)
    {
        if (type == QtWarningMsg && message.startsWith(QLatin1String("This plugin does not support")))
            return;
        FPreviousHandler(type, context, message);
    }

    static inline QtMessageHandler FPreviousHandler = nullptr;
    QTimer FModalCloser;
    int FMessages = 0;
};

QTEST_MAIN(TestSoak)
#include "tst_soak.moc"
