#pragma once
// A small project for the schedule's tests: three storeys on a 60 psi main, and a branch E off
// the critical path that draws enough for its 4 ft/s limit to raise its pipe. The second segment
// carries a key of a newer release.

#include "ProjectFile.h"

[[nodiscard]] inline Sizing::TSegment scheduleSegment(const char* name, Sizing::TRun run, double fixtureUnits,
                                                      double lengthFt, bool onPath)
{
    Sizing::TSegment s;
    s.name = name;
    s.run = run;
    s.fixtureUnits = fixtureUnits;
    s.lengthFt = lengthFt;
    s.fittingsPercent = 40.0;
    s.onCriticalPath = onPath;
    return s;
}

[[nodiscard]] inline Project::TProject threeStoreys()
{
    Project::TProject p;
    p.title = QStringLiteral("سه طبقه");
    p.schedule.roughnessClass = 2;
    p.schedule.sourcePsi = 60.0;
    p.schedule.meterAndDevicesPsi = 5.0;
    p.schedule.heightFt = 30.0;
    p.schedule.fixturePsi = 8.0;
    p.schedule.segments = {scheduleSegment("A-B", Sizing::TRun::Main, 60.0, 30.0, true),
                           scheduleSegment("B-C", Sizing::TRun::Main, 40.0, 12.0, true),
                           scheduleSegment("C-D", Sizing::TRun::Branch, 20.0, 12.0, true),
                           scheduleSegment("E", Sizing::TRun::Branch, 80.0, 8.0, false)};
    p.otherSegmentKeys = {QJsonObject(), QJsonObject{{QStringLiteral("tag"), 2}}};
    return p;
}
