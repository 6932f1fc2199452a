// The calculator's two design helpers: each opened by its button, one instance each, owned by
// the calculator window; what they apply lands in the fields as if the user had typed it.
#include "Unit1.h"

#include "BudgetDialog.h"
#include "BudgetForm.h"
#include "DemandDialog.h"
#include "DemandForm.h"

#include <QLineEdit>
#include <QScreen>

#include <algorithm>

namespace {

// A helper opens beside the calculator, so that the fields it fills stay in view; the second
// one a little lower, so that both title bars show.
constexpr int kBesideGapPx = 8;
constexpr int kSecondHelperDropPx = 40;

// Right of the calculator; left of it when the screen ends there; on the screen in any case.
QPoint besidePosition(const QWidget* calculator, QSize dialogSize, int dropPx)
{
    const QRect calculatorFrame = calculator->frameGeometry();
    QRect frame(calculatorFrame.topRight() + QPoint(kBesideGapPx, dropPx), dialogSize);
    const QScreen* screen = calculator->screen();
    if (screen == nullptr)
        return frame.topLeft();
    const QRect area = screen->availableGeometry();
    if (frame.right() > area.right())
        frame.moveRight(calculatorFrame.left() - kBesideGapPx);
    frame.moveLeft(std::clamp(frame.left(), area.left(), std::max(area.left(), area.right() - frame.width())));
    frame.moveTop(std::clamp(frame.top(), area.top(), std::max(area.top(), area.bottom() - frame.height())));
    return frame.topLeft();
}

void showBeside(QDialog* dialog, const QWidget* calculator, bool firstShow, int dropPx)
{
    if (firstShow) {
        dialog->adjustSize();
        dialog->move(besidePosition(calculator, dialog->size(), dropPx));
    }
    dialog->show();
    dialog->raise();
    dialog->activateWindow();
}

} // namespace

void TForm1::BtnDemandClick()
{
    const bool firstShow = FDemandDialog == nullptr;
    if (firstShow) {
        FDemandDialog = new TDemandDialog(this);
        connect(FDemandDialog, &TDemandDialog::flowApplied, this,
                [this](double flowGpm) { EditFlow->setText(flowFieldText(flowGpm)); });
        if (FBudgetDialog != nullptr)
            FDemandDialog->setSupply(FBudgetDialog->supply());
        linkSupplyChoices();
    }
    showBeside(FDemandDialog, this, firstShow, 0);
}

void TForm1::BtnBudgetClick()
{
    const bool firstShow = FBudgetDialog == nullptr;
    if (firstShow) {
        FBudgetDialog = new TBudgetDialog(this);
        // Through the field's own change handler, so the conversion readout follows.
        connect(FBudgetDialog, &TBudgetDialog::lossApplied, this,
                [this](double psiPer100ft) { EditPressure->setText(pressureFieldText(psiPer100ft)); });
        if (FDemandDialog != nullptr)
            FBudgetDialog->setSupply(FDemandDialog->supply());
        linkSupplyChoices();
    }
    showBeside(FBudgetDialog, this, firstShow, kSecondHelperDropPx);
}

void TForm1::linkSupplyChoices()
{
    // The budget's fixture pressure follows the system chosen for the demand, and back: one
    // building has one system. A helper opened second has taken the first one's choice; from
    // then on each sets the other only on a change, so the two settle.
    if (FDemandDialog == nullptr || FBudgetDialog == nullptr)
        return;
    connect(FDemandDialog, &TDemandDialog::supplyChanged, FBudgetDialog, &TBudgetDialog::setSupply);
    connect(FBudgetDialog, &TBudgetDialog::supplyChanged, FDemandDialog, &TDemandDialog::setSupply);
}
