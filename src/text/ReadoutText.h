#pragma once
// The texts the calculator writes beside its inputs and under the pipe-range bar. Numbers use
// Latin digits and the user's decimal separator (NumberText.h).

#include <QString>

// Feet of water per psi: 1 psi lifts water 2.30625 ft.
inline constexpr double kFeetOfWaterPerPsi = 2.30625;

// The conversion shown beside the pressure drop while it is typed: "2.00 psi/100ft ⇒ 4.61 ft/100ft";
// empty when the text is not a pressure drop.
[[nodiscard]] QString pressureReadoutText(const QString& pressureText);

// The two lines under one end of the bar: the neighbour pipe's velocity and its pressure drop at
// the design flow. The pressure drop is in psi per 100 ft, the unit of the input, and says so.
[[nodiscard]] QString neighbourReadoutText(double velocityFtPerS, double pressurePsiPer100ft);
