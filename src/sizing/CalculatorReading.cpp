#include "CalculatorReading.h"

#include "NomogramLookup.h"
#include "PipeRange.h"
#include "Sizing.h"

namespace Sizing {

namespace {

// A neighbour's own point on the nomogram at the design flow: the pressure drop its line needs
// to carry that flow, and the velocity there.
TNeighbourReading neighbourAt(const Nomogram::TClassTables& tables, const std::string& pipe, double pipeFlowGpm,
                              double flowGpm)
{
    TNeighbourReading neighbour;
    neighbour.pipe = pipe;
    neighbour.flowGpm = pipeFlowGpm;
    neighbour.lossPsiPer100ft = Nomogram::getPressureForPipe(tables, pipe, flowGpm);
    neighbour.velocityFtPerS = Nomogram::getVelocityAtPoint(tables, neighbour.lossPsiPer100ft, flowGpm);
    return neighbour;
}

} // namespace

bool readOperatingPoint(int roughnessClass, double pressurePsiPer100ft, double flowGpm, TCalculatorReading& reading)
{
    const Nomogram::TClassTables* tables = Nomogram::tablesForClass(roughnessClass);
    if (tables == nullptr)
        return false;
    TCalculatorReading read;
    if (!Nomogram::getNearestPipeAndVelocity(*tables, pressurePsiPer100ft, flowGpm, read.pipe, read.velocityFtPerS))
        return false;
    read.needsAdvice = read.velocityFtPerS > kDefaultMainLimitFtPerS;
    TPipeRange range;
    if (findPipeRange(tables->PipeSizes, pressurePsiPer100ft, flowGpm, range)) {
        read.hasNeighbours = true;
        read.lower = neighbourAt(*tables, range.LowName, range.LowFlowGpm, flowGpm);
        read.upper = neighbourAt(*tables, range.HighName, range.HighFlowGpm, flowGpm);
        read.barRatio = flowRatio(flowGpm, range);
    }
    reading = read;
    return true;
}

} // namespace Sizing
