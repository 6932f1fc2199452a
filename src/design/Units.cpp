#include "Units.h"

#include "PressureBudget.h"

namespace Design {

double pressurePsi(double value, TPressureUnit unit)
{
    switch (unit) {
    case TPressureUnit::Psi: return value;
    case TPressureUnit::Bar: return value * kPsiPerBar;
    case TPressureUnit::KPa: return value * kPsiPerKPa;
    case TPressureUnit::MetreOfWater: return value / kMetresPerFoot * kPsiPerFtOfWater;
    }
    return value;
}

double lengthFt(double value, TLengthUnit unit) { return unit == TLengthUnit::Metre ? value / kMetresPerFoot : value; }

double flowLitresPerSecond(double flowGpm) { return flowGpm * kLitresPerSecondPerGpm; }

double lossKPaPerMetre(double psiPer100ft) { return psiPer100ft * kKPaPerMetrePerPsiPer100ft; }

} // namespace Design
