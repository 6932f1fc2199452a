#pragma once
// The schedule window: a building's sizing table, built, checked and saved. Its header holds the
// project's title, class, system, pressure budget and velocity limits; its grid the segments,
// typed as in a spreadsheet, with the pipes the sizing core gives them; its totals bar what is
// left at the critical fixture. Every change is undoable and everything is recalculated after
// each one (TScheduleModel). The window only reads its widgets and hands them on.
//
// Files (FormScheduleFile.cpp): New, Open, Save, Save As and the recent projects, with the
// question about unsaved changes before anything replaces them, and a copy written every minute
// while the project is modified (TScheduleAutosave). Reports (FormScheduleReport.cpp): the PDF
// and CSV of `keldaran --report`, printing with a preview, the chart in a window, and the riser
// diagram as PNG or SVG. Rows, clipboard and the demand helper: FormScheduleEdit.cpp. The riser
// diagram (TRiserView) stands beside the table, its selection in step with the table's.

#include "Demand.h"
#include "ScheduleAutosave.h"

#include <QMainWindow>
#include <QPersistentModelIndex>

#include <functional>

class QAction;
class QLabel;
class QMenu;
class QPushButton;
class QTimer;
class TRiserView;
class TScheduleHeaderPanel;
class TScheduleModel;
class TScheduleTable;
class TScheduleTotals;

class TFormSchedule : public QMainWindow {
    Q_OBJECT

public:
    explicit TFormSchedule(QWidget* parent = nullptr);
    ~TFormSchedule() override;

    [[nodiscard]] TScheduleModel& model() const { return *FModel; }
    [[nodiscard]] QString filePath() const { return FFilePath; }
    [[nodiscard]] bool isModified() const;

    // Each asks about unsaved changes first; false when nothing was replaced (the user chose
    // Cancel, or the file could not be read: then its message was shown and the window is as
    // it was).
    bool fileNew();
    bool openFile(const QString& path);
    // A copy left behind by a crash, as the project it was, still unsaved.
    bool restoreAutosave(const TScheduleAutosave::TLeftBehind& copy);
    bool save();
    bool saveAs();
    // Writes the project there and makes it the project's file; false, with a message, when
    // it cannot be written.
    bool saveTo(const QString& path);
    // The report of `keldaran --report`, by the file's extension (.pdf or .csv).
    bool exportReport(const QString& path);
    // The riser diagram as a picture, by the file's extension (.png or .svg); false, with a
    // message, when there is no diagram or the file cannot be written.
    bool exportRiser(const QString& path);
    // The minute's copy, now; also when the timer fires. False when nothing needed writing.
    bool autosaveNow();
    [[nodiscard]] QString autosavePath() const { return FAutosave.path(); }

    // Where the file dialogs come in: the path chosen, empty for none. Tests answer here.
    enum class TFileRole { OpenProject, SaveProject, ExportPdf, ExportCsv, ExportPng, ExportSvg };
    using TFileChooser = std::function<QString(TFileRole role, const QString& suggested)>;
    void setFileChooser(TFileChooser chooser) { FChooseFile = std::move(chooser); }

    // The demand helper's load, for the row it was asked for.
    void applyDemandLoad(double fixtureUnits);

signals:
    // The demand helper is wanted for the current row; its Apply comes back to applyDemandLoad.
    void demandRequested(Design::TSupply supply);

protected:
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    QAction* addCommand(QMenu* menu, const char* name, QStringView text, const QKeySequence& key,
                        void (TFormSchedule::*handler)());
    void setUpMenus();
    void setUpEditMenu(QMenu* edit);
    void setUpRowMenu(QMenu* rows);
    void setUpViewMenu(QMenu* view);
    // The table's current row and the diagram's segment follow each other.
    void connectRiser();
    void updateTitle();
    void showStatus(const QString& text);
    // After every step: why a schedule is refused, or nothing; a main that falls short is
    // offered a booster set, one click away.
    void showRefusal();
    void switchToBooster();
    void showWarning(const QString& text);
    [[nodiscard]] QString chooseFile(TFileRole role, const QString& suggested);

    // FormScheduleFile.cpp
    enum class TAnswer { Saved, Discarded, Cancelled };
    [[nodiscard]] TAnswer askToSave();
    void replaceProject(const QString& path);
    bool loadProject(const QString& path);
    void openChosen();
    void openRecent(const QString& path);
    void fillRecentMenu();
    void saveCommand();
    void saveAsCommand();
    void newCommand();

    // FormScheduleEdit.cpp
    void addRow();
    void addBranch();
    void removeRows();
    void duplicateRows();
    void moveRowsUp();
    void moveRowsDown();
    void moveRows(int delta);
    void copyCells();
    void copyTable();
    void pasteCells();
    void clearCells();
    void requestDemand();

    // FormScheduleReport.cpp
    void exportPdf();
    void exportCsv();
    void printReport();
    void showChart();
    void exportPng();
    void exportSvg();

    TScheduleModel* FModel = nullptr;
    TScheduleHeaderPanel* FHeader = nullptr;
    TScheduleTable* FTable = nullptr;
    TScheduleTotals* FTotals = nullptr;
    TRiserView* FRiser = nullptr;
    QAction* FExportPng = nullptr;
    QAction* FExportSvg = nullptr;
    QLabel* FStatus = nullptr;
    QPushButton* FSwitchBooster = nullptr;
    QMenu* FRecentMenu = nullptr;
    QTimer* FAutosaveTimer = nullptr;
    TScheduleAutosave FAutosave;
    TFileChooser FChooseFile;
    QString FFilePath;
    // A project restored from its copy differs from its file even with no step to undo.
    bool FUnsavedWithoutHistory = false;
    bool FChangedSinceAutosave = false;
    QPersistentModelIndex FDemandRow;
};
