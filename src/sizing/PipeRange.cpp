#include "PipeRange.h"

#include <cmath>

double flowAtPressure(const TPipeSize& pipe, double pressurePsiPer100ft)
{
    // Extended precision for the slope, as the nomogram's lines were fitted.
    const long double slope
        = (std::log(static_cast<long double>(pipe.Y2)) - std::log(static_cast<long double>(pipe.Y1)))
        / (std::log(static_cast<long double>(pipe.X2)) - std::log(static_cast<long double>(pipe.X1)));
    const double m = static_cast<double>(slope);
    const double flowGpm = pipe.Y1 * std::pow(pressurePsiPer100ft / pipe.X1, m);
    return std::isfinite(flowGpm) ? flowGpm : 0.0;
}

bool findPipeRange(const TPipeSizeArray& pipes, double pressurePsiPer100ft, double flowGpm, TPipeRange& range)
{
    for (std::size_t i = 0; i < pipes.size(); ++i) {
        const double currentGpm = flowAtPressure(pipes[i], pressurePsiPer100ft);
        if (!(currentGpm >= flowGpm))
            continue;
        range.HighName = pipes[i].Name;
        range.HighFlowGpm = currentGpm;
        if (i > 0) {
            range.LowName = pipes[i - 1].Name;
            range.LowFlowGpm = flowAtPressure(pipes[i - 1], pressurePsiPer100ft);
        } else {
            range.LowName = pipes[i].Name;
            range.LowFlowGpm = 0.0;
        }
        return true;
    }
    return false;
}

double flowRatio(double flowGpm, const TPipeRange& range)
{
    if (!(range.LowFlowGpm > 0.0))
        return 1.0;
    const long double span
        = std::log(static_cast<long double>(range.HighFlowGpm)) - std::log(static_cast<long double>(range.LowFlowGpm));
    const long double along
        = std::log(static_cast<long double>(flowGpm)) - std::log(static_cast<long double>(range.LowFlowGpm));
    const double ratio = static_cast<double>(along / span);
    // Two neighbours carrying the same flow leave no span; the flow is then at the larger one.
    return std::isfinite(ratio) ? ratio : 1.0;
}
