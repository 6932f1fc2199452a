// A tree fed by a booster set, and the pressure-reducing valves of every tree: an eight-storey
// building worked by hand, a published booster discharge, the critical outlet's choice, the
// refusals, and where the valves stand, what they are set to and what they leave in flow.
#include "Sizing.h"
#include "SizingSchedules.h"

#include <QTest>

#include <cmath>
#include <functional>
#include <limits>

using namespace Sizing;

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
using TFigure = std::function<double(const TScheduleResult&)>;

TScheduleResult evaluated(const TSchedule& schedule)
{
    TScheduleResult r;
    if (!evaluateSchedule(schedule, r))
        qFatal("the schedule was refused");
    return r;
}

} // namespace

class TestBooster : public QObject {
    Q_OBJECT

private slots:
    // The eight storeys of eightStoreyBooster(), sized at the set's 3 psi/100ft. The 160 fixture
    // units of flush tanks draw 57 gpm at the pump (Hunter's curve), each flat's 10 draw 14.6. The
    // riser's pipes read on class 2's nomogram lose 0.4801 (P-R1, 2 1/2"), 0.1628, 0.1360 (2 1/2"),
    // 0.4295, 0.3318, 0.2390, 0.1644 (2") and 0.3274 psi (R7-R8, 1 1/2": 2.1826 psi/100ft over
    // 15 ft), 2.2711 psi up to R8; the far flat's 45 ft of 1 1/2" at 1.2549 psi/100ft lose
    // 0.5647 more, 2.8358 psi to B8. Every outlet's need is then
    //   8 + 0.433 × elevation + 3 + its path's loss,
    // and B8's is the highest: 8 + 0.433 × 83 + 3 + 2.8358 = 49.7748 psi, the discharge.
    //   suction = 0.433 × 3 − 0.5 = 0.799 psi;
    //   head = 49.7748 + 5 − 0.799 = 53.9758 psi = 124.655 ft;
    //   hydraulic = 57 × 0.0630902 L/s × 53.9758 / 0.145038 kPa / 1000 = 1.3383 kW, shaft 1.3383 / 0.6 = 2.2305 kW;
    //   cut-out = 49.7748 + 20 = 69.7748 psi; pre-charge 47.7748 psi; at 1,190 m the air is at 12.7375 psi;
    //   DF = 60.5123 × (1 / 62.5123 − 1 / 82.5123) = 0.23463; drawdown 15 × 57 / 6 = 142.5 gal;
    //   tank = 142.5 / 0.23463 = 607.33 gal; storage 75 × 64 = 4,800 L.
    // B8 is left with its need exactly: available = 49.7748 − 3 − 35.939 − 8 = 2.8358 = its path loss.
    void eightStoreys_data()
    {
        QTest::addColumn<TFigure>("figure");
        QTest::addColumn<double>("expected");
        QTest::addColumn<double>("tolerance");
        const auto b = [](double TBoosterResult::*member) {
            return TFigure([=](const TScheduleResult& r) { return r.booster.*member; });
        };
        // clang-format off
        QTest::newRow("critical: B8") << TFigure([](const TScheduleResult& r) { return double(r.outlets[r.booster.criticalOutlet].segment); }) << 23.0 << 0.0;
        QTest::newRow("flow 57 gpm") << b(&TBoosterResult::flowGpm) << 57.0 << 1e-12;
        QTest::newRow("discharge") << b(&TBoosterResult::dischargePsi) << 49.7748 << 1e-4;
        QTest::newRow("suction") << b(&TBoosterResult::suctionPsi) << 0.799 << 1e-12;
        QTest::newRow("head psi") << b(&TBoosterResult::headPsi) << 53.9758 << 1e-4;
        QTest::newRow("head ft") << b(&TBoosterResult::headFt) << 124.655 << 1e-3;
        QTest::newRow("hydraulic kW") << b(&TBoosterResult::hydraulicKw) << 1.3383 << 1e-4;
        QTest::newRow("shaft kW") << b(&TBoosterResult::shaftKw) << 2.2305 << 1e-4;
        QTest::newRow("cut-out") << b(&TBoosterResult::cutOutPsi) << 69.7748 << 1e-4;
        QTest::newRow("atmosphere at 1,190 m") << b(&TBoosterResult::atmosphericPsi) << 12.7375 << 1e-4;
        QTest::newRow("drawdown factor") << b(&TBoosterResult::drawdownFactor) << 0.23463 << 1e-5;
        QTest::newRow("drawdown") << b(&TBoosterResult::drawdownGal) << 142.5 << 1e-12;
        QTest::newRow("pressure tank") << b(&TBoosterResult::tankGal) << 607.33 << 0.01;
        QTest::newRow("storage") << b(&TBoosterResult::storageLitres) << 4800.0 << 0.0;
        QTest::newRow("available: B8's path loss") << TFigure([](const TScheduleResult& r) { return r.availablePsi; }) << 2.8358 << 1e-4;
        QTest::newRow("allowance: the design rate") << TFigure([](const TScheduleResult& r) { return r.allowablePsiPer100ft; }) << 3.0 << 0.0;
        QTest::newRow("residual 0") << TFigure([](const TScheduleResult& r) { return r.residualPsi; }) << 0.0 << 1e-12;
        QTest::newRow("B8 in flow: its need") << TFigure([](const TScheduleResult& r) { return r.outlets.back().pressurePsi; }) << 8.0 << 1e-12;
        QTest::newRow("A1 in flow") << TFigure([](const TScheduleResult& r) { return r.outlets.front().pressurePsi; }) << 49.7748 - 3.0 - 0.433 * 13.0 - 0.8566 << 1e-4;
        QTest::newRow("A1's allowance") << TFigure([](const TScheduleResult& r) { return r.outlets.front().allowablePsiPer100ft; }) << (49.7748 - 3.0 - 0.433 * 13.0 - 8.0) * 100.0 / 67.5 << 1e-3;
        // Static from the cut-out: R1's node 69.7748 − 4.33.
        QTest::newRow("R1's static") << TFigure([](const TScheduleResult& r) { return r.segments[0].staticPsi; }) << 65.4448 << 1e-4;
        // clang-format on
    }
    void eightStoreys()
    {
        QFETCH(TFigure, figure);
        QFETCH(double, expected);
        QFETCH(double, tolerance);
        const TScheduleResult r = evaluated(eightStoreyBooster());
        QVERIFY(r.booster.complete);
        const double value = figure(r);
        QVERIFY2(std::abs(value - expected) <= tolerance, qPrintable(QString::number(value, 'g', 10)));
    }

    // Deppmann (2015): 40 psi at the fixture, 96 ft of lift, 11.88 psi of friction and 5 psi in
    // the set give about 98.4 psi. One short pipe carries the flow; the friction stands in the
    // devices after the pump, which count the same.
    void publishedDischarge()
    {
        TSchedule s = eightStoreyBooster();
        s.segments = {treeSegment("P", "T", TRun::Main, 0.0, 10.0, 0.001, 96.0, 40.0)};
        s.meterAndDevicesPsi = 11.88;
        s.booster.tankLevelFt = 0.0;
        s.booster.suctionLossPsi = 0.0;
        const TScheduleResult r = evaluated(s);
        QVERIFY2(std::abs(r.booster.headPsi - 98.4) < 0.05, qPrintable(QString::number(r.booster.headPsi)));
    }

    // An outlet whose path cannot be sized does not set the discharge, but leaves the set
    // incomplete: here the one branch, X high above, whose limit no pipe can keep. Of two outlets
    // that need the same, the first in segment order is critical.
    void criticalOutlet()
    {
        TSchedule s = eightStoreyBooster();
        for (TSegment& g : s.segments)
            g.run = TRun::Main;
        s.material = "ppr-pn20";
        s.branchLimitFtPerS = 0.01;
        s.segments.push_back(treeSegment("R8", "X", TRun::Branch, 0.0, 5.0, 10.0, 200.0));
        TScheduleResult r = evaluated(s);
        QVERIFY(!r.booster.complete);
        QVERIFY(!r.outlets.back().complete);
        QCOMPARE(int(r.segments.back().problem), int(TSizeProblem::TooFast));
        QCOMPARE(r.outlets[r.booster.criticalOutlet].segment, std::size_t(23));

        s = eightStoreyBooster();
        s.segments[22].lengthFt = s.segments[23].lengthFt; // A8 as far as B8
        r = evaluated(s);
        QCOMPARE(r.outlets[r.booster.criticalOutlet].segment, std::size_t(22));
        QVERIFY(r.segments[22].onCriticalPath && !r.segments[23].onCriticalPath);
    }

    // A constant-pressure set has no pressure tank: its cut-out is its discharge.
    void constantPressure()
    {
        TSchedule s = eightStoreyBooster();
        s.booster.differentialPsi = 0.0;
        const TScheduleResult r = evaluated(s);
        QCOMPARE(r.booster.cutOutPsi, r.booster.dischargePsi);
        QCOMPARE(r.booster.drawdownFactor, 0.0);
        QCOMPARE(r.booster.drawdownGal, 0.0);
        QCOMPARE(r.booster.tankGal, 0.0);
        QVERIFY(r.booster.atmosphericPsi > 12.0);
    }

    void refusals_data()
    {
        QTest::addColumn<std::function<void(TSchedule&)>>("spoil");
        QTest::addColumn<int>("problem");
        using F = std::function<void(TSchedule&)>;
        using P = TScheduleProblem;
        // clang-format off
        QTest::newRow("tank 101 ft below") << F([](TSchedule& s) { s.booster.tankLevelFt = -100.5; }) << int(P::BadBooster);
        QTest::newRow("tank 501 ft above") << F([](TSchedule& s) { s.booster.tankLevelFt = 501.0; }) << int(P::BadBooster);
        QTest::newRow("negative suction loss") << F([](TSchedule& s) { s.booster.suctionLossPsi = -0.1; }) << int(P::BadBooster);
        QTest::newRow("set loss over 100") << F([](TSchedule& s) { s.booster.setLossPsi = 100.1; }) << int(P::BadBooster);
        QTest::newRow("design rate 0") << F([](TSchedule& s) { s.booster.designPsiPer100ft = 0.0; }) << int(P::BadBooster);
        QTest::newRow("design rate over 100") << F([](TSchedule& s) { s.booster.designPsiPer100ft = 101.0; }) << int(P::BadBooster);
        QTest::newRow("negative differential") << F([](TSchedule& s) { s.booster.differentialPsi = -1.0; }) << int(P::BadBooster);
        QTest::newRow("pre-charge 101 below") << F([](TSchedule& s) { s.booster.preChargeBelowPsi = 101.0; }) << int(P::BadBooster);
        QTest::newRow("no starts") << F([](TSchedule& s) { s.booster.startsPerHour = 0.0; }) << int(P::BadBooster);
        QTest::newRow("61 starts") << F([](TSchedule& s) { s.booster.startsPerHour = 61.0; }) << int(P::BadBooster);
        QTest::newRow("efficiency 0") << F([](TSchedule& s) { s.booster.efficiency = 0.0; }) << int(P::BadBooster);
        QTest::newRow("efficiency 1.1") << F([](TSchedule& s) { s.booster.efficiency = 1.1; }) << int(P::BadBooster);
        QTest::newRow("altitude 5,001 m") << F([](TSchedule& s) { s.booster.altitudeM = 5001.0; }) << int(P::BadBooster);
        QTest::newRow("altitude -501 m") << F([](TSchedule& s) { s.booster.altitudeM = -501.0; }) << int(P::BadBooster);
        QTest::newRow("negative occupants") << F([](TSchedule& s) { s.booster.occupants = -1.0; }) << int(P::BadBooster);
        QTest::newRow("100,001 occupants") << F([](TSchedule& s) { s.booster.occupants = 100001.0; }) << int(P::BadBooster);
        QTest::newRow("NaN efficiency") << F([](TSchedule& s) { s.booster.efficiency = kNaN; }) << int(P::BadBooster);
        QTest::newRow("NaN altitude") << F([](TSchedule& s) { s.booster.altitudeM = kNaN; }) << int(P::BadBooster);
        QTest::newRow("a list") << F([](TSchedule& s) { s.layout = TLayout::List; s.heightFt = 80.0; }) << int(P::BoosterNeedsTree);
        QTest::newRow("negative devices") << F([](TSchedule& s) { s.meterAndDevicesPsi = -1.0; }) << int(P::BadBudget);
        QTest::newRow("no outlet") << F([](TSchedule& s) { for (auto& g : s.segments) g.fixtureUnits = 0.0; }) << int(P::NoCriticalPath);
        // clang-format on
    }
    void refusals()
    {
        QFETCH(std::function<void(TSchedule&)>, spoil);
        QFETCH(int, problem);
        TSchedule schedule = eightStoreyBooster();
        spoil(schedule);
        TScheduleResult untouched;
        TScheduleCheck check;
        QVERIFY(!evaluateSchedule(schedule, untouched, check));
        QCOMPARE(int(check.problem), problem);
        QCOMPARE(int(checkSchedule(schedule).problem), problem);
        QVERIFY(untouched.segments.empty());
    }

    // The edges of every range are the set's own.
    void rangeEdges()
    {
        TSchedule s = eightStoreyBooster();
        s.booster = {-100.0, 100.0, 0.0, 100.0, 100.0, 100.0, 60.0, 1.0, 5000.0, 100000.0};
        TScheduleResult r;
        QVERIFY(evaluateSchedule(s, r));
        s.booster = {500.0, 0.0, 100.0, 0.01, 0.0, 0.0, 0.01, 0.01, -500.0, 0.0};
        QVERIFY(evaluateSchedule(s, r));
    }

    // The main's tree of riserTree(), 65 psi static: G, H (2 and 3 ft), F and V (13 ft) stand over
    // 58.015 psi (4 bar), T (23 ft, 55.04) does not. So A-B and B-C, which also feed T, are not
    // over; each branch to the others is, and takes a valve set to 4 bar plus the fall from its
    // riser node to the outlet: B-G kMostStaticPsi + 0.433 × 3, C-F kMostStaticPsi + 0.433 × (13 − 10).
    void reducers_data()
    {
        QTest::addColumn<double>("staticSourcePsi");
        QTest::addColumn<int>("index");
        QTest::addColumn<bool>("reducer");
        QTest::addColumn<double>("setPsi");
        // clang-format off
        QTest::newRow("65: A-B feeds T") << 65.0 << 0 << false << 0.0;
        QTest::newRow("65: B-C feeds T") << 65.0 << 1 << false << 0.0;
        QTest::newRow("65: C-D") << 65.0 << 2 << false << 0.0;
        QTest::newRow("65: B-G") << 65.0 << 3 << true << kMostStaticPsi + 0.433 * 3.0;
        QTest::newRow("65: B-H") << 65.0 << 4 << true << kMostStaticPsi + 0.433 * 2.0;
        QTest::newRow("65: C-F") << 65.0 << 5 << true << kMostStaticPsi + 0.433 * 3.0;
        QTest::newRow("65: C-V") << 65.0 << 6 << true << kMostStaticPsi + 0.433 * 3.0;
        QTest::newRow("65: D-T") << 65.0 << 7 << false << 0.0;
        // At 100 psi every outlet is over: one valve where the tree leaves the source, set for
        // the lowest outlet, H at 2 ft; nothing below it takes a second.
        QTest::newRow("100: A-B leaves the source") << 100.0 << 0 << true << kMostStaticPsi + 0.433 * 2.0;
        QTest::newRow("100: B-G below it") << 100.0 << 3 << false << 0.0;
        QTest::newRow("100: D-T below it") << 100.0 << 7 << false << 0.0;
        // At 58 psi no outlet is over.
        QTest::newRow("58: B-H") << 58.0 << 4 << false << 0.0;
        // clang-format on
    }
    void reducers()
    {
        QFETCH(double, staticSourcePsi);
        QFETCH(int, index);
        QFETCH(bool, reducer);
        QFETCH(double, setPsi);
        TSchedule s = riserTree();
        s.staticSourcePsi = staticSourcePsi;
        const TScheduleResult r = evaluated(s);
        const TSegmentResult& g = r.segments[std::size_t(index)];
        QCOMPARE(g.reducer, reducer);
        QVERIFY2(std::abs(g.reducerSetPsi - setPsi) < 1e-9, qPrintable(QString::number(g.reducerSetPsi)));
    }

    // A valve that cuts in lowers every pressure in flow below it and nothing else: the main's
    // allowances, sizes and losses are those found without valves. A-B's valve at 58.881 psi cuts
    // the 85 psi that reach it (90 in flow, 5 through the meter).
    void valveInFlow()
    {
        TSchedule s = riserTree();
        s.sourcePsi = 90.0;
        s.staticSourcePsi = 100.0;
        const TScheduleResult withValve = evaluated(s);
        s.staticSourcePsi = 58.0;
        const TScheduleResult without = evaluated(s);
        QVERIFY(withValve.segments[0].reducer);
        QCOMPARE(withValve.allowablePsiPer100ft, without.allowablePsiPer100ft);
        QCOMPARE(withValve.criticalOutlet, without.criticalOutlet);
        for (std::size_t i = 0; i < s.segments.size(); ++i) {
            QCOMPARE(withValve.segments[i].size.pipe, without.segments[i].size.pipe);
            QCOMPARE(withValve.segments[i].cumulativeLossPsi, without.segments[i].cumulativeLossPsi);
        }
        for (std::size_t k = 0; k < withValve.outlets.size(); ++k) {
            const TOutletResult& o = withValve.outlets[k];
            const double elevationFt = s.segments[o.segment].elevationFt;
            const double expected
                = kMostStaticPsi + 0.433 * 2.0 - 0.433 * elevationFt - withValve.segments[o.segment].cumulativeLossPsi;
            QVERIFY2(std::abs(o.pressurePsi - expected) < 1e-9, qPrintable(QString::number(k)));
            QCOMPARE(without.outlets[k].pressurePsi,
                     90.0 - 5.0 - 0.433 * elevationFt - without.segments[o.segment].cumulativeLossPsi);
            QCOMPARE(o.availablePsi, without.outlets[k].availablePsi);
        }
    }
};

QTEST_GUILESS_MAIN(TestBooster)
#include "tst_booster.moc"
