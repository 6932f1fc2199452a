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

// Eight storeys of 10 ft on a 2.5 bar main as a riser tree: the riser R0…R8 and at each floor a
// flat of 10 fixture units 3 ft above it. The top flat needs 8 + 0.433 × 83 + 5 = 48.9 psi before
// any friction, more than the main's 36.3 psi, so the main falls short and a booster set is the
// remedy; the booster's cut-out then stands over 4 bar at the lower flats.
[[nodiscard]] inline Project::TProject eightStoreyTree()
{
    Project::TProject p;
    p.title = QStringLiteral("هشت طبقه");
    Sizing::TSchedule& s = p.schedule;
    s.roughnessClass = 2;
    s.layout = Sizing::TLayout::Tree;
    s.sourcePsi = 2.5 * 14.5038;
    s.meterAndDevicesPsi = 5.0;
    s.fixturePsi = 8.0;
    // Names built by appending: MinGW's GCC 12 at -O3 warns (-Wrestrict, a known false positive)
    // about a short literal put in front of a temporary string.
    const auto named = [](const char* letter, int floor) {
        std::string name(letter);
        name.append(std::to_string(floor));
        return name;
    };
    for (int floor = 1; floor <= 8; ++floor) {
        const std::string below = named("R", floor - 1);
        const std::string here = named("R", floor);
        Sizing::TSegment riser = scheduleSegment((below + "-" + here).c_str(), Sizing::TRun::Main, 0.0, 10.0, false);
        riser.from = below;
        riser.to = here;
        riser.elevationFt = 10.0 * floor;
        Sizing::TSegment flat = scheduleSegment((here + "-F").c_str(), Sizing::TRun::Branch, 10.0, 15.0, false);
        flat.from = here;
        flat.to = named("F", floor);
        flat.elevationFt = 10.0 * floor + 3.0;
        s.segments.push_back(riser);
        s.segments.push_back(flat);
    }
    return p;
}
