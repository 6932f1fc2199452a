#include "ScheduleRecovery.h"

#include "ScheduleTexts.h"

#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>

TRestoreAnswer askToRestore(QWidget* parent, const TScheduleAutosave::TLeftBehind& copy)
{
    using namespace ScheduleTexts;
    const QString name = copy.DocumentPath.isEmpty() ? kUntitled.toString() : QFileInfo(copy.DocumentPath).fileName();
    const QString when = leftToRight(copy.SavedAt.toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm")));
    QMessageBox box(QMessageBox::Question, kCaptionSchedule.toString(), kAskRestore.toString().arg(name, when),
                    QMessageBox::Yes | QMessageBox::Discard | QMessageBox::Cancel, parent);
    box.setObjectName(QStringLiteral("AskRestore"));
    box.setLayoutDirection(Qt::RightToLeft);
    box.button(QMessageBox::Yes)->setText(kButtonRestore.toString());
    box.button(QMessageBox::Discard)->setText(kButtonThrowAway.toString());
    box.button(QMessageBox::Cancel)->setText(kButtonLater.toString());
    box.setDefaultButton(QMessageBox::Yes);
    box.setEscapeButton(QMessageBox::Cancel);
    box.exec();
    if (box.clickedButton() == box.button(QMessageBox::Yes))
        return TRestoreAnswer::Restore;
    if (box.clickedButton() == box.button(QMessageBox::Discard))
        return TRestoreAnswer::ThrowAway;
    return TRestoreAnswer::Later;
}
