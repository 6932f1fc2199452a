#include "Unit2.h"

#include "ClassModule.h"

namespace Unit2 {
namespace {

// psi per 100 ft, gpm, gpm; in ascending size.
// clang-format off
constexpr Nomogram::TLineRow kPipeRows[] = {
    {"3/8\"", 1.9, 1.0, 100.0, 9.2},
    {"1/2\"", 0.55, 1.0, 100.0, 18.0},
    {"3/4\"", 0.16, 1.0, 100.0, 35.0},
    {"1\"", 0.1, 1.6, 100.0, 65.0},
    {"1 1/4\"", 0.1, 3.0, 100.0, 150.0},
    {"1 1/2\"", 0.1, 4.8, 100.0, 200.0},
    {"2\"", 0.1, 9.0, 100.0, 400.0},
    {"2 1/2\"", 0.1, 17.0, 100.0, 600.0},
    {"3\"", 0.1, 28.0, 100.0, 1100.0},
    {"4\"", 0.1, 54.0, 100.0, 2400.0},
    {"5\"", 0.1, 85.0, 100.0, 4000.0},
    {"6\"", 0.1, 150.0, 100.0, 6200.0},
    {"8\"", 0.1, 340.0, 55.0, 10000.0},
    {"10\"", 0.1, 590.0, 18.0, 10000.0},
    {"12\"", 0.1, 850.0, 7.9, 10000.0},
};
// clang-format on

// In ascending velocity; the name's leading number is the velocity in ft/s.
// clang-format off
constexpr Nomogram::TLineRow kVelocityRows[] = {
    {"1 ft/s", 0.55, 1.0, 0.1, 18.0},
    {"1.5 ft/s", 1.8, 1.0, 0.1, 82.0},
    {"2 ft/s", 2.8, 1.0, 0.1, 295.0},
    {"3 ft/s", 7.5, 1.0, 0.1, 1500.0},
    {"4 ft/s", 15.0, 1.0, 0.1, 5200.0},
    {"5 ft/s", 25.0, 1.0, 0.12, 10000.0},
    {"6 ft/s", 40.0, 1.0, 0.2, 10000.0},
    {"8 ft/s", 75.0, 1.0, 0.34, 10000.0},
    {"10 ft/s", 100.0, 1.8, 0.58, 10000.0},
    {"15 ft/s", 100.0, 9.2, 1.8, 10000.0},
    {"20 ft/s", 100.0, 34.0, 3.5, 10000.0},
    {"30 ft/s", 100.0, 180.0, 8.5, 10000.0},
    {"40 ft/s", 100.0, 490.0, 18.0, 10000.0},
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

} // namespace Unit2
