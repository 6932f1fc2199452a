#include "ScheduleHeaderFields.h"

#include "ClassTexts.h"
#include "CommonTexts.h"
#include "Hydraulics.h"
#include "NumberInput.h"
#include "NumberText.h"
#include "ScheduleTexts.h"
#include "ScheduleUnits.h"
#include "Units.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace {

using namespace CommonTexts;
using namespace ScheduleTexts;
using F = THeaderField;
using Q = THeaderQuantity;

constexpr int kDecimals = 2;
constexpr int kClassCount = 3;
constexpr int kTemperatureDecimals = 1;

// clang-format off
constexpr std::array<THeaderNumber, 6> kNumbers{{
    {F::Source, "EditSource", kSource, Q::Pressure, false, false},
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

const std::vector<TPipeChoice>& pipeChoices()
{
    static const std::vector<TPipeChoice> choices = [] {
        std::vector<TPipeChoice> all;
        for (int roughnessClass = 1; roughnessClass <= kClassCount; ++roughnessClass)
            all.push_back({roughnessClass, {}, kGalvanizedClass.toString().arg(ClassTexts::className(roughnessClass))});
        // A trade name such as "PP-R PN20 (SDR 6)" keeps its order and brackets in a Persian box.
        for (const Hydraulics::TMaterial& material : Hydraulics::materials())
            all.push_back({0, material.id, leftToRight(QString::fromStdString(material.name))});
        return all;
    }();
    return choices;
}

int pipeChoiceOf(const TScheduleHeader& header)
{
    const std::vector<TPipeChoice>& choices = pipeChoices();
    const auto found = std::find_if(choices.begin(), choices.end(), [&](const TPipeChoice& choice) {
        return header.material.empty() ? choice.RoughnessClass == header.roughnessClass
                                       : choice.Material == header.material;
    });
    return found == choices.end() ? -1 : static_cast<int>(found - choices.begin());
}

void applyPipeChoice(const TPipeChoice& choice, TScheduleHeader& header)
{
    header.material = choice.Material;
    if (choice.Material.empty())
        header.roughnessClass = choice.RoughnessClass;
}

bool sizesForTemperature(const TScheduleHeader& header) { return !header.material.empty(); }

QString temperatureText(double temperatureC) { return formatUpTo(temperatureC, kTemperatureDecimals); }

bool readTemperature(const QString& text, double& temperatureC, QString& problem)
{
    const QString label = kTemperatureLabel.toString();
    double typed = 0.0;
    if (!parseNumberEitherMark(text, typed) || !std::isfinite(typed)) {
        problem = kNotANumber.toString().arg(label);
        return false;
    }
    if (typed < Hydraulics::kLeastWaterTemperatureC || typed > Hydraulics::kMostWaterTemperatureC) {
        problem = kNotBetween.toString().arg(label, temperatureText(Hydraulics::kLeastWaterTemperatureC),
                                             temperatureText(Hydraulics::kMostWaterTemperatureC));
        return false;
    }
    temperatureC = typed;
    return true;
}
