// The sizing method over a whole schedule: one segment at the uniform rate, raised for velocity,
// the refusals, and a three-storey building worked by hand from class 2's nomogram and in PP-R.
#include "Sizing.h"

#include <QTest>

#include <cmath>
#include <functional>
#include <limits>

using namespace Sizing;

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

TSegment segment(const char* name, TRun run, double fixtureUnits, double flowGpm, double lengthFt,
                 double fittingsPercent, bool onPath)
{
    TSegment s;
    s.name = name;
    s.run = run;
    s.fixtureUnits = fixtureUnits;
    s.flowGpm = flowGpm;
    s.lengthFt = lengthFt;
    s.fittingsPercent = fittingsPercent;
    s.onCriticalPath = onPath;
    return s;
}

// Three storeys fed from the street main: 50 psi at the main, 5 psi through the meter, the top
// fixture 25 ft up and a flush tank's 8 psi. Riser A-B and B-C are mains, C-D the top floor's branch,
// and the ground floor's branch E takes a typed 5 gpm off the path.
TSchedule threeStoreys()
{
    TSchedule s;
    s.roughnessClass = 2;
    s.supply = Design::TSupply::FlushTank;
    s.sourcePsi = 50.0;
    s.meterAndDevicesPsi = 5.0;
    s.heightFt = 25.0;
    s.fixturePsi = 8.0;
    s.segments = {segment("A-B", TRun::Main, 60.0, 0.0, 30.0, 50.0, true),
                  segment("B-C", TRun::Main, 40.0, 0.0, 12.0, 50.0, true),
                  segment("C-D", TRun::Branch, 20.0, 0.0, 12.0, 50.0, true),
                  segment("E", TRun::Branch, 0.0, 5.0, 8.0, 100.0, false)};
    return s;
}

} // namespace

class TestSizing : public QObject {
    Q_OBJECT

private slots:
    void sizeSegmentRules_data()
    {
        QTest::addColumn<int>("roughnessClass");
        QTest::addColumn<double>("allowable");
        QTest::addColumn<double>("flowGpm");
        QTest::addColumn<double>("limit");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<QString>("pipe");
        QTest::addColumn<bool>("raised");
        QTest::addColumn<int>("problem");
        // clang-format off
        QTest::newRow("class 2, 32 gpm at 32.3 psi/100ft") << 2 << 32.3148 << 32.0 << 10.0 << true << "1 1/4\"" << false << int(TSizeProblem::None);
        QTest::newRow("class 2, 19.6 gpm raised twice to 4 ft/s") << 2 << 32.3148 << 19.6 << 4.0 << true << "1 1/2\"" << true << int(TSizeProblem::None);
        QTest::newRow("above 100 psi/100ft reads at 100") << 2 << 500.0 << 32.0 << 40.0 << true << "1\"" << false << int(TSizeProblem::None);
        QTest::newRow("no pipe slow enough") << 1 << 4.0 << 2000.0 << 0.5 << false << "" << false << int(TSizeProblem::TooFast);
        QTest::newRow("flow above every line") << 2 << 4.0 << 20000.0 << 10.0 << false << "" << false << int(TSizeProblem::OffChart);
        QTest::newRow("class 0") << 0 << 4.0 << 20.0 << 10.0 << false << "" << false << int(TSizeProblem::OffChart);
        QTest::newRow("class 4") << 4 << 4.0 << 20.0 << 10.0 << false << "" << false << int(TSizeProblem::OffChart);
        QTest::newRow("zero allowable") << 1 << 0.0 << 20.0 << 10.0 << false << "" << false << int(TSizeProblem::OffChart);
        QTest::newRow("NaN flow") << 1 << 4.0 << kNaN << 10.0 << false << "" << false << int(TSizeProblem::OffChart);
        QTest::newRow("infinite limit") << 1 << 4.0 << 20.0 << kInf << false << "" << false << int(TSizeProblem::OffChart);
        QTest::newRow("negative limit") << 1 << 4.0 << 20.0 << -1.0 << false << "" << false << int(TSizeProblem::OffChart);
        // clang-format on
    }
    void sizeSegmentRules()
    {
        QFETCH(int, roughnessClass);
        QFETCH(double, allowable);
        QFETCH(double, flowGpm);
        QFETCH(double, limit);
        QFETCH(bool, ok);
        QFETCH(QString, pipe);
        QFETCH(bool, raised);
        QFETCH(int, problem);
        TSegmentSize size;
        TSizeProblem why = TSizeProblem::None;
        QCOMPARE(sizeSegment(roughnessClass, allowable, flowGpm, limit, size, why), ok);
        QCOMPARE(int(why), problem);
        if (!ok)
            return;
        QCOMPARE(QString::fromStdString(size.pipe), pipe);
        QCOMPARE(size.raisedForVelocity, raised);
        QVERIFY(size.velocityFtPerS <= limit);
        QVERIFY(size.lossPsiPer100ft > 0.0);
    }

    // Expected values from Python, apart from this code: each size's loss by Darcy-Weisbach with
    // Colebrook-White solved by bisection on f, water interpolated by hand (10 °C: 999.70 kg/m³,
    // 1.3060 mPa·s; 60 °C: 983.20, 0.4660), roughness 0.007 mm, gpm at 0.0630902 L/s, kPa/m at
    // 0.226206 per psi/100ft, ft at 0.3048 m; then the rule applied by a plain scan.
    void sizeSegmentInRules_data()
    {
        QTest::addColumn<QString>("material");
        QTest::addColumn<double>("temperatureC");
        QTest::addColumn<double>("allowable");
        QTest::addColumn<double>("flowGpm");
        QTest::addColumn<double>("limit");
        QTest::addColumn<int>("problem");
        QTest::addColumn<QString>("pipe");
        QTest::addColumn<double>("outsideMm");
        QTest::addColumn<bool>("raised");
        QTest::addColumn<double>("velocity");
        QTest::addColumn<double>("loss");
        constexpr double kGpmPerLps = 1.0 / 0.0630902;
        const int none = int(TSizeProblem::None);
        const int offChart = int(TSizeProblem::OffChart);
        // clang-format off
        QTest::newRow("PP-R PN20, 0.1 L/s fits the smallest") << "ppr-pn20" << 10.0 << 4.0 << 0.1 * kGpmPerLps << 10.0 << none << "20×3.4" << 20.0 << false << 2.3974375 << 3.05848629;
        QTest::newRow("PP-R PN20, 10 gpm raised twice to 4 ft/s") << "ppr-pn20" << 10.0 << 50.0 << 10.0 << 4.0 << none << "40×6.7" << 40.0 << true << 3.72472134 << 2.74089352;
        QTest::newRow("no chart cap: 1 L/s at 500 psi/100ft") << "ppr-pn20" << 10.0 << 500.0 << kGpmPerLps << 40.0 << none << "20×3.4" << 20.0 << false << 23.974375 << 190.546264;
        QTest::newRow("1 L/s at 100 psi/100ft") << "ppr-pn20" << 10.0 << 100.0 << kGpmPerLps << 40.0 << none << "25×4.2" << 25.0 << false << 15.1592941 << 61.6967123;
        QTest::newRow("PEX-AL-PEX, 20 gpm at 60 °C") << "pex-al-pex" << 60.0 << 10.0 << 20.0 << 10.0 << none << "32×3.0" << 32.0 << false << 7.79723026 << 8.76554633;
        QTest::newRow("beyond the largest size") << "ppr-pn20" << 10.0 << 1.0 << 2000.0 << 10.0 << offChart << "" << 0.0 << false << 0.0 << 0.0;
        QTest::newRow("no size slow enough") << "ppr-pn20" << 10.0 << 100.0 << 300.0 << 1.0 << int(TSizeProblem::TooFast) << "" << 0.0 << false << 0.0 << 0.0;
        QTest::newRow("101 °C") << "ppr-pn20" << 101.0 << 4.0 << 1.0 << 10.0 << offChart << "" << 0.0 << false << 0.0 << 0.0;
        QTest::newRow("NaN flow") << "ppr-pn20" << 10.0 << 4.0 << kNaN << 10.0 << offChart << "" << 0.0 << false << 0.0 << 0.0;
        QTest::newRow("zero limit") << "ppr-pn20" << 10.0 << 4.0 << 1.0 << 0.0 << offChart << "" << 0.0 << false << 0.0 << 0.0;
        // clang-format on
    }
    void sizeSegmentInRules()
    {
        QFETCH(QString, material);
        QFETCH(double, temperatureC);
        QFETCH(double, allowable);
        QFETCH(double, flowGpm);
        QFETCH(double, limit);
        QFETCH(int, problem);
        QFETCH(QString, pipe);
        QFETCH(double, outsideMm);
        QFETCH(bool, raised);
        QFETCH(double, velocity);
        QFETCH(double, loss);
        const Hydraulics::TMaterial* table = Hydraulics::findMaterial(material.toStdString());
        QVERIFY(table != nullptr);
        TSegmentSize size;
        TSizeProblem why = TSizeProblem::None;
        QCOMPARE(sizeSegmentIn(*table, temperatureC, allowable, flowGpm, limit, size, why),
                 problem == int(TSizeProblem::None));
        QCOMPARE(int(why), problem);
        QCOMPARE(QString::fromStdString(size.pipe), pipe);
        QCOMPARE(size.outsideMm, outsideMm);
        QCOMPARE(size.raisedForVelocity, raised);
        QVERIFY2(qAbs(size.velocityFtPerS - velocity) <= 1e-7 * velocity,
                 qPrintable(QString::number(size.velocityFtPerS, 'g', 10)));
        QVERIFY2(qAbs(size.lossPsiPer100ft - loss) <= 1e-7 * loss,
                 qPrintable(QString::number(size.lossPsiPer100ft, 'g', 10)));
    }

    // The three storeys in PP-R PN20 at 10 °C, the same 32.315 psi/100ft: the class is
    // galvanized's and is not read. Three segments are raised, each with the size below it,
    // which ran too fast, read at its flow (values as in sizeSegmentInRules).
    void threeStoreysInPpr()
    {
        TSchedule schedule = threeStoreys();
        schedule.material = "ppr-pn20";
        schedule.roughnessClass = 0;
        TScheduleResult r;
        QVERIFY(evaluateSchedule(schedule, r));
        struct TExpected {
            const char* pipe;
            double velocity, lossPer100;
            const char* tooFast;
            double tooFastVelocity;
        };
        const TExpected expected[] = {{"50×8.3", 7.55986613, 7.35826634, "40×6.7", 11.9191083},
                                      {"40×6.7", 9.79601712, 15.5673737, "", 0.0},
                                      {"63×10.5", 2.92829314, 1.01291378, "50×8.3", 4.63041800},
                                      {"32×5.4", 2.93194178, 2.3848691, "25×4.2", 4.78201450}};
        for (std::size_t i = 0; i < std::size(expected); ++i) {
            const TSegmentResult& s = r.segments[i];
            QVERIFY(s.sized);
            QCOMPARE(QString::fromStdString(s.size.pipe), QString::fromUtf8(expected[i].pipe));
            QVERIFY(qAbs(s.size.velocityFtPerS - expected[i].velocity) < 1e-6);
            QVERIFY(qAbs(s.size.lossPsiPer100ft - expected[i].lossPer100) < 1e-6);
            QCOMPARE(s.hasTooFastSize, s.size.raisedForVelocity);
            QCOMPARE(QString::fromStdString(s.tooFastSize.pipe), QString::fromUtf8(expected[i].tooFast));
            QVERIFY(qAbs(s.tooFastSize.velocityFtPerS - expected[i].tooFastVelocity) < 1e-6);
        }
        QVERIFY(qAbs(r.pathLossPsi - (7.35826634 * 45 + 15.5673737 * 18 + 1.01291378 * 18) / 100) < 1e-6);
    }

    // Worked by hand on class 2's lines: available 50 - 5 - 0.433 x 25 - 8 = 26.175 psi over
    // 45 + 18 + 18 = 81 ft gives 32.315 psi/100ft. Each pipe's loss is where its line carries the
    // flow, and its velocity is read between the velocity lines there.
    void threeStoreysByHand()
    {
        TScheduleResult r;
        QVERIFY(evaluateSchedule(threeStoreys(), r));
        QCOMPARE(r.availablePsi, 26.175);
        QCOMPARE(r.pathEquivalentLengthFt, 81.0);
        QVERIFY(qAbs(r.allowablePsiPer100ft - 32.31481) < 1e-4);
        struct TExpected {
            const char* pipe;
            double flowGpm, velocity, lossPer100, lossPsi;
            bool raised;
        };
        const TExpected expected[] = {{"1 1/4\"", 32.0, 8.8263, 16.8065, 7.5629, false},
                                      {"1 1/4\"", 26.3, 7.2186, 11.4726, 2.0651, false},
                                      {"1 1/2\"", 19.6, 3.4335, 2.1826, 0.3929, true},
                                      {"3/4\"", 5.0, 3.6170, 5.1962, 0.8314, false}};
        QCOMPARE(r.segments.size(), std::size(expected));
        for (std::size_t i = 0; i < r.segments.size(); ++i) {
            const TSegmentResult& s = r.segments[i];
            QVERIFY(s.sized);
            QCOMPARE(QString::fromStdString(s.size.pipe), QString::fromLatin1(expected[i].pipe));
            QCOMPARE(s.flowGpm, expected[i].flowGpm);
            QVERIFY2(qAbs(s.size.velocityFtPerS - expected[i].velocity) < 1e-3, qPrintable(QString::number(i)));
            QVERIFY(qAbs(s.size.lossPsiPer100ft - expected[i].lossPer100) < 1e-3);
            QVERIFY(qAbs(s.lossPsi - expected[i].lossPsi) < 1e-3);
            QCOMPARE(s.size.raisedForVelocity, expected[i].raised);
        }
        QVERIFY(qAbs(r.pathLossPsi - 10.0209) < 1e-3);
        QCOMPARE(r.segments[2].cumulativeLossPsi, r.pathLossPsi);
        QCOMPARE(r.segments[3].cumulativeLossPsi, 0.0);
        QVERIFY(qAbs(r.residualPsi - 16.1541) < 1e-3);
    }

    void refusals_data()
    {
        QTest::addColumn<std::function<void(TSchedule&)>>("spoil");
        QTest::addColumn<int>("problem");
        using F = std::function<void(TSchedule&)>;
        using P = TScheduleProblem;
        // clang-format off
        QTest::newRow("class 0") << F([](TSchedule& s) { s.roughnessClass = 0; }) << int(P::BadClass);
        QTest::newRow("unknown material") << F([](TSchedule& s) { s.material = "copper"; s.roughnessClass = 0; }) << int(P::UnknownMaterial);
        QTest::newRow("water at -1 °C") << F([](TSchedule& s) { s.waterTemperatureC = -1.0; }) << int(P::BadTemperature);
        QTest::newRow("PP-R at 101 °C") << F([](TSchedule& s) { s.material = "ppr-pn20"; s.waterTemperatureC = 101.0; }) << int(P::BadTemperature);
        QTest::newRow("NaN water temperature") << F([](TSchedule& s) { s.waterTemperatureC = kNaN; }) << int(P::BadTemperature);
        QTest::newRow("NaN height") << F([](TSchedule& s) { s.heightFt = kNaN; }) << int(P::BadBudget);
        QTest::newRow("negative meter") << F([](TSchedule& s) { s.meterAndDevicesPsi = -1.0; }) << int(P::BadBudget);
        QTest::newRow("negative fixture") << F([](TSchedule& s) { s.fixturePsi = -1.0; }) << int(P::BadBudget);
        QTest::newRow("infinite main limit") << F([](TSchedule& s) { s.mainLimitFtPerS = kInf; }) << int(P::BadLimit);
        QTest::newRow("zero branch limit") << F([](TSchedule& s) { s.branchLimitFtPerS = 0.0; }) << int(P::BadLimit);
        QTest::newRow("no segments") << F([](TSchedule& s) { s.segments.clear(); }) << int(P::NoSegments);
        QTest::newRow("zero length") << F([](TSchedule& s) { s.segments[1].lengthFt = 0.0; }) << int(P::BadSegment);
        QTest::newRow("negative fittings") << F([](TSchedule& s) { s.segments[1].fittingsPercent = -5.0; }) << int(P::BadSegment);
        QTest::newRow("negative typed flow") << F([](TSchedule& s) { s.segments[1].flowGpm = -2.0; }) << int(P::BadSegment);
        QTest::newRow("NaN load beside a typed flow") << F([](TSchedule& s) { s.segments[3].fixtureUnits = kNaN; }) << int(P::BadSegment);
        QTest::newRow("no load, no flow") << F([](TSchedule& s) { s.segments[1].fixtureUnits = 0.0; }) << int(P::NoFlow);
        QTest::newRow("load above the table") << F([](TSchedule& s) { s.segments[1].fixtureUnits = 6000.0; }) << int(P::NoFlow);
        QTest::newRow("nothing on the path") << F([](TSchedule& s) { for (auto& g : s.segments) g.onCriticalPath = false; }) << int(P::NoCriticalPath);
        QTest::newRow("source falls short") << F([](TSchedule& s) { s.sourcePsi = 20.0; }) << int(P::Shortfall);
        QTest::newRow("nothing left exactly") << F([](TSchedule& s) { s.sourcePsi = 23.825; }) << int(P::Shortfall);
        QTest::newRow("lengths beyond any building") << F([](TSchedule& s) { for (auto& g : s.segments) g.lengthFt = 1e308; }) << int(P::OutOfRange);
        // clang-format on
    }
    void refusals()
    {
        QFETCH(std::function<void(TSchedule&)>, spoil);
        QFETCH(int, problem);
        TSchedule schedule = threeStoreys();
        spoil(schedule);
        QCOMPARE(int(checkSchedule(schedule).problem), problem);
        TScheduleResult untouched;
        untouched.availablePsi = -42.0;
        untouched.segments.resize(7);
        QVERIFY(!evaluateSchedule(schedule, untouched));
        QCOMPARE(untouched.availablePsi, -42.0);
        QCOMPARE(untouched.segments.size(), std::size_t(7));
    }

    // A segment that no pipe can carry leaves the schedule evaluated, itself without a size.
    void unsizedSegmentStillEvaluates()
    {
        TSchedule schedule = threeStoreys();
        schedule.segments[3].flowGpm = 2000.0;
        schedule.branchLimitFtPerS = 0.5;
        TScheduleResult r;
        QVERIFY(evaluateSchedule(schedule, r));
        QVERIFY(!r.segments[3].sized);
        QCOMPARE(int(r.segments[3].problem), int(TSizeProblem::TooFast));
        QVERIFY(r.segments[3].size.pipe.empty());
        QCOMPARE(r.segments[3].lossPsi, 0.0);
        QCOMPARE(r.residualPsi, r.availablePsi - r.pathLossPsi);
    }
};

QTEST_GUILESS_MAIN(TestSizing)
#include "tst_sizing.moc"
