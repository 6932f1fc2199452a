#include "PressureBudget.h"

#include <cmath>
#include <initializer_list>

namespace Design {
namespace {

bool membersInRange(const TPressureBudget& b)
{
    for (const double member :
         {b.sourcePsi, b.meterAndDevicesPsi, b.heightFt, b.fixturePsi, b.developedLengthFt, b.fittingsPercent}) {
        if (!std::isfinite(member))
            return false;
    }
    return b.sourcePsi >= 0.0 && b.meterAndDevicesPsi >= 0.0 && b.fixturePsi >= 0.0 && b.developedLengthFt > 0.0
        && b.fittingsPercent >= 0.0;
}

} // namespace

bool budgetTerms(const TPressureBudget& budget, TBudgetTerms& terms)
{
    if (!membersInRange(budget))
        return false;
    const double heightPsi = kPsiPerFtOfWater * budget.heightFt;
    const double availablePsi = budget.sourcePsi - budget.meterAndDevicesPsi - heightPsi - budget.fixturePsi;
    const double equivalentLengthFt = budget.developedLengthFt * (1.0 + budget.fittingsPercent / 100.0);
    if (!std::isfinite(availablePsi) || !std::isfinite(equivalentLengthFt))
        return false;
    terms = {heightPsi, availablePsi, equivalentLengthFt};
    return true;
}

bool allowableLossPsiPer100ft(const TPressureBudget& budget, double& psiPer100ft)
{
    TBudgetTerms terms{};
    if (!budgetTerms(budget, terms) || terms.availablePsi <= 0.0)
        return false;
    const double result = terms.availablePsi * 100.0 / terms.equivalentLengthFt;
    // A tiny length under a large pressure can overflow, and a tiny surplus over a long run
    // can underflow to 0, which leaves nothing to read the chart at either.
    if (!std::isfinite(result) || result <= 0.0)
        return false;
    psiPer100ft = result;
    return true;
}

} // namespace Design
