#include "Keldaran.h"
#include "Unit1.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    CreateWindows();
    Form1->show();
    return app.exec();
}
