// One edit in the schedule window of a 200-segment building, as the user makes it: the cell's
// command pushed, the whole schedule recalculated and the table told what changed (argument 0),
// and the same with the window's repaint of what it shows (argument 1, the figure that counts).
// Target: at most 16 ms median, one frame.
#include "FormSchedule.h"
#include "ScheduleCells.h"
#include "ScheduleModel.h"
#include "TallBuilding.h"

#include <QApplication>

#include <benchmark/benchmark.h>

namespace {

constexpr int kSegments = 200;
constexpr int kEditedRow = kSegments / 2;

TFormSchedule& shownSchedule()
{
    static TFormSchedule* window = [] {
        auto* created = new TFormSchedule;
        Project::TProject project;
        project.schedule = tallBuilding(kSegments);
        created->model().setProject(project);
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
