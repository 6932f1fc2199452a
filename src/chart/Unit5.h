#pragma once
// Unit5 holds TForm5, the chart window that draws the nomogram and the operating point.
//
// The chart window: the friction-loss nomogram of one roughness class on a log-log chart
// (pressure drop in psi per 100 ft across, flow in gpm up), with the operating point of the
// last calculation as a red marker, two red guide lines and a small info panel that glide in
// from where they stand.
//
// The nomogram's lines are rebuilt from scratch on every ShowGraph; marker, guide lines and
// panel live as long as the window. Closing the window only hides it.
//
// For reports the chart can be saved (PNG or PDF), copied and printed as the window shows it,
// panel included, from a right-click menu or Ctrl+S, Ctrl+C and Ctrl+P (Unit5Export.cpp).
//
// The plot itself, axes, lines and their names, is a TFrictionPlot the window owns as Chart1; a
// printed report draws its own plot without any window (FrictionPlot.h).

#include "UGlobalTypes.h"

#include <QImage>
#include <QString>
#include <QTimer>
#include <QWidget>

class QCPGraph;
class QCPLayer;
class QCPPainter;
class TFrictionPlot;
class TInfoLabel;

class TForm5 : public QWidget {
    Q_OBJECT

public:
    explicit TForm5(QWidget* parent = nullptr);

    // Removes the nomogram; marker and guide lines stay.
    void ClearGraphSeries();
    // Replaces the nomogram with one line per entry of both tables.
    void DrawGraph(const TPipeSizeArray& PipeData, const TPipeSizeArray& VelocityData);
    // Sets the title from PipeTypeTitle, draws the nomogram, shows the window and raises it.
    void ShowGraph(const TPipeSizeArray& PipeData, const TPipeSizeArray& VelocityData);
    // Starts the glide towards (H, Q); the panel names the pipe DN and the velocity V.
    void ShowOperatingPoint(double Q, double H, double V, const QString& DN);

    [[nodiscard]] QString PipeTypeTitle() const { return FPipeTypeTitle; }
    // Shows at the next ShowGraph.
    void setPipeTypeTitle(const QString& title) { FPipeTypeTitle = title; }

    [[nodiscard]] bool HasGraph() const { return FHasGraph; }
    [[nodiscard]] const QTimer& animationTimer() const { return FTimer; }
    [[nodiscard]] double currentFlowGpm() const { return CurrentQ; }
    [[nodiscard]] double currentPressurePsiPer100ft() const { return CurrentH; }

    // The chart as the window shows it, title, marker, guide lines and info panel included, at
    // `scale` times its size in pixels.
    [[nodiscard]] QImage ChartImage(double scale);
    // Writes that chart to `path`: a PDF when the name ends in ".pdf", else a PNG at twice the
    // screen resolution. The file appears whole or not at all; a failure leaves any earlier
    // file of that name as it was, says so in a message box and returns false.
    bool SaveChartTo(const QString& path);
    // The name the save dialog suggests: the class and the operating point.
    [[nodiscard]] QString SuggestedFileName() const;

public slots:
    // One step of the glide, every 20 ms while the marker moves.
    void TimerTick();

private:
    void FormCreate();
    void setUpActions();
    void actSaveChartExecute();
    void actCopyChartExecute();
    void actPrintChartExecute();
    void paintChart(QCPPainter& painter);
    void setUpOperatingPoint();
    void fitInfoPanel();
    void placeInfoPanel();

    TFrictionPlot* Chart1 = nullptr;
    QWidget* pnlInfo = nullptr;
    TInfoLabel* lblInfo = nullptr;
    QTimer FTimer;
    QCPLayer* FOperatingLayer = nullptr;

    QCPGraph* FPointSeries = nullptr;
    QCPGraph* FVertLine = nullptr;
    QCPGraph* FHorizLine = nullptr;
    // H is the pressure drop in psi per 100 ft, the horizontal axis, not a head of water.
    double TargetQ = 0.0;
    double TargetH = 0.0;
    double CurrentQ = 0.0;
    double CurrentH = 0.0;
    QString FCurrentDN;
    double FCurrentV = 0.0;
    bool FHasGraph = false;
    QString FPipeTypeTitle;
};

extern TForm5* Form5;
