// Darcy-Weisbach with the Colebrook-White friction factor.
#include "Hydraulics.h"

#include <cmath>
#include <numbers>

namespace Hydraulics {
namespace {

constexpr double kLaminarCoefficient = 64.0;
// Colebrook-White: 1/sqrt(f) = -2 log10(e/(3.7 D) + 2.51/(Re sqrt(f))).
constexpr double kColebrookRoughnessDivisor = 3.7;
constexpr double kColebrookReynoldsTerm = 2.51;
// Swamee-Jain's explicit approximation starts the iteration within a few per cent of the root.
constexpr double kSwameeJainReynoldsTerm = 5.74;
constexpr double kSwameeJainReynoldsPower = 0.9;
// Each step shrinks the error by about 0.87 / x (x = 1/sqrt(f), 3 or more above laminar), so
// twenty steps from Swamee-Jain's start are ample; the bound only guards against a pathological input.
constexpr double kRelativeTolerance = 1e-12;
constexpr int kMostIterations = 50;

constexpr double kMmPerM = 1000.0;
constexpr double kLitresPerM3 = 1000.0;
constexpr double kPaPerKPa = 1000.0;

bool isPositive(double v) { return std::isfinite(v) && v > 0.0; }

// x = 1/sqrt(f) by fixed-point iteration on Colebrook-White; 0 when it has no positive root.
double colebrookInverseRoot(double reynolds, double relativeRoughness)
{
    const double roughnessTerm = relativeRoughness / kColebrookRoughnessDivisor;
    const double start
        = -2.0 * std::log10(roughnessTerm + kSwameeJainReynoldsTerm / std::pow(reynolds, kSwameeJainReynoldsPower));
    double x = start;
    for (int i = 0; i < kMostIterations && x > 0.0; ++i) {
        const double next = -2.0 * std::log10(roughnessTerm + kColebrookReynoldsTerm * x / reynolds);
        const bool settled = std::abs(next - x) < kRelativeTolerance * std::abs(next);
        x = next;
        if (settled)
            break;
    }
    return std::isfinite(x) && x > 0.0 ? x : 0.0;
}

} // namespace

double frictionFactor(double reynolds, double relativeRoughness)
{
    if (!isPositive(reynolds) || !std::isfinite(relativeRoughness) || relativeRoughness < 0.0)
        return 0.0;
    if (reynolds <= kLaminarMostReynolds)
        return kLaminarCoefficient / reynolds;
    const double x = colebrookInverseRoot(reynolds, relativeRoughness);
    return x > 0.0 ? 1.0 / (x * x) : 0.0;
}

bool flowLoss(double insideMm, double roughnessMm, double flowLitresPerSecond, double temperatureC, TFlowLoss& out)
{
    TWater w;
    if (!isPositive(insideMm) || !isPositive(flowLitresPerSecond) || !std::isfinite(roughnessMm) || roughnessMm < 0.0
        || !water(temperatureC, w))
        return false;
    const double boreM = insideMm / kMmPerM;
    const double areaM2 = std::numbers::pi * boreM * boreM / 4.0;
    TFlowLoss r;
    r.velocityMPerS = flowLitresPerSecond / kLitresPerM3 / areaM2;
    r.reynolds = r.velocityMPerS * boreM / w.kinematicViscosityM2PerS;
    r.frictionFactor = frictionFactor(r.reynolds, roughnessMm / insideMm);
    const double lossPaPerM = r.frictionFactor / boreM * w.densityKgPerM3 * r.velocityMPerS * r.velocityMPerS / 2.0;
    r.lossKPaPerM = lossPaPerM / kPaPerKPa;
    if (!isPositive(r.velocityMPerS) || !isPositive(r.reynolds) || !(r.frictionFactor > 0.0)
        || !isPositive(r.lossKPaPerM))
        return false;
    out = r;
    return true;
}

} // namespace Hydraulics
