#pragma once
// How both windows write numbers: Latin digits 0-9, the user's decimal separator, never a
// thousands separator. The user's locale is the process default QLocale().

#include <QChar>
#include <QString>

// The decimal separator of the user's locale, when it is "." or ","; otherwise ".". A locale
// such as Persian uses "٫", which the input filters cannot let through, so "." stands for it
// there, in what the user types as in what the windows write.
[[nodiscard]] QChar userDecimalSeparator();

// Exactly `decimals` decimals, as the patterns "0.00" and "%.2f" write them.
[[nodiscard]] QString formatFixed(double value, int decimals);

// At most `decimals` decimals with trailing zeros (and a bare separator) dropped, as the
// pattern "0.##" writes them.
[[nodiscard]] QString formatUpTo(double value, int decimals);

// The general form with up to 15 significant digits.
[[nodiscard]] QString formatGeneral(double value);
