// Where a tree's pressure-reducing valves stand as its views read them: a valve's own row with its
// setting, a node below a valve named after it, a junction that must keep its pressure pointed to
// the valves below it, and a valve's outlets.
#include "ReducerValves.h"

#include "BoosterTexts.h"

#include <QTest>

using namespace Sizing;

namespace {

// S -> A feeds a flat at B and, through a valve set at 50 psi on A-C, the flats at C and D. The
// static pressure is over 4 bar at A, at C and at D; B, higher up, stays under it.
struct TValvedTree {
    TSchedule schedule;
    TScheduleResult result;
};

TValvedTree valvedTree()
{
    TValvedTree t;
    t.schedule.layout = TLayout::Tree;
    const char* const nodes[][2] = {{"S", "A"}, {"A", "B"}, {"A", "C"}, {"C", "D"}};
    for (const auto& [from, to] : nodes) {
        TSegment s;
        s.name = std::string(from) + "-" + to;
        s.from = from;
        s.to = to;
        t.schedule.segments.push_back(s);
    }
    t.result.segments.resize(4);
    t.result.segments[2].reducer = true;
    t.result.segments[2].reducerSetPsi = 50.0;
    for (const std::size_t over : std::vector<std::size_t>{0, 2, 3}) {
        t.result.segments[over].needsPressureReducer = true;
        t.result.segments[over].staticPsi = 70.0;
    }
    for (const std::size_t outlet : std::vector<std::size_t>{1, 2, 3}) {
        TOutletResult o;
        o.segment = outlet;
        t.result.outlets.push_back(o);
    }
    return t;
}

QString isolated(const QString& text) { return QChar(u'\u2066') + text + QChar(u'\u2069'); }

} // namespace

class TestReducerValves : public QObject {
    Q_OBJECT

private slots:
    void notes_data()
    {
        using namespace BoosterTexts;
        const QString over = isolated(QStringLiteral("70.00 psi"));
        QTest::addColumn<int>("segment");
        QTest::addColumn<QString>("note");
        QTest::newRow("a junction that feeds B too") << 0 << kValvesBelow.toString().arg(over, QStringLiteral("«A-C»"));
        QTest::newRow("under 4 bar") << 1 << QString();
        QTest::newRow("the valve's own row, over 4 bar itself")
            << 2 << kValveHere.toString().arg(isolated(QStringLiteral("50.00 psi")));
        QTest::newRow("below the valve") << 3 << kValveAbove.toString().arg(over, QStringLiteral("A-C"), "3");
    }

    void notes()
    {
        QFETCH(int, segment);
        QFETCH(QString, note);
        const TValvedTree t = valvedTree();
        const ReducerValves::TValveMap valves(t.schedule, t.result);
        QCOMPARE(ReducerValves::valveNote(t.schedule, t.result, valves, static_cast<std::size_t>(segment),
                                          Project::TUnits::US, u'.'),
                 note);
    }

    void walks()
    {
        const TValvedTree t = valvedTree();
        const ReducerValves::TValveMap valves(t.schedule, t.result);
        QCOMPARE(valves.valves(), std::vector<std::size_t>{2});
        QCOMPARE(valves.valvesBelow(0), std::vector<std::size_t>{2});
        QCOMPARE(valves.outletsBelow(2), (std::vector<std::size_t>{2, 3}));
        QCOMPARE(valves.valveAbove(3), std::size_t{2});
        QCOMPARE(valves.valveAbove(1), ReducerValves::kNone);
        QVERIFY(valves.leavesSource(0));
        QVERIFY(!valves.leavesSource(2));
        // A list has no nodes to walk.
        TSchedule list = t.schedule;
        list.layout = TLayout::List;
        QVERIFY(ReducerValves::TValveMap(list, t.result).valves().empty());
    }
};

QTEST_GUILESS_MAIN(TestReducerValves)
#include "tst_reducervalves.moc"
