#include "ScheduleHeader.h"

#include <array>

namespace {

using B = Sizing::TBooster;
constexpr std::array kBoosterMembers{
    &B::tankLevelFt,       &B::suctionLossPsi, &B::setLossPsi, &B::designPsiPer100ft, &B::differentialPsi,
    &B::preChargeBelowPsi, &B::startsPerHour,  &B::efficiency, &B::altitudeM,         &B::occupants};
// A member the core adds must be compared too.
static_assert(sizeof(Sizing::TBooster) == kBoosterMembers.size() * sizeof(double));

} // namespace

bool THeaderBooster::operator==(const THeaderBooster& other) const
{
    for (const auto member : kBoosterMembers)
        if (this->*member != other.*member)
            return false;
    return true;
}

TScheduleHeader headerOf(const Project::TProject& project)
{
    const Sizing::TSchedule& s = project.schedule;
    return {project.title,        s.roughnessClass,    s.supply,     s.sourcePsi,
            s.meterAndDevicesPsi, s.heightFt,          s.fixturePsi, s.mainLimitFtPerS,
            s.branchLimitFtPerS,  project.units,       s.layout,     s.staticSourcePsi,
            s.material,           s.waterTemperatureC, s.source,     THeaderBooster{s.booster}};
}

void applyHeader(const TScheduleHeader& header, Project::TProject& project)
{
    Sizing::TSchedule& s = project.schedule;
    project.title = header.title;
    s.roughnessClass = header.roughnessClass;
    s.supply = header.supply;
    s.sourcePsi = header.sourcePsi;
    s.meterAndDevicesPsi = header.meterAndDevicesPsi;
    s.heightFt = header.heightFt;
    s.fixturePsi = header.fixturePsi;
    s.mainLimitFtPerS = header.mainLimitFtPerS;
    s.branchLimitFtPerS = header.branchLimitFtPerS;
    project.units = header.units;
    s.layout = header.layout;
    s.staticSourcePsi = header.staticSourcePsi;
    s.material = header.material;
    s.waterTemperatureC = header.waterTemperatureC;
    s.source = header.source;
    s.booster = header.booster;
}

Project::TProject newProject()
{
    Project::TProject project;
    applyHeader(TScheduleHeader{}, project);
    return project;
}
