#include "Demand.h"

#include <cmath>
#include <iterator>

namespace Design {
namespace {

// One row of the demand table. The flush-valve column starts at 5 fixture units; a row without
// a flush-valve value carries kNoRow there.
struct TDemandRow {
    double FixtureUnits;
    double FlushTankGpm;
    double FlushValveGpm;
};

constexpr double kNoRow = -1.0;

// Some transcriptions print 535 for flush tanks at 4000; the two columns agree from 1000 up and
// the flush-valve column reads 525, so 525 it is.
// clang-format off
constexpr TDemandRow kDemandTable[] = {
    {1, 3.0, kNoRow},     {2, 5.0, kNoRow},     {3, 6.5, kNoRow},     {4, 8.0, kNoRow},
    {5, 9.4, 15.0},       {6, 10.7, 17.4},      {7, 11.8, 19.8},      {8, 12.8, 22.2},
    {9, 13.7, 24.6},      {10, 14.6, 27.0},     {11, 15.4, 27.8},     {12, 16.0, 28.6},
    {13, 16.5, 29.4},     {14, 17.0, 30.2},     {15, 17.5, 31.0},     {16, 18.0, 31.8},
    {17, 18.4, 32.6},     {18, 18.8, 33.4},     {19, 19.2, 34.2},     {20, 19.6, 35.0},
    {25, 21.5, 38.0},     {30, 23.3, 42.0},     {35, 24.9, 44.0},     {40, 26.3, 46.0},
    {45, 27.7, 48.0},     {50, 29.1, 50.0},     {60, 32.0, 54.0},     {70, 35.0, 58.0},
    {80, 38.0, 61.2},     {90, 41.0, 64.3},     {100, 43.5, 67.5},    {120, 48.0, 73.0},
    {140, 52.5, 77.0},    {160, 57.0, 81.0},    {180, 61.0, 85.5},    {200, 65.0, 90.0},
    {225, 70.0, 95.5},    {250, 75.0, 101.0},   {275, 80.0, 104.5},   {300, 85.0, 108.0},
    {400, 105.0, 127.0},  {500, 124.0, 143.0},  {750, 170.0, 177.0},  {1000, 208.0, 208.0},
    {1250, 239.0, 239.0}, {1500, 269.0, 269.0}, {1750, 297.0, 297.0}, {2000, 325.0, 325.0},
    {2500, 380.0, 380.0}, {3000, 433.0, 433.0}, {4000, 525.0, 525.0}, {5000, 593.0, 593.0},
};
// clang-format on

static_assert(std::size(kDemandTable) == 52 && std::end(kDemandTable)[-1].FixtureUnits == kMaxFixtureUnits);

// The flowing pressures commonly asked of a flush tank's and a flush valve's supply.
constexpr double kFlushTankPsi = 8.0;
constexpr double kFlushValvePsi = 15.0;

double columnGpm(const TDemandRow& row, TSupply supply)
{
    return supply == TSupply::FlushTank ? row.FlushTankGpm : row.FlushValveGpm;
}

} // namespace

bool demandGpm(double fixtureUnits, TSupply supply, double& gpm)
{
    if (!std::isfinite(fixtureUnits) || fixtureUnits < 0.0 || fixtureUnits > kMaxFixtureUnits)
        return false;
    if (fixtureUnits == 0.0) {
        gpm = 0.0;
        return true;
    }
    const TDemandRow* previous = nullptr;
    for (const TDemandRow& row : kDemandTable) {
        const double rowGpm = columnGpm(row, supply);
        if (rowGpm == kNoRow)
            continue;
        if (fixtureUnits <= row.FixtureUnits) {
            // Below the column's first row one fixture still draws that row's flow.
            if (previous == nullptr || fixtureUnits == row.FixtureUnits) {
                gpm = rowGpm;
                return true;
            }
            const double previousGpm = columnGpm(*previous, supply);
            const double share = (fixtureUnits - previous->FixtureUnits) / (row.FixtureUnits - previous->FixtureUnits);
            gpm = previousGpm + share * (rowGpm - previousGpm);
            return true;
        }
        previous = &row;
    }
    return false;
}

double leastFixturePsi(TSupply supply) { return supply == TSupply::FlushTank ? kFlushTankPsi : kFlushValvePsi; }

} // namespace Design
