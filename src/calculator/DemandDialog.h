#pragma once
// The demand helper: counts of the fixtures of the regulations' table (or a typed total load),
// the column and the system, and the demand read on Hunter's curve. Modeless; "Apply" (or
// Enter) hands the demand to the calculator's flow field, Esc hides it. The arithmetic and the
// texts are in DemandForm.

#include "Demand.h"
#include "DemandForm.h"

#include <QDialog>

#include <vector>

class QLabel;
class QLineEdit;
class QRadioButton;
class QSpinBox;
class QWidget;
class TSupplyChoice;

class TDemandDialog : public QDialog {
    Q_OBJECT

public:
    explicit TDemandDialog(QWidget* parent = nullptr);

    [[nodiscard]] Design::TSupply supply() const;
    void setSupply(Design::TSupply supply);

signals:
    void flowApplied(double flowGpm);
    // The same Apply, as the load it was read from: for a schedule row, sized with its schedule's system.
    void loadApplied(double fixtureUnits);
    void supplyChanged(Design::TSupply supply);

private:
    void fillFixtureTable();
    [[nodiscard]] Design::TLoadColumn column() const;
    [[nodiscard]] TDemandOutcome outcome() const;
    void refresh();
    void apply();

    std::vector<QSpinBox*> FCounts;
    std::vector<QLabel*> FLoads;
    QRadioButton* FColumnTotal = nullptr;
    QRadioButton* FColumnCold = nullptr;
    QRadioButton* FColumnHot = nullptr;
    TSupplyChoice* FSupply = nullptr;
    QLineEdit* FDirectLoad = nullptr;
    QLabel* FSummary = nullptr;
};
