#pragma once
// The header's number fields without their widgets: the four members of the pressure budget,
// each typed in a unit of the user's choice as in the budget helper, and the two velocity
// limits in the project's units. A typed value is converted to the file's US units once.
// Also the pipe box's choices and the water's temperature, which has the one unit °C in both
// systems, as the file keeps it.

#include "ScheduleHeader.h"

#include <QString>
#include <QStringList>
#include <QStringView>

#include <span>
#include <string>
#include <vector>

enum class THeaderQuantity { Pressure, Length, Velocity };

struct THeaderNumber {
    THeaderField Field;
    const char* Name; // the edit box's object name; its unit box adds "Unit"
    QStringView Label;
    THeaderQuantity Quantity;
    bool MayBeNegative; // the height: a roof tank stands above the fixture
    bool MustBePositive;
};

// Source, meter, height, fixture, then the limits of mains and branches.
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

// One entry of the pipe box: a galvanized class, sized on its nomogram, or a computed material.
struct TPipeChoice {
    int RoughnessClass = 0; // 1-3 for galvanized; 0 for a computed material
    std::string Material;   // the material's id; empty for galvanized
    QString Name;           // as the box shows it
};

// The three galvanized classes, then Hydraulics::materials() in their order.
[[nodiscard]] const std::vector<TPipeChoice>& pipeChoices();
// The choice the header stands on; -1 for a material this release does not know.
[[nodiscard]] int pipeChoiceOf(const TScheduleHeader& header);
// A galvanized class clears the material; a material leaves the class as it was, for a return
// to galvanized.
void applyPipeChoice(const TPipeChoice& choice, TScheduleHeader& header);
// What a computed material's sizing reads the water at; the nomograms are for cold water.
[[nodiscard]] bool sizesForTemperature(const TScheduleHeader& header);

// The temperature "hot water" sets: a domestic hot-water system's usual supply.
inline constexpr double kHotWaterC = 60.0;
[[nodiscard]] QString temperatureText(double temperatureC);
// False, with the Persian reason and `temperatureC` untouched, for text that is not a number
// or lies outside 0-100 °C.
[[nodiscard]] bool readTemperature(const QString& text, double& temperatureC, QString& problem);
