#pragma once
// Pipes that have no nomogram: the plastics are sized by Darcy-Weisbach on their real bore, with
// the Colebrook-White friction factor and the water's own density and viscosity at its
// temperature. Everything here is SI (mm for a pipe's dimensions, L/s, kPa/m); the sizing
// method converts to its US units on its own floor.

#include <string>
#include <string_view>
#include <vector>

namespace Hydraulics {

struct TPipeSize {
    std::string name; // as the trade writes it, e.g. "25×4.2"
    double outsideMm = 0.0;
    double wallMm = 0.0;
    [[nodiscard]] double insideMm() const { return outsideMm - 2.0 * wallMm; }
};

struct TMaterial {
    std::string id;               // as in the project file
    std::string name;             // for the window and the report
    double roughnessMm = 0.0;     // absolute roughness
    std::vector<TPipeSize> sizes; // smallest bore first
};

// The built-in materials, in the order the window offers them.
[[nodiscard]] const std::vector<TMaterial>& materials();
[[nodiscard]] const TMaterial* findMaterial(std::string_view id); // nullptr when unknown

inline constexpr double kLeastWaterTemperatureC = 0.0;
inline constexpr double kMostWaterTemperatureC = 100.0;

struct TWater {
    double densityKgPerM3 = 0.0;
    double kinematicViscosityM2PerS = 0.0;
};
// false, with water untouched, outside 0-100 °C or for a temperature that is not finite.
[[nodiscard]] bool water(double temperatureC, TWater& water);

// At or below this Reynolds number the flow is taken as laminar, f = 64/Re.
inline constexpr double kLaminarMostReynolds = 2300.0;

// The Darcy friction factor: 64/Re when laminar, otherwise Colebrook-White's root. 0 for a
// Reynolds number that is not finite and positive, a relative roughness (roughness over bore)
// that is not finite or is negative, or one so large that Colebrook-White has no positive root.
[[nodiscard]] double frictionFactor(double reynolds, double relativeRoughness);

struct TFlowLoss {
    double velocityMPerS = 0.0;
    double reynolds = 0.0;
    double frictionFactor = 0.0;
    double lossKPaPerM = 0.0;
};
// The flow's velocity and friction loss in a full round pipe. false, with out untouched, for a
// bore or flow that is not finite and positive, a roughness that is not finite or is negative, a
// temperature water() refuses, or a flow so large that the loss overflows.
[[nodiscard]] bool flowLoss(double insideMm, double roughnessMm, double flowLitresPerSecond, double temperatureC,
                            TFlowLoss& out);

} // namespace Hydraulics
