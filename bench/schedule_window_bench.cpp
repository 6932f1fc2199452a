// One edit in the schedule window of a 200-segment building, as the user makes it: the cell's
// command pushed, the whole schedule recalculated and the table told what changed (first
// argument 0), and the same with the window's repaint of what it shows (1, the figure that
// counts). The second argument: the building as a list (0), or as a riser tree (1), whose diagram
// beside the table is drawn again after every edit. Target: at most 16 ms median, one frame.
#include "FormSchedule.h"
#include "ScheduleCells.h"
#include "ScheduleModel.h"
#include "TallBuilding.h"

#include <QApplication>

#include <benchmark/benchmark.h>

namespace {

constexpr int kSegments = 200;
constexpr int kEditedRow = kSegments / 2;

// A riser as deep as a twenty-storey building's, the other segments its floors' branches.
constexpr int kTreeDepth = 20;

TFormSchedule* shownWindow(const Sizing::TSchedule& schedule)
{
    auto* created = new TFormSchedule;
    Project::TProject project;
    project.schedule = schedule;
    created->model().setProject(project);
    created->resize(1600, 900);
    created->show();
    QCoreApplication::processEvents();
    return created;
}

TFormSchedule& shownSchedule(bool tree)
{
    static TFormSchedule* list = shownWindow(tallBuilding(kSegments));
    static TFormSchedule* riser = shownWindow(tallTree(kSegments, kTreeDepth));
    return tree ? *riser : *list;
}

void editOneCell(benchmark::State& state)
{
    TScheduleModel& model = shownSchedule(state.range(1) != 0).model();
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
BENCHMARK(editOneCell)
    ->ArgsProduct({{0, 1}, {0, 1}})
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

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
