#include "BudgetDialog.h"

#include "DesignDialogParts.h"
#include "DesignTexts.h"
#include "PlainMessage.h"
#include "SupplyChoice.h"
#include "TextTrim.h"
#include "Units.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <array>

namespace {

using K = TDialogKind;
using B = Design::TPressureBudget;

enum TBudgetColumn { kLabelCol, kEditCol, kUnitCol, kColumnCount };
// The fields' rows lie between the system and the summary.
constexpr int kFirstFieldRow = 1;
constexpr int kSummaryRow = kFirstFieldRow + kBudgetFieldCount;
constexpr int kSummaryMinWidthPx = 460;

// clang-format off
constexpr auto kLayout = std::to_array<TDialogCell>({
    // object name,   text, kind,             row,             column,    columns
    {"SupplyChoice",  {},   K::SupplyChoice,  0,               kLabelCol, kColumnCount},
    {"BudgetSummary", {},   K::Summary,       kSummaryRow,     kLabelCol, kColumnCount},
    {"ApplyAndClose", {},   K::ApplyAndClose, kSummaryRow + 1, kLabelCol, kColumnCount},
});
// clang-format on

} // namespace

TBudgetDialog::TBudgetDialog(QWidget* parent)
    : QDialog(parent)
{
    prepareDesignDialog(this, "BudgetDialog", DesignTexts::kBudgetTitle.toString());
    auto* grid = new QGridLayout(this);
    addDialogCells(grid, this, kLayout, [this](int row) {
        if (row >= kFirstFieldRow && row < kSummaryRow)
            addFieldRow(budgetFields()[static_cast<std::size_t>(row - kFirstFieldRow)], row);
    });
    grid->setColumnStretch(kLabelCol, 1);
    FSupply = dialogChild<TSupplyChoice>(this, "SupplyChoice");
    FSummary = dialogChild<QLabel>(this, "BudgetSummary");
    FSummary->setMinimumWidth(kSummaryMinWidthPx);
    controls(&B::heightFt)->edit->setPlaceholderText(DesignTexts::kHeightHint.toString());

    connect(dialogChild<QPushButton>(this, "BtnApply"), &QPushButton::clicked, this, &TBudgetDialog::apply);
    connect(controls(&B::fixturePsi)->edit, &QLineEdit::textEdited, this, [this] { FFixtureTyped = true; });
    connect(FSupply, &TSupplyChoice::supplyChanged, this, [this](Design::TSupply supply) {
        prefillFixturePressure();
        emit supplyChanged(supply);
    });
    prefillFixturePressure();
    refresh();
}

// The field's name, its edit box and its unit: a box of units, or the one unit it has.
void TBudgetDialog::addFieldRow(const TBudgetField& field, int row)
{
    auto* grid = static_cast<QGridLayout*>(layout());
    addDialogCell(grid, this, {nullptr, field.Label, K::Caption, row, kLabelCol});
    auto* edit = static_cast<QLineEdit*>(addDialogCell(grid, this, {field.Name, {}, K::NumberField, row, kEditCol}));
    connect(edit, &QLineEdit::textChanged, this, &TBudgetDialog::refresh);
    QComboBox* unit = nullptr;
    const QStringList units = budgetUnitNames(field.Quantity);
    if (units.size() == 1) {
        addDialogCell(grid, this, {nullptr, units.first(), K::Caption, row, kUnitCol});
    } else {
        const QByteArray unitName = QByteArray(field.Name) + "Unit";
        unit
            = static_cast<QComboBox*>(addDialogCell(grid, this, {unitName.constData(), {}, K::UnitBox, row, kUnitCol}));
        unit->addItems(units);
        unit->setCurrentIndex(field.DefaultUnit);
        connect(unit, &QComboBox::currentIndexChanged, this, &TBudgetDialog::refresh);
    }
    FFields.push_back({field.Member, edit, unit});
}

const TBudgetDialog::TFieldControls* TBudgetDialog::controls(TBudgetMember member) const
{
    for (const TFieldControls& field : FFields)
        if (field.member == member)
            return &field;
    return nullptr;
}

Design::TSupply TBudgetDialog::supply() const { return FSupply->supply(); }

void TBudgetDialog::setSupply(Design::TSupply supply) { FSupply->setSupply(supply); }

void TBudgetDialog::prefillFixturePressure()
{
    if (FFixtureTyped)
        return;
    const TFieldControls* fixture = controls(&B::fixturePsi);
    fixture->unit->setCurrentIndex(static_cast<int>(Design::TPressureUnit::Psi));
    fixture->edit->setText(leastFixturePressureText(supply()));
}

TBudgetOutcome TBudgetDialog::outcome() const
{
    std::array<TBudgetInput, kBudgetFieldCount> inputs;
    for (std::size_t i = 0; i < inputs.size(); ++i)
        inputs[i] = {FFields[i].edit->text(), FFields[i].unit != nullptr ? FFields[i].unit->currentIndex() : 0};
    return evaluateBudget(inputs);
}

void TBudgetDialog::refresh()
{
    // A field not filled in yet is no mistake while the user is still typing; "Apply" names it.
    const TBudgetOutcome result = outcome();
    const TFieldControls* atFault = result.State == TBudgetState::BadField ? controls(result.Field) : nullptr;
    const bool unfinished = atFault != nullptr && trimmedOfBlanksAndControls(atFault->edit->text()).isEmpty();
    FSummary->setText(unfinished ? QString() : budgetSummaryText(result));
}

void TBudgetDialog::apply()
{
    const TBudgetOutcome result = outcome();
    if (result.State != TBudgetState::Ready) {
        showPlainMessage(result.Message);
        if (const TFieldControls* atFault = controls(result.Field); atFault != nullptr)
            atFault->edit->setFocus();
        return;
    }
    emit lossApplied(result.PsiPer100ft);
}
