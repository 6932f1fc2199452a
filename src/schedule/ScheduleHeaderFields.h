#pragma once
// The header's number fields without their widgets: the four members of the pressure budget,
// each typed in a unit of the user's choice as in the budget helper, and the two velocity
// limits in the project's units. A typed value is converted to the file's US units once.

#include "ScheduleHeader.h"

#include <QString>
#include <QStringList>
#include <QStringView>

#include <span>

enum class THeaderQuantity { Pressure, Length, Velocity };

struct THeaderNumber {
    THeaderField Field;
    const char* Name; // the edit box's object name; its unit box adds "Unit"
    QStringView Label;
    THeaderQuantity Quantity;
    bool MayBeNegative; // the height: a roof tank stands above the fixture
    bool MustBePositive;
};

// Source (in flow, then with none), meter, height, fixture, then the limits of mains and branches.
[[nodiscard]] std::span<const THeaderNumber> headerNumbers();

// A pressure's units in the order of Design::TPressureUnit, a length's in that of
// Design::TLengthUnit; a velocity has the one unit of the project's system.
[[nodiscard]] QStringList headerUnitNames(THeaderQuantity quantity, Project::TUnits units);
// psi and ft in US, kPa and m in SI.
[[nodiscard]] int defaultHeaderUnit(THeaderQuantity quantity, Project::TUnits units);

[[nodiscard]] double headerValue(const TScheduleHeader& header, THeaderField field);
void setHeaderValue(TScheduleHeader& header, THeaderField field, double value);

// The field's value in the unit chosen, as the field shows it; a field left as shown is not an
// edit, so that a value does not drift through its rounded display.
[[nodiscard]] QString headerNumberText(const THeaderNumber& number, double usValue, int unit, Project::TUnits units);
// False, with the Persian reason and `usValue` untouched, for text that is not a number or lies
// outside the field's range.
[[nodiscard]] bool readHeaderNumber(const QString& text, const THeaderNumber& number, int unit, Project::TUnits units,
                                    double& usValue, QString& problem);
