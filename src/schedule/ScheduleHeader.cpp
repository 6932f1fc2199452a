#include "ScheduleHeader.h"

TScheduleHeader headerOf(const Project::TProject& project)
{
    const Sizing::TSchedule& s = project.schedule;
    return {project.title,        s.roughnessClass, s.supply,     s.sourcePsi,
            s.meterAndDevicesPsi, s.heightFt,       s.fixturePsi, s.mainLimitFtPerS,
            s.branchLimitFtPerS,  project.units,    s.material,   s.waterTemperatureC};
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
    s.material = header.material;
    s.waterTemperatureC = header.waterTemperatureC;
}

Project::TProject newProject()
{
    Project::TProject project;
    applyHeader(TScheduleHeader{}, project);
    return project;
}
