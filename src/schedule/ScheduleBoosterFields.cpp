#include "ScheduleBoosterFields.h"

#include "BoosterTexts.h"
#include "NumberInput.h"
#include "NumberText.h"
#include "ScheduleTexts.h"
#include "ScheduleUnits.h"
#include "Units.h"

#include <array>
#include <cmath>

namespace {

using namespace BoosterTexts;
using B = Sizing::TBooster;
using F = THeaderField;
using Q = TBoosterQuantity;

constexpr int kDecimals = 2;
constexpr double kPercent = 100.0;

// The core's ranges, which the project file reads by too.
// clang-format off
constexpr std::array<TBoosterNumber, 10> kNumbers{{
    {F::TankLevel, "EditTankLevel", kTankLevel, Q::Length, &B::tankLevelFt,
     Sizing::kLeastTankLevelFt, false, Sizing::kMostTankLevelFt},
    {F::SuctionLoss, "EditSuctionLoss", kSuctionLoss, Q::Pressure, &B::suctionLossPsi, 0.0, false, Sizing::kMostBoosterPsi},
    {F::SetLoss, "EditSetLoss", kSetLoss, Q::Pressure, &B::setLossPsi, 0.0, false, Sizing::kMostBoosterPsi},
    {F::DesignLoss, "EditDesignLoss", kDesignLoss, Q::LossRate, &B::designPsiPer100ft,
     0.0, true, Sizing::kMostDesignPsiPer100ft},
    {F::Differential, "EditDifferential", kDifferential, Q::Pressure, &B::differentialPsi,
     0.0, false, Sizing::kMostBoosterPsi},
    {F::PreChargeBelow, "EditPreChargeBelow", kPreChargeBelow, Q::Pressure, &B::preChargeBelowPsi,
     0.0, false, Sizing::kMostBoosterPsi},
    {F::StartsPerHour, "EditStartsPerHour", kStartsPerHour, Q::Rate, &B::startsPerHour,
     0.0, true, Sizing::kMostStartsPerHour},
    {F::Efficiency, "EditEfficiency", kEfficiency, Q::Share, &B::efficiency, 0.0, true, Sizing::kMostEfficiency},
    {F::Altitude, "EditAltitude", kAltitude, Q::Altitude, &B::altitudeM,
     Sizing::kLeastAltitudeM, false, Sizing::kMostAltitudeM},
    {F::Occupants, "EditOccupants", kOccupants, Q::Count, &B::occupants, 0.0, false, Sizing::kMostOccupants},
}};
// clang-format on

// What one of the file's units is in the window's: shown = stored × this.
double shownPerStored(Q quantity, Project::TUnits units)
{
    const bool us = units == Project::TUnits::US;
    switch (quantity) {
    case Q::Pressure: return ScheduleUnits::pressureIn(1.0, units);
    case Q::Length: return ScheduleUnits::lengthIn(1.0, units);
    case Q::LossRate: return ScheduleUnits::lossIn(1.0, units);
    case Q::Altitude: return us ? 1.0 / Design::kMetresPerFoot : 1.0; // the file keeps metres
    case Q::Share: return kPercent;
    case Q::Rate:
    case Q::Count: break;
    }
    return 1.0;
}

QString shown(const TBoosterNumber& number, double stored, Project::TUnits units)
{
    return formatUpTo(stored * shownPerStored(number.Quantity, units), kDecimals);
}

} // namespace

std::span<const TBoosterNumber> boosterNumbers() { return kNumbers; }

const TBoosterNumber* boosterNumber(THeaderField field)
{
    for (const TBoosterNumber& number : kNumbers)
        if (number.Field == field)
            return &number;
    return nullptr;
}

QString boosterUnit(const TBoosterNumber& number, Project::TUnits units)
{
    switch (number.Quantity) {
    case Q::Pressure: return ScheduleUnits::pressureUnit(units);
    case Q::Length: return ScheduleUnits::lengthUnit(units);
    case Q::LossRate: return ScheduleUnits::lossUnit(units);
    case Q::Altitude: return units == Project::TUnits::US ? QStringLiteral("ft") : QStringLiteral("m");
    case Q::Share: return QStringLiteral("%");
    case Q::Rate: return kPerHour.toString();
    case Q::Count: return kPeople.toString();
    }
    return {};
}

QString boosterNumberText(const TBoosterNumber& number, const Sizing::TBooster& booster, Project::TUnits units)
{
    return shown(number, booster.*number.Member, units);
}

bool readBoosterNumber(const QString& text, const TBoosterNumber& number, Project::TUnits units,
                       Sizing::TBooster& booster, QString& problem)
{
    const QString label = number.Label.toString();
    double typed = 0.0;
    if (!parseNumberEitherMark(text, typed) || !std::isfinite(typed)) {
        problem = ScheduleTexts::kNotANumber.toString().arg(label);
        return false;
    }
    const double stored = typed / shownPerStored(number.Quantity, units);
    const bool belowLeast = number.LeastExcluded ? !(stored > number.Least) : !(stored >= number.Least);
    if (!std::isfinite(stored) || belowLeast || stored > number.Most) {
        const QString least = shown(number, number.Least, units);
        const QString most = shown(number, number.Most, units);
        problem = (number.LeastExcluded ? ScheduleTexts::kAboveUpTo : ScheduleTexts::kNotBetween)
                      .toString()
                      .arg(label, least, most);
        return false;
    }
    booster.*number.Member = stored;
    return true;
}
