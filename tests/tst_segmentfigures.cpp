// A segment's row of figures, from which the grid, the PDF, the CSV and a copy all write: each
// column's value in US or SI, its unit and decimals, or why it is empty; and the figure written
// with either decimal mark.
#include "SegmentFigures.h"

#include "ScheduleUnits.h"

#include <QTest>

using namespace Sizing;
using SegmentFigures::TColumn;
using SegmentFigures::TEmpty;

namespace {

TSegment segment(TRun run, double fixtureUnits, double flowGpm, double lengthFt, bool onPath)
{
    TSegment s;
    s.run = run;
    s.fixtureUnits = fixtureUnits;
    s.flowGpm = flowGpm;
    s.lengthFt = lengthFt;
    s.fittingsPercent = 50.0;
    s.onCriticalPath = onPath;
    return s;
}

// Class 2: a riser on the path, a branch off it with a typed flow, and one no pipe can carry.
TSchedule threeSegments()
{
    TSchedule s;
    s.roughnessClass = 2;
    s.sourcePsi = 50.0;
    s.meterAndDevicesPsi = 5.0;
    s.heightFt = 25.0;
    s.fixturePsi = 8.0;
    s.segments = {segment(TRun::Main, 60.0, 0.0, 30.0, true), segment(TRun::Branch, 0.0, 5.0, 8.0, false),
                  segment(TRun::Branch, 0.0, 20000.0, 8.0, true)};
    return s;
}

} // namespace

Q_DECLARE_METATYPE(TColumn)
Q_DECLARE_METATYPE(TEmpty)
Q_DECLARE_METATYPE(Project::TUnits)

class TestSegmentFigures : public QObject {
    Q_OBJECT

private slots:
    void figures_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<TColumn>("column");
        QTest::addColumn<Project::TUnits>("units");
        QTest::addColumn<QString>("unit");
        QTest::addColumn<int>("decimals");
        QTest::addColumn<TEmpty>("empty");
        QTest::addColumn<bool>("withoutPipe");
        const auto US = Project::TUnits::US;
        const auto SI = Project::TUnits::SI;
        QTest::newRow("flow in L/s") << 0 << TColumn::Flow << SI << "L/s" << 2 << TEmpty::No << false;
        QTest::newRow("length in m") << 0 << TColumn::Length << SI << "m" << 2 << TEmpty::No << false;
        QTest::newRow("loss per 100 ft, three decimals")
            << 0 << TColumn::LossPer100 << US << "psi/100ft" << 3 << TEmpty::No << false;
        QTest::newRow("segment loss in kPa") << 0 << TColumn::SegmentLoss << SI << "kPa" << 3 << TEmpty::No << false;
        QTest::newRow("fittings as a share") << 0 << TColumn::Fittings << US << "%" << 2 << TEmpty::No << false;
        QTest::newRow("a typed flow empties the load")
            << 1 << TColumn::Load << US << "" << 2 << TEmpty::FlowTyped << false;
        QTest::newRow("a load of 0 was not typed")
            << 1 << TColumn::TypedLoad << US << "" << 2 << TEmpty::NothingTyped << false;
        QTest::newRow("cumulative only on the path")
            << 1 << TColumn::CumulativeLoss << US << "psi" << 3 << TEmpty::OffPath << false;
        QTest::newRow("no pipe, no velocity")
            << 2 << TColumn::Velocity << SI << "m/s" << 2 << TEmpty::NotSized << false;
        QTest::newRow("no pipe, no pipe named") << 2 << TColumn::Pipe << US << "" << 0 << TEmpty::NotSized << false;
        QTest::newRow("no pipe, its loss counted as 0")
            << 2 << TColumn::SegmentLoss << US << "psi" << 3 << TEmpty::No << true;
    }
    void figures()
    {
        QFETCH(int, index);
        QFETCH(TColumn, column);
        QFETCH(Project::TUnits, units);
        QFETCH(QString, unit);
        QFETCH(int, decimals);
        QFETCH(TEmpty, empty);
        QFETCH(bool, withoutPipe);
        const TSchedule schedule = threeSegments();
        TScheduleResult result;
        QVERIFY(evaluateSchedule(schedule, result));
        const auto at = static_cast<std::size_t>(index);
        const SegmentFigures::TFigure figure
            = SegmentFigures::figure(schedule.segments[at], result.segments[at], column, units);
        QCOMPARE(figure.unit, unit);
        QCOMPARE(figure.decimals, decimals);
        QCOMPARE(figure.empty, empty);
        QCOMPARE(figure.withoutPipe, withoutPipe);
        if (figure.isEmpty())
            QCOMPARE(SegmentFigures::written(figure, u'.'), QString());
    }

    // The values themselves: converted once, through the project's units.
    void valuesInTheUnitsAsked()
    {
        const TSchedule schedule = threeSegments();
        TScheduleResult result;
        QVERIFY(evaluateSchedule(schedule, result));
        const TSegmentResult& riser = result.segments[0];
        const auto value = [&](TColumn column, Project::TUnits units) {
            return SegmentFigures::figure(schedule.segments[0], riser, column, units).value;
        };
        QCOMPARE(value(TColumn::Flow, Project::TUnits::US), riser.flowGpm);
        QCOMPARE(value(TColumn::Flow, Project::TUnits::SI), ScheduleUnits::flowIn(riser.flowGpm, Project::TUnits::SI));
        QCOMPARE(value(TColumn::Velocity, Project::TUnits::SI),
                 ScheduleUnits::velocityIn(riser.size.velocityFtPerS, Project::TUnits::SI));
        QCOMPARE(value(TColumn::CumulativeLoss, Project::TUnits::US), riser.cumulativeLossPsi);
        const SegmentFigures::TFigure pipe
            = SegmentFigures::figure(schedule.segments[0], riser, TColumn::Pipe, Project::TUnits::SI);
        QVERIFY(pipe.isText && pipe.text.contains(QLatin1String(" DN")));
    }

    void written_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<int>("decimals");
        QTest::addColumn<bool>("upTo");
        QTest::addColumn<QString>("mark");
        QTest::addColumn<QString>("text");
        QTest::newRow("fixed, a comma") << 24.5 << 2 << false << ","
                                        << "24,50";
        QTest::newRow("fixed, a point") << 0.1234 << 3 << false << "."
                                        << "0.123";
        QTest::newRow("up to, whole") << 60.0 << 2 << true << ","
                                      << "60";
        QTest::newRow("up to, one decimal") << 2.5 << 2 << true << "."
                                            << "2.5";
        QTest::newRow("no negative zero") << -0.0001 << 2 << false << "."
                                          << "0.00";
        QTest::newRow("not a number is 0") << qQNaN() << 2 << false << "."
                                           << "0.00";
    }
    void written()
    {
        QFETCH(double, value);
        QFETCH(int, decimals);
        QFETCH(bool, upTo);
        QFETCH(QString, mark);
        QFETCH(QString, text);
        SegmentFigures::TFigure figure;
        figure.value = value;
        figure.decimals = decimals;
        figure.upTo = upTo;
        QCOMPARE(SegmentFigures::written(figure, mark.front()), text);
    }
};

QTEST_GUILESS_MAIN(TestSegmentFigures)
#include "tst_segmentfigures.moc"
