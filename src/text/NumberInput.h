#pragma once
// How the windows read the numbers a user types. The user's locale is the process default
// QLocale(); a group separator is never accepted (a German "1.500" is one and a half typed with
// the wrong mark, not fifteen hundred), nor leading or trailing junk, nor NaN or an infinity.

#include <QString>

// A pressure drop in psi per 100 ft, read with the user's locale only. Under a locale whose
// decimal separator is neither "." nor "," (Persian's "٫") the input filter leaves "." as the only
// way to type a fraction, so "." is read as the decimal separator there.
[[nodiscard]] bool parsePressureText(const QString& text, double& pressurePsiPer100ft);

// Any number typed with either decimal mark (a flow's term, a fixture load, a budget's or a
// header's figure): first read with "." as the decimal separator, then with ",". Blanks and
// control characters around it are ignored. "1,5" and "1.5" are one and a half under any locale.
[[nodiscard]] bool parseNumberEitherMark(const QString& text, double& value);

// A flow typed as one number or as a sum of terms joined by "+" ("2+3.5"). Every term must be a
// number, so "2+", "+2" and "2++3" are refused, and so is a sum that overflows. For a sum,
// `rewritten` receives the total in the general form for the field, which reads again as the
// same total ("2e20", never "2e+20"); for a single number it is left empty, since the field
// keeps what the user typed.
[[nodiscard]] bool parseFlowText(const QString& text, double& flowGpm, QString& rewritten);

// A number for the chart, read with the user's locale like the pressure drop; 0 when the text
// is not one (an empty field, or a flow sum that has not been calculated yet).
[[nodiscard]] double localeNumberOrZero(const QString& text);

// The window scale typed into the scale field, in percent: a whole decimal number from 10 to
// 300; anything else gives 100.
[[nodiscard]] int scalePercentFromText(const QString& text);
