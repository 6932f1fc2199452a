// keldaran --report OUT PROJECT, run as the user runs it, with no display: the exit status, one
// line on stderr for a failure, and nothing written or replaced by a report that failed.
#include "ProjectFile.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {

constexpr int kTimeoutMs = 60000;
const QByteArray kEarlierReport = "an earlier report";

Project::TProject twoStoreys()
{
    Project::TProject p;
    Sizing::TSchedule& s = p.schedule;
    s.roughnessClass = 2;
    s.sourcePsi = 50.0;
    s.meterAndDevicesPsi = 5.0;
    s.heightFt = 15.0;
    s.fixturePsi = 8.0;
    Sizing::TSegment riser;
    riser.name = "رایزر";
    riser.fixtureUnits = 40.0;
    riser.lengthFt = 30.0;
    riser.fittingsPercent = 50.0;
    Sizing::TSegment branch = riser;
    branch.name = "انشعاب";
    branch.run = Sizing::TRun::Branch;
    branch.fixtureUnits = 20.0;
    s.segments = {riser, branch};
    return p;
}

struct TRun {
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

// Started without a display and without a platform chosen for it.
bool runKeldaran(const QStringList& arguments, TRun& run)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"})
        environment.remove(QString::fromLatin1(name));
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(KELDARAN_EXECUTABLE), arguments);
    if (!process.waitForStarted(kTimeoutMs) || !process.waitForFinished(kTimeoutMs))
        return false;
    run = {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1, process.readAllStandardOutput(),
           process.readAllStandardError()};
    return true;
}

QByteArray contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class TestCommandLine : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(FDir.isValid());
        QString message;
        Project::TProject project = twoStoreys();
        QVERIFY2(Project::writeProject(path("good.keldaran"), project, message), qPrintable(message));
        project.schedule.sourcePsi = 15.0;
        QVERIFY(Project::writeProject(path("short.keldaran"), project, message));
        project = twoStoreys();
        for (Sizing::TSegment& segment : project.schedule.segments)
            segment.onCriticalPath = false;
        QVERIFY(Project::writeProject(path("nopath.keldaran"), project, message));
        QFile broken(path("broken.keldaran"));
        QVERIFY(broken.open(QIODevice::WriteOnly) && broken.write("{\"format\": \"keldaran-schedule\"") > 0);
        TRun probe;
        if (!runKeldaran({QStringLiteral("--version")}, probe))
            QSKIP("keldaran cannot be started from a test on this system (under Wine a child program does not run)");
    }

    void reports_data()
    {
        QTest::addColumn<QString>("out");
        QTest::addColumn<QString>("project");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QByteArray>("starts");
        // clang-format off
        QTest::newRow("CSV written") << "report.csv" << "good.keldaran" << 0 << QByteArray("\xEF\xBB\xBF");
        QTest::newRow("PDF written, extension in capitals") << "report.PDF" << "good.keldaran" << 0 << QByteArray("%PDF");
        QTest::newRow("JSON results written") << "report.json" << "good.keldaran" << 0 << QByteArray("{");
        QTest::newRow("JSON refused as the others are") << "report.json" << "short.keldaran" << 2 << kEarlierReport;
        QTest::newRow("unknown extension") << "report.txt" << "good.keldaran" << 2 << kEarlierReport;
        QTest::newRow("project unreadable") << "report.csv" << "broken.keldaran" << 2 << kEarlierReport;
        QTest::newRow("project missing") << "report.csv" << "missing.keldaran" << 2 << kEarlierReport;
        QTest::newRow("source falls short") << "report.pdf" << "short.keldaran" << 2 << kEarlierReport;
        QTest::newRow("no critical path") << "report.csv" << "nopath.keldaran" << 2 << kEarlierReport;
        QTest::newRow("folder missing") << "no/such/folder/report.csv" << "good.keldaran" << 2 << QByteArray();
        // clang-format on
    }
    void reports()
    {
        QFETCH(QString, out);
        QFETCH(QString, project);
        QFETCH(int, exitCode);
        QFETCH(QByteArray, starts);
        const QString outPath = path(out.toUtf8().constData());
        QDir dir(FDir.path());
        for (const QString& name : dir.entryList({QStringLiteral("*report*")}, QDir::Files))
            QVERIFY(dir.remove(name));
        if (starts == kEarlierReport) {
            QFile earlier(outPath);
            QVERIFY(earlier.open(QIODevice::WriteOnly) && earlier.write(kEarlierReport) > 0);
        }
        TRun run;
        QVERIFY(runKeldaran({QStringLiteral("--report"), outPath, path(project.toUtf8().constData())}, run));
        QCOMPARE(run.exitCode, exitCode);
        QVERIFY(run.out.isEmpty());
        if (exitCode == 0)
            QVERIFY2(run.err.isEmpty(), run.err.constData());
        else
            QVERIFY2(run.err.endsWith('\n') && run.err.count('\n') == 1, run.err.constData());
        QVERIFY(contents(outPath).startsWith(starts));
        // Nothing half-written is left beside the report.
        QCOMPARE(dir.entryList({QStringLiteral("*report*")}, QDir::Files).size(), starts.isEmpty() ? 0 : 1);
    }

    // Without a display only what needs none runs; the rest says why in one line instead of
    // Qt aborting before the arguments are read.
    void withoutDisplay_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QByteArray>("said");

        QTest::newRow("version") << QStringList{QStringLiteral("--version")} << 0 << QByteArray("keldaran ");
        QTest::newRow("help") << QStringList{QStringLiteral("--help")} << 0 << QByteArray("--report <OUT>");
        QTest::newRow("report without a project")
            << QStringList{QStringLiteral("--report")} << 2 << QByteArray("--report");
        QTest::newRow("mistyped option") << QStringList{QStringLiteral("--reprot")} << 2 << QByteArray("reprot");
#ifndef Q_OS_WIN // where the desktop is always there to open on
        QTest::newRow("the windows") << QStringList() << 2 << QByteArray("no display");
        QTest::newRow("a project's window")
            << QStringList{QStringLiteral("project.keldaran")} << 2 << QByteArray("no display");
#endif
    }

    void withoutDisplay()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        QFETCH(QByteArray, said);
        TRun run;
        QVERIFY(runKeldaran(arguments, run));
        QCOMPARE(run.exitCode, exitCode);
        if (exitCode == 0) {
            QVERIFY(run.out.contains(said));
            QVERIFY(run.err.isEmpty());
        } else {
            QCOMPARE(run.err.count('\n'), 1);
            QVERIFY2(run.err.contains(said), run.err.constData());
        }
    }

private:
    [[nodiscard]] QString path(const char* name) const { return FDir.filePath(QString::fromUtf8(name)); }

    QTemporaryDir FDir;
};

QTEST_GUILESS_MAIN(TestCommandLine)
#include "tst_commandline.moc"
