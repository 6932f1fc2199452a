// One edit in the schedule window of a 200-segment building, as the user makes it: the cell's
// command pushed, the whole schedule recalculated and the table told what changed (argument 0),
// and the same with the window's repaint of what it shows (argument 1, the figure that counts).
// Target: at most 16 ms median, one frame.
#include "FormSchedule.h"
#include "ScheduleCells.h"
#include "ScheduleModel.h"

#include <QApplication>

#include <benchmark/benchmark.h>

namespace {

constexpr int kSegments = 200;
constexpr int kEditedRow = kSegments / 2;

// Loads and lengths spread as a tall building's are; every tenth segment on the critical path.
Project::TProject tallBuilding()
{
    Project::TProject project;
    project.schedule.roughnessClass = 2;
    project.schedule.sourcePsi = 120.0;
    project.schedule.meterAndDevicesPsi = 8.0;
    project.schedule.heightFt = 150.0;
    project.schedule.fixturePsi = 15.0;
    project.schedule.supply = Design::TSupply::FlushValve;
    for (int i = 0; i < kSegments; ++i) {
        Sizing::TSegment segment;
        segment.name = "S" + std::to_string(i);
        segment.run = i % 4 == 0 ? Sizing::TRun::Main : Sizing::TRun::Branch;
        segment.fixtureUnits = 5.0 + (i * 37) % 2000;
        segment.lengthFt = 3.0 + (i % 11);
        segment.fittingsPercent = 30.0 + (i % 5) * 10.0;
        segment.onCriticalPath = i % 10 == 0;
        project.schedule.segments.push_back(segment);
    }
    return project;
}

TFormSchedule& shownSchedule()
{
    static TFormSchedule* window = [] {
        auto* created = new TFormSchedule;
        created->model().setProject(tallBuilding());
        created->show();
        QCoreApplication::processEvents();
        return created;
    }();
    return *window;
}

void editOneCell(benchmark::State& state)
{
    TScheduleModel& model = shownSchedule().model();
    const QModelIndex length = model.index(kEditedRow, ScheduleCells::kLength);
    bool longer = false;
    for (auto _ : state) {
        // Back and forth, so that every edit changes the value.
        longer = !longer;
        const bool taken = model.setData(length, longer ? QStringLiteral("12.5") : QStringLiteral("7"), Qt::EditRole);
        benchmark::DoNotOptimize(taken);
        if (state.range(0) != 0)
            QCoreApplication::processEvents();
    }
}
BENCHMARK(editOneCell)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

} // namespace

int main(int argc, char** argv)
{
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
