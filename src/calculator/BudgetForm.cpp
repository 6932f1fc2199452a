#include "BudgetForm.h"

#include "BudgetText.h"
#include "DesignTexts.h"
#include "NomogramFrame.h"
#include "NumberInput.h"
#include "NumberText.h"
#include "Units.h"

#include <cmath>

namespace {

using namespace DesignTexts;
using Q = TBudgetQuantity;
using R = TBudgetRange;

constexpr int kPsi = static_cast<int>(Design::TPressureUnit::Psi);
constexpr int kBar = static_cast<int>(Design::TPressureUnit::Bar);
constexpr int kMetre = static_cast<int>(Design::TLengthUnit::Metre);
constexpr int kDecimals = 2;
constexpr int kFactorDecimals = 4;
// A loss on the chart's left edge, 0.1 psi/100ft, is 0.023 kPa/m.
constexpr int kLossKPaDecimals = 3;

using B = Design::TPressureBudget;

// Gauges here read in bar, the fixture's least pressure is quoted in psi, and runs are measured
// in metres. The height may be negative: a roof tank stands above the fixture.
// clang-format off
constexpr std::array<TBudgetField, kBudgetFieldCount> kFields{{
    {"BudgetSource",   kFieldSource,   &B::sourcePsi,          Q::Pressure, R::NonNegative, kBar},
    {"BudgetMeter",    kFieldMeter,    &B::meterAndDevicesPsi, Q::Pressure, R::NonNegative, kBar},
    {"BudgetHeight",   kFieldHeight,   &B::heightFt,           Q::Length,   R::Any,         kMetre},
    {"BudgetFixture",  kFieldFixture,  &B::fixturePsi,         Q::Pressure, R::NonNegative, kPsi},
    {"BudgetLength",   kFieldLength,   &B::developedLengthFt,  Q::Length,   R::Positive,    kMetre},
    {"BudgetFittings", kFieldFittings, &B::fittingsPercent,    Q::Percent,  R::NonNegative, 0},
}};
// clang-format on

double inBudgetUnits(double value, const TBudgetField& field, int unit)
{
    switch (field.Quantity) {
    case Q::Pressure: return Design::pressurePsi(value, static_cast<Design::TPressureUnit>(unit));
    case Q::Length: return Design::lengthFt(value, static_cast<Design::TLengthUnit>(unit));
    case Q::Percent: break;
    }
    return value;
}

TBudgetOutcome badField(const TBudgetField& field, QStringView message)
{
    TBudgetOutcome outcome;
    outcome.Field = field.Member;
    outcome.Message = message.toString().arg(field.Label);
    return outcome;
}

QString number(double value) { return formatFixed(value, kDecimals); }

QString availableArithmetic(const Design::TPressureBudget& b)
{
    return ::availableArithmetic(b.sourcePsi, b.meterAndDevicesPsi, Design::kPsiPerFtOfWater, b.heightFt, b.fixturePsi);
}

} // namespace

std::span<const TBudgetField, kBudgetFieldCount> budgetFields() { return kFields; }

QStringList budgetUnitNames(TBudgetQuantity quantity)
{
    switch (quantity) {
    case Q::Pressure: return QStringList(Design::kPressureUnitSymbols.begin(), Design::kPressureUnitSymbols.end());
    case Q::Length: return QStringList(Design::kLengthUnitSymbols.begin(), Design::kLengthUnitSymbols.end());
    case Q::Percent: break;
    }
    return {QStringLiteral("%")};
}

TBudgetOutcome evaluateBudget(const std::array<TBudgetInput, kBudgetFieldCount>& inputs)
{
    Design::TPressureBudget budget{};
    for (std::size_t i = 0; i < kFields.size(); ++i) {
        const TBudgetField& field = kFields[i];
        double typed = 0.0;
        if (!parseNumberEitherMark(inputs[i].Text, typed))
            return badField(field, kBadField);
        if (field.Range != R::Any && typed < 0.0)
            return badField(field, kNegativeField);
        if (field.Range == R::Positive && typed == 0.0)
            return badField(field, kNotPositiveField);
        const double member = inBudgetUnits(typed, field, inputs[i].Unit);
        // A huge value in a larger unit can overflow, and a tiny length can vanish, on the way to psi or ft.
        if (!std::isfinite(member) || (field.Range == R::Positive && member <= 0.0))
            return badField(field, kBadField);
        budget.*field.Member = member;
    }
    TBudgetOutcome outcome;
    outcome.Budget = budget;
    if (!Design::budgetTerms(outcome.Budget, outcome.Terms)) {
        outcome.State = TBudgetState::OutOfReach;
        outcome.Message = kOutOfReach.toString();
        return outcome;
    }
    if (outcome.Terms.availablePsi <= 0.0) {
        outcome.State = TBudgetState::Shortfall;
        outcome.Message
            = kShortfall.toString().arg(leftToRight(number(-outcome.Terms.availablePsi) + QStringLiteral(" psi")));
        return outcome;
    }
    if (!Design::allowableLossPsiPer100ft(outcome.Budget, outcome.PsiPer100ft)) {
        outcome.State = TBudgetState::OutOfReach;
        outcome.Message = kOutOfReach.toString();
        return outcome;
    }
    outcome.State = TBudgetState::Ready;
    return outcome;
}

QString budgetSummaryText(const TBudgetOutcome& outcome)
{
    const Design::TPressureBudget& b = outcome.Budget;
    if (outcome.State == TBudgetState::Shortfall)
        return outcome.Message + QLatin1Char('\n')
            + leftToRight(availableArithmetic(b) + QStringLiteral(" = ") + number(outcome.Terms.availablePsi)
                          + QStringLiteral(" psi"));
    if (outcome.State != TBudgetState::Ready)
        return outcome.Message;
    const QString factor = formatUpTo(1.0 + b.fittingsPercent / 100.0, kFactorDecimals);
    const QString lossKPa = formatFixed(Design::lossKPaPerMetre(outcome.PsiPer100ft), kLossKPaDecimals);
    QString text = QStringLiteral("%1: %2\n")
                       .arg(kAvailable, leftToRight(number(outcome.Terms.availablePsi) + QStringLiteral(" psi")))
        + QStringLiteral("%1: %2\n")
              .arg(kEquivalentLength, leftToRight(number(outcome.Terms.equivalentLengthFt) + QStringLiteral(" ft")))
        + QStringLiteral("%1: %2\n")
              .arg(kAllowableLoss,
                   leftToRight(number(outcome.PsiPer100ft) + QStringLiteral(" psi/100ft = ") + lossKPa
                               + QStringLiteral(" kPa/m")))
        + leftToRight(QStringLiteral("(") + availableArithmetic(b) + QStringLiteral(u") × 100 ÷ (")
                      + number(b.developedLengthFt) + QStringLiteral(u" × ") + factor + QStringLiteral(") = ")
                      + number(outcome.PsiPer100ft));
    if (outcome.PsiPer100ft < Nomogram::kLeastPsiPer100ft || outcome.PsiPer100ft > Nomogram::kMostPsiPer100ft)
        text += QLatin1Char('\n') + kChartRangeNote.toString();
    return text;
}

QString pressureFieldText(double psiPer100ft)
{
    if (psiPer100ft >= Nomogram::kLeastPsiPer100ft && psiPer100ft <= Nomogram::kMostPsiPer100ft)
        return formatFixed(psiPer100ft, kDecimals);
    return formatGeneral(psiPer100ft);
}

QString leastFixturePressureText(Design::TSupply supply)
{
    return formatUpTo(Design::leastFixturePsi(supply), kDecimals);
}
