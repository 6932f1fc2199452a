// Start-up and calculation cost of Keldaran.
//
// Start-up: this program starts itself again, once as Keldaran does in main(), once as a bare
// Qt widget window of the calculator's size and once as the same window with one Persian
// label, and it starts bare_window, the bare window built as a program of its own; each quits
// at its window's first paint, several times in turns. It prints the medians of their wall
// times, processor times and peak memory (getrusage of the child) and the ratios. The labelled
// window shows what the first line of text costs by itself (the font database, the
// Arabic-script font, shaping), which every window that draws text pays and the bare window
// does not. The bare window started from this program loads every library Keldaran links;
// bare_window loads Qt Widgets' alone, as a bare Qt window does. Calculation: one BtnCalculateClick up to the start of
// the marker's animation, as a Google Benchmark with its median.
//
// With --startup-memory-limit=<ratio> it only pairs Keldaran with the bare window a few times
// and fails when Keldaran's median peak memory is above that multiple of the bare window's:
// the check CI runs (scripts/check-startup). Memory is steady on a loaded machine; time is not.
#include "Startup.h"
#include "Unit1.h"
#include "Unit1Layout.h"
#include "Unit1Texts.h"
#include "Win11Button.h"

#include "FirstPaintQuit.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

constexpr const char* kChildFlag = "--startup-child=";
constexpr const char* kMemoryLimitFlag = "--startup-memory-limit=";
constexpr int kStartupRuns = 21;
constexpr int kGuardRuns = 5;
// The goals: Keldaran's start-up to its first paint against the bare window's.
constexpr double kTimeRatioGoal = 1.25;
constexpr double kMemoryRatioGoal = 1.35;

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
    bare.resize(kForm1ClientWidth, kForm1ClientHeight);
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
    double CpuMs = 0.0;
    double PeakMb = 0.0;
    bool Ok = false;
};

[[nodiscard]] double toMs(const timeval& time) { return time.tv_sec * 1e3 + time.tv_usec / 1e3; }

// The bare window as a program of its own, built beside this one.
constexpr const char* kOwnProgramMode = "own";
constexpr const char* kOwnProgramName = "bare_window";

TRun spawnChild(const char* self, const std::string& mode)
{
    const std::string flag = std::string(kChildFlag) + mode;
    const std::string ownProgram = (std::filesystem::read_symlink(self).parent_path() / kOwnProgramName).string();
    const auto start = std::chrono::steady_clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        if (mode == kOwnProgramMode)
            execl(ownProgram.c_str(), ownProgram.c_str(), static_cast<char*>(nullptr));
        else
            execl(self, self, flag.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    int status = 0;
    rusage usage{};
    if (pid < 0 || wait4(pid, &status, 0, &usage) != pid)
        return {};
    const auto stop = std::chrono::steady_clock::now();
    return {std::chrono::duration<double, std::milli>(stop - start).count(),
            toMs(usage.ru_utime) + toMs(usage.ru_stime), usage.ru_maxrss / 1024.0,
            WIFEXITED(status) && WEXITSTATUS(status) == 0};
}

[[nodiscard]] double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// The medians of one mode's runs.
struct TMedians {
    double WallMs = 0.0;
    double CpuMs = 0.0;
    double PeakMb = 0.0;
};

// Runs the modes in turns, so that a change in the machine's load falls on all of them alike.
// False when a child did not start or did not end cleanly.
bool measure(const char* self, const std::vector<std::string>& modes, int runs, std::vector<TMedians>& medians)
{
    std::vector<std::vector<TRun>> all(modes.size());
    for (int i = 0; i < runs; ++i)
        for (std::size_t m = 0; m < modes.size(); ++m) {
            const TRun run = spawnChild(self, modes[m]);
            if (!run.Ok) {
                std::fprintf(stderr, "start-up: the %s child failed\n", modes[m].c_str());
                return false;
            }
            all[m].push_back(run);
        }
    medians.clear();
    for (const std::vector<TRun>& runsOfMode : all) {
        std::vector<double> wall, cpu, peak;
        for (const TRun& run : runsOfMode) {
            wall.push_back(run.WallMs);
            cpu.push_back(run.CpuMs);
            peak.push_back(run.PeakMb);
        }
        medians.push_back({median(wall), median(cpu), median(peak)});
    }
    return true;
}

[[nodiscard]] const char* platformName()
{
    const char* platform = std::getenv("QT_QPA_PLATFORM");
    return platform != nullptr ? platform : "default";
}

bool reportStartup(const char* self)
{
    std::vector<TMedians> m;
    if (!measure(self, {"keldaran", "bare", "label", kOwnProgramMode}, kStartupRuns, m))
        return false;
    std::printf("start-up to first paint on the %s platform, median of %d runs each, in turns (goals: Keldaran "
                "at most %.2f times the bare window's wall time and %.2f times its peak memory)\n",
                platformName(), kStartupRuns, kTimeRatioGoal, kMemoryRatioGoal);
    std::printf("  wall time       Keldaran %7.1f ms   bare window %7.1f ms (ratio %.2f)   with one label %7.1f ms "
                "(ratio %.2f)\n",
                m[0].WallMs, m[1].WallMs, m[0].WallMs / m[1].WallMs, m[2].WallMs, m[0].WallMs / m[2].WallMs);
    std::printf("  processor time  Keldaran %7.1f ms   bare window %7.1f ms (ratio %.2f)   with one label %7.1f ms "
                "(ratio %.2f)\n",
                m[0].CpuMs, m[1].CpuMs, m[0].CpuMs / m[1].CpuMs, m[2].CpuMs, m[0].CpuMs / m[2].CpuMs);
    std::printf("  peak memory     Keldaran %7.1f MB   bare window %7.1f MB (ratio %.2f)   with one label %7.1f MB "
                "(ratio %.2f)\n",
                m[0].PeakMb, m[1].PeakMb, m[0].PeakMb / m[1].PeakMb, m[2].PeakMb, m[0].PeakMb / m[2].PeakMb);
    std::printf("  against bare_window, the bare window as a program of its own: wall time %.1f ms (ratio %.2f), "
                "processor time %.1f ms (ratio %.2f), peak memory %.1f MB (ratio %.2f)\n",
                m[3].WallMs, m[0].WallMs / m[3].WallMs, m[3].CpuMs, m[0].CpuMs / m[3].CpuMs, m[3].PeakMb,
                m[0].PeakMb / m[3].PeakMb);
    std::fflush(stdout);
    return true;
}

// 0 when Keldaran's median peak memory is within limit times the bare window's, else 1.
int checkStartupMemory(const char* self, double limit)
{
    std::vector<TMedians> m;
    if (!measure(self, {"keldaran", "bare"}, kGuardRuns, m))
        return 1;
    const double ratio = m[0].PeakMb / m[1].PeakMb;
    const bool within = ratio <= limit;
    std::printf("start-up peak memory on the %s platform, median of %d runs each: Keldaran %.1f MB, bare window "
                "%.1f MB, ratio %.2f (limit %.2f): %s\n",
                platformName(), kGuardRuns, m[0].PeakMb, m[1].PeakMb, ratio, limit, within ? "ok" : "TOO HIGH");
    return within ? 0 : 1;
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

[[nodiscard]] const char* flagValue(int argc, char* argv[], const char* flag)
{
    for (int i = 1; i < argc; ++i)
        if (std::strncmp(argv[i], flag, std::strlen(flag)) == 0)
            return argv[i] + std::strlen(flag);
    return nullptr;
}

} // namespace

int main(int argc, char* argv[])
{
    if (const char* mode = flagValue(argc, argv, kChildFlag))
        return runChild(mode, 1, argv);
    if (const char* limitText = flagValue(argc, argv, kMemoryLimitFlag)) {
        char* end = nullptr;
        const double limit = std::strtod(limitText, &end);
        if (end == limitText || *end != '\0' || !(limit > 0.0)) {
            std::fprintf(stderr, "startup_bench: %s wants a positive ratio, not '%s'\n", kMemoryLimitFlag, limitText);
            return 2;
        }
        return checkStartupMemory("/proc/self/exe", limit);
    }
    if (!reportStartup("/proc/self/exe"))
        return 1;
    QApplication app(argc, argv);
    CreateWindows();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
