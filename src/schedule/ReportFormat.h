#pragma once
// How the report writes its numbers: in the PDF and the notes with the user's decimal
// separator, as the windows write them, each with its unit kept left to right inside Persian
// text; in the CSV always with ".", whatever the locale, for the spreadsheets it is pasted into.

#include <QByteArray>
#include <QDate>
#include <QString>

namespace ReportFormat {

// Decimals of the report's quantities.
inline constexpr int kFlowDecimals = 2;
inline constexpr int kLengthDecimals = 2;
inline constexpr int kVelocityDecimals = 2;
inline constexpr int kPressureDecimals = 2;
inline constexpr int kLossDecimals = 3;
inline constexpr int kCountDecimals = 2;

// A number or a line of arithmetic kept in its left-to-right order inside a Persian line.
[[nodiscard]] QString leftToRight(const QString& text);

// "24.01 psi", isolated left to right.
[[nodiscard]] QString quantity(double value, int decimals, const QString& unit);

// A count or a percentage with at most `decimals` decimals, trailing zeros dropped: "34", "2.5".
[[nodiscard]] QString count(double value, int decimals = kCountDecimals);

// The date in the Solar Hijri calendar, "1405/09/18", with the Gregorian date beside it,
// "(2026-12-09)", both in Latin digits; the Gregorian alone where Qt has no Jalali calendar.
[[nodiscard]] QString reportDate(const QDate& date);

// Fixed decimals with ".", never "-0.00", never a group separator; ASCII, as the CSV is written.
[[nodiscard]] QByteArray csvNumber(double value, int decimals);
// The same as count(), with ".".
[[nodiscard]] QByteArray csvCount(double value);

} // namespace ReportFormat
