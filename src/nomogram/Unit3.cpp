#include "Unit3.h"

#include "ClassModule.h"

namespace Unit3 {
namespace {

// psi per 100 ft, gpm, gpm; in ascending size.
// clang-format off
constexpr Nomogram::TLineRow kPipeRows[] = {
    {"3/8\"", 7.4, 1.0, 100.0, 3.9},
    {"1/2\"", 1.8, 1.0, 100.0, 9.2},
    {"3/4\"", 0.25, 1.0, 100.0, 24.0},
    {"1\"", 0.1, 1.2, 100.0, 45.0},
    {"1 1/4\"", 0.1, 2.3, 100.0, 80.0},
    {"1 1/2\"", 0.1, 3.8, 100.0, 150.0},
    {"2\"", 0.1, 7.5, 100.0, 280.0},
    {"2 1/2\"", 0.1, 16.0, 100.0, 500.0},
    {"3\"", 0.1, 24.0, 100.0, 800.0},
    {"4\"", 0.1, 48.0, 100.0, 1650.0},
    {"5\"", 0.1, 80.0, 100.0, 2900.0},
    {"6\"", 0.1, 140.0, 100.0, 4600.0},
    {"8\"", 0.1, 290.0, 100.0, 9900.0},
    {"10\"", 0.1, 500.0, 32.0, 10000.0},
    {"12\"", 0.1, 780.0, 15.0, 10000.0},
};
// clang-format on

// In ascending velocity; the name's leading number is the velocity in ft/s.
// clang-format off
constexpr Nomogram::TLineRow kVelocityRows[] = {
    {"1 ft/s", 0.55, 1.0, 0.1, 24.0},
    {"1.5 ft/s", 1.6, 1.0, 0.1, 150.0},
    {"2 ft/s", 2.8, 1.0, 0.1, 500.0},
    {"3 ft/s", 8.0, 1.0, 0.1, 3100.0},
    {"4 ft/s", 16.0, 1.0, 0.12, 10000.0},
    {"5 ft/s", 28.0, 1.0, 0.21, 10000.0},
    {"6 ft/s", 44.0, 1.0, 0.34, 10000.0},
    {"8 ft/s", 91.0, 1.0, 0.55, 10000.0},
    {"10 ft/s", 100.0, 2.3, 0.98, 10000.0},
    {"15 ft/s", 100.0, 15.0, 2.9, 10000.0},
    {"20 ft/s", 100.0, 49.0, 5.9, 10000.0},
    {"30 ft/s", 100.0, 340.0, 16.0, 10000.0},
    {"40 ft/s", 100.0, 1200.0, 30.0, 10000.0},
};
// clang-format on

} // namespace

const Nomogram::TClassData& detail::classData()
{
    static const Nomogram::TClassData kData(kPipeRows, kVelocityRows);
    return kData;
}

void InitData() { static_cast<void>(detail::classData()); }

double CalcYOnLogLine(double x, double x1, double y1, double x2, double y2)
{
    return Nomogram::calcYOnLogLine(x, x1, y1, x2, y2);
}

bool GetNearestPipeAndVelocity(double pressureDrop, double flow, std::string& PipeName, double& Velocity)
{
    return Nomogram::getNearestPipeAndVelocity(detail::classData().tables(), pressureDrop, flow, PipeName, Velocity);
}

double GetPressureForPipe(const std::string& PipeName, double TargetFlow)
{
    return Nomogram::getPressureForPipe(detail::classData().tables(), PipeName, TargetFlow);
}

double GetVelocityAtPoint(double pressureDrop, double flow)
{
    return Nomogram::getVelocityAtPoint(detail::classData().tables(), pressureDrop, flow);
}

} // namespace Unit3
