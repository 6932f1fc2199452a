#pragma once
// How the window and the reports write their numbers: in the window, the PDF and the notes with
// the user's decimal separator, each with its unit kept left to right inside Persian text; in the
// CSV and a copy always with ".", whatever the locale, for the spreadsheets they go into.

#include <QByteArray>
#include <QChar>
#include <QDate>
#include <QString>

namespace ReportFormat {

// The decimals of every quantity the window and the reports show, declared here alone.
inline constexpr int kFlowDecimals = 2;
inline constexpr int kLengthDecimals = 2;
inline constexpr int kVelocityDecimals = 2;
inline constexpr int kPressureDecimals = 2;
inline constexpr int kLossDecimals = 3;
inline constexpr int kCountDecimals = 2;
// A tree's summed load, written to a fixed decimal so that a column of sums lines up.
inline constexpr int kServedLoadDecimals = 1;

// A number or a line of arithmetic kept in its left-to-right order inside a Persian line.
[[nodiscard]] QString leftToRight(const QString& text);

// The CSV's decimal mark, and the copy's, whatever the user's.
inline constexpr QChar kPlainDecimalMark = u'.';

// Exactly `decimals` decimals with `decimalMark`, no group separator.
[[nodiscard]] QString fixed(double value, int decimals, QChar decimalMark);

// "24.01 psi", isolated left to right, with the user's decimal mark unless another is given.
[[nodiscard]] QString quantity(double value, int decimals, const QString& unit);
[[nodiscard]] QString quantity(double value, int decimals, const QString& unit, QChar decimalMark);

// A count or a percentage with at most `decimals` decimals, trailing zeros dropped: "34", "2.5".
[[nodiscard]] QString count(double value, int decimals = kCountDecimals);

// The date in the Solar Hijri calendar, "1405/09/18", with the Gregorian date beside it,
// "(2026-12-09)", both in Latin digits; the Gregorian alone where Qt has no Jalali calendar.
[[nodiscard]] QString reportDate(const QDate& date);

} // namespace ReportFormat
