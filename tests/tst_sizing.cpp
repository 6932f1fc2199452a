// The sizing method over a whole schedule: one segment at the uniform rate, raised for velocity,
// the refusals, and a three-storey building worked by hand from class 2's nomogram and in PP-R.
#include "Sizing.h"
#include "SizingSchedules.h"

#include <QTest>

#include <cmath>
#include <functional>
#include <limits>

using namespace Sizing;

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

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
        QTest::newRow("NaN elevation") << F([](TSchedule& s) { s.segments[2].elevationFt = kNaN; }) << int(P::BadSegment);
        QTest::newRow("negative static source") << F([](TSchedule& s) { s.staticSourcePsi = -1.0; }) << int(P::BadBudget);
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

    // Worked by hand. Loads summed downstream: C-D serves T's 20; B-C serves F 20 + V 10 + T 20 =
    // 50; A-B serves G 20 + 50 = 70 and the hose bibb's 5 gpm. Flush tanks' demand: 70 -> 35.0 gpm
    // + 5 = 40.0; 50 -> 29.1; 20 -> 19.6; 10 -> 14.6 (one demand of each sum, not a sum of demands).
    // Each outlet has 55 - 5 - 0.433 x elevation - need over its path's 1.5 x length:
    //   G  50 - 1.299 - 8  = 40.701 over  90   ft: 45.22 psi/100ft
    //   H  50 - 0.866 - 8  = 41.134 over  52.5 ft: 78.35
    //   F  50 - 5.629 - 8  = 36.371 over 105   ft: 34.64
    //   V  50 - 5.629 - 35 =  9.371 over  54   ft: 17.354, the least: critical, though T runs longest
    //   T  50 - 9.959 - 8  = 32.041 over 127.5 ft: 25.13
    // At 17.354 psi/100ft on class 2's lines: A-B 1 1/2" (8.3407 psi/100ft x 30 ft = 2.5022),
    // B-C 1 1/4" (13.9694 x 15 = 2.0954), C-D 1 1/4" (6.4731 x 15 = 0.9710), and every 19.6 gpm
    // branch raised to 1 1/2" for 4 ft/s (2.1826 per 100 ft); V's 14.6 gpm raised to 1 1/4" (3.6490
    // x 9 = 0.3284), H's 5 gpm 3/4" (5.1962 x 22.5 = 1.1691). V's path loses 2.5022 + 2.0954 +
    // 0.3284 = 4.9260, which leaves 9.371 - 4.926 = 4.445 psi of margin. Static: 65 - 0.433 x
    // elevation, over 4 bar (58.015 psi) up to the first floor, under it at D (56.34) and T (55.04).
    void riserTreeByHand_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<double>("served");
        QTest::addColumn<double>("flowGpm");
        QTest::addColumn<QString>("pipe");
        QTest::addColumn<double>("cumulative");
        QTest::addColumn<bool>("onPath");
        QTest::addColumn<double>("staticPsi");
        QTest::addColumn<bool>("reducer");
        // clang-format off
        QTest::newRow("A-B, the main at the street") << 0 << 70.0 << 40.0 << "1 1/2\"" << 2.5022 << true << 65.0 << true;
        QTest::newRow("B-C, riser to the first floor") << 1 << 50.0 << 29.1 << "1 1/4\"" << 4.5976 << true << 60.67 << true;
        QTest::newRow("C-D, riser to the second floor") << 2 << 20.0 << 19.6 << "1 1/4\"" << 5.5686 << false << 56.34 << false;
        QTest::newRow("B-G, ground floor") << 3 << 20.0 << 19.6 << "1 1/2\"" << 3.8118 << false << 63.701 << true;
        QTest::newRow("B-H, hose bibb") << 4 << 0.0 << 5.0 << "3/4\"" << 3.6713 << false << 64.134 << true;
        QTest::newRow("C-F, first floor") << 5 << 20.0 << 19.6 << "1 1/2\"" << 5.9072 << false << 59.371 << true;
        QTest::newRow("C-V, the flush valve") << 6 << 10.0 << 14.6 << "1 1/4\"" << 4.9260 << true << 59.371 << true;
        QTest::newRow("D-T, the longest run") << 7 << 20.0 << 19.6 << "1 1/2\"" << 7.0418 << false << 55.041 << false;
        // clang-format on
    }
    void riserTreeByHand()
    {
        QFETCH(int, index);
        QFETCH(double, served);
        QFETCH(double, flowGpm);
        QFETCH(QString, pipe);
        QFETCH(double, cumulative);
        QFETCH(bool, onPath);
        QFETCH(double, staticPsi);
        QFETCH(bool, reducer);
        TScheduleResult r;
        QVERIFY(evaluateSchedule(riserTree(), r));
        const TSegmentResult& g = r.segments[std::size_t(index)];
        QVERIFY(g.sized);
        QCOMPARE(g.servedFixtureUnits, served);
        QVERIFY(qAbs(g.flowGpm - flowGpm) < 1e-9);
        QCOMPARE(QString::fromStdString(g.size.pipe), pipe);
        QVERIFY2(qAbs(g.cumulativeLossPsi - cumulative) < 2e-4, qPrintable(QString::number(g.cumulativeLossPsi)));
        QCOMPARE(g.onCriticalPath, onPath);
        QVERIFY(qAbs(g.staticPsi - staticPsi) < 1e-9);
        QCOMPARE(g.needsPressureReducer, reducer);
    }

    // The outlets as worked above; the schedule's budget and totals are the critical outlet's.
    void riserTreeOutlets()
    {
        TScheduleResult r;
        QVERIFY(evaluateSchedule(riserTree(), r));
        struct TExpected {
            std::size_t segment;
            double available, allowance, pressure, margin;
        };
        const TExpected expected[] = {{3, 40.701, 45.2233, 44.8892, 36.8892},
                                      {4, 41.134, 78.3505, 45.4627, 37.4627},
                                      {5, 36.371, 34.6390, 38.4638, 30.4638},
                                      {6, 9.371, 17.3537, 39.4450, 4.4450},
                                      {7, 32.041, 25.1302, 32.9992, 24.9992}};
        QCOMPARE(r.outlets.size(), std::size(expected));
        for (std::size_t i = 0; i < r.outlets.size(); ++i) {
            const TOutletResult& o = r.outlets[i];
            QCOMPARE(o.segment, expected[i].segment);
            QVERIFY(qAbs(o.availablePsi - expected[i].available) < 1e-9);
            QVERIFY(qAbs(o.allowablePsiPer100ft - expected[i].allowance) < 1e-4);
            QVERIFY2(qAbs(o.pressurePsi - expected[i].pressure) < 2e-4, qPrintable(QString::number(i)));
            QVERIFY(qAbs(o.marginPsi - expected[i].margin) < 2e-4);
            QVERIFY(o.complete);
        }
        QCOMPARE(r.criticalOutlet, std::size_t(3));
        QVERIFY(qAbs(r.availablePsi - 9.371) < 1e-9);
        QCOMPARE(r.pathEquivalentLengthFt, 54.0);
        QCOMPARE(r.pathLossPsi, r.segments[6].cumulativeLossPsi);
        QCOMPARE(r.residualPsi, r.outlets[3].marginPsi);
        QCOMPARE(r.unsizedOnPath, std::size_t(0));
    }

    // A stub with nothing below it is left unsized and changes nothing else; a trunk whose summed
    // load runs beyond the demand table leaves every outlet's path incomplete.
    void riserTreeUnloaded()
    {
        TSchedule schedule = riserTree();
        schedule.segments.push_back(treeSegment("C", "Z", TRun::Branch, 0.0, 0.0, 5.0, 13.0));
        TScheduleResult loaded;
        QVERIFY(evaluateSchedule(riserTree(), loaded));
        TScheduleResult r;
        QVERIFY(evaluateSchedule(schedule, r));
        QCOMPARE(int(r.segments[8].problem), int(TSizeProblem::NoLoad));
        QVERIFY(!r.segments[8].sized);
        QCOMPARE(r.outlets.size(), loaded.outlets.size());
        QCOMPARE(r.pathLossPsi, loaded.pathLossPsi);

        schedule.segments[3].fixtureUnits = 4990.0; // A-B serves 5040
        QVERIFY(evaluateSchedule(schedule, r));
        QCOMPARE(int(r.segments[0].problem), int(TSizeProblem::NoLoad));
        QCOMPARE(r.segments[0].servedFixtureUnits, 5040.0);
        QVERIFY(r.segments[1].sized);
        for (const TOutletResult& o : r.outlets)
            QVERIFY(!o.complete);
        QCOMPARE(r.unsizedOnPath, std::size_t(1));
    }

    // A second flush valve exactly like V, later in the list, ties with it: the first stays critical.
    void riserTreeTie()
    {
        TSchedule schedule = riserTree();
        TSegment twin = schedule.segments[6];
        twin.to = std::string("W");
        schedule.segments.push_back(twin);
        TScheduleResult r;
        QVERIFY(evaluateSchedule(schedule, r));
        QCOMPARE(r.outlets.size(), std::size_t(6));
        QCOMPARE(r.outlets[5].allowablePsiPer100ft, r.outlets[3].allowablePsiPer100ft);
        QCOMPARE(r.criticalOutlet, std::size_t(3));
        QVERIFY(r.segments[6].onCriticalPath && !r.segments[8].onCriticalPath);
    }

    void riserTreeRefusals_data()
    {
        QTest::addColumn<std::function<void(TSchedule&)>>("spoil");
        QTest::addColumn<int>("problem");
        QTest::addColumn<int>("segment");
        using F = std::function<void(TSchedule&)>;
        using P = TScheduleProblem;
        const auto add = [](const char* from, const char* to) {
            return [=](TSchedule& s) { s.segments.push_back(treeSegment(from, to, TRun::Branch, 1.0, 0.0, 5.0, 0.0)); };
        };
        // clang-format off
        QTest::newRow("empty from") << F([](TSchedule& s) { s.segments[2].from.clear(); }) << int(P::NotATree) << 2;
        QTest::newRow("empty to") << F([](TSchedule& s) { s.segments[4].to.clear(); }) << int(P::NotATree) << 4;
        QTest::newRow("from is to") << F([](TSchedule& s) { s.segments[5].to = std::string("C"); }) << int(P::NotATree) << 5;
        QTest::newRow("F fed twice: the later") << F([](TSchedule& s) { s.segments[7].to = std::string("F"); }) << int(P::NotATree) << 7;
        QTest::newRow("a loop off the tree") << F([=](TSchedule& s) { add("P", "Q")(s); add("Q", "P")(s); }) << int(P::NotATree) << 8;
        QTest::newRow("unreachable below a loop") << F([=](TSchedule& s) { add("Q", "R")(s); add("P", "Q")(s); add("R", "P")(s); }) << int(P::NotATree) << 8;
        QTest::newRow("a loop and no source") << F([=](TSchedule& s) { add("T", "A")(s); }) << int(P::NotATree) << 0;
        QTest::newRow("two sources") << F([=](TSchedule& s) { add("X", "Y")(s); }) << int(P::TwoSources) << 8;
        QTest::newRow("the flush valve falls short") << F([](TSchedule& s) { s.segments[6].outletPsi = 45.0; }) << int(P::Shortfall) << 6;
        QTest::newRow("no outlet") << F([](TSchedule& s) { for (auto& g : s.segments) g.fixtureUnits = g.flowGpm = 0.0; }) << int(P::NoCriticalPath) << 0;
        QTest::newRow("negative load") << F([](TSchedule& s) { s.segments[3].fixtureUnits = -1.0; }) << int(P::BadSegment) << 3;
        QTest::newRow("typed flows overflow") << F([](TSchedule& s) { s.segments[3].flowGpm = s.segments[4].flowGpm = 1e308; }) << int(P::OutOfRange) << 0;
        // clang-format on
    }
    void riserTreeRefusals()
    {
        QFETCH(std::function<void(TSchedule&)>, spoil);
        QFETCH(int, problem);
        QFETCH(int, segment);
        TSchedule schedule = riserTree();
        spoil(schedule);
        TScheduleResult untouched;
        TScheduleCheck check;
        QVERIFY(!evaluateSchedule(schedule, untouched, check));
        QCOMPARE(int(check.problem), problem);
        QCOMPARE(check.segment, std::size_t(segment));
        QCOMPARE(int(checkSchedule(schedule).problem), problem);
        QVERIFY(untouched.segments.empty());
        if (check.problem == TScheduleProblem::Shortfall)
            QVERIFY(qAbs(check.availablePsi - (50.0 - 5.629 - 45.0)) < 1e-9);
    }

    // A list goes on without a segment that has no load: it is left unsized, every other keeps
    // the size it has with the load, and a path through it counts it as unsized.
    void listWithUnloadedSegments_data()
    {
        QTest::addColumn<std::function<void(TSchedule&)>>("unload");
        QTest::addColumn<QList<int>>("unloaded");
        using F = std::function<void(TSchedule&)>;
        // clang-format off
        QTest::newRow("no load, no flow") << F([](TSchedule& s) { s.segments[1].fixtureUnits = 0.0; }) << QList<int>{1};
        QTest::newRow("load above the table") << F([](TSchedule& s) { s.segments[1].fixtureUnits = 6000.0; }) << QList<int>{1};
        QTest::newRow("the typed flow off the path") << F([](TSchedule& s) { s.segments[3].flowGpm = 0.0; }) << QList<int>{3};
        QTest::newRow("every segment") << F([](TSchedule& s) { for (auto& g : s.segments) g.fixtureUnits = g.flowGpm = 0.0; }) << QList<int>{0, 1, 2, 3};
        // clang-format on
    }
    void listWithUnloadedSegments()
    {
        QFETCH(std::function<void(TSchedule&)>, unload);
        QFETCH(QList<int>, unloaded);
        TScheduleResult loaded;
        QVERIFY(evaluateSchedule(threeStoreys(), loaded));
        TSchedule schedule = threeStoreys();
        unload(schedule);
        schedule.segments[0].elevationFt = -20.0; // a basement below the street main: 50 + 8.66 psi
        TScheduleResult r;
        TScheduleCheck check;
        QVERIFY(evaluateSchedule(schedule, r, check));
        QCOMPARE(int(check.problem), int(TScheduleProblem::None));
        QCOMPARE(r.allowablePsiPer100ft, loaded.allowablePsiPer100ft);
        std::size_t unsizedOnPath = 0;
        double pathLossPsi = 0.0;
        for (std::size_t i = 0; i < r.segments.size(); ++i) {
            const TSegmentResult& g = r.segments[i];
            const bool isUnloaded = unloaded.contains(int(i));
            QCOMPARE(g.sized, !isUnloaded);
            QCOMPARE(int(g.problem), int(isUnloaded ? TSizeProblem::NoLoad : TSizeProblem::None));
            QCOMPARE(QString::fromStdString(g.size.pipe),
                     isUnloaded ? QString() : QString::fromStdString(loaded.segments[i].size.pipe));
            QCOMPARE(g.onCriticalPath, schedule.segments[i].onCriticalPath);
            QCOMPARE(g.servedFixtureUnits, schedule.segments[i].fixtureUnits);
            unsizedOnPath += g.onCriticalPath && isUnloaded ? 1 : 0;
            pathLossPsi += g.onCriticalPath ? g.lossPsi : 0.0;
        }
        QCOMPARE(r.unsizedOnPath, unsizedOnPath);
        QCOMPARE(r.pathLossPsi, pathLossPsi);
        QVERIFY(qAbs(r.segments[0].staticPsi - 58.66) < 1e-9);
        QVERIFY(r.segments[0].needsPressureReducer);
        QCOMPARE(r.segments[1].staticPsi, 50.0);
        QVERIFY(!r.segments[1].needsPressureReducer);
        QVERIFY(r.outlets.empty());
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
