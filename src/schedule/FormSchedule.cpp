#include "FormSchedule.h"

#include "CommonTexts.h"

#include "FontFamilies.h"
#include "ReportNotes.h"
#include "RiserView.h"
#include "ScheduleHeaderPanel.h"
#include "ScheduleModel.h"
#include "ScheduleSettings.h"
#include "ScheduleTable.h"
#include "ScheduleTexts.h"
#include "ScheduleTotals.h"

#include <QAction>
#include <QDragEnterEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>
#include <QScreen>
#include <QSplitter>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <QUndoStack>
#include <QVBoxLayout>

namespace {

using namespace ScheduleTexts;

constexpr int kAutosaveIntervalMs = 60 * 1000;
constexpr QSize kFirstSize(1320, 760);
constexpr int kFontPx = 13;
// How the width beside the header is shared between the table and the riser diagram.
constexpr int kTableStretch = 3;
constexpr int kRiserStretch = 2;

// The suffix each kind of file is saved with, added when the name typed lacks it.
QString withSuffix(QString path, const QString& suffix)
{
    if (!path.isEmpty() && QFileInfo(path).suffix().compare(suffix, Qt::CaseInsensitive) != 0)
        path += u'.' + suffix;
    return path;
}

} // namespace

TFormSchedule::TFormSchedule(QWidget* parent)
    : QMainWindow(parent)
    , FModel(new TScheduleModel(this))
{
    setObjectName(QStringLiteral("FormSchedule"));
    setLayoutDirection(Qt::RightToLeft);
    setAcceptDrops(true);
    // A window does not take the calculator's font; the Persian needs its faces.
    QFont font;
    font.setFamilies(segoeUiFamilies());
    font.setPixelSize(kFontPx);
    setFont(font);

    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    FHeader = new TScheduleHeaderPanel(*FModel, central);
    FTable = new TScheduleTable(*FModel, central);
    FTotals = new TScheduleTotals(*FModel, central);
    // Right to left, the table stands on the right and the diagram on the left.
    auto* split = new QSplitter(Qt::Horizontal, central);
    split->setObjectName(QStringLiteral("SplitRiser"));
    split->setChildrenCollapsible(false);
    FRiser = new TRiserView(*FModel, split);
    split->addWidget(FTable);
    split->addWidget(FRiser);
    split->setStretchFactor(0, kTableStretch);
    split->setStretchFactor(1, kRiserStretch);
    // A drawing that comes back (a list made a tree again) gets its share of the width back.
    connect(FRiser, &TRiserView::drawingShownChanged, this, [split](bool drawn) {
        const int total = split->width();
        if (drawn && total > 0)
            split->setSizes({total - total * kRiserStretch / (kTableStretch + kRiserStretch),
                             total * kRiserStretch / (kTableStretch + kRiserStretch)});
    });
    layout->addWidget(FHeader);
    layout->addWidget(split, 1);
    layout->addWidget(FTotals);
    setCentralWidget(central);
    FStatus = new QLabel(this);
    FStatus->setObjectName(QStringLiteral("LabelStatus"));
    statusBar()->addWidget(FStatus, 1);
    FSwitchBooster = new QPushButton(kSwitchToBooster.toString(), this);
    FSwitchBooster->setObjectName(QStringLiteral("ButtonSwitchToBooster"));
    FSwitchBooster->hide();
    statusBar()->addPermanentWidget(FSwitchBooster);
    connect(FSwitchBooster, &QPushButton::clicked, this, &TFormSchedule::switchToBooster);
    setUpMenus();
    connectRiser();

    QUndoStack* stack = FModel->undoStack();
    connect(stack, &QUndoStack::cleanChanged, this, [this](bool clean) {
        // Back where the file is: a copy of this state would offer nothing the file lacks.
        if (clean && !FUnsavedWithoutHistory)
            FAutosave.remove();
        updateTitle();
    });
    connect(stack, &QUndoStack::indexChanged, this, [this] {
        FChangedSinceAutosave = true;
        showRefusal();
    });
    connect(FModel, &TScheduleModel::editRefused, this, &TFormSchedule::showStatus);
    connect(FModel, &TScheduleModel::told, this, &TFormSchedule::showStatus);
    connect(FHeader, &TScheduleHeaderPanel::editRefused, this, &TFormSchedule::showStatus);
    FAutosaveTimer = new QTimer(this);
    FAutosaveTimer->setInterval(kAutosaveIntervalMs);
    connect(FAutosaveTimer, &QTimer::timeout, this, &TFormSchedule::autosaveNow);
    FAutosaveTimer->start();

    if (!restoreGeometry(scheduleGeometry()))
        resize(screen() == nullptr ? kFirstSize : kFirstSize.boundedTo(screen()->availableSize()));
    FAutosave.follow({});
    updateTitle();
}

// The undo stack is cleared as it goes, with the model, after this window's own members: what it
// says then must not reach them.
TFormSchedule::~TFormSchedule() { FModel->undoStack()->disconnect(this); }

bool TFormSchedule::isModified() const { return FUnsavedWithoutHistory || !FModel->undoStack()->isClean(); }

QAction* TFormSchedule::addCommand(QMenu* menu, const char* name, QStringView text, const QKeySequence& key,
                                   void (TFormSchedule::*handler)())
{
    auto* action = new QAction(text.toString(), this);
    action->setObjectName(QString::fromLatin1(name));
    action->setShortcut(key);
    connect(action, &QAction::triggered, this, handler);
    menu->addAction(action);
    return action;
}

void TFormSchedule::setUpMenus()
{
    QMenu* file = menuBar()->addMenu(kMenuFile.toString());
    addCommand(file, "actNew", kNew, QKeySequence::New, &TFormSchedule::newCommand);
    addCommand(file, "actOpen", kOpen, QKeySequence::Open, &TFormSchedule::openChosen);
    FRecentMenu = file->addMenu(kRecent.toString());
    FRecentMenu->setObjectName(QStringLiteral("menuRecent"));
    connect(FRecentMenu, &QMenu::aboutToShow, this, &TFormSchedule::fillRecentMenu);
    addCommand(file, "actSave", kSave, QKeySequence::Save, &TFormSchedule::saveCommand);
    addCommand(file, "actSaveAs", kSaveAs, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S),
               &TFormSchedule::saveAsCommand);
    file->addSeparator();
    addCommand(file, "actExportPdf", kExportPdf, QKeySequence(Qt::CTRL | Qt::Key_E), &TFormSchedule::exportPdf);
    addCommand(file, "actExportCsv", kExportCsv, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_E),
               &TFormSchedule::exportCsv);
    addCommand(file, "actPrint", kPrint, QKeySequence::Print, &TFormSchedule::printReport);
    addCommand(file, "actChart", kChart, QKeySequence(Qt::CTRL | Qt::Key_G), &TFormSchedule::showChart);
    FExportPng = addCommand(file, "actExportPng", kExportPng, {}, &TFormSchedule::exportPng);
    FExportSvg = addCommand(file, "actExportSvg", kExportSvg, {}, &TFormSchedule::exportSvg);
    file->addSeparator();
    QAction* close = file->addAction(kClose.toString(), this, &QWidget::close);
    close->setShortcut(QKeySequence::Close);

    setUpEditMenu(menuBar()->addMenu(kMenuEdit.toString()));
    setUpRowMenu(menuBar()->addMenu(kMenuRows.toString()));
    setUpViewMenu(menuBar()->addMenu(kMenuView.toString()));
}

void TFormSchedule::setUpViewMenu(QMenu* view)
{
    QAction* shown = view->addAction(CommonTexts::kRiserDiagram.toString());
    shown->setObjectName(QStringLiteral("actShowRiser"));
    shown->setCheckable(true);
    shown->setChecked(riserShown());
    FRiser->setVisible(shown->isChecked());
    connect(shown, &QAction::toggled, this, [this](bool on) {
        FRiser->setVisible(on);
        keepRiserShown(on);
    });
    QAction* fit = view->addAction(kFitRiser.toString());
    fit->setObjectName(QStringLiteral("actFitRiser"));
    fit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_0));
    connect(fit, &QAction::triggered, FRiser, &TRiserView::fitDrawing);
}

void TFormSchedule::connectRiser()
{
    connect(FTable->selectionModel(), &QItemSelectionModel::currentRowChanged, FRiser,
            [this](const QModelIndex& current) { FRiser->selectRow(current.row()); });
    connect(FRiser, &TRiserView::rowChosen, this, [this](int row) {
        const QModelIndex current = FTable->currentIndex();
        FTable->selectOnly(row, current.isValid() ? current.column() : FTable->shownColumns().value(0));
        FTable->scrollTo(FTable->currentIndex());
    });
    const auto enableExports = [this] {
        FExportPng->setEnabled(FRiser->hasDrawing());
        FExportSvg->setEnabled(FRiser->hasDrawing());
    };
    connect(FModel, &TScheduleModel::recalculated, this, enableExports);
    enableExports();
}

void TFormSchedule::setUpEditMenu(QMenu* edit)
{
    QAction* undo = FModel->undoStack()->createUndoAction(this, kUndo.toString());
    undo->setObjectName(QStringLiteral("actUndo"));
    undo->setShortcut(QKeySequence::Undo);
    QAction* redo = FModel->undoStack()->createRedoAction(this, kRedo.toString());
    redo->setObjectName(QStringLiteral("actRedo"));
    redo->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    edit->addAction(undo);
    edit->addAction(redo);
    edit->addSeparator();
    FTable->addAction(addCommand(edit, "actCopy", kCopy, QKeySequence::Copy, &TFormSchedule::copyCells));
    addCommand(edit, "actCopyTable", kCopyTable, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C),
               &TFormSchedule::copyTable);
    FTable->addAction(addCommand(edit, "actPaste", kPaste, QKeySequence::Paste, &TFormSchedule::pasteCells));
    // Only while the grid has the focus: Delete in a header field deletes a character there.
    QAction* clear = addCommand(edit, "actClear", kClear, QKeySequence::Delete, &TFormSchedule::clearCells);
    clear->setShortcutContext(Qt::WidgetShortcut);
    FTable->addAction(clear);
}

void TFormSchedule::setUpRowMenu(QMenu* rows)
{
    auto* bar = addToolBar(kMenuRows.toString());
    bar->setObjectName(QStringLiteral("ToolbarRows"));
    bar->setToolButtonStyle(Qt::ToolButtonTextOnly);
    bar->setMovable(false);
    struct TRowCommand {
        const char* name;
        QStringView text;
        QKeySequence key;
        void (TFormSchedule::*handler)();
    };
    const TRowCommand commands[] = {
        {"actAddRow", kAddRow, QKeySequence(Qt::CTRL | Qt::Key_Insert), &TFormSchedule::addRow},
        {"actAddBranch", kAddBranch, QKeySequence(Qt::CTRL | Qt::Key_B), &TFormSchedule::addBranch},
        {"actRemoveRows", kRemoveRows, QKeySequence(Qt::CTRL | Qt::Key_Delete), &TFormSchedule::removeRows},
        {"actDuplicateRow", kDuplicateRow, QKeySequence(Qt::CTRL | Qt::Key_D), &TFormSchedule::duplicateRows},
        {"actMoveUp", kMoveUp, QKeySequence(Qt::ALT | Qt::Key_Up), &TFormSchedule::moveRowsUp},
        {"actMoveDown", kMoveDown, QKeySequence(Qt::ALT | Qt::Key_Down), &TFormSchedule::moveRowsDown},
        {"actDemand", kDemand, QKeySequence(Qt::CTRL | Qt::Key_U), &TFormSchedule::requestDemand},
    };
    for (const TRowCommand& command : commands) {
        QAction* action = addCommand(rows, command.name, command.text, command.key, command.handler);
        FTable->addAction(action);
        bar->addAction(action);
    }
}

void TFormSchedule::updateTitle()
{
    const QString name = FFilePath.isEmpty() ? kUntitled.toString() : QFileInfo(FFilePath).fileName();
    setWindowTitle(kWindowTitle.toString().arg(name + QStringLiteral("[*]")));
    setWindowModified(isModified());
}

void TFormSchedule::showStatus(const QString& text) { FStatus->setText(text); }

void TFormSchedule::showRefusal()
{
    const Sizing::TScheduleCheck& check = FModel->check();
    const bool refused
        = check.problem != Sizing::TScheduleProblem::None && check.problem != Sizing::TScheduleProblem::NoSegments;
    const Sizing::TSchedule& schedule = FModel->project().schedule;
    QString text = refused ? kNotEvaluated.toString().arg(Report::scheduleProblemText(schedule, check)) : QString();
    const bool mainShort
        = check.problem == Sizing::TScheduleProblem::Shortfall && schedule.source == Sizing::TSource::Main;
    const bool isTree = schedule.layout == Sizing::TLayout::Tree;
    if (mainShort)
        text += (isTree ? kBoosterRemedy : kBoosterRemedyTree).toString();
    FStatus->setText(text);
    // Only a tree's outlets give a booster its discharge pressure.
    FSwitchBooster->setVisible(mainShort && isTree);
}

void TFormSchedule::switchToBooster()
{
    TScheduleHeader header = FModel->header();
    header.source = Sizing::TSource::Booster;
    FModel->setHeader(header, THeaderField::SourceChoice);
}

void TFormSchedule::showWarning(const QString& text)
{
    QMessageBox box(QMessageBox::Warning, windowTitle().remove(QStringLiteral("[*]")), text, QMessageBox::Ok, this);
    box.setLayoutDirection(Qt::RightToLeft);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

QString TFormSchedule::chooseFile(TFileRole role, const QString& suggested)
{
    if (FChooseFile)
        return FChooseFile(role, suggested);
    const QString folder = FFilePath.isEmpty() ? QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)
                                               : QFileInfo(FFilePath).absolutePath();
    const QString start = folder + u'/' + suggested;
    switch (role) {
    case TFileRole::OpenProject:
        return QFileDialog::getOpenFileName(this, kOpen.toString(), folder, kFileFilter.toString());
    case TFileRole::SaveProject:
        return withSuffix(QFileDialog::getSaveFileName(this, kSaveAs.toString(), start, kFileFilter.toString()),
                          QStringLiteral("keldaran"));
    case TFileRole::ExportPdf:
        return withSuffix(QFileDialog::getSaveFileName(this, kExportPdf.toString(), start, kPdfFilter.toString()),
                          QStringLiteral("pdf"));
    case TFileRole::ExportCsv:
        return withSuffix(QFileDialog::getSaveFileName(this, kExportCsv.toString(), start, kCsvFilter.toString()),
                          QStringLiteral("csv"));
    case TFileRole::ExportPng:
        return withSuffix(QFileDialog::getSaveFileName(this, kExportPng.toString(), start, kPngFilter.toString()),
                          QStringLiteral("png"));
    case TFileRole::ExportSvg:
        return withSuffix(QFileDialog::getSaveFileName(this, kExportSvg.toString(), start, kSvgFilter.toString()),
                          QStringLiteral("svg"));
    }
    return {};
}

void TFormSchedule::closeEvent(QCloseEvent* event)
{
    const TAnswer answer = askToSave();
    if (answer == TAnswer::Cancelled) {
        event->ignore();
        return;
    }
    // Changes thrown away leave with the window: it opens next time on a new project.
    FAutosave.remove();
    if (answer == TAnswer::Discarded) {
        FModel->setProject(newProject());
        replaceProject({});
    }
    keepScheduleGeometry(saveGeometry());
    event->accept();
}

void TFormSchedule::dragEnterEvent(QDragEnterEvent* event)
{
    const QList<QUrl> urls = event->mimeData()->urls();
    if (!urls.isEmpty() && urls.constFirst().isLocalFile()
        && urls.constFirst().toLocalFile().endsWith(QStringLiteral(".keldaran"), Qt::CaseInsensitive))
        event->acceptProposedAction();
}

void TFormSchedule::dropEvent(QDropEvent* event)
{
    const QString path = event->mimeData()->urls().constFirst().toLocalFile();
    event->acceptProposedAction();
    // After the drop has finished: the question about unsaved changes is a dialog of its own.
    QTimer::singleShot(0, this, [this, path] { openFile(path); });
}
