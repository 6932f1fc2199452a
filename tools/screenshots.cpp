// Starts Keldaran as main() does, runs one calculation through the real controls, waits for
// both animations to settle and writes docs/calculator.png and docs/chart.png (or the folder
// given as the first argument).
#include "Startup.h"
#include "Unit1.h"
#include "Unit5.h"

#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QLineEdit>
#include <QTimer>

#include "Win11Button.h"

namespace {

void settle(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("docs");
    const QString pressure = argc > 2 ? QString::fromLocal8Bit(argv[2]) : QStringLiteral("4");
    const QString flow = argc > 3 ? QString::fromLocal8Bit(argv[3]) : QStringLiteral("40+12.5");
    CreateWindows();
    Form1->move(40, 40);
    Form1->show();
    settle(300);
    emit Form1->findChild<TWin11Button*>(QStringLiteral("BtnSemiSmooth"))->clicked();
    Form1->findChild<QLineEdit*>(QStringLiteral("EditPressure"))->setText(pressure);
    Form1->findChild<QLineEdit*>(QStringLiteral("EditFlow"))->setText(flow);
    emit Form1->findChild<TWin11Button*>(QStringLiteral("BtnShowChart"))->clicked();
    Form5->move(400, 40);
    settle(300);
    emit Form1->findChild<TWin11Button*>(QStringLiteral("BtnCalculate"))->clicked();
    settle(4000);
    QDir().mkpath(folder);
    const bool saved = Form1->grab().save(folder + QStringLiteral("/calculator.png"))
        && Form5->grab().save(folder + QStringLiteral("/chart.png"));
    return saved ? 0 : 1;
}
