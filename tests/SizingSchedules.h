#pragma once
// The buildings the sizing tests work by hand: a three-storey list, the same building drawn as a
// riser tree, and an eight-storey tree fed by a booster set.

#include "Sizing.h"

#include <limits>
#include <string>

namespace {

using namespace Sizing;

inline constexpr double kScheduleNaN = std::numeric_limits<double>::quiet_NaN();

inline TSegment segment(const char* name, TRun run, double fixtureUnits, double flowGpm, double lengthFt,
                        double fittingsPercent, bool onPath)
{
    TSegment s;
    s.name = name;
    s.run = run;
    s.fixtureUnits = fixtureUnits;
    s.flowGpm = flowGpm;
    s.lengthFt = lengthFt;
    s.fittingsPercent = fittingsPercent;
    s.onCriticalPath = onPath;
    return s;
}

// Three storeys fed from the street main: 50 psi at the main, 5 psi through the meter, the top
// fixture 25 ft up and a flush tank's 8 psi. Riser A-B and B-C are mains, C-D the top floor's branch,
// and the ground floor's branch E takes a typed 5 gpm off the path.
inline TSchedule threeStoreys()
{
    TSchedule s;
    s.roughnessClass = 2;
    s.supply = Design::TSupply::FlushTank;
    s.sourcePsi = 50.0;
    s.meterAndDevicesPsi = 5.0;
    s.heightFt = 25.0;
    s.fixturePsi = 8.0;
    s.segments = {segment("A-B", TRun::Main, 60.0, 0.0, 30.0, 50.0, true),
                  segment("B-C", TRun::Main, 40.0, 0.0, 12.0, 50.0, true),
                  segment("C-D", TRun::Branch, 20.0, 0.0, 12.0, 50.0, true),
                  segment("E", TRun::Branch, 0.0, 5.0, 8.0, 100.0, false)};
    return s;
}

inline TSegment treeSegment(const char* from, const char* to, TRun run, double fixtureUnits, double flowGpm,
                            double lengthFt, double elevationFt, double outletPsi = 0.0)
{
    TSegment s = segment("", run, fixtureUnits, flowGpm, lengthFt, 50.0, false);
    s.name = std::string(from) + "-" + to;
    s.from = from;
    s.to = to;
    s.elevationFt = elevationFt;
    s.outletPsi = outletPsi;
    return s;
}

// The same kind of building drawn as its riser diagram: street main A, riser A-B-C-D to the
// ground, first and second floors (0, 10 and 20 ft), on each floor a branch to its fixtures 3 ft
// above the floor, a hose bibb H on the ground floor drawing a typed 5 gpm, and on the first floor
// a short branch to a flush valve V that needs 35 psi. 55 psi in flow at the main (65 psi with no
// flow), 5 psi through the meter, flush tanks' 8 psi elsewhere.
inline TSchedule riserTree()
{
    TSchedule s = threeStoreys();
    s.layout = TLayout::Tree;
    s.sourcePsi = 55.0;
    s.staticSourcePsi = 65.0;
    s.heightFt = kScheduleNaN; // a tree reads each outlet's elevation instead
    s.segments = {treeSegment("A", "B", TRun::Main, 0.0, 0.0, 20.0, 0.0),
                  treeSegment("B", "C", TRun::Main, 0.0, 0.0, 10.0, 10.0),
                  treeSegment("C", "D", TRun::Main, 0.0, 0.0, 10.0, 20.0),
                  treeSegment("B", "G", TRun::Branch, 20.0, 0.0, 40.0, 3.0),
                  treeSegment("B", "H", TRun::Branch, 0.0, 5.0, 15.0, 2.0),
                  treeSegment("C", "F", TRun::Branch, 20.0, 0.0, 40.0, 13.0),
                  treeSegment("C", "V", TRun::Branch, 10.0, 0.0, 6.0, 13.0, 35.0),
                  treeSegment("D", "T", TRun::Branch, 20.0, 0.0, 45.0, 23.0)};
    return s;
}

// Eight storeys, 10 ft apart, fed by an on/off booster set in the basement: riser P-R1 from the
// pump up to the first floor (25 ft of pipe), then R1-R2 ... R7-R8 (10 ft each); on each floor two
// flats, the near one (A, 20 ft of branch) and the far one (B, 30 ft), each 10 fixture units of
// flush tanks 3 ft above its floor. Class 2, 50 % for fittings everywhere, 3 psi through the meter
// after the pump, flush tanks' 8 psi. The storage tank's lowest level stands 3 ft above the
// pump's inlet, 0.5 psi lost on the way; the set's defaults otherwise, at Tehran's 1,190 m for 64
// people.
inline TSchedule eightStoreyBooster()
{
    TSchedule s;
    s.roughnessClass = 2;
    s.layout = TLayout::Tree;
    s.source = TSource::Booster;
    s.sourcePsi = kScheduleNaN; // a booster reads neither of the main's pressures
    s.staticSourcePsi = kScheduleNaN;
    s.meterAndDevicesPsi = 3.0;
    s.fixturePsi = 8.0;
    s.booster.tankLevelFt = 3.0;
    s.booster.suctionLossPsi = 0.5;
    s.booster.altitudeM = 1190.0;
    s.booster.occupants = 64.0;
    // Names built by appending: MinGW's GCC 12 at -O3 warns (-Wrestrict, a known false positive)
    // about a short literal put in front of a temporary string.
    const auto named = [](const char* letter, int floor) {
        std::string name(letter);
        name.append(std::to_string(floor));
        return name;
    };
    for (int floor = 1; floor <= 8; ++floor) {
        const std::string below = floor == 1 ? std::string("P") : named("R", floor - 1);
        const std::string here = named("R", floor);
        const double floorFt = 10.0 * floor;
        s.segments.push_back(
            treeSegment(below.c_str(), here.c_str(), TRun::Main, 0.0, 0.0, floor == 1 ? 25.0 : 10.0, floorFt));
        s.segments.push_back(
            treeSegment(here.c_str(), named("A", floor).c_str(), TRun::Branch, 10.0, 0.0, 20.0, floorFt + 3.0));
        s.segments.push_back(
            treeSegment(here.c_str(), named("B", floor).c_str(), TRun::Branch, 10.0, 0.0, 30.0, floorFt + 3.0));
    }
    return s;
}

} // namespace
