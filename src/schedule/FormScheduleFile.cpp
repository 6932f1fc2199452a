// The schedule window's files: new, open, save, the recent projects, the question about unsaved
// changes, and the minute's copy that a crash leaves for the next start.
#include "FormSchedule.h"

#include "ProjectFile.h"
#include "ScheduleHeader.h"
#include "ScheduleModel.h"
#include "ScheduleSettings.h"
#include "ScheduleTexts.h"

#include <QAction>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QUndoStack>

namespace {
using namespace ScheduleTexts;
} // namespace

TFormSchedule::TAnswer TFormSchedule::askToSave()
{
    if (!isModified())
        return TAnswer::Saved;
    const QString name = FFilePath.isEmpty() ? kUntitled.toString() : QFileInfo(FFilePath).fileName();
    QMessageBox box(QMessageBox::Warning, kCaptionSchedule.toString(), kAskSave.toString().arg(name),
                    QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, this);
    box.setObjectName(QStringLiteral("AskSave"));
    box.setInformativeText(kAskSaveDetail.toString());
    box.setLayoutDirection(Qt::RightToLeft);
    box.button(QMessageBox::Save)->setText(kButtonSave.toString());
    box.button(QMessageBox::Discard)->setText(kButtonDiscard.toString());
    box.button(QMessageBox::Cancel)->setText(kButtonCancel.toString());
    box.setDefaultButton(QMessageBox::Save);
    box.setEscapeButton(QMessageBox::Cancel);
    box.exec();
    if (box.clickedButton() == box.button(QMessageBox::Save))
        return save() ? TAnswer::Saved : TAnswer::Cancelled;
    if (box.clickedButton() == box.button(QMessageBox::Discard))
        return TAnswer::Discarded;
    return TAnswer::Cancelled;
}

void TFormSchedule::replaceProject(const QString& path)
{
    FFilePath = path;
    FUnsavedWithoutHistory = false;
    FChangedSinceAutosave = false;
    FDemandRow = QPersistentModelIndex();
    FAutosave.follow(path);
    if (!path.isEmpty())
        rememberRecentFile(path);
    // Why the project opened cannot be evaluated, or nothing; a main that falls short is offered a booster.
    showRefusal();
    updateTitle();
}

bool TFormSchedule::fileNew()
{
    if (askToSave() == TAnswer::Cancelled)
        return false;
    FModel->setProject(newProject());
    replaceProject({});
    return true;
}

bool TFormSchedule::openFile(const QString& path) { return askToSave() != TAnswer::Cancelled && loadProject(path); }

bool TFormSchedule::loadProject(const QString& path)
{
    // Read whole before anything is replaced: a file that cannot be read changes nothing here.
    Project::TProject project;
    QString message;
    if (!Project::readProject(path, project, message)) {
        showWarning(message);
        return false;
    }
    FModel->setProject(std::move(project));
    replaceProject(QFileInfo(path).absoluteFilePath());
    return true;
}

bool TFormSchedule::restoreAutosave(const TScheduleAutosave::TLeftBehind& copy)
{
    if (askToSave() == TAnswer::Cancelled)
        return false;
    FModel->setProject(copy.Project);
    replaceProject(copy.DocumentPath);
    FAutosave.adopt(copy.AutosavePath, copy.DocumentPath);
    // Restored, it still differs from its file (or has none) until it is saved.
    FModel->undoStack()->resetClean();
    FUnsavedWithoutHistory = true;
    updateTitle();
    return true;
}

bool TFormSchedule::save() { return FFilePath.isEmpty() ? saveAs() : saveTo(FFilePath); }

bool TFormSchedule::saveAs()
{
    const QString suggested
        = FFilePath.isEmpty() ? FModel->project().title + QStringLiteral(".keldaran") : QFileInfo(FFilePath).fileName();
    const QString path = chooseFile(TFileRole::SaveProject, suggested);
    return !path.isEmpty() && saveTo(path);
}

bool TFormSchedule::saveTo(const QString& path)
{
    QString message;
    if (!Project::writeProject(path, FModel->project(), message)) {
        showWarning(message);
        return false;
    }
    FAutosave.remove();
    FModel->undoStack()->setClean();
    replaceProject(QFileInfo(path).absoluteFilePath());
    showStatus(kSaved.toString());
    return true;
}

bool TFormSchedule::autosaveNow()
{
    if (!isModified() || !FChangedSinceAutosave)
        return false;
    QString message;
    if (!FAutosave.write(FModel->project(), message)) {
        showStatus(message);
        return false;
    }
    FChangedSinceAutosave = false;
    return true;
}

void TFormSchedule::newCommand() { fileNew(); }
void TFormSchedule::saveCommand() { save(); }
void TFormSchedule::saveAsCommand() { saveAs(); }

void TFormSchedule::openChosen()
{
    // The question first, then the dialog: the user decides about this project before looking for the next.
    if (askToSave() == TAnswer::Cancelled)
        return;
    const QString path = chooseFile(TFileRole::OpenProject, {});
    if (!path.isEmpty())
        loadProject(path);
}

void TFormSchedule::fillRecentMenu()
{
    FRecentMenu->clear();
    for (const QString& path : recentFiles()) {
        QAction* action = FRecentMenu->addAction(QFileInfo(path).fileName(), this, [this, path] { openRecent(path); });
        action->setToolTip(path);
    }
    FRecentMenu->setEnabled(!FRecentMenu->isEmpty());
}

void TFormSchedule::openRecent(const QString& path)
{
    if (!QFileInfo::exists(path))
        forgetRecentFile(path);
    openFile(path);
}
