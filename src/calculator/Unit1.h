#pragma once
// Unit1 holds TForm1, the calculator window, which is the program's main window.
//
// The calculator window: roughness class, pressure drop and flow in; pipe size, velocity,
// velocity advice and the pipe-range indicator out. It reads its inputs with the plain parsing
// functions, asks the sizing core for its reading of the nomogram (CalculatorReading) and
// writes the answers; the chart window follows it while it is open. Its layout is the table in
// Unit1Layout.

#include "CalculationSummary.h"
#include "CalculatorReading.h"
#include "UGlobalTypes.h"

#include <QUrl>
#include <QWidget>

#include <chrono>
#include <functional>
#include <string>

class QCheckBox;
class QDragEnterEvent;
class QDropEvent;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QTextEdit;
class QTimer;
class TBudgetDialog;
class TDemandDialog;
class TFilledShape;
class TNoticeFetcher;
class TPicture;
class TWin11Button;

class TForm1 : public QWidget {
    Q_OBJECT

public:
    explicit TForm1(QWidget* parent = nullptr);

    // What the last calculation left for the chart, and the class in use (0 = none chosen).
    [[nodiscard]] int selectedMode() const { return SelectedMode; }
    [[nodiscard]] const std::string& selectedPipeSize() const { return FSelectedPipeSize; }
    [[nodiscard]] double exactPointVelocity() const { return FExactPointVelocity; }
    // The marker's destination while it moves, and where it rested last.
    [[nodiscard]] int targetX() const { return TargetX; }

    void FormCreate();
    void ResetButtons();
    void BtnSmoothClick();
    void BtnSemiSmoothClick();
    void BtnRoughClick();

    void EditPressureChange();
    [[nodiscard]] bool EditPressureKeyPress(const QKeyEvent& event) const;
    [[nodiscard]] bool EditFlowKeyPress(const QKeyEvent& event) const;
    [[nodiscard]] bool TryGetFlow(double& Flow);
    void BtnCalculateClick();

    [[nodiscard]] double GetFlowAtPressure(TPipeSize Pipe, double Pressure) const;
    [[nodiscard]] bool FindPipeRange(const TPipeSizeArray& Pipes, double Pressure, double Flow);
    [[nodiscard]] int CalcTargetX(double Ratio) const;
    void StartAnimation(int ANewTargetX);
    void tmrAnimTimer();
    void ApplySnapAndColor();

    // True when the key goes on to the field; Enter applies the scale and is swallowed.
    [[nodiscard]] bool EditScaleKeyPress(const QKeyEvent& event);
    void EditScaleExit();
    void CheckBoxTopClick();

    void BtnShowChartClick();
    void UpdateChartData();

    // The keyboard's way in (Unit1Keys.cpp): Ctrl+1, Ctrl+2 and Ctrl+3 choose the class, Enter
    // in the pressure or flow field calculates, Ctrl+C copies the last calculation as text.
    void actCopyResultsExecute();
    // The last calculation that found a pipe; false before the first.
    [[nodiscard]] bool lastCalculation(TCalculationSummary& summary) const;

    // The design helpers: the demand from fixture units into the flow, the allowable friction
    // loss into the pressure drop.
    void BtnDemandClick();
    // The schedule window is not the calculator's: the button (or Ctrl+T) only asks for it,
    // and a project file dropped on the calculator is handed on (Unit1Schedule.cpp).
    void BtnScheduleClick();
    void BtnBudgetClick();

    // The notice box: it waits for a connection, fetches once, then shows the notice or gives up.
    enum class TNoticeState { Waiting, Fetching, Shown, GivenUp };
    [[nodiscard]] TNoticeState noticeState() const { return FNoticeState; }
    void TimerInternetTimer();
    [[nodiscard]] bool HasInternet() const;
    void LoadWidgetFromServer();
    // Where the notice comes from and how the connection is asked for; tests point these at
    // a local server and a connection of their choosing.
    void setNoticeUrl(const QUrl& url) { FNoticeUrl = url; }
    void setConnectionCheck(std::function<bool()> check) { FConnectionCheck = std::move(check); }
    [[nodiscard]] TNoticeFetcher& noticeClient() { return *NetHTTPClient1; }
    void setConnectionCheckInterval(std::chrono::milliseconds interval);

signals:
    void scheduleRequested();
    void projectDropped(const QString& path);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    // A project file dragged over a number field goes past it to the window.
    [[nodiscard]] static bool isProjectDrag(const QEvent* event);
    [[nodiscard]] bool isWindowShortcut(const QKeyEvent& key) const;
    void bindControls();
    void connectHandlers();
    void selectClass(int mode, TWin11Button* button, const QString& selectedCaption);
    void setLabelText(QLabel* label, const QString& text);
    void showVelocity(const Sizing::TCalculatorReading& reading);
    void showNeighbours(const Sizing::TCalculatorReading& reading);
    void scaleControls(int percent);
    void setUpKeyboard();
    [[nodiscard]] bool hasTextSelection() const;
    void linkSupplyChoices();

    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* Label5 = nullptr;
    QLabel* Label6 = nullptr;
    QLineEdit* EditScale = nullptr;
    TWin11Button* BtnSmooth = nullptr;
    TWin11Button* BtnSemiSmooth = nullptr;
    TWin11Button* BtnRough = nullptr;
    QLineEdit* EditPressure = nullptr;
    QLabel* psitofoot = nullptr;
    QLineEdit* EditFlow = nullptr;
    TWin11Button* BtnCalculate = nullptr;
    QLineEdit* EditPipe = nullptr;
    TFilledShape* shpBar = nullptr;
    // The indicator's marker that travels along shpBar, not a hole in it.
    TFilledShape* shpHole = nullptr;
    QLabel* lblPipeLow = nullptr;
    QLabel* lblPipeHigh = nullptr;
    // Under the bar's left end, HighVelocity shows the lower (smaller) neighbour's readout, and
    // LowVelocity, under its right end, the upper neighbour's.
    QLabel* HighVelocity = nullptr;
    QLabel* LowVelocity = nullptr;
    QLineEdit* EditVelocity = nullptr;
    QTextEdit* ErrorVelocity = nullptr;
    TWin11Button* BtnShowChart = nullptr;
    QCheckBox* CheckBoxTop = nullptr;
    QPlainTextEdit* MemoWidget = nullptr;
    TPicture* Image1 = nullptr;
    TWin11Button* BtnDemand = nullptr;
    TWin11Button* BtnBudget = nullptr;
    TWin11Button* BtnSchedule = nullptr;
    // Made on first use; children of this window, so they go with it.
    TDemandDialog* FDemandDialog = nullptr;
    TBudgetDialog* FBudgetDialog = nullptr;
    QTimer* tmrAnim = nullptr;
    // The notice box's online check: 3000 ms, repeating, started by FormCreate.
    QTimer* TimerInternet = nullptr;
    TNoticeFetcher* NetHTTPClient1 = nullptr;
    TNoticeState FNoticeState = TNoticeState::Waiting;
    QUrl FNoticeUrl;
    std::function<bool()> FConnectionCheck;

    int SelectedMode = 0;
    int TargetX = 0;
    int AnimStep = 0;
    std::string PipeLowName;
    std::string PipeHighName;
    std::string FSelectedPipeSize;
    double PipeLowFlow = 0.0;
    double PipeHighFlow = 0.0;
    double FExactPointVelocity = 0.0;
    TCalculationSummary FLastCalculation;
    bool FHasCalculation = false;
    // A click on the free area is a press and a release both on the window itself.
    bool FPressedOnFreeArea = false;
};

extern TForm1* Form1;

// The notice text reduced from its markup to plain lines.
[[nodiscard]] QString StripHTMLImproved(const QString& S);
