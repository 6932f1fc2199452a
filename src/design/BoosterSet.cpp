#include "BoosterSet.h"

#include <cmath>
#include <initializer_list>

namespace Design {
namespace {

// The standard atmosphere's constants below 11 km (ISO 2533): the temperature's lapse over the
// sea-level temperature, per metre, and the exponent g·M / (R·L).
constexpr double kLapsePerMetre = 2.25577e-5;
constexpr double kBarometricExponent = 5.25588;

// A quarter of an hour's pumping, in minutes: half of each cycle runs at twice the demand.
constexpr double kMinutesPerHourOverFour = 15.0;

} // namespace

double atmosphericPsi(double altitudeM)
{
    return kSeaLevelAtmospherePsi * std::pow(1.0 - kLapsePerMetre * altitudeM, kBarometricExponent);
}

bool pressureTank(double cutInPsi, double cutOutPsi, double preChargePsi, double atmosphericPsi, double pumpFlowGpm,
                  double startsPerHour, TPressureTank& tank)
{
    for (const double v : {cutInPsi, cutOutPsi, preChargePsi, atmosphericPsi, pumpFlowGpm, startsPerHour})
        if (!std::isfinite(v))
            return false;
    if (!(cutOutPsi > cutInPsi) || preChargePsi < 0.0 || preChargePsi > cutInPsi || !(atmosphericPsi > 0.0)
        || !(pumpFlowGpm > 0.0) || !(startsPerHour > 0.0))
        return false;
    // Boyle: the air that fills the tank at the pre-charge is squeezed to cut-in and cut-out; the
    // water between the two is the share of the tank drawn down.
    const double preAbsolute = preChargePsi + atmosphericPsi;
    const double factor = preAbsolute * (1.0 / (cutInPsi + atmosphericPsi) - 1.0 / (cutOutPsi + atmosphericPsi));
    const double drawdownGal = kMinutesPerHourOverFour * pumpFlowGpm / startsPerHour;
    const double volumeGal = drawdownGal / factor;
    if (!(factor > 0.0) || !std::isfinite(volumeGal))
        return false;
    tank = {factor, drawdownGal, volumeGal};
    return true;
}

double storageLitres(double occupants) { return kStorageLitresPerOccupant * occupants; }

} // namespace Design
