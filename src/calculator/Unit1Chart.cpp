// The calculator's feed of the chart window: the chosen class's nomogram and title, and the
// operating point as the two input fields read now.
#include "Unit1.h"

#include "NomogramLookup.h"
#include "NumberInput.h"
#include "Unit1Texts.h"
#include "Unit5.h"

#include <QLineEdit>

namespace {

QString classTitle(int mode)
{
    switch (mode) {
    case 1: return Unit1Texts::kCaptionSmooth.toString();
    case 2: return Unit1Texts::kCaptionSemiSmooth.toString();
    case 3: return Unit1Texts::kCaptionRough.toString();
    default: return {};
    }
}

} // namespace

void TForm1::BtnShowChartClick()
{
    UpdateChartData();
    if (Form5->isMinimized())
        Form5->showNormal();
    Form5->show();
    Form5->raise();
    Form5->activateWindow();
    Form5->raise();
}

void TForm1::UpdateChartData()
{
    const double Q = localeNumberOrZero(EditFlow->text());
    const double H = localeNumberOrZero(EditPressure->text());
    const double V = FExactPointVelocity;
    const QString DN = QString::fromStdString(FSelectedPipeSize);
    if (Form5 == nullptr)
        Form5 = new TForm5();
    const Nomogram::TClassTables* tables = Nomogram::tablesForClass(SelectedMode);
    if (tables == nullptr)
        return;
    Form5->setPipeTypeTitle(classTitle(SelectedMode));
    Form5->ShowGraph(tables->PipeSizes, tables->VelocityLines);
    Form5->ShowOperatingPoint(Q, H, V, DN);
}
