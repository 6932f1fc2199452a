#include "Unit4.h"

#include "ClassModule.h"

namespace Unit4 {
namespace {

// psi per 100 ft, gpm, gpm; in ascending size.
// clang-format off
constexpr Nomogram::TLineRow kPipeRows[] = {
    {"3/8\"", 9.0, 1.0, 100.0, 3.2},
    {"1/2\"", 2.5, 1.0, 100.0, 7.2},
    {"3/4\"", 0.32, 1.0, 100.0, 18.0},
    {"1\"", 0.1, 1.4, 100.0, 37.0},
    {"1 1/4\"", 0.1, 2.2, 100.0, 65.0},
    {"1 1/2\"", 0.1, 3.5, 100.0, 100.0},
    {"2\"", 0.1, 7.0, 100.0, 200.0},
    {"2 1/2\"", 0.1, 14.0, 100.0, 380.0},
    {"3\"", 0.1, 19.0, 100.0, 580.0},
    {"4\"", 0.1, 39.0, 100.0, 1500.0},
    {"5\"", 0.1, 65.0, 100.0, 2000.0},
    {"6\"", 0.1, 105.0, 100.0, 3200.0},
    {"8\"", 0.1, 215.0, 100.0, 6500.0},
    {"10\"", 0.1, 380.0, 75.0, 10000.0},
    {"12\"", 0.1, 600.0, 26.0, 10000.0},
};
// clang-format on

// In ascending velocity; the name's leading number is the velocity in ft/s.
// clang-format off
constexpr Nomogram::TLineRow kVelocityRows[] = {
    {"1 ft/s", 0.65, 1.0, 0.1, 45.0},
    {"1.5 ft/s", 1.8, 1.0, 0.1, 380.0},
    {"2 ft/s", 3.7, 1.0, 0.1, 1800.0},
    {"3 ft/s", 10.0, 1.0, 0.12, 10000.0},
    {"4 ft/s", 22.0, 1.0, 0.26, 10000.0},
    {"5 ft/s", 37.0, 1.0, 0.4, 10000.0},
    {"6 ft/s", 55.0, 1.0, 0.59, 10000.0},
    {"8 ft/s", 100.0, 1.7, 1.4, 10000.0},
    {"10 ft/s", 100.0, 4.5, 2.2, 10000.0},
    {"15 ft/s", 100.0, 35.0, 6.0, 10000.0},
    {"20 ft/s", 100.0, 180.0, 13.0, 10000.0},
    {"30 ft/s", 100.0, 1450.0, 35.0, 10000.0},
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

} // namespace Unit4
