#pragma once
// The buildings the sizing benchmarks size: loads and lengths spread as a tall building's are.
// As a list, a main in every fourth segment and every tenth segment on the critical path; as a
// riser tree, a riser as deep as asked with every other segment a branch off one of its nodes.

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

// A riser from the street main A0 up 300 ft and 1,000 ft long, and every other segment a branch
// from one of its nodes above the main to a fixture of its own, loads and lengths varied, so that
// the deepest path is `depth` segments long. The whole building's load is 4,500 fixture units,
// within the demand table, so that every segment is sized.
[[nodiscard]] inline Sizing::TSchedule tallTree(int segmentCount, int depth)
{
    Sizing::TSchedule schedule = tallBuilding(0);
    schedule.layout = Sizing::TLayout::Tree;
    schedule.sourcePsi = 200.0;
    constexpr double kRiserHeightFt = 300.0;
    constexpr double kRiserLengthFt = 1000.0;
    const int risers = depth - 1;
    const int branches = segmentCount - risers;
    for (int i = 0; i < segmentCount; ++i) {
        Sizing::TSegment segment;
        const bool isRiser = i < risers;
        const int node = isRiser ? i + 1 : 1 + (i * 7919) % risers; // a prime spreads the branches over the floors
        segment.from = "A" + std::to_string(isRiser ? i : node);
        segment.to = isRiser ? "A" + std::to_string(node) : "F" + std::to_string(i);
        segment.name = segment.from + "-" + segment.to;
        segment.run = isRiser ? Sizing::TRun::Main : Sizing::TRun::Branch;
        segment.elevationFt = kRiserHeightFt * node / risers;
        segment.lengthFt = isRiser ? kRiserLengthFt / risers : 3.0 + (i % 11);
        segment.fittingsPercent = 30.0 + (i % 5) * 10.0;
        segment.fixtureUnits = isRiser ? 0.0 : 4500.0 / branches * (0.5 + (i % 3) * 0.5);
        segment.outletPsi = isRiser || i % 5 != 0 ? 0.0 : 25.0;
        schedule.segments.push_back(segment);
    }
    return schedule;
}
