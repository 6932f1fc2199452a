#pragma once
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
// A printed report draws a class's nomogram with its own marks on a chart made for it and never
// shown (Unit5Report.cpp).

#include "MarkLabels.h"
#include "UGlobalTypes.h"

#include <QImage>
#include <QPointF>
#include <QRect>
#include <QString>
#include <QTimer>
#include <QWidget>

#include <vector>

class QCPGraph;
class QCPAbstractItem;
class QCPLayer;
class QCPItemText;
class QCPPainter;
class QCPTextElement;
class TChartPlot;
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

    // For a report, on a chart made for it and never shown: the nomogram DrawGraph drew, titled
    // from PipeTypeTitle, laid out at sizePx (pixels at the screen's resolution), with the
    // allowable loss as a vertical line and the marks, each named clear of the other names on
    // the chart. A mark off the chart's ranges is left out. False when some name found no free
    // place near its mark and overlaps another; the chart is marked either way.
    [[nodiscard]] bool MarkForReport(const QSize& sizePx, double allowablePsiPer100ft,
                                     const std::vector<TChartMark>& marks);
    // Draws that chart into `target`, in the painter's coordinates, scaled to fill it.
    void PaintForReport(QCPPainter& painter, const QRectF& target);

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
    void setUpAxes();
    void setUpOperatingPoint();
    void removeNomogram();
    void addLine(const TPipeSize& line, bool isPipe);
    void updateTopAndRightAxes(bool hasPipeLines);
    void fitInfoPanel();
    void placeInfoPanel();
    void placeLineNames();
    [[nodiscard]] QString titleText() const;
    void fontsInPixels();
    void removeReportMarks();
    [[nodiscard]] std::vector<QRectF> lineNameRects() const;
    void addReportMark(const TChartMark& mark, const QPointF& pointPx, const QRectF& namePx);

    TChartPlot* Chart1 = nullptr;
    QWidget* pnlInfo = nullptr;
    TInfoLabel* lblInfo = nullptr;
    QTimer FTimer;
    QCPLayer* FOperatingLayer = nullptr;
    QCPTextElement* FTitle = nullptr;

    QCPGraph* FPointSeries = nullptr;
    QCPGraph* FVertLine = nullptr;
    QCPGraph* FHorizLine = nullptr;
    double TargetQ = 0.0;
    double TargetH = 0.0;
    double CurrentQ = 0.0;
    double CurrentH = 0.0;
    QString FCurrentDN;
    double FCurrentV = 0.0;
    bool FHasGraph = false;
    QString FPipeTypeTitle;

    // A nomogram line's name and where the line runs, in plot coordinates; the names are placed
    // anew whenever the plot's rectangle changes.
    struct TLineName {
        QCPItemText* label = nullptr;
        QPointF from;
        QPointF to;
        QPointF midpoint;
    };
    std::vector<TLineName> FLineNames;
    QRect FNamesPlacedIn;

    // What MarkForReport added, removed before it marks again.
    std::vector<QCPAbstractItem*> FReportItems;
    std::vector<QCPGraph*> FReportGraphs;
    QSize FReportSizePx;
};

extern TForm5* Form5;
