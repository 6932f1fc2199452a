// The calculation and the pipe-range indicator of the calculator window.
#include "Unit1.h"

#include "FilledShape.h"
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

constexpr double kAdviceVelocityFtPerS = 10.0;
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
    const Nomogram::TClassTables* tables = Nomogram::tablesForClass(SelectedMode);
    if (tables == nullptr) {
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
    std::string PipeName;
    double Velocity = 0.0;
    if (!Nomogram::getNearestPipeAndVelocity(*tables, PressureDrop, Flow, PipeName, Velocity))
        return;

    EditVelocity->setText(formatFixed(Velocity, 2));
    FSelectedPipeSize = PipeName;
    FExactPointVelocity = Velocity;
    const QStringView classNames[]
        = {Unit1Texts::kCaptionSmooth, Unit1Texts::kCaptionSemiSmooth, Unit1Texts::kCaptionRough};
    FLastCalculation = TCalculationSummary{};
    FLastCalculation.className = classNames[SelectedMode - 1].toString();
    FLastCalculation.pressurePsiPer100ft = PressureDrop;
    FLastCalculation.flowGpm = Flow;
    FLastCalculation.pipeName = fromStd(PipeName);
    FLastCalculation.velocityFtPerS = Velocity;
    if (Velocity > kAdviceVelocityFtPerS)
        FLastCalculation.advice = Unit1Texts::kVelocityAdvice.toString();
    FHasCalculation = true;
    QPalette velocityPalette = EditVelocity->palette();
    if (Velocity > kAdviceVelocityFtPerS) {
        velocityPalette.setColor(QPalette::Text, QColor::fromRgb(kFastVelocityColour));
        setCompactPlainText(ErrorVelocity, Unit1Texts::kVelocityAdvice.toString());
    } else {
        velocityPalette.setColor(QPalette::Text, QApplication::palette().color(QPalette::Text));
        ErrorVelocity->clear();
    }
    EditVelocity->setPalette(velocityPalette);

    if (!FindPipeRange(tables->PipeSizes, PressureDrop, Flow))
        return;
    setLabelText(lblPipeLow, fromStd(PipeLowName));
    setLabelText(lblPipeHigh, fromStd(PipeHighName));

    const double LowPipePressure = Nomogram::getPressureForPipe(*tables, PipeLowName, Flow);
    const double VelocityLowPipe = Nomogram::getVelocityAtPoint(*tables, LowPipePressure, Flow);
    const double HighPipePressure = Nomogram::getPressureForPipe(*tables, PipeHighName, Flow);
    const double VelocityHighPipe = Nomogram::getVelocityAtPoint(*tables, HighPipePressure, Flow);
    setLabelText(HighVelocity, neighbourReadoutText(VelocityLowPipe, LowPipePressure));
    setLabelText(LowVelocity, neighbourReadoutText(VelocityHighPipe, HighPipePressure));
    FLastCalculation.hasNeighbours = true;
    FLastCalculation.lower = {fromStd(PipeLowName), VelocityLowPipe, LowPipePressure};
    FLastCalculation.upper = {fromStd(PipeHighName), VelocityHighPipe, HighPipePressure};

    const TPipeRange range{PipeLowName, PipeHighName, PipeLowFlow, PipeHighFlow};
    StartAnimation(CalcTargetX(flowRatio(Flow, range)));

    if (Form5 != nullptr && Form5->isVisible())
        UpdateChartData();
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
