#include "ScheduleHeaderFields.h"

#include "CommonTexts.h"
#include "NumberInput.h"
#include "NumberText.h"
#include "ScheduleTexts.h"
#include "ScheduleUnits.h"
#include "Units.h"

#include <array>
#include <cmath>

namespace {

using namespace CommonTexts;
using namespace ScheduleTexts;
using F = THeaderField;
using Q = THeaderQuantity;

constexpr int kDecimals = 2;

// clang-format off
constexpr std::array<THeaderNumber, 7> kNumbers{{
    {F::Source, "EditSource", kSource, Q::Pressure, false, false},
    {F::StaticSource, "EditStaticSource", kStaticSource, Q::Pressure, false, false},
    {F::Meter, "EditMeter", kMeter, Q::Pressure, false, false},
    {F::Height, "EditHeight", kHeight, Q::Length, true, false},
    {F::Fixture, "EditFixture", kFixture, Q::Pressure, false, false},
    {F::MainLimit, "EditMainLimit", kMainLimit, Q::Velocity, false, true},
    {F::BranchLimit, "EditBranchLimit", kBranchLimit, Q::Velocity, false, true},
}};
// clang-format on

// What one of the unit's is in the file's units: psi, ft or ft/s.
double usPerUnit(Q quantity, int unit, Project::TUnits units)
{
    switch (quantity) {
    case Q::Pressure: return Design::pressurePsi(1.0, static_cast<Design::TPressureUnit>(unit));
    case Q::Length: return Design::lengthFt(1.0, static_cast<Design::TLengthUnit>(unit));
    case Q::Velocity: return ScheduleUnits::limitFtPerS(1.0, units);
    }
    return 1.0;
}

} // namespace

std::span<const THeaderNumber> headerNumbers() { return kNumbers; }

QStringList headerUnitNames(THeaderQuantity quantity, Project::TUnits units)
{
    switch (quantity) {
    case Q::Pressure: return QStringList(Design::kPressureUnitSymbols.begin(), Design::kPressureUnitSymbols.end());
    case Q::Length: return QStringList(Design::kLengthUnitSymbols.begin(), Design::kLengthUnitSymbols.end());
    case Q::Velocity: break;
    }
    return {ScheduleUnits::velocityUnit(units)};
}

int defaultHeaderUnit(THeaderQuantity quantity, Project::TUnits units)
{
    const bool si = units == Project::TUnits::SI;
    switch (quantity) {
    case Q::Pressure: return static_cast<int>(si ? Design::TPressureUnit::KPa : Design::TPressureUnit::Psi);
    case Q::Length: return static_cast<int>(si ? Design::TLengthUnit::Metre : Design::TLengthUnit::Foot);
    case Q::Velocity: break;
    }
    return 0;
}

double headerValue(const TScheduleHeader& header, THeaderField field)
{
    switch (field) {
    case F::Source: return header.sourcePsi;
    case F::Meter: return header.meterAndDevicesPsi;
    case F::Height: return header.heightFt;
    case F::Fixture: return header.fixturePsi;
    case F::MainLimit: return header.mainLimitFtPerS;
    case F::BranchLimit: return header.branchLimitFtPerS;
    case F::StaticSource: return header.staticSourcePsi;
    default: return 0.0;
    }
}

void setHeaderValue(TScheduleHeader& header, THeaderField field, double value)
{
    switch (field) {
    case F::Source: header.sourcePsi = value; break;
    case F::Meter: header.meterAndDevicesPsi = value; break;
    case F::Height: header.heightFt = value; break;
    case F::Fixture: header.fixturePsi = value; break;
    case F::MainLimit: header.mainLimitFtPerS = value; break;
    case F::BranchLimit: header.branchLimitFtPerS = value; break;
    case F::StaticSource: header.staticSourcePsi = value; break;
    default: break;
    }
}

QString headerNumberText(const THeaderNumber& number, double usValue, int unit, Project::TUnits units)
{
    return formatUpTo(usValue / usPerUnit(number.Quantity, unit, units), kDecimals);
}

bool readHeaderNumber(const QString& text, const THeaderNumber& number, int unit, Project::TUnits units,
                      double& usValue, QString& problem)
{
    const QString label = number.Label.toString();
    double typed = 0.0;
    if (!parseNumberEitherMark(text, typed)) {
        problem = kNotANumber.toString().arg(label);
        return false;
    }
    if (typed < 0.0 && !number.MayBeNegative) {
        problem = kNegative.toString().arg(label);
        return false;
    }
    const double converted = typed * usPerUnit(number.Quantity, unit, units);
    if (!std::isfinite(converted)) {
        problem = kNotANumber.toString().arg(label);
        return false;
    }
    if (number.MustBePositive && !(converted > 0.0)) {
        problem = kNotPositive.toString().arg(label);
        return false;
    }
    usValue = converted;
    return true;
}
