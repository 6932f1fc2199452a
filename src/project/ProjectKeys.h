#pragma once
// The project file's keys and the words its choices are written with, shared by the reader and
// the writer so that both spell them alike.

#include "Demand.h"
#include "ProjectFile.h"
#include "Sizing.h"

#include <QLatin1String>
#include <QString>

#include <array>
#include <utility>

namespace ProjectKeys {

inline constexpr QLatin1String kFormat("format");
inline constexpr QLatin1String kVersion("version");
inline constexpr QLatin1String kTitle("title");
inline constexpr QLatin1String kRoughnessClass("roughnessClass");
inline constexpr QLatin1String kSupply("supply");
inline constexpr QLatin1String kSourcePsi("sourcePsi");
inline constexpr QLatin1String kMeterAndDevicesPsi("meterAndDevicesPsi");
inline constexpr QLatin1String kHeightFt("heightFt");
inline constexpr QLatin1String kFixturePsi("fixturePsi");
inline constexpr QLatin1String kMainLimitFtPerS("mainLimitFtPerS");
inline constexpr QLatin1String kBranchLimitFtPerS("branchLimitFtPerS");
inline constexpr QLatin1String kUnits("units");
inline constexpr QLatin1String kSegments("segments");
inline constexpr QLatin1String kLayout("layout");
inline constexpr QLatin1String kStaticSourcePsi("staticSourcePsi");
inline constexpr QLatin1String kMaterial("material");
inline constexpr QLatin1String kWaterTemperatureC("waterTemperatureC");
inline constexpr QLatin1String kSource("source");
inline constexpr QLatin1String kBooster("booster");

// The booster's own keys, inside "booster", named as TBooster's members.
inline constexpr QLatin1String kTankLevelFt("tankLevelFt");
inline constexpr QLatin1String kSuctionLossPsi("suctionLossPsi");
inline constexpr QLatin1String kSetLossPsi("setLossPsi");
inline constexpr QLatin1String kDesignPsiPer100ft("designPsiPer100ft");
inline constexpr QLatin1String kDifferentialPsi("differentialPsi");
inline constexpr QLatin1String kPreChargeBelowPsi("preChargeBelowPsi");
inline constexpr QLatin1String kStartsPerHour("startsPerHour");
inline constexpr QLatin1String kEfficiency("efficiency");
inline constexpr QLatin1String kAltitudeM("altitudeM");
inline constexpr QLatin1String kOccupants("occupants");

inline constexpr QLatin1String kName("name");
inline constexpr QLatin1String kRun("run");
inline constexpr QLatin1String kFixtureUnits("fixtureUnits");
inline constexpr QLatin1String kFlowGpm("flowGpm");
inline constexpr QLatin1String kLengthFt("lengthFt");
inline constexpr QLatin1String kFittingsPercent("fittingsPercent");
inline constexpr QLatin1String kOnCriticalPath("onCriticalPath");
inline constexpr QLatin1String kFrom("from");
inline constexpr QLatin1String kTo("to");
inline constexpr QLatin1String kElevationFt("elevationFt");
inline constexpr QLatin1String kOutletPsi("outletPsi");

inline constexpr QLatin1String kFormatName("keldaran-schedule");

// Every key of the top level and of a segment, in the order the writer puts them.
inline constexpr std::array kProjectKeys{kFormat,   kVersion,        kTitle,           kLayout,
                                         kSource,   kRoughnessClass, kMaterial,        kWaterTemperatureC,
                                         kSupply,   kSourcePsi,      kStaticSourcePsi, kMeterAndDevicesPsi,
                                         kHeightFt, kFixturePsi,     kMainLimitFtPerS, kBranchLimitFtPerS,
                                         kBooster,  kUnits,          kSegments};
inline constexpr std::array kSegmentKeys{kName,         kRun,       kFrom,          kTo,
                                         kFixtureUnits, kFlowGpm,   kLengthFt,      kFittingsPercent,
                                         kElevationFt,  kOutletPsi, kOnCriticalPath};

// The keys a version-1 file does not have. Its reader keeps them as unknown keys, and a project
// that leaves them all at their defaults is written without them, as version 1.
inline constexpr std::array kSinceVersion2{kLayout, kStaticSourcePsi, kMaterial, kWaterTemperatureC, kFrom,
                                           kTo,     kElevationFt,     kOutletPsi};

inline constexpr std::array kBoosterKeys{kTankLevelFt,     kSuctionLossPsi,    kSetLossPsi,    kDesignPsiPer100ft,
                                         kDifferentialPsi, kPreChargeBelowPsi, kStartsPerHour, kEfficiency,
                                         kAltitudeM,       kOccupants};

// The same for version 3: a building fed by a booster set.
inline constexpr std::array kSinceVersion3{kSource, kBooster};

template <typename T> using TChoices = std::array<std::pair<QLatin1String, T>, 2>;

inline constexpr TChoices<Design::TSupply> kSupplies{{{QLatin1String("flushTank"), Design::TSupply::FlushTank},
                                                      {QLatin1String("flushValve"), Design::TSupply::FlushValve}}};
inline constexpr TChoices<Sizing::TRun> kRuns{
    {{QLatin1String("main"), Sizing::TRun::Main}, {QLatin1String("branch"), Sizing::TRun::Branch}}};
inline constexpr TChoices<Sizing::TLayout> kLayouts{
    {{QLatin1String("list"), Sizing::TLayout::List}, {QLatin1String("tree"), Sizing::TLayout::Tree}}};
inline constexpr TChoices<Sizing::TSource> kSources{
    {{QLatin1String("main"), Sizing::TSource::Main}, {QLatin1String("booster"), Sizing::TSource::Booster}}};
inline constexpr TChoices<Project::TUnits> kUnitSystems{
    {{QLatin1String("US"), Project::TUnits::US}, {QLatin1String("SI"), Project::TUnits::SI}}};

// The word a choice is written with.
// Whether `key` is in `keys`.
template <std::size_t N> [[nodiscard]] bool isOneOf(const QString& key, const std::array<QLatin1String, N>& keys)
{
    for (const QLatin1String& each : keys)
        if (each == key)
            return true;
    return false;
}

template <typename T> [[nodiscard]] constexpr QLatin1String wordOf(const TChoices<T>& choices, T value)
{
    for (const auto& [word, choice] : choices)
        if (choice == value)
            return word;
    return choices.front().first;
}

} // namespace ProjectKeys
