#pragma once
// What the pressure-budget helper shows and hands to the calculator, without its widgets: its
// six fields in one table (the members of the budget, in order, each with its unit kind and
// its range), the reading of the typed values in their chosen units, and the texts of the
// outcome. Numbers are read as the calculator's flow field reads them.

#include "Demand.h"
#include "PressureBudget.h"

#include <QString>
#include <QStringList>
#include <QStringView>

#include <array>
#include <span>

enum class TBudgetQuantity { Pressure, Length, Percent };
enum class TBudgetRange { NonNegative, Positive, Any };

// The budget member a field fills, in its unit of psi or ft.
using TBudgetMember = double Design::TPressureBudget::*;

struct TBudgetField {
    const char* Name; // the edit box's object name; its unit box adds "Unit"
    QStringView Label;
    TBudgetMember Member;
    TBudgetQuantity Quantity;
    TBudgetRange Range;
    int DefaultUnit; // index into the quantity's unit list
};

inline constexpr int kBudgetFieldCount = 6;

// The fields in the order of TPressureBudget's members.
[[nodiscard]] std::span<const TBudgetField, kBudgetFieldCount> budgetFields();

// The units a quantity's unit box offers, in the order of Design::TPressureUnit and
// Design::TLengthUnit; a percentage has the one unit "%".
[[nodiscard]] QStringList budgetUnitNames(TBudgetQuantity quantity);

struct TBudgetInput {
    QString Text;
    int Unit = 0;
};

enum class TBudgetState { Ready, BadField, Shortfall, OutOfReach };

struct TBudgetOutcome {
    TBudgetState State = TBudgetState::BadField;
    TBudgetMember Field = nullptr; // the field at fault when BadField
    QString Message;               // why there is no result, when not Ready
    Design::TPressureBudget Budget{};
    Design::TBudgetTerms Terms{};
    double PsiPer100ft = 0.0;
};

// The inputs in the order of the fields.
[[nodiscard]] TBudgetOutcome evaluateBudget(const std::array<TBudgetInput, kBudgetFieldCount>& inputs);

// The result's lines: what is left for friction, the equivalent length, the allowable loss in
// psi/100ft and kPa/m, the arithmetic in one line, and the chart's range when the loss lies
// outside it. Without a result, the message; for a shortfall also the sum that falls short.
[[nodiscard]] QString budgetSummaryText(const TBudgetOutcome& outcome);

// The loss as the pressure field holds it: two decimals on the chart; outside it, every digit
// that tells the value, since two decimals could round a small loss to nothing.
[[nodiscard]] QString pressureFieldText(double psiPer100ft);

// The fixture's least pressure for a system, as the fixture field is prefilled with it.
[[nodiscard]] QString leastFixturePressureText(Design::TSupply supply);
