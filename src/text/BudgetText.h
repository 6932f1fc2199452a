#pragma once
// The pressure budget's arithmetic as the budget helper and the schedule's report write it.

#include <QString>

// "50.00 − 5.00 − 0.433 × 30.00 − 8.00": the source less what is not friction, in psi, numbers
// with two decimals and the user's decimal separator; a source above the fixture (a negative
// height) adds its head. psiPerFtOfWater is the budget's own factor, passed in so that it is
// defined once, with the budget.
[[nodiscard]] QString availableArithmetic(double sourcePsi, double meterAndDevicesPsi, double psiPerFtOfWater,
                                          double heightFt, double fixturePsi);
