#pragma once
// The paragraph a report of a computed material states its method in: the equations, the pipe's
// roughness and the water's temperature, density and kinematic viscosity, each number with its
// unit as a left-to-right piece of the Persian sentence.

#include "Hydraulics.h"

#include <QString>

namespace Report {

// False when the temperature is one Hydraulics::water refuses; paragraph is then untouched.
[[nodiscard]] bool materialMethodText(const Hydraulics::TMaterial& material, double temperatureC, QString& paragraph);

// The material's own name, or the id itself when this release does not know it, as one
// left-to-right piece of a Persian line.
[[nodiscard]] QString materialNameText(const std::string& id);

// A small positive number as "1.306 × 10⁻⁶": the mantissa with `decimals` places and the power
// of ten in superscript digits.
[[nodiscard]] QString scientific(double value, int decimals);

} // namespace Report
