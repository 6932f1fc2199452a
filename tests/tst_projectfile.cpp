// The project file: any schedule written reads back exactly, unknown keys included; every broken
// file is refused with the key at fault named, and nothing is loaded.
#include "ProjectFile.h"

#include <QFile>
#include <QJsonArray>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>
#include <cstring>

using namespace Project;

Q_DECLARE_METATYPE(Sizing::TLayout)

namespace {

// Doubles with every bit of their mantissa in use, as typed values converted from SI units are.
double anyDouble(QRandomGenerator& random, double low, double high)
{
    return low + (high - low) * random.generateDouble();
}

std::string anyName(QRandomGenerator& random)
{
    static const char* const kPieces[] = {
        "رایزر", "A-B", "\"quoted\"", "back\\slash", "tab\there", "line\nbreak", "\x01", "طبقهٔ\u200cسوم", "😀", ",", ""};
    std::string name;
    for (int i = 0, n = random.bounded(4); i < n; ++i)
        name += kPieces[random.bounded(int(std::size(kPieces)))];
    return name;
}

// A node of a riser diagram, up to the longest name a file may hold.
std::string anyNode(QRandomGenerator& random)
{
    static const char* const kNodes[]
        = {"", "A", "B12", "گره‌الف", "😀", "\"q\"", "abcdefghijklmnopqrstuvwxyz012345"};
    return kNodes[random.bounded(int(std::size(kNodes)))];
}

// Half the projects use the keys only version 2 has.
void useVersion2(QRandomGenerator& random, Sizing::TSchedule& s)
{
    s.layout = random.bounded(2) == 0 ? Sizing::TLayout::List : Sizing::TLayout::Tree;
    s.staticSourcePsi = random.bounded(2) == 0 ? 0.0 : anyDouble(random, 0.0, kMostPressurePsi);
    for (Sizing::TSegment& g : s.segments) {
        g.from = anyNode(random);
        g.to = anyNode(random);
        g.elevationFt = anyDouble(random, kLeastElevationFt, kMostElevationFt);
        g.outletPsi = random.bounded(2) == 0 ? 0.0 : anyDouble(random, 0.0, kMostPressurePsi);
    }
    static const char* const kMaterials[] = {"", "ppr-pn20", "pex-al-pex", "pe100-pn16"};
    s.material = kMaterials[random.bounded(int(std::size(kMaterials)))];
    s.waterTemperatureC = random.bounded(2) == 0 ? 10.0 : anyDouble(random, 0.0, 100.0);
}

// A quarter of the projects are fed by a booster set, each number anywhere in its range.
void useBooster(QRandomGenerator& random, Sizing::TSchedule& s)
{
    s.source = Sizing::TSource::Booster;
    s.layout = Sizing::TLayout::Tree;
    Sizing::TBooster& b = s.booster;
    b.tankLevelFt = anyDouble(random, Sizing::kLeastTankLevelFt, Sizing::kMostTankLevelFt);
    b.suctionLossPsi = anyDouble(random, 0.0, Sizing::kMostBoosterPsi);
    b.setLossPsi = random.bounded(2) == 0 ? 5.0 : anyDouble(random, 0.0, Sizing::kMostBoosterPsi);
    b.designPsiPer100ft = anyDouble(random, 0.01, Sizing::kMostDesignPsiPer100ft);
    b.differentialPsi = random.bounded(3) == 0 ? 0.0 : anyDouble(random, 0.0, Sizing::kMostBoosterPsi);
    b.preChargeBelowPsi = anyDouble(random, 0.0, Sizing::kMostBoosterPsi);
    b.startsPerHour = anyDouble(random, 0.1, Sizing::kMostStartsPerHour);
    b.efficiency = anyDouble(random, 0.01, Sizing::kMostEfficiency);
    b.altitudeM = anyDouble(random, Sizing::kLeastAltitudeM, Sizing::kMostAltitudeM);
    b.occupants = double(random.bounded(100001));
}

bool sameBooster(const Sizing::TBooster& a, const Sizing::TBooster& b)
{
    return a.tankLevelFt == b.tankLevelFt && a.suctionLossPsi == b.suctionLossPsi && a.setLossPsi == b.setLossPsi
        && a.designPsiPer100ft == b.designPsiPer100ft && a.differentialPsi == b.differentialPsi
        && a.preChargeBelowPsi == b.preChargeBelowPsi && a.startsPerHour == b.startsPerHour
        && a.efficiency == b.efficiency && a.altitudeM == b.altitudeM && a.occupants == b.occupants;
}

TProject anyProject(QRandomGenerator& random)
{
    TProject p;
    p.title = QString::fromStdString(anyName(random));
    p.units = random.bounded(2) == 0 ? TUnits::US : TUnits::SI;
    Sizing::TSchedule& s = p.schedule;
    s.roughnessClass = 1 + random.bounded(3);
    s.supply = random.bounded(2) == 0 ? Design::TSupply::FlushTank : Design::TSupply::FlushValve;
    s.sourcePsi = anyDouble(random, 0.0, 200.0);
    s.meterAndDevicesPsi = anyDouble(random, 0.0, 20.0);
    s.heightFt = anyDouble(random, -100.0, 300.0);
    s.fixturePsi = random.bounded(2) == 0 ? 8.0 : anyDouble(random, 0.0, 30.0);
    s.mainLimitFtPerS = anyDouble(random, 1e-9, 1e9);
    s.branchLimitFtPerS = anyDouble(random, 0.1, 10.0);
    for (int i = 0, n = random.bounded(30); i < n; ++i) {
        Sizing::TSegment g;
        g.name = anyName(random);
        g.run = random.bounded(2) == 0 ? Sizing::TRun::Main : Sizing::TRun::Branch;
        g.fixtureUnits = random.bounded(3) == 0 ? 0.0 : anyDouble(random, 0.0, Design::kMaxFixtureUnits);
        g.flowGpm = random.bounded(3) == 0 ? anyDouble(random, 0.0, 1e4) : 0.0;
        g.lengthFt = std::exp(anyDouble(random, -690.0, 690.0));
        g.fittingsPercent = anyDouble(random, 0.0, 300.0);
        g.onCriticalPath = random.bounded(2) == 0;
        s.segments.push_back(g);
    }
    if (random.bounded(2) == 0)
        useVersion2(random, s);
    if (random.bounded(4) == 0)
        useBooster(random, s);
    if (random.bounded(2) == 0)
        p.otherKeys = {{"zNewerKey", QJsonObject{{"nested", QJsonArray{1, "two", true, QJsonValue()}}}},
                       {"aCount", qint64(9007199254740993)}};
    if (!s.segments.empty() && random.bounded(2) == 0) {
        p.otherSegmentKeys.resize(s.segments.size());
        p.otherSegmentKeys.back() = {{"material", "galvanized"}, {"diameterMm", 32.5}};
    }
    return p;
}

bool sameSegments(const std::vector<Sizing::TSegment>& a, const std::vector<Sizing::TSegment>& b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](const auto& x, const auto& y) {
        return x.name == y.name && x.run == y.run && x.fixtureUnits == y.fixtureUnits && x.flowGpm == y.flowGpm
            && x.lengthFt == y.lengthFt && x.fittingsPercent == y.fittingsPercent
            && x.onCriticalPath == y.onCriticalPath && x.from == y.from && x.to == y.to
            && x.elevationFt == y.elevationFt && x.outletPsi == y.outletPsi;
    });
}

const char kGood[] = R"({"format": "keldaran-schedule", "version": 1, "roughnessClass": 2, "supply": "flushTank",
    "sourcePsi": 60, "meterAndDevicesPsi": 5, "heightFt": 40, "fixturePsi": 8,
    "segments": [{"name": "A-B", "run": "main", "fixtureUnits": 34, "lengthFt": 20}]})";

// The good file with `from` replaced by `to`, once.
QByteArray spoiled(const char* from, const QByteArray& to)
{
    QByteArray json(kGood);
    const qsizetype at = json.indexOf(from);
    return at < 0 ? QByteArray() : json.replace(at, qsizetype(std::strlen(from)), to);
}

// The same, in a version-2 file.
QByteArray spoiledV2(const char* from, const QByteArray& to)
{
    return spoiled(from, to).replace("\"version\": 1", "\"version\": 2");
}

// A version-3 tree fed by a booster set whose "booster" holds `members`.
QByteArray withBooster(const QByteArray& members)
{
    return spoiled("\"fixturePsi\": 8",
                   "\"fixturePsi\": 8, \"layout\": \"tree\", \"source\": \"booster\", \"booster\": " + members)
        .replace("\"version\": 1", "\"version\": 3");
}

QByteArray exampleBytes(const char* name)
{
    QFile file(QStringLiteral(KELDARAN_EXAMPLES "/%1").arg(QLatin1String(name)));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class TestProjectFile : public QObject {
    Q_OBJECT

private slots:
    // Random schedules with awkward names and numbers: written, read, and written again, they
    // come back member for member and byte for byte.
    void roundTrip()
    {
        QRandomGenerator random(16);
        for (int round = 0; round < 300; ++round) {
            const TProject original = anyProject(random);
            const QByteArray json = projectJson(original);
            TProject read;
            QString problem;
            QVERIFY2(parseProject(json, read, problem), qPrintable(problem + u'\n' + QString::fromUtf8(json)));
            const Sizing::TSchedule& a = original.schedule;
            const Sizing::TSchedule& b = read.schedule;
            QCOMPARE(read.title, original.title);
            QCOMPARE(read.units, original.units);
            QCOMPARE(b.roughnessClass, a.roughnessClass);
            QCOMPARE(b.supply, a.supply);
            QCOMPARE(b.sourcePsi, a.sourcePsi);
            QCOMPARE(b.meterAndDevicesPsi, a.meterAndDevicesPsi);
            QCOMPARE(b.heightFt, a.heightFt);
            QCOMPARE(b.fixturePsi, a.fixturePsi);
            QCOMPARE(b.mainLimitFtPerS, a.mainLimitFtPerS);
            QCOMPARE(b.branchLimitFtPerS, a.branchLimitFtPerS);
            QCOMPARE(b.layout, a.layout);
            QCOMPARE(b.staticSourcePsi, a.staticSourcePsi);
            QCOMPARE(b.material, a.material);
            QCOMPARE(b.waterTemperatureC, a.waterTemperatureC);
            QCOMPARE(b.source, a.source);
            QVERIFY(a.source == Sizing::TSource::Main || sameBooster(b.booster, a.booster));
            QVERIFY(sameSegments(b.segments, a.segments));
            QCOMPARE(read.otherKeys, original.otherKeys);
            QCOMPARE(read.otherSegmentKeys, original.otherSegmentKeys);
            QCOMPARE(projectJson(read), json);
        }
    }

    void brokenFiles_data()
    {
        QTest::addColumn<QByteArray>("json");
        QTest::addColumn<QString>("named");
        QByteArray deep = QByteArray(2000, '[') + QByteArray(2000, ']');
        const QByteArray segment = R"({"name": "A-B", "run": "main", "fixtureUnits": 34, "lengthFt": 20})";
        QByteArray segments = segment;
        for (int i = 0; i < kMaxSegments; ++i)
            segments += ',' + segment;
        const QByteArray many = spoiled(segment.constData(), segments);
        // clang-format off
        QTest::newRow("not JSON") << QByteArray("{\"format\": ") << "JSON";
        QTest::newRow("nested too deep") << deep << "JSON";
        QTest::newRow("a list, not an object") << QByteArray("[1, 2]") << "JSON";
        QTest::newRow("another program's file") << spoiled("keldaran-schedule", "other") << "format";
        QTest::newRow("a newer version") << spoiled("\"version\": 1", "\"version\": 4") << "version";
        QTest::newRow("version not whole") << spoiled("\"version\": 1", "\"version\": 0.5") << "version";
        QTest::newRow("class missing") << spoiled("\"roughnessClass\": 2,", "") << "roughnessClass";
        QTest::newRow("class as text") << spoiled("\"roughnessClass\": 2", "\"roughnessClass\": \"2\"") << "roughnessClass";
        QTest::newRow("class 4") << spoiled("\"roughnessClass\": 2", "\"roughnessClass\": 4") << "roughnessClass";
        QTest::newRow("unknown supply") << spoiled("flushTank", "tank") << "supply";
        QTest::newRow("negative source") << spoiled("\"sourcePsi\": 60", "\"sourcePsi\": -1") << "sourcePsi";
        QTest::newRow("a number beyond any double") << spoiled("\"heightFt\": 40", "\"heightFt\": 1e999") << "JSON";
        QTest::newRow("zero limit") << spoiled("\"fixturePsi\": 8", "\"fixturePsi\": 8, \"branchLimitFtPerS\": 0") << "branchLimitFtPerS";
        QTest::newRow("unknown units") << spoiled("\"fixturePsi\": 8", "\"fixturePsi\": 8, \"units\": \"metric\"") << "units";
        QTest::newRow("segments missing") << spoiled("\"segments\"", "\"parts\"") << "segments";
        QTest::newRow("segments not a list") << spoiled(R"([{"name": "A-B", "run": "main", "fixtureUnits": 34, "lengthFt": 20}])", "\"all\"") << "segments";
        QTest::newRow("a segment not an object") << spoiled("[{\"name\"", "[3, {\"name\"") << "segments[0]";
        QTest::newRow("segment without a name") << spoiled("\"name\": \"A-B\",", "") << "segments[0].name";
        QTest::newRow("unknown run") << spoiled("\"main\"", "\"riser\"") << "segments[0].run";
        QTest::newRow("zero length") << spoiled("\"lengthFt\": 20", "\"lengthFt\": 0") << "segments[0].lengthFt";
        QTest::newRow("load above the table") << spoiled("\"fixtureUnits\": 34", "\"fixtureUnits\": 5001") << "segments[0].fixtureUnits";
        QTest::newRow("path flag as text") << spoiled("\"lengthFt\": 20", "\"lengthFt\": 20, \"onCriticalPath\": \"yes\"") << "segments[0].onCriticalPath";
        QTest::newRow("more segments than allowed") << many << "10000";
        QTest::newRow("unknown layout") << spoiledV2("\"fixturePsi\": 8", "\"fixturePsi\": 8, \"layout\": \"graph\"") << "layout";
        QTest::newRow("static source above 1000 psi") << spoiledV2("\"fixturePsi\": 8", "\"fixturePsi\": 8, \"staticSourcePsi\": 1000.5") << "staticSourcePsi";
        QTest::newRow("negative static source") << spoiledV2("\"fixturePsi\": 8", "\"fixturePsi\": 8, \"staticSourcePsi\": -1") << "staticSourcePsi";
        QTest::newRow("elevation below -300 ft") << spoiledV2("\"lengthFt\": 20", "\"lengthFt\": 20, \"elevationFt\": -300.5") << "segments[0].elevationFt";
        QTest::newRow("elevation above 1000 ft") << spoiledV2("\"lengthFt\": 20", "\"lengthFt\": 20, \"elevationFt\": 1001") << "segments[0].elevationFt";
        QTest::newRow("outlet pressure above 1000 psi") << spoiledV2("\"lengthFt\": 20", "\"lengthFt\": 20, \"outletPsi\": 1e4") << "segments[0].outletPsi";
        QTest::newRow("negative outlet pressure") << spoiledV2("\"lengthFt\": 20", "\"lengthFt\": 20, \"outletPsi\": -0.5") << "segments[0].outletPsi";
        QTest::newRow("node name of 33 characters") << spoiledV2("\"lengthFt\": 20", "\"lengthFt\": 20, \"to\": \"" + QByteArray(33, 'N') + "\"") << "segments[0].to";
        QTest::newRow("unknown material, its key") << spoiledV2("\"fixturePsi\": 8", "\"fixturePsi\": 8, \"material\": \"copper\"") << "material";
        QTest::newRow("unknown material, its id") << spoiledV2("\"fixturePsi\": 8", "\"fixturePsi\": 8, \"material\": \"copper\"") << "copper";
        QTest::newRow("material as a number") << spoiledV2("\"fixturePsi\": 8", "\"fixturePsi\": 8, \"material\": 3") << "material";
        QTest::newRow("water at 120 °C") << spoiledV2("\"fixturePsi\": 8", "\"fixturePsi\": 8, \"waterTemperatureC\": 120") << "waterTemperatureC";
        QTest::newRow("water below 0 °C") << spoiledV2("\"fixturePsi\": 8", "\"fixturePsi\": 8, \"waterTemperatureC\": -0.5") << "waterTemperatureC";
        QTest::newRow("temperature as text") << spoiledV2("\"fixturePsi\": 8", "\"fixturePsi\": 8, \"waterTemperatureC\": \"hot\"") << "waterTemperatureC";
        QTest::newRow("node as a number") << spoiledV2("\"lengthFt\": 20", "\"lengthFt\": 20, \"from\": 1") << "segments[0].from";
        QTest::newRow("unknown source") << withBooster("{}").replace("\"booster\",", "\"pump\",") << "source";
        QTest::newRow("booster not an object") << withBooster("[]") << "booster";
        QTest::newRow("tank 100.5 ft below") << withBooster(R"({"tankLevelFt": -100.5})") << "booster.tankLevelFt";
        QTest::newRow("tank 501 ft above") << withBooster(R"({"tankLevelFt": 501})") << "booster.tankLevelFt";
        QTest::newRow("negative suction loss") << withBooster(R"({"suctionLossPsi": -1})") << "booster.suctionLossPsi";
        QTest::newRow("set loss over 100") << withBooster(R"({"setLossPsi": 100.5})") << "booster.setLossPsi";
        QTest::newRow("design rate 0") << withBooster(R"({"designPsiPer100ft": 0})") << "booster.designPsiPer100ft";
        QTest::newRow("design rate over 100") << withBooster(R"({"designPsiPer100ft": 101})") << "booster.designPsiPer100ft";
        QTest::newRow("differential over 100") << withBooster(R"({"differentialPsi": 101})") << "booster.differentialPsi";
        QTest::newRow("negative pre-charge below") << withBooster(R"({"preChargeBelowPsi": -2})") << "booster.preChargeBelowPsi";
        QTest::newRow("no starts") << withBooster(R"({"startsPerHour": 0})") << "booster.startsPerHour";
        QTest::newRow("61 starts") << withBooster(R"({"startsPerHour": 61})") << "booster.startsPerHour";
        QTest::newRow("efficiency 0") << withBooster(R"({"efficiency": 0})") << "booster.efficiency";
        QTest::newRow("efficiency above 1") << withBooster(R"({"efficiency": 1.01})") << "booster.efficiency";
        QTest::newRow("altitude 5,001 m") << withBooster(R"({"altitudeM": 5001})") << "booster.altitudeM";
        QTest::newRow("altitude -501 m") << withBooster(R"({"altitudeM": -501})") << "booster.altitudeM";
        QTest::newRow("100,001 occupants") << withBooster(R"({"occupants": 100001})") << "booster.occupants";
        QTest::newRow("occupants as text") << withBooster(R"({"occupants": "64"})") << "booster.occupants";
        // clang-format on
    }
    void brokenFiles()
    {
        QFETCH(QByteArray, json);
        QFETCH(QString, named);
        QVERIFY(!json.isEmpty());
        TProject project;
        project.title = QStringLiteral("as it was");
        project.schedule.segments.resize(3);
        QString problem;
        QVERIFY(!parseProject(json, project, problem));
        QVERIFY2(problem.contains(named), qPrintable(problem));
        QCOMPARE(project.title, QStringLiteral("as it was"));
        QCOMPARE(project.schedule.segments.size(), std::size_t(3));
    }

    // A project that uses nothing of version 2 is written as version 1, for older releases to
    // open; any one version-2 key in use makes it version 2.
    void writtenVersion_data()
    {
        QTest::addColumn<int>("use");
        QTest::addColumn<int>("version");
        QTest::newRow("nothing new") << 0 << 1;
        QTest::newRow("a tree") << 1 << 2;
        QTest::newRow("a static source") << 2 << 2;
        QTest::newRow("a from node") << 3 << 2;
        QTest::newRow("a to node") << 4 << 2;
        QTest::newRow("an elevation") << 5 << 2;
        QTest::newRow("an outlet's need") << 6 << 2;
        QTest::newRow("a booster") << 7 << 3;
        QTest::newRow("a booster's numbers, fed from the main") << 8 << 1;
    }
    void writtenVersion()
    {
        QFETCH(int, use);
        QFETCH(int, version);
        TProject project;
        QString problem;
        QVERIFY(parseProject(kGood, project, problem));
        Sizing::TSchedule& s = project.schedule;
        Sizing::TSegment& g = s.segments[0];
        switch (use) {
        case 1: s.layout = Sizing::TLayout::Tree; break;
        case 2: s.staticSourcePsi = 90.0; break;
        case 3: g.from = std::string("A"); break;
        case 4: g.to = std::string("B"); break;
        case 5: g.elevationFt = -3.0; break;
        case 6: g.outletPsi = 15.0; break;
        case 7: s.source = Sizing::TSource::Booster; break;
        case 8: s.booster.efficiency = 0.75; break;
        default: break;
        }
        QCOMPARE(formatVersionOf(project), version);
        const QByteArray json = projectJson(project);
        QVERIFY(json.contains(QByteArray("\"version\": ") + QByteArray::number(version) + ','));
        QCOMPARE(json.contains("\"layout\""), version >= 2);
        QCOMPARE(json.contains("\"booster\""), version == 3);
        TProject read;
        QVERIFY2(parseProject(json, read, problem), qPrintable(problem));
        QCOMPARE(projectJson(read), json);
    }

    // The pipes' material and the water's temperature read back as written. Galvanized pipes in
    // cold water write neither key, so that such a project stays a version-1 file.
    void pipeMaterial_data()
    {
        QTest::addColumn<QString>("material");
        QTest::addColumn<double>("temperatureC");
        QTest::addColumn<int>("version");
        QTest::addColumn<bool>("writesMaterial");
        QTest::addColumn<bool>("writesTemperature");
        QTest::newRow("galvanized in cold water") << "" << 10.0 << 1 << false << false;
        QTest::newRow("galvanized in hot water") << "" << 60.0 << 2 << false << true;
        QTest::newRow("PP-R PN20 in cold water") << "ppr-pn20" << 10.0 << 2 << true << true;
        QTest::newRow("PP-R PN16 at 100 °C") << "ppr-pn16" << 100.0 << 2 << true << true;
        QTest::newRow("PEX-AL-PEX at 60 °C") << "pex-al-pex" << 60.0 << 2 << true << true;
        QTest::newRow("PE100 at 0 °C") << "pe100-pn16" << 0.0 << 2 << true << true;
    }
    void pipeMaterial()
    {
        QFETCH(QString, material);
        QFETCH(double, temperatureC);
        QFETCH(int, version);
        QFETCH(bool, writesMaterial);
        QFETCH(bool, writesTemperature);
        TProject project;
        QString problem;
        QVERIFY(parseProject(kGood, project, problem));
        project.schedule.material = material.toStdString();
        project.schedule.waterTemperatureC = temperatureC;
        const QByteArray json = projectJson(project);
        QVERIFY(json.contains(QByteArray("\"version\": ") + QByteArray::number(version) + ','));
        QCOMPARE(json.contains("\"material\""), writesMaterial);
        QCOMPARE(json.contains("\"waterTemperatureC\""), writesTemperature);
        TProject read;
        QVERIFY2(parseProject(json, read, problem), qPrintable(problem));
        QCOMPARE(read.schedule.material, project.schedule.material);
        QCOMPARE(read.schedule.waterTemperatureC, temperatureC);
        QCOMPARE(projectJson(read), json);
    }

    // The example opens and saves again byte for byte, as every release before version 2 wrote
    // it; its tree twin is a version-2 file that does the same, and the booster's a version-3 file.
    void examplesByteForByte_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<Sizing::TLayout>("layout");
        QTest::newRow("the list") << "residential-four-storey.keldaran" << Sizing::TLayout::List;
        QTest::newRow("the tree") << "residential-four-storey-tree.keldaran" << Sizing::TLayout::Tree;
        QTest::newRow("the booster") << "tehran-eight-storey-booster.keldaran" << Sizing::TLayout::Tree;
    }
    void examplesByteForByte()
    {
        QFETCH(QString, name);
        QFETCH(Sizing::TLayout, layout);
        const QByteArray bytes = exampleBytes(qPrintable(name));
        TProject project;
        QString problem;
        QVERIFY2(parseProject(bytes, project, problem), qPrintable(problem));
        QCOMPARE(project.schedule.layout, layout);
        QCOMPARE(projectJson(project), bytes);
        // Every example is sized whole; the booster's eight storeys are what a 2.5 bar main
        // cannot reach.
        Sizing::TScheduleResult result;
        QVERIFY(Sizing::evaluateSchedule(project.schedule, result));
        if (project.schedule.source == Sizing::TSource::Booster) {
            QVERIFY(result.booster.complete);
            project.schedule.source = Sizing::TSource::Main;
            QCOMPARE(Sizing::checkSchedule(project.schedule).problem, Sizing::TScheduleProblem::Shortfall);
        }
    }

    // A version-1 file never held a tree: keys it could not have are kept as unknown, and it
    // opens as a list.
    void versionOneOpensAsAList()
    {
        const QByteArray json
            = spoiled("\"fixturePsi\": 8", "\"fixturePsi\": 8, \"layout\": \"tree\", \"staticSourcePsi\": 2000");
        TProject project;
        QString problem;
        QVERIFY2(parseProject(json, project, problem), qPrintable(problem));
        QCOMPARE(project.schedule.layout, Sizing::TLayout::List);
        QCOMPARE(project.schedule.staticSourcePsi, 0.0);
        QCOMPARE(project.otherKeys.value(QLatin1String("layout")).toString(), QStringLiteral("tree"));
        project.schedule.layout = Sizing::TLayout::Tree;
        const QByteArray asTree = projectJson(project);
        QCOMPARE(asTree.count("\"layout\""), 1);
        QVERIFY(parseProject(asTree, project, problem));
        QVERIFY(!project.otherKeys.contains(QLatin1String("staticSourcePsi")));
    }

    // Before version 3 there was no booster: a version-2 file's "source" is kept as unknown, and
    // it opens fed from the main. Absent keys of "booster" take the set's defaults.
    void boosterKeys()
    {
        TProject project;
        QString problem;
        QVERIFY(parseProject(spoiledV2("\"fixturePsi\": 8", "\"fixturePsi\": 8, \"source\": \"booster\""), project,
                             problem));
        QCOMPARE(project.schedule.source, Sizing::TSource::Main);
        QCOMPARE(project.otherKeys.value(QLatin1String("source")).toString(), QStringLiteral("booster"));
        QVERIFY2(parseProject(withBooster(R"({"altitudeM": 1190, "occupants": 64})"), project, problem),
                 qPrintable(problem));
        QCOMPARE(project.schedule.source, Sizing::TSource::Booster);
        Sizing::TBooster expected;
        expected.altitudeM = 1190.0;
        expected.occupants = 64.0;
        QVERIFY(sameBooster(project.schedule.booster, expected));
        const QByteArray json = projectJson(project);
        QVERIFY(json.contains("\"version\": 3,") && json.contains("\"source\": \"booster\""));
        QVERIFY(json.contains("\"setLossPsi\": 5"));
    }

    // The reader names the file and refuses a file too large before reading it; the writer
    // refuses what the reader would, and then leaves the file on disk as it was.
    void filesOnDisk()
    {
        QTemporaryDir dir;
        const QString big = dir.filePath(QStringLiteral("big.keldaran"));
        QFile file(big);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.resize(kMaxFileBytes + 1));
        file.close();
        TProject project;
        QString message;
        QVERIFY(!readProject(big, project, message));
        QVERIFY2(message.contains(QStringLiteral("big.keldaran")) && message.contains(QStringLiteral("16")),
                 qPrintable(message));

        const QString path = dir.filePath(QStringLiteral("kept.keldaran"));
        QVERIFY(parseProject(kGood, project, message));
        QVERIFY2(writeProject(path, project, message), qPrintable(message));
        const QByteArray written = projectJson(project);
        project.schedule.segments[0].lengthFt = std::nan("");
        QVERIFY(!writeProject(path, project, message));
        QVERIFY2(message.contains(QStringLiteral("kept.keldaran")) && message.contains(QStringLiteral("lengthFt")),
                 qPrintable(message));
        QFile kept(path);
        QVERIFY(kept.open(QIODevice::ReadOnly));
        QCOMPARE(kept.readAll(), written);
    }
};

QTEST_GUILESS_MAIN(TestProjectFile)
#include "tst_projectfile.moc"
