#include "NomogramLookup.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace Nomogram {
namespace {

bool isPositive(double v) { return std::isfinite(v) && v > 0.0; }

double finiteOrZero(double v) { return std::isfinite(v) ? v : 0.0; }

// The velocity in ft/s at the start of a velocity line's name ("1.5 ft/s"); 0 when there is none.
double ExtractVelocity(const std::string& S)
{
    auto first = S.begin();
    auto last = S.end();
    while (first != last && static_cast<unsigned char>(*first) <= 0x20)
        ++first;
    while (last != first && static_cast<unsigned char>(*(last - 1)) <= 0x20)
        --last;
    std::string t(first, last);
    if (const auto space = t.find(' '); space != std::string::npos)
        t.erase(space);
    std::replace(t.begin(), t.end(), ',', '.');
    if (t.empty())
        return 0.0;
    // from_chars reads "." as the decimal point whatever the process locale is.
    double value = 0.0;
    const auto [end, ec] = std::from_chars(t.data(), t.data() + t.size(), value);
    if (ec != std::errc() || end != t.data() + t.size() || !std::isfinite(value))
        return 0.0;
    return value;
}

// Flow on the line at a pressure drop whose log10 the caller has taken, once for a whole table
// walk; 0 for a line with a non-positive coordinate or equal pressure ends.
double flowAtLogPressure(double logPressure, double x1, double y1, double x2, double y2)
{
    if (!isPositive(x1) || !isPositive(y1) || !isPositive(x2) || !isPositive(y2))
        return 0.0;
    const double lx1 = std::log10(x1);
    const double lx2 = std::log10(x2);
    if (lx1 == lx2)
        return 0.0;
    const double ly1 = std::log10(y1);
    const double t = (logPressure - lx1) / (lx2 - lx1);
    return finiteOrZero(std::pow(10.0, ly1 + (std::log10(y2) - ly1) * t));
}

double flowOnLine(const TPipeSize& line, double logPressure)
{
    return flowAtLogPressure(logPressure, line.X1, line.Y1, line.X2, line.Y2);
}

double velocityAt(const TClassTables& tables, double pressureDrop, double logPressure, double flow);

} // namespace

double calcYOnLogLine(double x, double x1, double y1, double x2, double y2)
{
    return isPositive(x) ? flowAtLogPressure(std::log10(x), x1, y1, x2, y2) : 0.0;
}

bool spans(const TPipeSize& line, double pressureDrop)
{
    return std::min(line.X1, line.X2) <= pressureDrop && pressureDrop <= std::max(line.X1, line.X2);
}

double getVelocityAtPoint(const TClassTables& tables, double pressureDrop, double flow)
{
    if (!isPositive(pressureDrop) || !std::isfinite(flow))
        return 0.0;
    return velocityAt(tables, pressureDrop, std::log10(pressureDrop), flow);
}

namespace {

double velocityAt(const TClassTables& tables, double pressureDrop, double logPressure, double flow)
{
    double yPrev = -1.0; // no spanning line seen yet
    double vPrev = 0.0;
    double vSlowest = 0.0;
    double ySlowest = 0.0;
    for (const TPipeSize& line : tables.VelocityLines) {
        if (!spans(line, pressureDrop))
            continue;
        const double yCurr = flowOnLine(line, logPressure);
        const double vCurr = ExtractVelocity(line.Name);
        if (yCurr <= 0.0)
            continue;
        if (yPrev > 0.0 && std::min(yPrev, yCurr) <= flow && flow <= std::max(yPrev, yCurr)) {
            const double t = (std::log10(flow) - std::log10(yPrev)) / (std::log10(yCurr) - std::log10(yPrev));
            return finiteOrZero(vPrev + (vCurr - vPrev) * t);
        }
        if (yPrev <= 0.0) {
            ySlowest = yCurr;
            vSlowest = vCurr;
        }
        yPrev = yCurr;
        vPrev = vCurr;
    }
    if (yPrev <= 0.0)
        return 0.0;
    // Outside the band: flows rise along the table, so the first spanning line is the slowest.
    return flow < ySlowest ? vSlowest : vPrev;
}

} // namespace

bool getNearestPipe(const TClassTables& tables, double pressureDrop, double flow, std::size_t& index)
{
    if (!isPositive(pressureDrop) || !isPositive(flow))
        return false;
    const double logPressure = std::log10(pressureDrop);
    for (std::size_t i = 0; i < tables.PipeSizes.size(); ++i) {
        const TPipeSize& line = tables.PipeSizes[i];
        if (spans(line, pressureDrop) && flowOnLine(line, logPressure) >= flow) {
            index = i;
            return true;
        }
    }
    return false;
}

bool getNearestPipeAndVelocity(const TClassTables& tables, double pressureDrop, double flow, std::string& pipeName,
                               double& velocity)
{
    pipeName.clear();
    velocity = 0.0;
    std::size_t index = 0;
    if (!getNearestPipe(tables, pressureDrop, flow, index))
        return false;
    pipeName = tables.PipeSizes[index].Name;
    velocity = velocityAt(tables, pressureDrop, std::log10(pressureDrop), flow);
    return true;
}

double getPressureForPipe(const TClassTables& tables, const std::string& pipeName, double targetFlow)
{
    if (!isPositive(targetFlow))
        return 0.0;
    const auto it = std::find_if(tables.PipeSizes.begin(), tables.PipeSizes.end(),
                                 [&](const TPipeSize& line) { return line.Name == pipeName; });
    if (it == tables.PipeSizes.end())
        return 0.0;
    const TPipeSize& line = *it;
    if (!isPositive(line.X1) || !isPositive(line.Y1) || !isPositive(line.X2) || !isPositive(line.Y2)
        || line.Y1 == line.Y2)
        return 0.0;
    const double lx1 = std::log10(line.X1);
    const double ly1 = std::log10(line.Y1);
    const double exponent
        = lx1 + (std::log10(targetFlow) - ly1) * (std::log10(line.X2) - lx1) / (std::log10(line.Y2) - ly1);
    return finiteOrZero(std::pow(10.0, exponent));
}

} // namespace Nomogram
