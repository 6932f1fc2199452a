#pragma once
// The tanks of a building fed by a booster set. The pump never draws straight from the city main:
// it draws from a storage tank that holds half a day's water, and an on/off set stores water
// between its cut-in and cut-out pressures in a pressure tank, so that the pump does not start
// more often than its motor allows. The pressure tank follows Boyle's law, which holds for
// absolute pressures, so the gauge pressures are made absolute once, at the site's atmosphere.

namespace Design {

// The standard atmosphere (ISO 2533, the troposphere's barometric formula) at sea level, in psi.
inline constexpr double kSeaLevelAtmospherePsi = 14.6959;

// The regulations 16-4-6-1: 12 hours' water at 150 L a person a day.
inline constexpr double kStorageLitresPerOccupant = 75.0;

// The atmospheric pressure at an altitude in metres above sea level, in psi: 14.6959 × (1 −
// 2.25577e-5 h)^5.25588, the standard atmosphere.
[[nodiscard]] double atmosphericPsi(double altitudeM);

struct TPressureTank {
    double drawdownFactor = 0.0; // the share of the tank's volume delivered from cut-out down to cut-in
    double drawdownGal = 0.0;    // the water one pump cycle must store
    double volumeGal = 0.0;      // the tank's total volume
};

// The pressure tank of an on/off set: gauge pressures in psi, the site's atmosphere in psi
// (absolute), the pump's flow in US gpm. The worst cycle comes when the demand is half the pump's
// flow: it runs and rests for equal times, so a cycle of 60 / startsPerHour minutes stores a
// quarter of an hour's pumping divided by the starts, 15 × flow / startsPerHour gallons. False,
// with the tank untouched, for a number that is not finite, a cut-out not above the cut-in, a
// pre-charge above the cut-in or below 0, an atmosphere, flow or starts that is not positive.
[[nodiscard]] bool pressureTank(double cutInPsi, double cutOutPsi, double preChargePsi, double atmosphericPsi,
                                double pumpFlowGpm, double startsPerHour, TPressureTank& tank);

// The storage tank for a number of occupants, in litres: 75 L each.
[[nodiscard]] double storageLitres(double occupants);

} // namespace Design
