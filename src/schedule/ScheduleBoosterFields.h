#pragma once
// The booster's number fields without their widgets: one for each of Sizing::TBooster's
// members, shown and typed in the window's units (US or SI), each with the file's range. A
// typed value is converted to the file's units once.

#include "ProjectFile.h"
#include "ScheduleHeader.h"

#include <QString>
#include <QStringView>

#include <span>

enum class TBoosterQuantity { Pressure, Length, LossRate, Altitude, Rate, Share, Count };

struct TBoosterNumber {
    THeaderField Field;
    const char* Name; // the edit box's object name
    QStringView Label;
    TBoosterQuantity Quantity;
    double Sizing::TBooster::*Member;
    double Least; // in the file's units
    bool LeastExcluded;
    double Most;
};

// In the order of Sizing::TBooster's members.
[[nodiscard]] std::span<const TBoosterNumber> boosterNumbers();
[[nodiscard]] const TBoosterNumber* boosterNumber(THeaderField field);

// "psi" or "kPa", "ft" or "m", "psi/100ft" or "kPa/m", "%", …
[[nodiscard]] QString boosterUnit(const TBoosterNumber& number, Project::TUnits units);
[[nodiscard]] QString boosterNumberText(const TBoosterNumber& number, const Sizing::TBooster& booster,
                                        Project::TUnits units);
// False, with the Persian reason and `booster` untouched, for text that is not a number or lies
// outside the file's range.
[[nodiscard]] bool readBoosterNumber(const QString& text, const TBoosterNumber& number, Project::TUnits units,
                                     Sizing::TBooster& booster, QString& problem);
