#pragma once
// The unit conversions of the design helpers. The method and the nomogram work in US units
// (psi, ft, gpm); users here measure in bar, kPa, metres of water and metres, and read flows
// in litres per second. The factors are the ones the regulations' tables use.

#include <array>

namespace Design {

enum class TPressureUnit { Psi, Bar, KPa, MetreOfWater };
enum class TLengthUnit { Metre, Foot };

// The units' symbols as every unit box lists them, in the order of the enums above, so that a
// box's index is the unit.
inline constexpr std::array<const char*, 4> kPressureUnitSymbols{"psi", "bar", "kPa", "mH2O"};
inline constexpr std::array<const char*, 2> kLengthUnitSymbols{"m", "ft"};

inline constexpr double kPsiPerBar = 14.5038;
inline constexpr double kPsiPerKPa = 0.145038;
inline constexpr double kMetresPerFoot = 0.3048;
inline constexpr double kLitresPerSecondPerGpm = 0.0630902;
inline constexpr double kKPaPerMetrePerPsiPer100ft = 0.226206;

// A pressure in psi. Metres of water use the same 0.433 psi per ft of water as the static head
// of the pressure budget, so a height typed as a pressure and one typed as a height agree.
[[nodiscard]] double pressurePsi(double value, TPressureUnit unit);

// A height or a length in ft.
[[nodiscard]] double lengthFt(double value, TLengthUnit unit);

[[nodiscard]] double flowLitresPerSecond(double flowGpm);

// A friction loss in kPa per metre of pipe.
[[nodiscard]] double lossKPaPerMetre(double psiPer100ft);

} // namespace Design
