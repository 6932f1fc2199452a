// Writing a project file: the keys in one fixed order, one to a line, so that two versions of a
// project diff well; numbers in their shortest form that reads back to the same double.
#include "ProjectFile.h"

#include "ProjectKeys.h"
#include "ProjectTexts.h"

#include <QCborValue>
#include <QDir>
#include <QJsonArray>
#include <QLocale>
#include <QSaveFile>

#include <algorithm>
#include <array>
#include <cmath>
#include <utility>

namespace Project {
namespace {

using namespace ProjectKeys;

constexpr int kIndent = 2;

// An object whose members keep the order they are given in; QJsonObject would sort them.
using TMembers = std::vector<std::pair<QString, QJsonValue>>;

void writeValue(QByteArray& out, const QJsonValue& value, int depth);

void newLine(QByteArray& out, int depth)
{
    out += '\n';
    out += QByteArray(depth * kIndent, ' ');
}

void writeString(QByteArray& out, const QString& text)
{
    out += '"';
    for (const char byte : text.toUtf8()) {
        switch (byte) {
        case '"': out += "\\\""; break;
        case '\\': out += "\\\\"; break;
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        case '\t': out += "\\t"; break;
        default:
            if (static_cast<unsigned char>(byte) < 0x20)
                out += "\\u00" + QByteArray::number(static_cast<unsigned char>(byte), 16).rightJustified(2, '0');
            else
                out += byte;
        }
    }
    out += '"';
}

// A number that is not finite has no JSON form; written as null, the reader names its key.
void writeNumber(QByteArray& out, const QJsonValue& value)
{
    const QCborValue cbor = QCborValue::fromJsonValue(value);
    if (cbor.isInteger())
        out += QByteArray::number(cbor.toInteger());
    else if (std::isfinite(value.toDouble()))
        out += QByteArray::number(value.toDouble(), 'g', QLocale::FloatingPointShortest);
    else
        out += "null";
}

void writeMembers(QByteArray& out, const TMembers& members, int depth)
{
    if (members.empty()) {
        out += "{}";
        return;
    }
    out += '{';
    for (std::size_t i = 0; i < members.size(); ++i) {
        newLine(out, depth + 1);
        writeString(out, members[i].first);
        out += ": ";
        writeValue(out, members[i].second, depth + 1);
        if (i + 1 < members.size())
            out += ',';
    }
    newLine(out, depth);
    out += '}';
}

void writeArray(QByteArray& out, const QJsonArray& array, int depth)
{
    if (array.isEmpty()) {
        out += "[]";
        return;
    }
    out += '[';
    for (qsizetype i = 0; i < array.size(); ++i) {
        newLine(out, depth + 1);
        writeValue(out, array.at(i), depth + 1);
        if (i + 1 < array.size())
            out += ',';
    }
    newLine(out, depth);
    out += ']';
}

void writeValue(QByteArray& out, const QJsonValue& value, int depth)
{
    switch (value.type()) {
    case QJsonValue::Null:
    case QJsonValue::Undefined: out += "null"; break;
    case QJsonValue::Bool: out += value.toBool() ? "true" : "false"; break;
    case QJsonValue::Double: writeNumber(out, value); break;
    case QJsonValue::String: writeString(out, value.toString()); break;
    case QJsonValue::Array: writeArray(out, value.toArray(), depth); break;
    case QJsonValue::Object: {
        TMembers members;
        const QJsonObject object = value.toObject();
        for (auto it = object.begin(); it != object.end(); ++it)
            members.emplace_back(it.key(), it.value());
        writeMembers(out, members, depth);
        break;
    }
    }
}

// A version-1 file's "layout" was kept as a key unknown to it; written as version 2, the
// project's own takes its place, as a version-2 file's "source" does in version 3. `known` is the level's own keys: a
// segment's unknown "material" is a newer release's, not the project's, and is kept.
template <std::size_t N>
void appendOthers(TMembers& members, const QJsonObject& others, const std::array<QLatin1String, N>& known, int version)
{
    const auto ownsKey = [&](const QString& key) {
        return isOneOf(key, known)
            && ((version >= 2 && isOneOf(key, kSinceVersion2)) || (version >= 3 && isOneOf(key, kSinceVersion3)));
    };
    for (auto it = others.begin(); it != others.end(); ++it)
        if (!ownsKey(it.key()))
            members.emplace_back(it.key(), it.value());
}

// What makes a project need version 2: each a version-2 key holding something other than its
// default. A key added to version 2 adds its line here.
using TScheduleUse = bool (*)(const Sizing::TSchedule&);
using TSegmentUse = bool (*)(const Sizing::TSegment&);
constexpr auto kScheduleUsesVersion2 = std::to_array<TScheduleUse>({
    [](const Sizing::TSchedule& s) { return s.layout != Sizing::TLayout::List; },
    [](const Sizing::TSchedule& s) { return s.staticSourcePsi != 0.0; },
    [](const Sizing::TSchedule& s) { return !s.material.empty(); },
    [](const Sizing::TSchedule& s) { return s.waterTemperatureC != Sizing::TSchedule{}.waterTemperatureC; },
});
constexpr auto kSegmentUsesVersion2 = std::to_array<TSegmentUse>({
    [](const Sizing::TSegment& g) { return !g.from.empty(); },
    [](const Sizing::TSegment& g) { return !g.to.empty(); },
    [](const Sizing::TSegment& g) { return g.elevationFt != 0.0; },
    [](const Sizing::TSegment& g) { return g.outletPsi != 0.0; },
});

// A file is written without the keys its version does not have.
TMembers forVersion(TMembers members, int version)
{
    std::erase_if(members, [&](const auto& member) {
        return (version < 2 && isOneOf(member.first, kSinceVersion2))
            || (version < 3 && isOneOf(member.first, kSinceVersion3));
    });
    return members;
}

// The booster's numbers, in one object whose keys the writer orders by name.
QJsonObject boosterObject(const Sizing::TBooster& b)
{
    return QJsonObject{{kTankLevelFt, b.tankLevelFt},
                       {kSuctionLossPsi, b.suctionLossPsi},
                       {kSetLossPsi, b.setLossPsi},
                       {kDesignPsiPer100ft, b.designPsiPer100ft},
                       {kDifferentialPsi, b.differentialPsi},
                       {kPreChargeBelowPsi, b.preChargeBelowPsi},
                       {kStartsPerHour, b.startsPerHour},
                       {kEfficiency, b.efficiency},
                       {kAltitudeM, b.altitudeM},
                       {kOccupants, b.occupants}};
}

// Galvanized pipes are the material's absence, so that a tree of galvanized pipes is written
// as before; the temperature is written wherever it counts or differs from cold water.
void dropDefaults(TMembers& members, const Sizing::TSchedule& s)
{
    const bool galvanized = s.material.empty();
    const bool coldWater = s.waterTemperatureC == Sizing::TSchedule{}.waterTemperatureC;
    // The main is the source's absence, and only a booster has a booster's numbers.
    const bool fromMain = s.source == Sizing::TSource::Main;
    std::erase_if(members, [&](const auto& member) {
        return (member.first == kMaterial && galvanized)
            || (member.first == kWaterTemperatureC && galvanized && coldWater)
            || ((member.first == kSource || member.first == kBooster) && fromMain);
    });
}

TMembers segmentMembers(const Sizing::TSegment& segment, const QJsonObject& others, int version)
{
    TMembers members = forVersion(
        {
            {kName, QString::fromStdString(segment.name)},
            {kRun, wordOf(kRuns, segment.run)},
            {kFrom, QString::fromStdString(segment.from)},
            {kTo, QString::fromStdString(segment.to)},
            {kFixtureUnits, segment.fixtureUnits},
            {kFlowGpm, segment.flowGpm},
            {kLengthFt, segment.lengthFt},
            {kFittingsPercent, segment.fittingsPercent},
            {kElevationFt, segment.elevationFt},
            {kOutletPsi, segment.outletPsi},
            {kOnCriticalPath, segment.onCriticalPath},
        },
        version);
    appendOthers(members, others, kSegmentKeys, version);
    return members;
}

TMembers projectMembers(const TProject& project, int version)
{
    const Sizing::TSchedule& s = project.schedule;
    TMembers members = forVersion(
        {
            {kFormat, kFormatName},
            {kVersion, version},
            {kTitle, project.title},
            {kLayout, wordOf(kLayouts, s.layout)},
            {kSource, wordOf(kSources, s.source)},
            {kRoughnessClass, s.roughnessClass},
            {kMaterial, QString::fromStdString(s.material)},
            {kWaterTemperatureC, s.waterTemperatureC},
            {kSupply, wordOf(kSupplies, s.supply)},
            {kSourcePsi, s.sourcePsi},
            {kStaticSourcePsi, s.staticSourcePsi},
            {kMeterAndDevicesPsi, s.meterAndDevicesPsi},
            {kHeightFt, s.heightFt},
            {kFixturePsi, s.fixturePsi},
            {kMainLimitFtPerS, s.mainLimitFtPerS},
            {kBranchLimitFtPerS, s.branchLimitFtPerS},
            {kBooster, boosterObject(s.booster)},
            {kUnits, wordOf(kUnitSystems, project.units)},
        },
        version);
    dropDefaults(members, s);
    return members;
}

} // namespace

int formatVersionOf(const TProject& project)
{
    const Sizing::TSchedule& s = project.schedule;
    if (s.source == Sizing::TSource::Booster)
        return 3;
    const bool uses2 = std::any_of(kScheduleUsesVersion2.begin(), kScheduleUsesVersion2.end(),
                                   [&](TScheduleUse uses) { return uses(s); })
        || std::any_of(s.segments.begin(), s.segments.end(), [](const Sizing::TSegment& g) {
                           return std::any_of(kSegmentUsesVersion2.begin(), kSegmentUsesVersion2.end(),
                                              [&](TSegmentUse uses) { return uses(g); });
                       });
    return uses2 ? 2 : kFirstFormatVersion;
}

QByteArray projectJson(const TProject& project)
{
    const int version = formatVersionOf(project);
    QByteArray out;
    out += '{';
    for (const auto& [key, value] : projectMembers(project, version)) {
        newLine(out, 1);
        writeString(out, key);
        out += ": ";
        writeValue(out, value, 1);
        out += ',';
    }
    newLine(out, 1);
    writeString(out, kSegments);
    const std::vector<Sizing::TSegment>& segments = project.schedule.segments;
    if (segments.empty()) {
        out += ": []";
    } else {
        out += ": [";
        for (std::size_t i = 0; i < segments.size(); ++i) {
            newLine(out, 2);
            const QJsonObject others
                = i < project.otherSegmentKeys.size() ? project.otherSegmentKeys[i] : QJsonObject();
            writeMembers(out, segmentMembers(segments[i], others, version), 2);
            if (i + 1 < segments.size())
                out += ',';
        }
        newLine(out, 1);
        out += ']';
    }
    TMembers others;
    appendOthers(others, project.otherKeys, kProjectKeys, version);
    for (const auto& [key, value] : others) {
        out += ',';
        newLine(out, 1);
        writeString(out, key);
        out += ": ";
        writeValue(out, value, 1);
    }
    out += "\n}\n";
    return out;
}

bool writeProject(const QString& path, const TProject& project, QString& message)
{
    const auto refuse = [&](const QString& problem) {
        message = ProjectTexts::kNotWritten.toString().arg(QDir::toNativeSeparators(path), problem);
        return false;
    };
    const QByteArray json = projectJson(project);
    // What the reader would refuse is never written: a file saved is a file that opens again.
    if (json.size() > kMaxFileBytes)
        return refuse(ProjectTexts::kTooLarge.toString());
    TProject check;
    QString problem;
    if (!parseProject(json, check, problem))
        return refuse(problem);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(json) != json.size() || !file.commit()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return refuse(ProjectTexts::kCannotWrite.toString().arg(reason));
    }
    return true;
}

} // namespace Project
