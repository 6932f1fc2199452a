#include "BudgetDialog.h"

#include "DesignDialogParts.h"
#include "DesignTexts.h"
#include "PlainMessage.h"
#include "TextTrim.h"
#include "Units.h"

#include <QBoxLayout>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

namespace {

enum TFieldColumn { kLabelCol, kEditCol, kUnitCol };
constexpr int kEditWidthPx = 110;
constexpr int kSummaryMinWidthPx = 460;

} // namespace

TBudgetDialog::TBudgetDialog(QWidget* parent)
    : QDialog(parent)
{
    prepareDesignDialog(this, "BudgetDialog", DesignTexts::kBudgetTitle.toString());
    auto* layout = new QVBoxLayout(this);
    const TSupplyChoice supplies = addSupplyChoice(layout, this);
    FFlushTank = supplies.FlushTank;
    FFlushValve = supplies.FlushValve;

    auto* grid = new QGridLayout;
    int row = 0;
    for (const TBudgetField& field : budgetFields()) {
        const auto index = static_cast<std::size_t>(row);
        const QString name = QString::fromLatin1(field.Name);
        grid->addWidget(new QLabel(field.Label.toString(), this), row, kLabelCol);
        auto* edit = new QLineEdit(this);
        edit->setObjectName(name);
        edit->setAlignment(Qt::AlignCenter);
        edit->setFixedWidth(kEditWidthPx);
        grid->addWidget(edit, row, kEditCol);
        FFields[index] = edit;
        connect(edit, &QLineEdit::textChanged, this, &TBudgetDialog::refresh);
        const QStringList units = budgetUnitNames(field.Quantity);
        if (units.size() == 1) {
            grid->addWidget(new QLabel(units.first(), this), row, kUnitCol);
        } else {
            auto* unit = new QComboBox(this);
            unit->setObjectName(name + QStringLiteral("Unit"));
            unit->addItems(units);
            unit->setCurrentIndex(field.DefaultUnit);
            // Unit symbols are Latin and read left to right.
            unit->setLayoutDirection(Qt::LeftToRight);
            grid->addWidget(unit, row, kUnitCol);
            FUnits[index] = unit;
            connect(unit, &QComboBox::currentIndexChanged, this, &TBudgetDialog::refresh);
        }
        ++row;
    }
    FFields[kHeightField]->setPlaceholderText(DesignTexts::kHeightHint.toString());
    grid->setColumnStretch(kLabelCol, 1);
    layout->addLayout(grid);

    FSummary = addSummary(layout, this, "BudgetSummary");
    FSummary->setMinimumWidth(kSummaryMinWidthPx);
    addApplyAndClose(layout, this, [this] { apply(); });

    connect(FFields[kFixtureField], &QLineEdit::textEdited, this, [this] { FFixtureTyped = true; });
    connect(FFlushTank, &QRadioButton::toggled, this, [this] {
        prefillFixturePressure();
        emit supplyChanged(supply());
    });
    prefillFixturePressure();
    refresh();
}

Design::TSupply TBudgetDialog::supply() const
{
    return FFlushValve->isChecked() ? Design::TSupply::FlushValve : Design::TSupply::FlushTank;
}

void TBudgetDialog::setSupply(Design::TSupply supply)
{
    (supply == Design::TSupply::FlushValve ? FFlushValve : FFlushTank)->setChecked(true);
}

void TBudgetDialog::prefillFixturePressure()
{
    if (FFixtureTyped)
        return;
    FUnits[kFixtureField]->setCurrentIndex(static_cast<int>(Design::TPressureUnit::Psi));
    FFields[kFixtureField]->setText(leastFixturePressureText(supply()));
}

TBudgetOutcome TBudgetDialog::outcome() const
{
    std::array<TBudgetInput, kBudgetFieldCount> inputs;
    for (std::size_t i = 0; i < inputs.size(); ++i)
        inputs[i] = {FFields[i]->text(), FUnits[i] != nullptr ? FUnits[i]->currentIndex() : 0};
    return evaluateBudget(inputs);
}

void TBudgetDialog::refresh()
{
    // A field not filled in yet is no mistake while the user is still typing; "Apply" names it.
    const TBudgetOutcome result = outcome();
    const bool unfinished = result.State == TBudgetState::BadField
        && trimmedOfBlanksAndControls(FFields[static_cast<std::size_t>(result.Field)]->text()).isEmpty();
    FSummary->setText(unfinished ? QString() : budgetSummaryText(result));
}

void TBudgetDialog::apply()
{
    const TBudgetOutcome result = outcome();
    if (result.State != TBudgetState::Ready) {
        showPlainMessage(result.Message);
        if (result.State == TBudgetState::BadField)
            FFields[static_cast<std::size_t>(result.Field)]->setFocus();
        return;
    }
    emit lossApplied(result.PsiPer100ft);
}
