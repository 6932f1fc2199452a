#pragma once
// A booster set's duty and tanks as every view writes them: the totals bar's line and the
// report's first booster line (one text, so that the two always agree), and the CSV's name,value
// rows at the end of a booster tree's sheet. Flow, head and tank volumes in the project's units,
// the storage tank in litres and cubic metres in both.

#include "ProjectFile.h"
#include "Sizing.h"

#include <QByteArray>
#include <QChar>
#include <QString>

#include <utility>
#include <vector>

namespace BoosterFigures {

// A US gallon in litres, exact by its definition (231 cubic inches).
inline constexpr double kLitresPerGallon = 3.785411784;
inline constexpr double kSecondsPerHour = 3600.0;
inline constexpr double kLitresPerCubicMetre = 1000.0;
inline constexpr int kPowerDecimals = 2;
inline constexpr int kVolumeDecimals = 0;
inline constexpr int kFactorDecimals = 4;

// "4.21 m³/h (1.17 L/s)" in SI, "18.54 gpm" in US.
[[nodiscard]] QString flowText(double flowGpm, Project::TUnits units, QChar decimalMark);
// "36.40 m" or "119.42 ft".
[[nodiscard]] QString headText(double headFt, Project::TUnits units, QChar decimalMark);
// "300 L" or "79 gal".
[[nodiscard]] QString tankText(double gallons, Project::TUnits units, QChar decimalMark);
// "6000 L (6.00 m³)".
[[nodiscard]] QString storageText(double litres, QChar decimalMark);

// "بوستر پمپ: دبی …، ارتفاع پمپاژ …، توان محور …، وصل/قطع …، مخزن تحت فشار …، مخزن ذخیره …".
[[nodiscard]] QString dutyLine(const Sizing::TBoosterResult& booster, Project::TUnits units, QChar decimalMark);

// Every figure of the result under its results-file name, in US units at full precision as the
// CSV writes them ("." as the mark).
[[nodiscard]] std::vector<std::pair<QByteArray, QByteArray>> csvRows(const Sizing::TBoosterResult& booster);

} // namespace BoosterFigures
