// Start-up and calculation cost of Keldaran.
//
// Start-up: this program starts itself again, once as Keldaran does in main(), once as a bare
// Qt widget window and once as the same window with one Persian label, each quitting at its
// window's first paint, several times in turns; it prints the medians of their wall times and
// peak memory (getrusage of the child) and the ratios. The labelled window shows what the
// first line of text costs by itself (the font database, the Arabic-script font, shaping),
// which every window that draws text pays and the bare window does not. Calculation: one BtnCalculateClick up to the
// start of the marker's animation, as a Google Benchmark with its median.
#include "Keldaran.h"
#include "Unit1.h"
#include "Unit1Layout.h"
#include "Unit1Texts.h"
#include "Win11Button.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

constexpr const char* kChildFlag = "--startup-child=";
constexpr int kStartupRuns = 21;

// Quits the event loop once the watched window has painted for the first time.
class TFirstPaintQuit : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && !FSeen) {
            FSeen = true;
            QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    bool FSeen = false;
};

int runChild(const std::string& mode, int argc, char* argv[])
{
    QApplication app(argc, argv);
    TFirstPaintQuit quitter;
    if (mode == "keldaran") {
        CreateWindows();
        Form1->installEventFilter(&quitter);
        Form1->show();
        return app.exec();
    }
    QWidget bare;
    bare.resize(331, 523);
    if (mode == "label") {
        auto* label = new QLabel(Unit1Texts::kCaptionCalculate.toString(), &bare);
        label->setFont(layoutFont(TFontFace::SegoeUI, kForm1FontPx));
        label->move(10, 10);
    }
    bare.installEventFilter(&quitter);
    bare.show();
    return app.exec();
}

struct TRun {
    double WallMs = 0.0;
    long PeakKb = 0;
};

TRun spawnChild(const char* self, const std::string& mode)
{
    const std::string flag = std::string(kChildFlag) + mode;
    const auto start = std::chrono::steady_clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        execl(self, self, flag.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    const auto stop = std::chrono::steady_clock::now();
    return {std::chrono::duration<double, std::milli>(stop - start).count(), usage.ru_maxrss};
}

template <typename T> T median(std::vector<T> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

void reportStartup(const char* self)
{
    const char* const modes[] = {"keldaran", "bare", "label"};
    std::vector<double> wallMs[3];
    std::vector<long> peakKb[3];
    for (int i = 0; i < kStartupRuns; ++i)
        for (int m = 0; m < 3; ++m) {
            const TRun run = spawnChild(self, modes[m]);
            wallMs[m].push_back(run.WallMs);
            peakKb[m].push_back(run.PeakKb);
        }
    double wall[3];
    long peak[3];
    for (int m = 0; m < 3; ++m) {
        wall[m] = median(wallMs[m]);
        peak[m] = median(peakKb[m]);
    }
    const char* platform = std::getenv("QT_QPA_PLATFORM");
    std::printf("start-up to first paint on the %s platform, median of %d runs each (target: ratios to the bare "
                "window at most 1.5)\n",
                platform != nullptr ? platform : "default", kStartupRuns);
    std::printf(
        "  wall time    Keldaran %7.1f ms   bare window %7.1f ms (ratio %.2f)   with one label %7.1f ms (ratio %.2f)\n",
        wall[0], wall[1], wall[0] / wall[1], wall[2], wall[0] / wall[2]);
    std::printf(
        "  peak memory  Keldaran %7.1f MB   bare window %7.1f MB (ratio %.2f)   with one label %7.1f MB (ratio %.2f)\n",
        peak[0] / 1024.0, peak[1] / 1024.0, static_cast<double>(peak[0]) / static_cast<double>(peak[1]),
        peak[2] / 1024.0, static_cast<double>(peak[0]) / static_cast<double>(peak[2]));
    std::fflush(stdout);
}

// One calculation up to the start of the marker's animation (target: under 0.5 ms median);
// the chart window is hidden, so it is not fed.
void calculateClick(benchmark::State& state)
{
    Form1->BtnSmoothClick();
    Form1->findChild<QLineEdit*>(QStringLiteral("EditPressure"))->setText(QStringLiteral("4"));
    auto* flow = Form1->findChild<QLineEdit*>(QStringLiteral("EditFlow"));
    for (auto _ : state) {
        flow->setText(QStringLiteral("20+12.5"));
        Form1->BtnCalculateClick();
    }
}
BENCHMARK(calculateClick)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);

} // namespace

int main(int argc, char* argv[])
{
    for (int i = 1; i < argc; ++i)
        if (std::strncmp(argv[i], kChildFlag, std::strlen(kChildFlag)) == 0)
            return runChild(argv[i] + std::strlen(kChildFlag), 1, argv);
    reportStartup("/proc/self/exe");
    QApplication app(argc, argv);
    CreateWindows();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
