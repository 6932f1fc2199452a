// A bare Qt widget window of the calculator's size, built as a program of its own that links Qt
// Widgets and nothing else, quitting at its first paint. startup_bench pairs Keldaran with it as
// well as with the bare window it starts from its own program: that one loads every library
// Keldaran links (QCustomPlot, Qt Network, Qt Print Support, Qt SVG), which a bare Qt window
// does not.
#include "FirstPaintQuit.h"

#include <QApplication>
#include <QWidget>

namespace {

// The calculator window's client size, repeated here so that this program links nothing of
// Keldaran's.
constexpr int kClientWidth = 331;
constexpr int kClientHeight = 523;

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    TFirstPaintQuit quitter;
    QWidget bare;
    bare.resize(kClientWidth, kClientHeight);
    bare.installEventFilter(&quitter);
    bare.show();
    return app.exec();
}
