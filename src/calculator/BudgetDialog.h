#pragma once
// The pressure-budget helper: the pressure at the source, the losses that are not friction and
// the longest run, each in a unit of the user's choice, and the friction loss per 100 ft they
// leave. Modeless; "Apply" (or Enter) hands the loss to the calculator's pressure field, Esc
// hides it. The fields' table, the arithmetic and the texts are in BudgetForm.

#include "BudgetForm.h"
#include "Demand.h"

#include <QDialog>

#include <vector>

class QComboBox;
class QLabel;
class QLineEdit;
class TSupplyChoice;

class TBudgetDialog : public QDialog {
    Q_OBJECT

public:
    explicit TBudgetDialog(QWidget* parent = nullptr);

    [[nodiscard]] Design::TSupply supply() const;
    // Also refills the fixture's least pressure, unless the user has typed one of their own.
    void setSupply(Design::TSupply supply);

signals:
    void lossApplied(double psiPer100ft);
    void supplyChanged(Design::TSupply supply);

private:
    // One row of fields, made from the field's entry in BudgetForm's table.
    struct TFieldControls {
        TBudgetMember member;
        QLineEdit* edit;
        QComboBox* unit; // none for a quantity with one unit (the fittings' percentage)
    };

    void addFieldRow(const TBudgetField& field, int row);
    [[nodiscard]] const TFieldControls* controls(TBudgetMember member) const;
    [[nodiscard]] TBudgetOutcome outcome() const;
    void prefillFixturePressure();
    void refresh();
    void apply();

    std::vector<TFieldControls> FFields;
    TSupplyChoice* FSupply = nullptr;
    QLabel* FSummary = nullptr;
    // Set once the user types into the fixture's field; a change of system then leaves it alone.
    bool FFixtureTyped = false;
};
