// The calculator window from the keyboard. The flat buttons take no focus, so the class is
// chosen with Ctrl+1, Ctrl+2 and Ctrl+3 (each as a click on its button) and Enter in the
// pressure or flow field calculates (Unit1.cpp's key filter). Ctrl+C copies the last
// calculation as plain text for a report, unless some field has text selected to copy.
#include "Unit1.h"

#include "Unit1Texts.h"
#include "Win11Button.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>

namespace {
const QString kChooseWith = QStringLiteral("انتخاب با ");
} // namespace

void TForm1::setUpKeyboard()
{
    struct TClassKey {
        const char* name;
        Qt::Key key;
        TWin11Button* button;
        void (TForm1::*click)();
    };
    const TClassKey classKeys[] = {
        {"actSmooth", Qt::Key_1, BtnSmooth, &TForm1::BtnSmoothClick},
        {"actSemiSmooth", Qt::Key_2, BtnSemiSmooth, &TForm1::BtnSemiSmoothClick},
        {"actRough", Qt::Key_3, BtnRough, &TForm1::BtnRoughClick},
    };
    for (const TClassKey& classKey : classKeys) {
        auto* action = new QAction(this);
        action->setObjectName(QString::fromLatin1(classKey.name));
        action->setShortcut(QKeySequence(Qt::CTRL | classKey.key));
        connect(action, &QAction::triggered, this, classKey.click);
        addAction(action);
        classKey.button->setToolTip(kChooseWith + action->shortcut().toString(QKeySequence::NativeText));
    }

    auto* schedule = new QAction(this);
    schedule->setObjectName(QStringLiteral("actSchedule"));
    schedule->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_T));
    connect(schedule, &QAction::triggered, this, &TForm1::BtnScheduleClick);
    addAction(schedule);
    BtnSchedule->setToolTip(
        Unit1Texts::kOpenWith.toString().arg(schedule->shortcut().toString(QKeySequence::NativeText)));

    auto* copy = new QAction(this);
    copy->setObjectName(QStringLiteral("actCopyResults"));
    copy->setShortcut(QKeySequence::Copy);
    connect(copy, &QAction::triggered, this, &TForm1::actCopyResultsExecute);
    addAction(copy);
    // The result and notice fields pass Ctrl+C on to the window when nothing is selected in
    // them; the number fields are watched already.
    for (QWidget* field : std::initializer_list<QWidget*>{EditPipe, EditVelocity, ErrorVelocity, MemoWidget})
        field->installEventFilter(this);
}

bool TForm1::hasTextSelection() const
{
    for (const QLineEdit* field : findChildren<QLineEdit*>())
        if (field->hasSelectedText())
            return true;
    for (const QTextEdit* field : findChildren<QTextEdit*>())
        if (field->textCursor().hasSelection())
            return true;
    for (const QPlainTextEdit* field : findChildren<QPlainTextEdit*>())
        if (field->textCursor().hasSelection())
            return true;
    return false;
}

bool TForm1::lastCalculation(TCalculationSummary& summary) const
{
    if (!FHasCalculation)
        return false;
    summary = FLastCalculation;
    return true;
}

void TForm1::actCopyResultsExecute()
{
    if (FHasCalculation)
        QGuiApplication::clipboard()->setText(calculationSummaryText(FLastCalculation));
}
