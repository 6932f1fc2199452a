// Cost of the chart window's two hot paths, offscreen: one animation tick (argument 0: the
// tick alone; 1: with the repaint it asks for, the figure that counts) and one ShowGraph of a whole class (28 lines and labels,
// including the full replot and repaint).
#include "Unit2.h"
#include "Unit5.h"

#include <QApplication>

#include <benchmark/benchmark.h>

namespace {

TForm5& shownChart()
{
    static TForm5* form = [] {
        auto* created = new TForm5;
        created->setPipeTypeTitle(QStringLiteral("class 1"));
        created->ShowGraph(Unit2::PipeSizes, Unit2::VelocityLines);
        QCoreApplication::processEvents();
        return created;
    }();
    return *form;
}

void animationTick(benchmark::State& state)
{
    TForm5& form = shownChart();
    bool outward = true;
    for (auto _ : state) {
        if (!form.animationTimer().isActive()) {
            // Back and forth across the plot so the glide never settles.
            form.ShowOperatingPoint(outward ? 5000.0 : 2.0, outward ? 50.0 : 0.2, 3.0, QStringLiteral("4\""));
            outward = !outward;
        }
        form.TimerTick();
        if (state.range(0) != 0)
            QCoreApplication::processEvents();
    }
}
BENCHMARK(animationTick)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);

void showGraphClass1(benchmark::State& state)
{
    TForm5& form = shownChart();
    for (auto _ : state) {
        form.ShowGraph(Unit2::PipeSizes, Unit2::VelocityLines);
        QCoreApplication::processEvents();
    }
}
BENCHMARK(showGraphClass1)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

} // namespace

int main(int argc, char** argv)
{
    // The offscreen platform warns on every raise(); the figures are what this program prints.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    QApplication app(argc, argv);
    Unit2::InitData();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
