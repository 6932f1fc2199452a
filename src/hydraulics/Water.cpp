// The water's density and viscosity between freezing and boiling at atmospheric pressure.
#include "Hydraulics.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>

namespace Hydraulics {
namespace {

struct TWaterRow {
    double densityKgPerM3;
    double viscosityMPaS; // dynamic
};

// Pure water at atmospheric pressure every 10 °C from 0 to 100 °C, as the standard property
// tables give it: the density of the CRC Handbook of Chemistry and Physics, the viscosity of the
// IAPWS formulation. Between rows both are interpolated linearly.
constexpr double kStepC = 10.0;
constexpr std::array<TWaterRow, 11> kWaterTable = {{
    {999.84, 1.7914},
    {999.70, 1.3060},
    {998.21, 1.0016},
    {995.65, 0.7972},
    {992.22, 0.6527},
    {988.03, 0.5465},
    {983.20, 0.4660},
    {977.76, 0.4035},
    {971.79, 0.3540},
    {965.31, 0.3142},
    {958.35, 0.2816},
}};

constexpr double kPaSPerMPaS = 1e-3;

} // namespace

bool water(double temperatureC, TWater& out)
{
    if (!std::isfinite(temperatureC) || temperatureC < kLeastWaterTemperatureC || temperatureC > kMostWaterTemperatureC)
        return false;
    // 100 °C falls in the last interval, at its upper end.
    const std::size_t below = std::min(static_cast<std::size_t>(temperatureC / kStepC), kWaterTable.size() - 2);
    const double t = (temperatureC - static_cast<double>(below) * kStepC) / kStepC;
    const TWaterRow& a = kWaterTable[below];
    const TWaterRow& b = kWaterTable[below + 1];
    const double densityKgPerM3 = a.densityKgPerM3 + t * (b.densityKgPerM3 - a.densityKgPerM3);
    const double viscosityPaS = (a.viscosityMPaS + t * (b.viscosityMPaS - a.viscosityMPaS)) * kPaSPerMPaS;
    out.densityKgPerM3 = densityKgPerM3;
    out.kinematicViscosityM2PerS = viscosityPaS / densityKgPerM3;
    return true;
}

} // namespace Hydraulics
