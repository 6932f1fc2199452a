#pragma once
// The building the sizing benchmarks size: loads and lengths spread as a tall building's are,
// a main in every fourth segment and every tenth segment on the critical path.

#include "Sizing.h"

#include <string>

[[nodiscard]] inline Sizing::TSchedule tallBuilding(int segmentCount)
{
    Sizing::TSchedule schedule;
    schedule.roughnessClass = 2;
    schedule.sourcePsi = 120.0;
    schedule.meterAndDevicesPsi = 8.0;
    schedule.heightFt = 150.0;
    schedule.fixturePsi = 15.0;
    schedule.supply = Design::TSupply::FlushValve;
    for (int i = 0; i < segmentCount; ++i) {
        Sizing::TSegment segment;
        segment.name = "S" + std::to_string(i);
        segment.run = i % 4 == 0 ? Sizing::TRun::Main : Sizing::TRun::Branch;
        segment.fixtureUnits = 5.0 + (i * 37) % 2000;
        segment.lengthFt = 3.0 + (i % 11);
        segment.fittingsPercent = 30.0 + (i % 5) * 10.0;
        segment.onCriticalPath = i % 10 == 0;
        schedule.segments.push_back(segment);
    }
    return schedule;
}
