// One segment sized in a computed material: each size's loss and velocity by Darcy-Weisbach on
// its real bore, in the sizing method's US units.
#include "Sizing.h"

#include "ScheduleParts.h"

#include <cmath>
#include <cstddef>
#include <numbers>

namespace Sizing {
namespace {

constexpr double kMmPerM = 1000.0;
constexpr double kLitresPerM3 = 1000.0;

bool isPositive(double v) { return std::isfinite(v) && v > 0.0; }

// False for a size whose bore cannot be used (a maker's table with a wall of half the diameter).
bool readSize(const Hydraulics::TMaterial& material, const Hydraulics::TPipeSize& pipe, double temperatureC,
              double flowLitresPerSecond, TSegmentSize& size)
{
    Hydraulics::TFlowLoss loss;
    if (!Hydraulics::flowLoss(pipe.insideMm(), material.roughnessMm, flowLitresPerSecond, temperatureC, loss))
        return false;
    size.pipe = pipe.name;
    size.outsideMm = pipe.outsideMm;
    size.velocityFtPerS = loss.velocityMPerS / Design::kMetresPerFoot;
    size.lossPsiPer100ft = loss.lossKPaPerM / Design::kKPaPerMetrePerPsiPer100ft;
    size.raisedForVelocity = false;
    return true;
}

// The mean velocity through the bore, as flowLoss gives it.
double velocityFtPerS(const Hydraulics::TPipeSize& pipe, double flowLitresPerSecond)
{
    const double boreM = pipe.insideMm() / kMmPerM;
    return flowLitresPerSecond / kLitresPerM3 / (std::numbers::pi * boreM * boreM / 4.0) / Design::kMetresPerFoot;
}

} // namespace

bool sizeSegmentIn(const Hydraulics::TMaterial& material, double temperatureC, double allowablePsiPer100ft,
                   double flowGpm, double velocityLimitFtPerS, TSegmentSize& size, TSizeProblem& problem)
{
    problem = TSizeProblem::OffChart;
    Hydraulics::TWater water;
    const auto& sizes = material.sizes;
    if (!isPositive(allowablePsiPer100ft) || !isPositive(flowGpm) || !isPositive(velocityLimitFtPerS)
        || !Hydraulics::water(temperatureC, water) || sizes.empty())
        return false;
    const double flowLitresPerSecond = Design::flowLitresPerSecond(flowGpm);
    TSegmentSize candidate;
    const auto fits = [&](std::size_t i) {
        return readSize(material, sizes[i], temperatureC, flowLitresPerSecond, candidate)
            && candidate.lossPsiPer100ft <= allowablePsiPer100ft;
    };
    // A larger bore loses less at the same flow, so the smallest size within the allowance is
    // found by halving, each step a Colebrook-White solution, and none fits if the largest does not.
    if (!fits(sizes.size() - 1))
        return false;
    std::size_t start = 0;
    std::size_t fitting = sizes.size() - 1;
    while (start < fitting) {
        const std::size_t middle = start + (fitting - start) / 2;
        if (fits(middle))
            fitting = middle;
        else
            start = middle + 1;
    }
    // The velocity needs only the bore, so the friction is solved once more, for the size taken.
    std::size_t taken = start;
    while (taken < sizes.size() && !(velocityFtPerS(sizes[taken], flowLitresPerSecond) <= velocityLimitFtPerS))
        ++taken;
    if (taken == sizes.size() || !readSize(material, sizes[taken], temperatureC, flowLitresPerSecond, candidate)) {
        problem = TSizeProblem::TooFast;
        return false;
    }
    candidate.raisedForVelocity = taken != start;
    size = std::move(candidate);
    problem = TSizeProblem::None;
    return true;
}

bool nextSmallerSizeIn(const Hydraulics::TMaterial& material, double temperatureC, const std::string& pipe,
                       double flowGpm, TSegmentSize& size)
{
    if (!isPositive(flowGpm))
        return false;
    const auto& sizes = material.sizes;
    for (std::size_t i = 1; i < sizes.size(); ++i)
        if (sizes[i].name == pipe)
            return readSize(material, sizes[i - 1], temperatureC, Design::flowLitresPerSecond(flowGpm), size);
    return false;
}

bool sizeInSchedule(const TSchedule& schedule, double allowablePsiPer100ft, double flowGpm, double velocityLimitFtPerS,
                    TSegmentResult& segment)
{
    TSegmentSize size;
    TSizeProblem problem = TSizeProblem::OffChart;
    bool sized = false;
    bool hasTooFastSize = false;
    TSegmentSize tooFastSize;
    if (schedule.material.empty()) {
        sized = Parts::sizeSegmentNoting(schedule.roughnessClass, allowablePsiPer100ft, flowGpm, velocityLimitFtPerS,
                                         size, problem, &tooFastSize);
        hasTooFastSize = sized && size.raisedForVelocity;
    } else if (const Hydraulics::TMaterial* material = Hydraulics::findMaterial(schedule.material)) {
        const double temperatureC = schedule.waterTemperatureC;
        sized
            = sizeSegmentIn(*material, temperatureC, allowablePsiPer100ft, flowGpm, velocityLimitFtPerS, size, problem);
        hasTooFastSize = sized && size.raisedForVelocity
            && nextSmallerSizeIn(*material, temperatureC, size.pipe, flowGpm, tooFastSize);
    }
    segment.sized = sized;
    segment.size = sized ? std::move(size) : TSegmentSize{};
    segment.problem = problem;
    segment.hasTooFastSize = hasTooFastSize;
    segment.tooFastSize = hasTooFastSize ? std::move(tooFastSize) : TSegmentSize{};
    return sized;
}
} // namespace Sizing
