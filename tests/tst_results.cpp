// The results as JSON: every figure the method found reads back as the same double, a pipe and a
// valve's setting are null where there is none, a list has no outlets and only a booster has its
// duty, and a schedule that cannot be evaluated writes nothing.
#include "Report.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTest>

using namespace Sizing;

namespace {

TSegment treeSegment(const char* from, const char* to, TRun run, double fixtureUnits, double flowGpm, double lengthFt,
                     double elevationFt)
{
    TSegment g;
    g.name = std::string(from) + "-" + to;
    g.run = run;
    g.from = from;
    g.to = to;
    g.fixtureUnits = fixtureUnits;
    g.flowGpm = flowGpm;
    g.lengthFt = lengthFt;
    g.fittingsPercent = 35.0;
    g.elevationFt = elevationFt;
    return g;
}

// A riser of four storeys in PP-R: a low flat whose static pressure is over 4 bar with the main's
// 75 psi, a top flat, a hose bibb of 5 gpm, and a branch whose limit no pipe keeps.
Project::TProject building(TSource source, TLayout layout)
{
    Project::TProject p;
    TSchedule& s = p.schedule;
    s.roughnessClass = 2;
    s.material = "ppr-pn20";
    s.layout = layout;
    s.source = source;
    s.sourcePsi = 65.0;
    s.staticSourcePsi = 75.0;
    s.meterAndDevicesPsi = 4.0;
    s.heightFt = 40.0;
    s.fixturePsi = 8.0;
    s.branchLimitFtPerS = 0.05;
    s.booster.altitudeM = 1190.0;
    s.booster.occupants = 32.0;
    s.booster.differentialPsi = 40.0; // a cut-out high enough to put the low flat over 4 bar
    s.segments = {treeSegment("A", "B", TRun::Main, 0.0, 0.0, 20.0, 0.0),
                  treeSegment("B", "C", TRun::Main, 20.0, 0.0, 10.0, 3.0),
                  treeSegment("B", "D", TRun::Main, 0.0, 0.0, 33.0, 30.0),
                  treeSegment("D", "E", TRun::Main, 20.0, 0.0, 12.0, 33.0),
                  treeSegment("B", "H", TRun::Main, 0.0, 5.0, 15.0, 2.0),
                  treeSegment("B", "X", TRun::Branch, 0.0, 2.0, 5.0, 1.0)};
    for (TSegment& g : s.segments)
        g.onCriticalPath = g.from == "A" || g.to == "E" || g.to == "D";
    return p;
}

QJsonObject written(const Project::TProject& project, const QTemporaryDir& dir)
{
    const QString path = dir.filePath(QStringLiteral("results.json"));
    QString message;
    if (!Report::writeReport(path, project, message))
        qFatal("not written: %s", qPrintable(message));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("not readable");
    return QJsonDocument::fromJson(file.readAll()).object();
}

bool same(const QJsonValue& value, double expected) { return value.isDouble() && value.toDouble() == expected; }

} // namespace

Q_DECLARE_METATYPE(Sizing::TSource)
Q_DECLARE_METATYPE(Sizing::TLayout)

class TestResults : public QObject {
    Q_OBJECT

private slots:
    void everyFigure_data()
    {
        QTest::addColumn<TSource>("source");
        QTest::addColumn<TLayout>("layout");
        QTest::newRow("a booster's tree") << TSource::Booster << TLayout::Tree;
        QTest::newRow("a tree from the main") << TSource::Main << TLayout::Tree;
        QTest::newRow("a list") << TSource::Main << TLayout::List;
    }
    void everyFigure()
    {
        QFETCH(TSource, source);
        QFETCH(TLayout, layout);
        const Project::TProject project = building(source, layout);
        TScheduleResult r;
        QVERIFY(evaluateSchedule(project.schedule, r));
        QTemporaryDir dir;
        const QJsonObject root = written(project, dir);
        QCOMPARE(root.value("format").toString(), QStringLiteral("keldaran-results"));
        QCOMPARE(root.value("version").toInt(), 1);
        QCOMPARE(root.value("source").toString(),
                 source == TSource::Booster ? QStringLiteral("booster") : QStringLiteral("main"));
        const QJsonObject totals = root.value("totals").toObject();
        QVERIFY(same(totals.value("availablePsi"), r.availablePsi));
        QVERIFY(same(totals.value("pathEquivalentLengthFt"), r.pathEquivalentLengthFt));
        QVERIFY(same(totals.value("allowablePsiPer100ft"), r.allowablePsiPer100ft));
        QVERIFY(same(totals.value("pathLossPsi"), r.pathLossPsi));
        QVERIFY(same(totals.value("residualPsi"), r.residualPsi));
        QVERIFY(same(totals.value("criticalOutlet"), double(r.criticalOutlet)));

        const QJsonArray segments = root.value("segments").toArray();
        QCOMPARE(std::size_t(segments.size()), r.segments.size());
        bool anyValve = false;
        for (std::size_t i = 0; i < r.segments.size(); ++i) {
            const QJsonObject g = segments[qsizetype(i)].toObject();
            const TSegmentResult& e = r.segments[i];
            QCOMPARE(g.value("name").toString(), QString::fromStdString(project.schedule.segments[i].name));
            QCOMPARE(g.value("sized").toBool(), e.sized);
            QCOMPARE(g.value("pipe").isNull(), !e.sized);
            if (e.sized)
                QCOMPARE(g.value("pipe").toString(), QString::fromStdString(e.size.pipe));
            QVERIFY(same(g.value("flowGpm"), e.flowGpm));
            QVERIFY(same(g.value("equivalentLengthFt"), e.equivalentLengthFt));
            QVERIFY(same(g.value("velocityFtPerS"), e.size.velocityFtPerS));
            QVERIFY(same(g.value("lossPsiPer100ft"), e.size.lossPsiPer100ft));
            QCOMPARE(g.value("raisedForVelocity").toBool(), e.size.raisedForVelocity);
            QVERIFY(same(g.value("lossPsi"), e.lossPsi));
            QVERIFY(same(g.value("cumulativeLossPsi"), e.cumulativeLossPsi));
            QVERIFY(same(g.value("servedFixtureUnits"), e.servedFixtureUnits));
            QCOMPARE(g.value("onCriticalPath").toBool(), e.onCriticalPath);
            QVERIFY(same(g.value("staticPsi"), e.staticPsi));
            QCOMPARE(g.value("needsPressureReducer").toBool(), e.needsPressureReducer);
            QCOMPARE(g.value("reducer").toBool(), e.reducer);
            QCOMPARE(g.value("reducerSetPsi").isNull(), !e.reducer);
            if (e.reducer)
                QVERIFY(same(g.value("reducerSetPsi"), e.reducerSetPsi));
            anyValve = anyValve || e.reducer;
        }
        // The branch to X no pipe keeps under its limit; A-B carries the tree's load, but as a
        // list's segment it serves none of its own.
        QCOMPARE(segments.last().toObject().value("problem").toString(), QStringLiteral("tooFast"));
        QCOMPARE(segments.first().toObject().value("problem").toString(),
                 layout == TLayout::Tree ? QStringLiteral("none") : QStringLiteral("noLoad"));
        QCOMPARE(anyValve, layout == TLayout::Tree);

        QCOMPARE(root.contains("outlets"), layout == TLayout::Tree);
        const QJsonArray outlets = root.value("outlets").toArray();
        QCOMPARE(std::size_t(outlets.size()), layout == TLayout::Tree ? r.outlets.size() : 0);
        for (qsizetype k = 0; k < outlets.size(); ++k) {
            const QJsonObject o = outlets[k].toObject();
            const TOutletResult& e = r.outlets[std::size_t(k)];
            QVERIFY(same(o.value("segment"), double(e.segment)));
            QVERIFY(same(o.value("availablePsi"), e.availablePsi));
            QVERIFY(same(o.value("pathEquivalentLengthFt"), e.pathEquivalentLengthFt));
            QVERIFY(same(o.value("allowablePsiPer100ft"), e.allowablePsiPer100ft));
            QCOMPARE(o.value("complete").toBool(), e.complete);
            QVERIFY(same(o.value("pressurePsi"), e.pressurePsi));
            QVERIFY(same(o.value("marginPsi"), e.marginPsi));
        }

        QCOMPARE(root.contains("booster"), source == TSource::Booster);
        if (source != TSource::Booster)
            return;
        const QJsonObject b = root.value("booster").toObject();
        const TBoosterResult& e = r.booster;
        QCOMPARE(b.value("complete").toBool(), e.complete);
        QVERIFY(same(b.value("criticalOutlet"), double(e.criticalOutlet)));
        const std::pair<const char*, double> figures[] = {{"flowGpm", e.flowGpm},
                                                          {"dischargePsi", e.dischargePsi},
                                                          {"suctionPsi", e.suctionPsi},
                                                          {"headPsi", e.headPsi},
                                                          {"headFt", e.headFt},
                                                          {"hydraulicKw", e.hydraulicKw},
                                                          {"shaftKw", e.shaftKw},
                                                          {"cutOutPsi", e.cutOutPsi},
                                                          {"atmosphericPsi", e.atmosphericPsi},
                                                          {"drawdownFactor", e.drawdownFactor},
                                                          {"drawdownGal", e.drawdownGal},
                                                          {"tankGal", e.tankGal},
                                                          {"storageLitres", e.storageLitres}};
        for (const auto& [key, value] : figures)
            QVERIFY2(same(b.value(QLatin1String(key)), value), key);
        QCOMPARE(b.size(), qsizetype(std::size(figures) + 2));
    }

    // A main that falls short is refused as the other formats refuse it, and leaves no file.
    void refused()
    {
        Project::TProject project = building(TSource::Main, TLayout::Tree);
        project.schedule.sourcePsi = 10.0;
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("results.json"));
        QString message;
        QVERIFY(!Report::writeReport(path, project, message));
        QVERIFY(!message.isEmpty());
        QVERIFY(!QFile::exists(path));
    }
};

QTEST_GUILESS_MAIN(TestResults)
#include "tst_results.moc"
