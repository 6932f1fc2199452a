// The riser diagram of a tall building: the tree laid out, its labels placed and the whole drawn
// into a screen-sized image, as the schedule window does after every edit. Argument: segments.
#include "ProjectFile.h"
#include "RiserDrawing.h"
#include "TallBuilding.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

#include <algorithm>

namespace {

constexpr int kFloors = 60;

void layOutAndPaint(benchmark::State& state)
{
    Project::TProject project;
    project.units = Project::TUnits::SI;
    const int segments = static_cast<int>(state.range(0));
    project.schedule = tallTree(segments, std::min(kFloors, segments / 4));
    Sizing::TScheduleResult result;
    if (!Sizing::evaluateSchedule(project.schedule, result)) {
        state.SkipWithError("the building cannot be evaluated");
        return;
    }
    QImage image(1920, 1080, QImage::Format_ARGB32_Premultiplied);
    const QFont font(QStringLiteral("Noto Sans"), 9);
    for (auto _ : state) {
        Riser::TDrawing drawing;
        if (!Riser::drawRiser(project, result, true, font, drawing)) {
            state.SkipWithError("no diagram");
            return;
        }
        image.fill(Qt::white);
        QPainter painter(&image);
        const double scale
            = std::min(image.width() / drawing.boundsPx.width(), image.height() / drawing.boundsPx.height());
        painter.scale(scale, scale);
        Riser::paintRiser(painter, drawing);
    }
}
BENCHMARK(layOutAndPaint)
    ->Arg(40)
    ->Arg(200)
    ->Arg(500)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

} // namespace

int main(int argc, char* argv[])
{
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
