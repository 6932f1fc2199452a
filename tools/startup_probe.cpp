// The Windows build's start-up probe, for scripts/windows-startup: one start, to the first
// paint of its window, of either Keldaran as keldaran.exe's main() starts it ("keldaran") or a
// bare Qt window of the calculator's size ("bare"), built by the same toolchain and linked
// alike. At that paint it writes to the file named second "<milliseconds> <megabytes>": the
// time since Windows created the process, and the process's peak working set.
#include "Startup.h"
#include "Unit1.h"
#include "Unit1Layout.h"

#include <QApplication>
#include <QFile>
#include <QTimer>

#include <qt_windows.h>
// After windows.h, which it needs.
#include <psapi.h>

#include <cstring>
#include <memory>

namespace {

[[nodiscard]] double fileTimeMs(const FILETIME& time)
{
    ULARGE_INTEGER value;
    value.LowPart = time.dwLowDateTime;
    value.HighPart = time.dwHighDateTime;
    // FILETIME counts 100-nanosecond steps.
    return static_cast<double>(value.QuadPart) / 1e4;
}

[[nodiscard]] double msSinceProcessCreated()
{
    FILETIME created, exited, kernel, user, now;
    if (!GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user))
        return -1.0;
    GetSystemTimePreciseAsFileTime(&now);
    return fileTimeMs(now) - fileTimeMs(created);
}

[[nodiscard]] double peakWorkingSetMb()
{
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof(counters);
    if (!GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof(counters)))
        return -1.0;
    return static_cast<double>(counters.PeakWorkingSetSize) / (1024.0 * 1024.0);
}

// At the watched window's first paint: the figures go to the file, and the event loop ends.
class TFirstPaintReport : public QObject {
public:
    explicit TFirstPaintReport(const QString& path)
        : FPath(path)
    {
    }

    [[nodiscard]] bool written() const { return FWritten; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && !FSeen) {
            FSeen = true;
            // Queued, so that the paint this event starts is finished and counted.
            QTimer::singleShot(0, qApp, [this] {
                report();
                QCoreApplication::quit();
            });
        }
        return QObject::eventFilter(watched, event);
    }

private:
    void report()
    {
        const double startupMs = msSinceProcessCreated();
        const double peakMb = peakWorkingSetMb();
        QFile file(FPath);
        if (startupMs < 0.0 || peakMb < 0.0 || !file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return;
        FWritten
            = file.write(QByteArray::number(startupMs, 'f', 1) + ' ' + QByteArray::number(peakMb, 'f', 1) + '\n') > 0;
    }

    QString FPath;
    bool FSeen = false;
    bool FWritten = false;
};

} // namespace

int main(int argc, char* argv[])
{
    if (argc != 3 || (std::strcmp(argv[1], "keldaran") != 0 && std::strcmp(argv[1], "bare") != 0))
        return 2;
    const bool keldaran = std::strcmp(argv[1], "keldaran") == 0;
    QApplication app(argc, argv);
    TFirstPaintReport reporter(QString::fromLocal8Bit(argv[2]));
    std::unique_ptr<QWidget> bare;
    QWidget* window = nullptr;
    if (keldaran) {
        CreateWindows();
        window = Form1;
    } else {
        bare = std::make_unique<QWidget>();
        bare->resize(kForm1ClientWidth, kForm1ClientHeight);
        window = bare.get();
    }
    window->installEventFilter(&reporter);
    window->show();
    app.exec();
    return reporter.written() ? 0 : 1;
}
