// Fixtures counted at an outlet and a building's tree made from a few numbers: the counts' load in
// each column of the regulations' table, worked by hand, the refusals of bad counts, and the
// shape, names and refusals of buildingTree.
#include "Sizing.h"

#include <QTest>

#include <cmath>
#include <functional>
#include <limits>

using namespace Sizing;
using Design::TLoadColumn;

Q_DECLARE_METATYPE(Sizing::TBuildingSpec)

namespace {

constexpr double kTolerance = 1e-9;

// A table row's index by its id, so that a count is placed by name rather than by position.
std::size_t row(const char* id)
{
    std::size_t found = 0;
    if (!Design::findFixture(id, found))
        qFatal("no fixture %s", id);
    return found;
}

// One flat: two private flush-tank WCs, two lavatories, a shower, a kitchen sink, a washing
// machine and a dishwasher. By hand from table پ۱-۲-۲: total 2×2.2 + 2×0.7 + 4×1.4 = 11.4; cold
// 2×2.2 + 2×0.5 + 3×1 = 8.4, the dishwasher drawing no cold water; hot 2×0.5 + 3×1 + 1.4 = 5.4,
// the WCs drawing no hot water.
std::vector<int> flatCounts()
{
    std::vector<int> counts(Design::fixtureLoadTable().size(), 0);
    counts[row("wc-private-tank")] = 2;
    counts[row("lavatory-private")] = 2;
    counts[row("shower-private")] = 1;
    counts[row("kitchen-sink-private")] = 1;
    counts[row("washer-private")] = 1;
    counts[row("dishwasher-private")] = 1;
    return counts;
}

TBuildingSpec buildingSpec(int storeys, int flats, double firstStoreyFt)
{
    TBuildingSpec s;
    s.storeys = storeys;
    s.flatsPerStorey = flats;
    s.firstStoreyFt = firstStoreyFt;
    s.flatFixtureCounts = flatCounts();
    return s;
}

// A street main of 60 psi for the trees made here; the flats' loads are what a test reads.
TSchedule budgeted()
{
    TSchedule s;
    s.roughnessClass = 2;
    s.sourcePsi = 60.0;
    s.meterAndDevicesPsi = 5.0;
    s.fixturePsi = 8.0;
    return s;
}

} // namespace

class TestBuildingTree : public QObject {
    Q_OBJECT

private slots:
    // Two storeys of two flats, the riser node of storey 2 at C: the flats D–G.
    void countedLoads_data()
    {
        QTest::addColumn<int>("column");
        QTest::addColumn<double>("flatFu");
        QTest::newRow("total") << int(TLoadColumn::Total) << 11.4;
        QTest::newRow("cold: the dishwasher counts 0") << int(TLoadColumn::Cold) << 8.4;
        QTest::newRow("hot: the WCs count 0") << int(TLoadColumn::Hot) << 5.4;
    }
    void countedLoads()
    {
        QFETCH(int, column);
        QFETCH(double, flatFu);
        TSchedule schedule = budgeted();
        schedule.loadColumn = TLoadColumn(column);
        QVERIFY(buildingTree(buildingSpec(2, 2, 0.0), schedule));
        // A typed load beside the counts is not read; a row whose counts are all 0 keeps its own.
        schedule.segments[2].fixtureUnits = 500.0;
        schedule.segments[0].fixtureCounts.assign(Design::fixtureLoadTable().size(), 0);
        schedule.segments[0].fixtureUnits = 3.0;
        TScheduleResult result;
        QVERIFY(evaluateSchedule(schedule, result));
        QVERIFY(std::abs(result.segments[2].servedFixtureUnits - flatFu) < kTolerance);
        QVERIFY(std::abs(result.segments[1].servedFixtureUnits - 2 * flatFu) < kTolerance);
        QVERIFY(std::abs(result.segments[0].servedFixtureUnits - (3.0 + 4 * flatFu)) < kTolerance);
        double demandGpm = 0.0;
        QVERIFY(Design::demandGpm(4 * flatFu + 3.0, schedule.supply, demandGpm));
        QVERIFY(std::abs(result.segments[0].flowGpm - demandGpm) < kTolerance);
        QCOMPARE(result.outlets.size(), std::size_t(5));
        // The same flat as a list's segment.
        schedule.layout = TLayout::List;
        schedule.heightFt = 20.0;
        QVERIFY(evaluateSchedule(schedule, result));
        QVERIFY(std::abs(result.segments[3].servedFixtureUnits - flatFu) < kTolerance);
        QVERIFY(Design::demandGpm(flatFu, schedule.supply, demandGpm));
        QVERIFY(std::abs(result.segments[3].flowGpm - demandGpm) < kTolerance);
    }

    void badCounts_data()
    {
        QTest::addColumn<int>("layout");
        QTest::addColumn<std::function<void(std::vector<int>&)>>("spoil");
        using F = std::function<void(std::vector<int>&)>;
        for (const TLayout layout : {TLayout::Tree, TLayout::List}) {
            const char* name = layout == TLayout::Tree ? "tree" : "list";
            QTest::addRow("%s: a count short", name) << int(layout) << F([](std::vector<int>& c) { c.pop_back(); });
            QTest::addRow("%s: a count over", name) << int(layout) << F([](std::vector<int>& c) { c.push_back(0); });
            QTest::addRow("%s: negative", name) << int(layout) << F([](std::vector<int>& c) { c[4] = -1; });
            QTest::addRow("%s: over the most", name)
                << int(layout) << F([](std::vector<int>& c) { c[0] = Design::kMaxFixtureCount + 1; });
        }
    }
    void badCounts()
    {
        QFETCH(int, layout);
        QFETCH(std::function<void(std::vector<int>&)>, spoil);
        TSchedule schedule = budgeted();
        QVERIFY(buildingTree(buildingSpec(2, 2, 0.0), schedule));
        schedule.layout = TLayout(layout);
        schedule.heightFt = 20.0;
        spoil(schedule.segments[4].fixtureCounts);
        TScheduleResult result;
        TScheduleCheck check;
        QVERIFY(!evaluateSchedule(schedule, result, check));
        QCOMPARE(int(check.problem), int(TScheduleProblem::BadSegment));
        QCOMPARE(check.segment, std::size_t(4));
    }

    void nodeNames_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("name");
        QTest::newRow("first") << 0 << "A";
        QTest::newRow("last single letter") << 25 << "Z";
        QTest::newRow("past Z") << 26 << "AA";
        QTest::newRow("AZ then BA") << 52 << "BA";
        QTest::newRow("last two letters") << 701 << "ZZ";
        QTest::newRow("three letters") << 702 << "AAA";
    }
    void nodeNames()
    {
        QFETCH(int, index);
        QFETCH(QString, name);
        QCOMPARE(QString::fromStdString(nodeLetters(std::size_t(index))), name);
    }

    // A segment picked out by its row, as "from to lengthFt fittings elevationFt run name".
    void shape_data()
    {
        QTest::addColumn<TBuildingSpec>("building");
        QTest::addColumn<int>("rows");
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("expected");
        const TBuildingSpec low = buildingSpec(4, 2, 0.0);
        QTest::newRow("at the source's height: no riser to storey 1")
            << low << 12 << 1 << "B C 10.5 20 10.5 main رایزر طبقهٔ 2";
        QTest::newRow("storey 1's flats leave B") << low << 12 << 4 << "B F 30 50 3.3 branch طبقهٔ 1، واحد 1";
        QTest::newRow("the last flat") << low << 12 << 11 << "E M 30 50 34.8 branch طبقهٔ 4، واحد 2";
        QTest::newRow("service run") << low << 12 << 0 << "A B 50 30 0 main انشعاب تا پای رایزر";
        const TBuildingSpec raised = buildingSpec(3, 1, 4.0);
        QTest::newRow("a raised first storey has its riser") << raised << 7 << 1 << "B C 4 20 4 main رایزر طبقهٔ 1";
        QTest::newRow("raised: storey 3's flat") << raised << 7 << 6 << "E H 30 50 28.3 branch طبقهٔ 3، واحد 1";
        const TBuildingSpec underTank = buildingSpec(2, 1, -12.0);
        QTest::newRow("below a roof tank the first riser drops")
            << underTank << 5 << 1 << "B C 12 20 -12 main رایزر طبقهٔ 1";
        QTest::newRow("below a roof tank: storey 2's flat")
            << underTank << 5 << 4 << "D F 30 50 1.8 branch طبقهٔ 2، واحد 1";
        const TBuildingSpec tall = buildingSpec(12, 3, 0.0);
        QTest::newRow("twelve storeys: the top riser") << tall << 48 << 11 << "L M 10.5 20 115.5 main رایزر طبقهٔ 12";
        QTest::newRow("twelve storeys: names past Z") << tall << 48 << 47 << "M AW 30 50 118.8 branch طبقهٔ 12، واحد 3";
        QTest::newRow("twelve storeys: storey 5, flat 2")
            << tall << 48 << 25 << "F AA 30 50 45.3 branch طبقهٔ 5، واحد 2";
    }
    void shape()
    {
        QFETCH(TBuildingSpec, building);
        QFETCH(int, rows);
        QFETCH(int, row);
        QFETCH(QString, expected);
        TSchedule schedule = budgeted();
        schedule.material = "ppr-pn20";
        schedule.segments.resize(3);
        QVERIFY(buildingTree(building, schedule));
        QCOMPARE(int(schedule.layout), int(TLayout::Tree));
        QCOMPARE(int(schedule.segments.size()), rows);
        QCOMPARE(schedule.material, std::string("ppr-pn20"));
        QCOMPARE(schedule.sourcePsi, 60.0);
        const TSegment& g = schedule.segments[std::size_t(row)];
        const QString got = QStringLiteral("%1 %2 %3 %4 %5 %6 %7")
                                .arg(QString::fromStdString(g.from), QString::fromStdString(g.to))
                                .arg(g.lengthFt)
                                .arg(g.fittingsPercent)
                                .arg(std::round(g.elevationFt * 1e9) / 1e9)
                                .arg(g.run == TRun::Main ? "main" : "branch", QString::fromStdString(g.name));
        QCOMPARE(got, expected);
        QCOMPARE(g.fixtureCounts, g.run == TRun::Branch ? building.flatFixtureCounts : std::vector<int>());
        QCOMPARE(g.fixtureUnits, 0.0);
        QCOMPARE(g.flowGpm, 0.0);
    }

    void refusedSpecs_data()
    {
        QTest::addColumn<std::function<void(TBuildingSpec&)>>("spoil");
        using F = std::function<void(TBuildingSpec&)>;
        constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
        constexpr double kInf = std::numeric_limits<double>::infinity();
        // clang-format off
        QTest::newRow("no storey") << F([](TBuildingSpec& s) { s.storeys = 0; });
        QTest::newRow("101 storeys") << F([](TBuildingSpec& s) { s.storeys = 101; });
        QTest::newRow("no flat") << F([](TBuildingSpec& s) { s.flatsPerStorey = 0; });
        QTest::newRow("21 flats") << F([](TBuildingSpec& s) { s.flatsPerStorey = 21; });
        QTest::newRow("flat storeys") << F([](TBuildingSpec& s) { s.storeyHeightFt = 0.0; });
        QTest::newRow("first storey not a number") << F([](TBuildingSpec& s) { s.firstStoreyFt = kNaN; });
        QTest::newRow("fixture below its floor") << F([](TBuildingSpec& s) { s.fixtureHeightFt = -0.1; });
        QTest::newRow("no service run") << F([](TBuildingSpec& s) { s.serviceLengthFt = 0.0; });
        QTest::newRow("endless branch") << F([](TBuildingSpec& s) { s.branchLengthFt = kInf; });
        QTest::newRow("negative fittings") << F([](TBuildingSpec& s) { s.riserFittingsPercent = -1.0; });
        QTest::newRow("service fittings not a number") << F([](TBuildingSpec& s) { s.serviceFittingsPercent = kNaN; });
        QTest::newRow("no counts") << F([](TBuildingSpec& s) { s.flatFixtureCounts.clear(); });
        QTest::newRow("a count short") << F([](TBuildingSpec& s) { s.flatFixtureCounts.pop_back(); });
        QTest::newRow("a count over the most") << F([](TBuildingSpec& s) { s.flatFixtureCounts[3] = 10000; });
        QTest::newRow("a negative count") << F([](TBuildingSpec& s) { s.flatFixtureCounts[3] = -2; });
        // clang-format on
    }
    void refusedSpecs()
    {
        QFETCH(std::function<void(TBuildingSpec&)>, spoil);
        TBuildingSpec building = buildingSpec(4, 2, 0.0);
        spoil(building);
        TSchedule schedule = budgeted();
        schedule.segments.resize(3);
        QVERIFY(!buildingTree(building, schedule));
        QCOMPARE(schedule.segments.size(), std::size_t(3));
        QCOMPARE(int(schedule.layout), int(TLayout::List));
    }

    // The ranges' own ends are taken.
    void widestSpec()
    {
        TBuildingSpec building = buildingSpec(100, 20, 0.0);
        building.fixtureHeightFt = 0.0;
        building.serviceFittingsPercent = building.riserFittingsPercent = building.branchFittingsPercent = 0.0;
        building.flatFixtureCounts.assign(building.flatFixtureCounts.size(), Design::kMaxFixtureCount);
        TSchedule schedule;
        QVERIFY(buildingTree(building, schedule));
        QCOMPARE(schedule.segments.size(), std::size_t(1 + 99 + 2000));
        QCOMPARE(schedule.segments.back().to, nodeLetters(1 + 99 + 2000));
    }
};

QTEST_GUILESS_MAIN(TestBuildingTree)
#include "tst_buildingtree.moc"
