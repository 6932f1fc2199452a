// The calculation of the calculator window, its pipe-range indicator and its feed of the chart
// window. What the nomogram says at the operating point is the sizing core's reading; here the
// fields are read, the reading is asked for and written out, and the marker is moved.
#include "Unit1.h"

#include "CalculatorReading.h"
#include "ClassTexts.h"
#include "FilledShape.h"
#include "MarkerTravel.h"
#include "NomogramLookup.h"
#include "NumberInput.h"
#include "NumberText.h"
#include "PipeRange.h"
#include "PlainMessage.h"
#include "ReadoutText.h"
#include "Unit1Layout.h"
#include "Unit1Texts.h"
#include "Unit5.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTextEdit>
#include <QTimer>

namespace {

constexpr int kMarkerStepPx = 5;
constexpr QRgb kMarkerLowColour = qRgb(0, 255, 0);
constexpr QRgb kMarkerHighColour = qRgb(0, 255, 255);
constexpr QRgb kFastVelocityColour = qRgb(255, 0, 0);

QString fromStd(const std::string& text) { return QString::fromStdString(text); }

} // namespace

void TForm1::EditPressureChange() { setLabelText(psitofoot, pressureReadoutText(EditPressure->text())); }

bool TForm1::TryGetFlow(double& Flow)
{
    QString rewritten;
    if (!parseFlowText(EditFlow->text(), Flow, rewritten))
        return false;
    if (!rewritten.isEmpty())
        EditFlow->setText(rewritten);
    return true;
}

void TForm1::BtnCalculateClick()
{
    if (Nomogram::tablesForClass(SelectedMode) == nullptr) {
        showPlainMessage(Unit1Texts::kMessageNoClass.toString());
        return;
    }
    double PressureDrop = 0.0;
    if (!parsePressureText(EditPressure->text(), PressureDrop)) {
        showPlainMessage(Unit1Texts::kMessageBadPressure.toString());
        return;
    }
    double Flow = 0.0;
    if (!TryGetFlow(Flow)) {
        showPlainMessage(Unit1Texts::kMessageBadFlow.toString());
        EditFlow->setFocus();
        return;
    }
    Sizing::TCalculatorReading reading;
    if (!Sizing::readOperatingPoint(SelectedMode, PressureDrop, Flow, reading))
        return;

    FSelectedPipeSize = reading.pipe;
    FExactPointVelocity = reading.velocityFtPerS;
    FLastCalculation = calculationSummary(ClassTexts::className(SelectedMode).toString(), PressureDrop, Flow, reading,
                                          Unit1Texts::kVelocityAdvice.toString());
    FHasCalculation = true;
    showVelocity(reading);
    if (!reading.hasNeighbours)
        return;
    showNeighbours(reading);
    StartAnimation(CalcTargetX(reading.barRatio));

    if (Form5 != nullptr && Form5->isVisible())
        UpdateChartData();
}

void TForm1::showVelocity(const Sizing::TCalculatorReading& reading)
{
    EditVelocity->setText(formatFixed(reading.velocityFtPerS, 2));
    QPalette velocityPalette = EditVelocity->palette();
    if (reading.needsAdvice) {
        velocityPalette.setColor(QPalette::Text, QColor::fromRgb(kFastVelocityColour));
        setCompactPlainText(ErrorVelocity, Unit1Texts::kVelocityAdvice.toString());
    } else {
        velocityPalette.setColor(QPalette::Text, QApplication::palette().color(QPalette::Text));
        ErrorVelocity->clear();
    }
    EditVelocity->setPalette(velocityPalette);
}

// The smaller neighbour stands at the bar's left end, with its readout under it.
void TForm1::showNeighbours(const Sizing::TCalculatorReading& reading)
{
    PipeLowName = reading.lower.pipe;
    PipeHighName = reading.upper.pipe;
    PipeLowFlow = reading.lower.flowGpm;
    PipeHighFlow = reading.upper.flowGpm;
    setLabelText(lblPipeLow, fromStd(PipeLowName));
    setLabelText(lblPipeHigh, fromStd(PipeHighName));
    setLabelText(HighVelocity, neighbourReadoutText(reading.lower.velocityFtPerS, reading.lower.lossPsiPer100ft));
    setLabelText(LowVelocity, neighbourReadoutText(reading.upper.velocityFtPerS, reading.upper.lossPsiPer100ft));
}

double TForm1::GetFlowAtPressure(TPipeSize Pipe, double Pressure) const { return flowAtPressure(Pipe, Pressure); }

bool TForm1::FindPipeRange(const TPipeSizeArray& Pipes, double Pressure, double Flow)
{
    TPipeRange range{PipeLowName, PipeHighName, PipeLowFlow, PipeHighFlow};
    if (!findPipeRange(Pipes, Pressure, Flow, range))
        return false;
    PipeLowName = range.LowName;
    PipeHighName = range.HighName;
    PipeLowFlow = range.LowFlowGpm;
    PipeHighFlow = range.HighFlowGpm;
    return true;
}

int TForm1::CalcTargetX(double Ratio) const
{
    return markerTargetLeft(Ratio, shpBar->x(), shpBar->width(), shpHole->width());
}

void TForm1::StartAnimation(int ANewTargetX)
{
    tmrAnim->stop();
    TargetX = ANewTargetX;
    AnimStep = shpHole->x() < TargetX ? kMarkerStepPx : -kMarkerStepPx;
    tmrAnim->start();
}

void TForm1::tmrAnimTimer()
{
    int left = shpHole->x();
    const bool arrived = stepMarker(left, TargetX, AnimStep);
    shpHole->move(left, shpHole->y());
    if (arrived) {
        tmrAnim->stop();
        ApplySnapAndColor();
    }
}

void TForm1::ApplySnapAndColor()
{
    if (!markerOnHighHalf(shpHole->x(), shpBar->x(), shpBar->width())) {
        shpHole->setFillColor(QColor::fromRgb(kMarkerLowColour));
        EditPipe->setText(fromStd(PipeLowName));
    } else {
        shpHole->setFillColor(QColor::fromRgb(kMarkerHighColour));
        EditPipe->setText(fromStd(PipeHighName));
    }
}

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

// The operating point as the two fields read now; the pipe and velocity of the last calculation.
void TForm1::UpdateChartData()
{
    const double Q = localeNumberOrZero(EditFlow->text());
    const double H = localeNumberOrZero(EditPressure->text());
    const double V = FExactPointVelocity;
    const QString DN = fromStd(FSelectedPipeSize);
    if (Form5 == nullptr)
        Form5 = new TForm5();
    const Nomogram::TClassTables* tables = Nomogram::tablesForClass(SelectedMode);
    if (tables == nullptr)
        return;
    Form5->setPipeTypeTitle(ClassTexts::className(SelectedMode).toString());
    Form5->ShowGraph(tables->PipeSizes, tables->VelocityLines);
    Form5->ShowOperatingPoint(Q, H, V, DN);
}
