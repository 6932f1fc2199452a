#pragma once
// Everything of a project but its segments: what the window's header shows and edits, and what
// one undoable header edit stores before and after.

#include "ProjectFile.h"

#include <QString>

#include <string>

// The booster's numbers compared member by member: the core's struct has no comparison of its own.
struct THeaderBooster : Sizing::TBooster {
    bool operator==(const THeaderBooster& other) const;
};

struct TScheduleHeader {
    QString title;
    int roughnessClass = 2;
    Design::TSupply supply = Design::TSupply::FlushTank;
    double sourcePsi = 0.0;
    double meterAndDevicesPsi = 0.0;
    double heightFt = 0.0;
    double fixturePsi = 0.0;
    double mainLimitFtPerS = Sizing::kDefaultMainLimitFtPerS;
    double branchLimitFtPerS = Sizing::kDefaultBranchLimitFtPerS;
    Project::TUnits units = Project::TUnits::US;
    Sizing::TLayout layout = Sizing::TLayout::List;
    double staticSourcePsi = 0.0; // 0: the source's pressure in flow
    std::string material;         // a computed material's id; "" for galvanized, sized in roughnessClass
    double waterTemperatureC = Sizing::TSchedule{}.waterTemperatureC;
    Sizing::TSource source = Sizing::TSource::Main;
    THeaderBooster booster;

    bool operator==(const TScheduleHeader&) const = default;
};

// Which part of the header an edit changed; consecutive edits of one part are one undo step.
enum class THeaderField {
    Title,
    RoughnessClass,
    Supply,
    Source,
    Meter,
    Height,
    Fixture,
    MainLimit,
    BranchLimit,
    Units,
    StaticSource,
    Layout,
    Material, // the pipe box: a galvanized class or a computed material
    WaterTemperature,
    SourceChoice, // the city main or a booster set
    // The booster's numbers, one for each of Sizing::TBooster's members.
    TankLevel,
    SuctionLoss,
    SetLoss,
    DesignLoss,
    Differential,
    PreChargeBelow,
    StartsPerHour,
    Efficiency,
    Altitude,
    Occupants,
};

[[nodiscard]] TScheduleHeader headerOf(const Project::TProject& project);
void applyHeader(const TScheduleHeader& header, Project::TProject& project);

// A new project: class 2, flush tanks, no budget yet and no segments; the regulations' limits.
[[nodiscard]] Project::TProject newProject();
