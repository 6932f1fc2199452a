// Reading a project file: every key checked for its presence, its type and its range before
// anything is handed over.
#include "ProjectFile.h"

#include "Hydraulics.h"
#include "ProjectKeys.h"
#include "ProjectTexts.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonParseError>
#include <QStringList>

#include <algorithm>
#include <cmath>
#include <optional>
#include <type_traits>
#include <utility>

namespace Project {
namespace {

using namespace ProjectKeys;
using namespace ProjectTexts;

enum class TRange {
    Any,
    NonNegative,
    Positive,
    ClassNumber,
    Version,
    FixtureUnits,
    Elevation,
    Pressure,
    Temperature,
    TankLevel,
    BoosterPressure,
    DesignRate,
    Starts,
    Efficiency,
    Altitude,
    Occupants,
};

// The ranges that stop above 0 and include their top.
constexpr bool aboveZeroUpTo(double value, double most) { return value > 0.0 && value <= most; }

bool inRange(double value, TRange range)
{
    switch (range) {
    case TRange::Any: return true;
    case TRange::NonNegative: return value >= 0.0;
    case TRange::Positive: return value > 0.0;
    case TRange::ClassNumber: return value == 1.0 || value == 2.0 || value == 3.0;
    case TRange::Version: return value >= 1.0 && value == std::floor(value);
    case TRange::FixtureUnits: return value >= 0.0 && value <= Design::kMaxFixtureUnits;
    case TRange::Elevation: return value >= kLeastElevationFt && value <= kMostElevationFt;
    case TRange::Pressure: return value >= 0.0 && value <= kMostPressurePsi;
    case TRange::Temperature:
        return value >= Hydraulics::kLeastWaterTemperatureC && value <= Hydraulics::kMostWaterTemperatureC;
    case TRange::TankLevel: return value >= Sizing::kLeastTankLevelFt && value <= Sizing::kMostTankLevelFt;
    case TRange::BoosterPressure: return value >= 0.0 && value <= Sizing::kMostBoosterPsi;
    case TRange::DesignRate: return aboveZeroUpTo(value, Sizing::kMostDesignPsiPer100ft);
    case TRange::Starts: return aboveZeroUpTo(value, Sizing::kMostStartsPerHour);
    case TRange::Efficiency: return aboveZeroUpTo(value, Sizing::kMostEfficiency);
    case TRange::Altitude: return value >= Sizing::kLeastAltitudeM && value <= Sizing::kMostAltitudeM;
    case TRange::Occupants: return value >= 0.0 && value <= Sizing::kMostOccupants;
    }
    return false;
}

// A negative bound keeps its sign before it inside the Persian sentence.
QString bound(double value) { return QStringLiteral("\u2066%1\u2069").arg(value); }

QString between(double least, double most) { return kRangeBetween.toString().arg(bound(least), bound(most)); }

QString upTo(double most) { return kRangeAboveZeroUpTo.toString().arg(bound(most)); }

QString rangeText(TRange range)
{
    switch (range) {
    case TRange::Any: break;
    case TRange::NonNegative: return kRangeNonNegative.toString();
    case TRange::Positive: return kRangePositive.toString();
    case TRange::ClassNumber: return kRangeClass.toString();
    case TRange::Version: return kRangeVersion.toString();
    case TRange::FixtureUnits: return between(0.0, Design::kMaxFixtureUnits);
    case TRange::Elevation: return between(kLeastElevationFt, kMostElevationFt);
    case TRange::Pressure: return between(0.0, kMostPressurePsi);
    case TRange::Temperature: return between(Hydraulics::kLeastWaterTemperatureC, Hydraulics::kMostWaterTemperatureC);
    case TRange::TankLevel: return between(Sizing::kLeastTankLevelFt, Sizing::kMostTankLevelFt);
    case TRange::BoosterPressure: return between(0.0, Sizing::kMostBoosterPsi);
    case TRange::DesignRate: return upTo(Sizing::kMostDesignPsiPer100ft);
    case TRange::Starts: return upTo(Sizing::kMostStartsPerHour);
    case TRange::Efficiency: return upTo(Sizing::kMostEfficiency);
    case TRange::Altitude: return between(Sizing::kLeastAltitudeM, Sizing::kMostAltitudeM);
    case TRange::Occupants: return between(0.0, Sizing::kMostOccupants);
    }
    return kRangeFinite.toString();
}

// Where a segment is in the file, as a message names it: "segments[3]". Made only for a message.
QString segmentPath(qsizetype index) { return QStringLiteral("%1[%2]").arg(kSegments).arg(index); }

// The keys of one JSON object, each named in a message by its path in the file, such as
// "segments[3].lengthFt" or "booster.efficiency". A key marked optional that is absent takes its
// fallback.
class TReader {
public:
    // path: where the object is in the file, such as "segments[3]"; empty for the top level.
    TReader(const QJsonObject& object, QString path, QString& problem)
        : FObject(object)
        , FPath(std::move(path))
        , FProblem(problem)
    {
    }

    bool number(QLatin1String key, TRange range, double& out, std::optional<double> fallback = std::nullopt)
    {
        const QJsonValue value = FObject.value(key);
        if (value.isUndefined() && fallback)
            return take(*fallback, out);
        if (value.isUndefined())
            return fail(kMissingKey, key);
        if (!value.isDouble())
            return fail(kNotNumber, key);
        const double number = value.toDouble();
        if (!std::isfinite(number) || !inRange(number, range))
            return fail(kOutOfRange, key, rangeText(range));
        return take(number, out);
    }

    bool text(QLatin1String key, QString& out, std::optional<QString> fallback = std::nullopt)
    {
        const QJsonValue value = FObject.value(key);
        if (value.isUndefined() && fallback)
            return take(*fallback, out);
        if (value.isUndefined())
            return fail(kMissingKey, key);
        if (!value.isString())
            return fail(kNotText, key);
        return take(value.toString(), out);
    }

    // A node of the riser diagram; absent, it is unnamed.
    bool node(QLatin1String key, std::string& out)
    {
        QString name;
        if (!text(key, name, QString()))
            return false;
        if (name.toUcs4().size() > kMaxNodeNameCharacters)
            return fail(kOutOfRange, key, kRangeNodeName.toString().arg(kMaxNodeNameCharacters));
        return take(name.toStdString(), out);
    }

    // A computed material's id; absent or empty, the pipes are galvanized. An id this release has
    // no table for is refused by name: sized as galvanized, its pipes would be wrong.
    bool material(QLatin1String key, std::string& out)
    {
        QString id;
        if (!text(key, id, QString()))
            return false;
        if (id.isEmpty())
            return take(std::string(), out);
        if (Hydraulics::findMaterial(id.toStdString()) == nullptr)
            return fail(kUnknownMaterial, key, id);
        return take(id.toStdString(), out);
    }

    bool flag(QLatin1String key, bool& out, std::optional<bool> fallback = std::nullopt)
    {
        const QJsonValue value = FObject.value(key);
        if (value.isUndefined() && fallback)
            return take(*fallback, out);
        if (value.isUndefined())
            return fail(kMissingKey, key);
        if (!value.isBool())
            return fail(kNotTrueFalse, key);
        return take(value.toBool(), out);
    }

    template <typename T>
    bool choice(QLatin1String key, const TChoices<T>& choices, T& out,
                std::optional<std::type_identity_t<T>> fallback = std::nullopt)
    {
        QString word;
        const std::optional<QString> fallbackWord
            = fallback ? std::optional<QString>(wordOf(choices, *fallback)) : std::nullopt;
        if (!text(key, word, fallbackWord))
            return false;
        QStringList words;
        for (const auto& [choiceWord, value] : choices) {
            if (word == choiceWord)
                return take(value, out);
            words << QStringLiteral("«%1»").arg(choiceWord);
        }
        return fail(kNotAChoice, key, words.join(kOr));
    }

    // What a newer release wrote and this one does not know, or what the file's version does not
    // have: a version-1 file's "layout" was never this release's to read.
    template <std::size_t N>
    [[nodiscard]] QJsonObject others(const std::array<QLatin1String, N>& known, int version) const
    {
        QJsonObject unknown;
        for (auto it = FObject.begin(); it != FObject.end(); ++it)
            if (!isOneOf(it.key(), known) || (version < 2 && isOneOf(it.key(), kSinceVersion2))
                || (version < 3 && isOneOf(it.key(), kSinceVersion3)))
                unknown.insert(it.key(), it.value());
        return unknown;
    }

    bool fail(QStringView sentence, QLatin1String key, const QString& detail = {})
    {
        FProblem = sentence.toString().arg(FPath.isEmpty() ? QString(key) : FPath + u'.' + key);
        if (!detail.isEmpty())
            FProblem = FProblem.arg(detail);
        return false;
    }

private:
    template <typename T> static bool take(T value, T& out)
    {
        out = std::move(value);
        return true;
    }

    const QJsonObject& FObject;
    QString FPath;
    QString& FProblem;
};

bool readHeader(TReader& reader, const QJsonObject& root, int& fileVersion, QString& problem)
{
    QString format;
    if (!reader.text(kFormat, format))
        return false;
    if (format != kFormatName) {
        problem = kWrongFormat.toString().arg(kFormatName);
        return false;
    }
    double version = 0.0;
    if (!reader.number(kVersion, TRange::Version, version))
        return false;
    if (version > kFormatVersion) {
        problem = kNewerVersion.toString().arg(root.value(kVersion).toDouble()).arg(kFormatVersion);
        return false;
    }
    fileVersion = static_cast<int>(version);
    return true;
}

bool readSchedule(TReader& reader, int version, TProject& project)
{
    Sizing::TSchedule& s = project.schedule;
    double roughnessClass = 0.0;
    if (!reader.text(kTitle, project.title, QString())
        || !reader.number(kRoughnessClass, TRange::ClassNumber, roughnessClass)
        || !reader.choice(kSupply, kSupplies, s.supply) || !reader.number(kSourcePsi, TRange::NonNegative, s.sourcePsi)
        || !reader.number(kMeterAndDevicesPsi, TRange::NonNegative, s.meterAndDevicesPsi)
        || !reader.number(kHeightFt, TRange::Any, s.heightFt)
        || !reader.number(kFixturePsi, TRange::NonNegative, s.fixturePsi)
        || !reader.number(kMainLimitFtPerS, TRange::Positive, s.mainLimitFtPerS, Sizing::kDefaultMainLimitFtPerS)
        || !reader.number(kBranchLimitFtPerS, TRange::Positive, s.branchLimitFtPerS, Sizing::kDefaultBranchLimitFtPerS)
        || !reader.choice(kUnits, kUnitSystems, project.units, TUnits::US))
        return false;
    s.roughnessClass = static_cast<int>(roughnessClass);
    if (version < 2)
        return true;
    if (!reader.choice(kLayout, kLayouts, s.layout, Sizing::TLayout::List)
        || !reader.number(kStaticSourcePsi, TRange::Pressure, s.staticSourcePsi, 0.0)
        || !reader.material(kMaterial, s.material)
        || !reader.number(kWaterTemperatureC, TRange::Temperature, s.waterTemperatureC,
                          Sizing::TSchedule{}.waterTemperatureC))
        return false;
    return version < 3 || reader.choice(kSource, kSources, s.source, Sizing::TSource::Main);
}

// "booster", whose absent keys take the set's defaults; absent altogether, all of them do.
bool readBooster(TReader& reader, const QJsonObject& root, Sizing::TBooster& b, QString& problem)
{
    const QJsonValue value = root.value(kBooster);
    if (value.isUndefined())
        return true;
    if (!value.isObject())
        return reader.fail(kNotObject, kBooster);
    const QJsonObject object = value.toObject();
    TReader keys(object, QString(kBooster), problem);
    const Sizing::TBooster d;
    return keys.number(kTankLevelFt, TRange::TankLevel, b.tankLevelFt, d.tankLevelFt)
        && keys.number(kSuctionLossPsi, TRange::BoosterPressure, b.suctionLossPsi, d.suctionLossPsi)
        && keys.number(kSetLossPsi, TRange::BoosterPressure, b.setLossPsi, d.setLossPsi)
        && keys.number(kDesignPsiPer100ft, TRange::DesignRate, b.designPsiPer100ft, d.designPsiPer100ft)
        && keys.number(kDifferentialPsi, TRange::BoosterPressure, b.differentialPsi, d.differentialPsi)
        && keys.number(kPreChargeBelowPsi, TRange::BoosterPressure, b.preChargeBelowPsi, d.preChargeBelowPsi)
        && keys.number(kStartsPerHour, TRange::Starts, b.startsPerHour, d.startsPerHour)
        && keys.number(kEfficiency, TRange::Efficiency, b.efficiency, d.efficiency)
        && keys.number(kAltitudeM, TRange::Altitude, b.altitudeM, d.altitudeM)
        && keys.number(kOccupants, TRange::Occupants, b.occupants, d.occupants);
}

bool readSegment(const QJsonValue& value, qsizetype index, int version, Sizing::TSegment& segment, QJsonObject& others,
                 QString& problem)
{
    if (!value.isObject()) {
        problem = kNotSegment.toString().arg(segmentPath(index));
        return false;
    }
    const QJsonObject object = value.toObject();
    TReader reader(object, segmentPath(index), problem);
    QString name;
    if (!reader.text(kName, name) || !reader.choice(kRun, kRuns, segment.run)
        || !reader.number(kFixtureUnits, TRange::FixtureUnits, segment.fixtureUnits, 0.0)
        || !reader.number(kFlowGpm, TRange::NonNegative, segment.flowGpm, 0.0)
        || !reader.number(kLengthFt, TRange::Positive, segment.lengthFt)
        || !reader.number(kFittingsPercent, TRange::NonNegative, segment.fittingsPercent, 0.0)
        || !reader.flag(kOnCriticalPath, segment.onCriticalPath, true))
        return false;
    if (version >= 2
        && (!reader.node(kFrom, segment.from) || !reader.node(kTo, segment.to)
            || !reader.number(kElevationFt, TRange::Elevation, segment.elevationFt, 0.0)
            || !reader.number(kOutletPsi, TRange::Pressure, segment.outletPsi, 0.0)))
        return false;
    segment.name = name.toStdString();
    others = reader.others(kSegmentKeys, version);
    return true;
}

bool readSegments(TReader& reader, const QJsonObject& root, int version, TProject& project, QString& problem)
{
    const QJsonValue value = root.value(kSegments);
    if (value.isUndefined())
        return reader.fail(kMissingKey, kSegments);
    if (!value.isArray())
        return reader.fail(kNotList, kSegments);
    const QJsonArray segments = value.toArray();
    if (segments.size() > kMaxSegments) {
        problem = kTooManySegments.toString().arg(kMaxSegments);
        return false;
    }
    project.schedule.segments.resize(static_cast<std::size_t>(segments.size()));
    project.otherSegmentKeys.resize(project.schedule.segments.size());
    for (qsizetype i = 0; i < segments.size(); ++i) {
        const auto index = static_cast<std::size_t>(i);
        if (!readSegment(segments.at(i), i, version, project.schedule.segments[index], project.otherSegmentKeys[index],
                         problem))
            return false;
    }
    while (!project.otherSegmentKeys.empty() && project.otherSegmentKeys.back().isEmpty())
        project.otherSegmentKeys.pop_back();
    return true;
}

QString parseProblem(const QJsonParseError& error)
{
    if (error.error == QJsonParseError::DeepNesting)
        return kTooDeep.toString().arg(error.offset);
    return kNotJson.toString().arg(error.errorString()).arg(error.offset);
}

} // namespace

bool parseProject(const QByteArray& json, TProject& project, QString& problem)
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(json, &error);
    if (error.error != QJsonParseError::NoError) {
        problem = parseProblem(error);
        return false;
    }
    if (!document.isObject()) {
        problem = kNotAnObject.toString();
        return false;
    }
    const QJsonObject root = document.object();
    TReader reader(root, QString(), problem);
    TProject read;
    int version = kFirstFormatVersion;
    if (!readHeader(reader, root, version, problem) || !readSchedule(reader, version, read)
        || (version >= 3 && !readBooster(reader, root, read.schedule.booster, problem))
        || !readSegments(reader, root, version, read, problem))
        return false;
    read.otherKeys = reader.others(kProjectKeys, version);
    project = std::move(read);
    return true;
}

bool readProject(const QString& path, TProject& project, QString& message)
{
    const auto refuse = [&](const QString& problem) {
        message = kNotRead.toString().arg(QDir::toNativeSeparators(path), problem);
        return false;
    };
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return refuse(kCannotOpen.toString().arg(file.errorString()));
    // A size the file system reports is checked first; a device that reports none is read no
    // further than the bound.
    if (file.size() > kMaxFileBytes)
        return refuse(kTooLarge.toString());
    const QByteArray json = file.read(kMaxFileBytes + 1);
    if (json.size() > kMaxFileBytes)
        return refuse(kTooLarge.toString());
    if (file.error() != QFileDevice::NoError)
        return refuse(kCannotOpen.toString().arg(file.errorString()));
    QString problem;
    if (!parseProject(json, project, problem))
        return refuse(problem);
    return true;
}

} // namespace Project
