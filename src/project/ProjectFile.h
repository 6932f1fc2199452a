#pragma once
// The project file (*.keldaran): a whole building's schedule in UTF-8 JSON, its keys mirroring
// the sizing core's and its numbers always in US units, whatever the window shows.
//
// A file is read whole or not at all: anything wrong refuses it with a Persian sentence naming
// the file and what is wrong, and nothing is loaded. Keys this release does not know are kept
// and written back, so that a file from a newer release loses nothing when it is saved again.
// The writer keeps its keys in one order and indents, so that two versions of a project diff
// well, and writes each number so that it reads back exactly.

#include "Sizing.h"

#include <QByteArray>
#include <QJsonObject>
#include <QString>

#include <vector>

namespace Project {

enum class TUnits { US, SI };

struct TProject {
    QString title;
    Sizing::TSchedule schedule; // always US units
    TUnits units = TUnits::US;  // how the window and the PDF show it
    QJsonObject otherKeys;      // top-level keys this release does not know, written back as they came
    std::vector<QJsonObject>
        otherSegmentKeys; // the same for each segment, index for index; shorter than segments means none for the rest
};

inline constexpr qint64 kMaxFileBytes = 16 * 1024 * 1024;
inline constexpr int kMaxSegments = 10000;
// The newest version this release reads. A project is written at the oldest version that holds
// it, so that older releases still open a project that uses nothing newer.
inline constexpr int kFormatVersion = 3;
inline constexpr int kFirstFormatVersion = 1;

// Node names, as the riser diagram labels them, are short.
inline constexpr int kMaxNodeNameCharacters = 32;
// A building's heights and pressures, as far as any building reaches.
inline constexpr double kLeastElevationFt = -300.0;
inline constexpr double kMostElevationFt = 1000.0;
inline constexpr double kMostPressurePsi = 1000.0;

// The version `project` is written at: the oldest whose keys hold it. A booster needs version 3,
// a tree, a material, a static pressure or a water temperature version 2.
[[nodiscard]] int formatVersionOf(const TProject& project);

// problem: a Persian sentence naming what is wrong (the key's name for a key). Nothing is written
// to project on failure.
[[nodiscard]] bool parseProject(const QByteArray& json, TProject& project, QString& problem);
// message: a Persian sentence naming the file and what is wrong. project untouched on failure.
[[nodiscard]] bool readProject(const QString& path, TProject& project, QString& message);
// Fixed key order, indented, numbers round-trip exactly.
[[nodiscard]] QByteArray projectJson(const TProject& project);
// Through QSaveFile: whole or not at all. A project the reader would refuse (a number that is
// not finite, a value out of its range, too many segments) is not written. message: Persian,
// names the file.
[[nodiscard]] bool writeProject(const QString& path, const TProject& project, QString& message);

} // namespace Project
