// A segment's row of figures, from which the grid, the PDF, the CSV and a copy all write: each
// column's value in US or SI, its unit and decimals, or why it is empty; and the figure written
// with either decimal mark.
#include "SegmentFigures.h"

#include "Hydraulics.h"
#include "ReportNotes.h"
#include "ScheduleUnits.h"

#include <QTest>

#include <algorithm>

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

// A tree's segment A -> B, with its result and its outlet as the core hands them back.
struct TTreeRow {
    TSegment segment;
    TSegmentResult result;
    TOutletResult outlet;
};

TTreeRow treeRow(bool reducer, bool outletComplete)
{
    TTreeRow row;
    row.segment = segment(TRun::Main, 20.0, 0.0, 12.0, false);
    row.segment.from = std::string("A");
    row.segment.to = std::string("B");
    row.segment.elevationFt = 10.0;
    row.result.sized = true;
    row.result.servedFixtureUnits = 85.0;
    row.result.cumulativeLossPsi = 1.2345;
    row.result.staticPsi = 60.0;
    row.result.needsPressureReducer = reducer;
    row.outlet.complete = outletComplete;
    row.outlet.pressurePsi = 30.5;
    row.outlet.marginPsi = -2.25;
    return row;
}

enum class TOutletAt { None, Complete, Incomplete };

} // namespace

Q_DECLARE_METATYPE(TColumn)
Q_DECLARE_METATYPE(TEmpty)
Q_DECLARE_METATYPE(Project::TUnits)
Q_DECLARE_METATYPE(TOutletAt)

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

    // A tree's columns, from the segment, its result and the outlet at its `to` node.
    void treeFigures_data()
    {
        QTest::addColumn<TColumn>("column");
        QTest::addColumn<Project::TUnits>("units");
        QTest::addColumn<TOutletAt>("outletAt");
        QTest::addColumn<bool>("reducer");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("unit");
        QTest::addColumn<TEmpty>("empty");
        const auto US = Project::TUnits::US;
        const auto SI = Project::TUnits::SI;
        const auto none = TOutletAt::None;
        const auto complete = TOutletAt::Complete;
        QTest::newRow("from") << TColumn::From << US << none << false << "A"
                              << "" << TEmpty::No;
        QTest::newRow("to") << TColumn::To << SI << none << false << "B"
                            << "" << TEmpty::No;
        QTest::newRow("served load, one decimal") << TColumn::ServedLoad << US << none << false << "85.0"
                                                  << "" << TEmpty::No;
        QTest::newRow("elevation in m") << TColumn::Elevation << SI << none << false << "3.05"
                                        << "m" << TEmpty::No;
        QTest::newRow("static pressure in psi") << TColumn::StaticPressure << US << none << false << "60.00"
                                                << "psi" << TEmpty::No;
        QTest::newRow("outlet pressure in flow") << TColumn::OutletPressure << US << complete << false << "30.50"
                                                 << "psi" << TEmpty::No;
        QTest::newRow("outlet margin below zero") << TColumn::OutletMargin << US << complete << false << "-2.25"
                                                  << "psi" << TEmpty::No;
        QTest::newRow("not an outlet") << TColumn::OutletPressure << US << none << false << ""
                                       << "psi" << TEmpty::NotAnOutlet;
        QTest::newRow("outlet behind an unsized segment")
            << TColumn::OutletMargin << SI << TOutletAt::Incomplete << false << ""
            << "kPa" << TEmpty::PathNotSized;
        QTest::newRow("reducer raised") << TColumn::PressureReducer << US << none << true << "1"
                                        << "" << TEmpty::No;
        QTest::newRow("reducer lowered") << TColumn::PressureReducer << US << none << false << ""
                                         << "" << TEmpty::NotRaised;
        QTest::newRow("cumulative off the critical path, along its own")
            << TColumn::CumulativeLoss << US << none << false << "1.234"
            << "psi" << TEmpty::No;
    }
    void treeFigures()
    {
        QFETCH(TColumn, column);
        QFETCH(Project::TUnits, units);
        QFETCH(TOutletAt, outletAt);
        QFETCH(bool, reducer);
        QFETCH(QString, text);
        QFETCH(QString, unit);
        QFETCH(TEmpty, empty);
        const TTreeRow row = treeRow(reducer, outletAt == TOutletAt::Complete);
        SegmentFigures::TPlace place;
        place.layout = TLayout::Tree;
        place.outlet = outletAt == TOutletAt::None ? nullptr : &row.outlet;
        const SegmentFigures::TFigure figure = SegmentFigures::figure(row.segment, row.result, column, units, place);
        QCOMPARE(figure.empty, empty);
        QCOMPARE(figure.unit, unit);
        QCOMPARE(SegmentFigures::written(figure, u'.'), text);
    }

    // A segment finds its outlet among the result's, which come in segment order; a list has none.
    void placeInTheSchedule()
    {
        TSchedule schedule;
        schedule.layout = TLayout::Tree;
        schedule.segments.resize(4);
        TScheduleResult result;
        result.segments.resize(4);
        result.outlets.resize(2);
        result.outlets[0].segment = 1;
        result.outlets[1].segment = 3;
        QCOMPARE(SegmentFigures::placeOf(schedule, result, 3).outlet, &result.outlets[1]);
        QCOMPARE(SegmentFigures::placeOf(schedule, result, 1).outlet, &result.outlets[0]);
        QCOMPARE(SegmentFigures::placeOf(schedule, result, 2).outlet, nullptr);
        schedule.layout = TLayout::List;
        QCOMPARE(SegmentFigures::placeOf(schedule, result, 3).outlet, nullptr);
        QCOMPARE(SegmentFigures::placeOf(schedule, result, 3).layout, TLayout::List);
    }

    // A computed material's size is its table's name in both systems, in the pipe column and in
    // the note of a segment raised for velocity; a nomogram pipe gains its DN in SI only.
    void sizeNames()
    {
        TSchedule schedule = threeSegments();
        schedule.material = "ppr-pn20";
        schedule.branchLimitFtPerS = 2.0;
        schedule.segments.pop_back();
        TScheduleResult result;
        QVERIFY(evaluateSchedule(schedule, result));
        const Hydraulics::TMaterial* material = Hydraulics::findMaterial(schedule.material);
        QVERIFY(material != nullptr);
        const auto isSize = [&](const QString& name) {
            return std::any_of(material->sizes.begin(), material->sizes.end(), [&](const Hydraulics::TPipeSize& size) {
                return name == QString::fromStdString(size.name);
            });
        };
        for (std::size_t i = 0; i < schedule.segments.size(); ++i) {
            for (const auto units : {Project::TUnits::US, Project::TUnits::SI}) {
                const QString pipe
                    = SegmentFigures::figure(schedule.segments[i], result.segments[i], TColumn::Pipe, units).text;
                QVERIFY2(isSize(pipe), qPrintable(pipe));
            }
        }
        const TSegmentResult& branch = result.segments[1];
        QVERIFY(branch.size.raisedForVelocity && branch.hasTooFastSize);
        const QString tooFast = QString::fromStdString(branch.tooFastSize.pipe);
        QVERIFY(isSize(tooFast));
        QVERIFY(Report::segmentNote(schedule, 1, branch, Project::TUnits::SI, u'.').contains(tooFast));

        TSegmentSize nominal;
        nominal.pipe = "1 1/4\"";
        QCOMPARE(ScheduleUnits::sizeLabel(nominal, Project::TUnits::US), QStringLiteral("1 1/4\""));
        QCOMPARE(ScheduleUnits::sizeLabel(nominal, Project::TUnits::SI), QStringLiteral("1 1/4\" DN32"));
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
