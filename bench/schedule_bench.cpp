// The schedule's files and reports:
// - reading a project file of 2,000 segments (target: at most 20 ms median);
// - writing the PDF report of 100 segments (target: at most 1.5 s median);
// - the command line's CSV report of 2,000 segments from process start to exit, against that of
//   one segment (target: at most 1.5 times as long). Both run in turns in every iteration, so
//   that a change in the machine's load falls on both; the counters give each one's mean and
//   the ratio of their sums, and their medians over the repetitions.
#include "ProjectFile.h"
#include "Report.h"
#include "TallBuilding.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

// The benchmarks' building, named in Persian and measured in metres, as a project file holds
// one typed in SI: every bit of the double in use.
Project::TProject tallBuildingProject(int segmentCount)
{
    Project::TProject project;
    project.title = QStringLiteral("برج مسکونی");
    project.schedule = tallBuilding(segmentCount);
    for (int i = 0; i < segmentCount; ++i) {
        Sizing::TSegment& segment = project.schedule.segments[static_cast<std::size_t>(i)];
        segment.name = "قطعهٔ " + std::to_string(i + 1);
        segment.lengthFt = (1.0 + (i % 11) * 0.37) / 0.3048;
    }
    return project;
}

// A project file of `segmentCount` segments in a folder that lives as long as the program.
QString projectFile(int segmentCount)
{
    static QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("tall-%1.keldaran").arg(segmentCount));
    QString message;
    if (!QFile::exists(path) && !Project::writeProject(path, tallBuildingProject(segmentCount), message))
        qFatal("%s", qPrintable(message));
    return path;
}

void readProjectFile(benchmark::State& state)
{
    const QString path = projectFile(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        Project::TProject project;
        QString message;
        const bool ok = Project::readProject(path, project, message);
        benchmark::DoNotOptimize(ok);
    }
}
BENCHMARK(readProjectFile)->Arg(2000)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

void pdfReport(benchmark::State& state)
{
    const Project::TProject project = tallBuildingProject(static_cast<int>(state.range(0)));
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("report.pdf"));
    for (auto _ : state) {
        QString message;
        const bool ok = Report::writeReport(path, project, message);
        benchmark::DoNotOptimize(ok);
    }
}
BENCHMARK(pdfReport)
    ->Arg(100)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

double csvProcessMs(const QString& project, const QString& out)
{
    QProcess process;
    QElapsedTimer clock;
    clock.start();
    process.start(QStringLiteral(KELDARAN_EXECUTABLE), {QStringLiteral("--report"), out, project});
    if (!process.waitForFinished(60000) || process.exitCode() != 0)
        qFatal("keldaran --report failed: %s", process.readAllStandardError().constData());
    return static_cast<double>(clock.nsecsElapsed()) / 1e6;
}

void csvReportProcess(benchmark::State& state)
{
    const QString one = projectFile(1);
    const QString many = projectFile(static_cast<int>(state.range(0)));
    QTemporaryDir dir;
    const QString out = dir.filePath(QStringLiteral("report.csv"));
    double oneMs = 0.0;
    double manyMs = 0.0;
    for (auto _ : state) {
        oneMs += csvProcessMs(one, out);
        manyMs += csvProcessMs(many, out);
    }
    const auto runs = static_cast<double>(state.iterations());
    state.counters["oneSegmentMs"] = oneMs / runs;
    state.counters["manySegmentsMs"] = manyMs / runs;
    state.counters["ratio"] = manyMs / oneMs;
}
BENCHMARK(csvReportProcess)
    ->Arg(2000)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(10)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

} // namespace

// The PDF report draws the nomogram with the chart's widgets, which need the application object.
int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
