#pragma once
// The frame in which every class's nomogram is printed: pressure drop in psi per 100 ft across,
// flow in US gpm up, both on logarithmic scales. Every line of the tables runs inside it, so the
// chart draws exactly this much and a reading beyond it has no line to be read on.

namespace Nomogram {

inline constexpr double kLeastPsiPer100ft = 0.1;
inline constexpr double kMostPsiPer100ft = 100.0;
inline constexpr double kLeastFlowGpm = 1.0;
inline constexpr double kMostFlowGpm = 10000.0;

} // namespace Nomogram
