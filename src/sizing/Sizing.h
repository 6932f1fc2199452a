#pragma once
// The sizing method applied to a whole building. A schedule lists the segments of the supply,
// each with the load it serves (or a flow the engineer typed) and its length. The pressure the
// source leaves for friction is spread evenly over the critical path, the run from the source to
// the most demanding fixture; that uniform rate, in psi per 100 ft, is the reading every segment
// is sized at on the class's nomogram. A segment whose pipe would run faster than its run's
// velocity limit is given the next larger pipe that does not. A riser tree is the same method
// with the work the engineer used to do by hand: the loads summed downstream, the critical
// outlet found as the one with the least allowance, and the pressure at every outlet. A schedule
// in a computed material (PP-R, PE, PEX-AL-PEX) reads each size's loss by Darcy-Weisbach instead
// of on a nomogram.

#include "BoosterSet.h"
#include "Demand.h"
#include "FixtureLoads.h"
#include "Hydraulics.h"
#include "NomogramFrame.h"
#include "Units.h"

#include <cstddef>
#include <string>
#include <vector>

namespace Sizing {

enum class TRun { Main, Branch };

// A list is typed as the engineer walks the critical path, each segment with the load it serves;
// a tree names the riser diagram's nodes, each segment running from one to the next, and the
// loads are summed downstream. A tree does not read `heightFt` or the segments' `onCriticalPath`:
// its outlets (segments with a load of their own) each have their elevation and need, the one
// with the least allowance is critical (on a tie, the first in segment order), and every segment
// is sized at that allowance. Both layouts give each segment its static pressure.
//
// A tree is checked in this order, and the first fault refuses it:
// - every segment's numbers, as in a list (BadSegment; a negative load cannot be summed either);
// - in segment order, the first segment whose `from` or `to` is empty, whose ends are the same
//   node, or whose `to` an earlier segment already feeds (NotATree names that later segment);
// - the nodes that are a `from` and no segment's `to`: the first, in segment order, is the
//   source; a segment leaving another one is named with TwoSources; with none at all, every
//   segment stands in or below a loop and the first is named with NotATree;
// - the first segment, in segment order, that cannot be reached from the source: it stands in a
//   loop or below one (NotATree);
// - the summed loads and path lengths (OutOfRange when a sum leaves the finite numbers);
// - the outlets in segment order: none is NoCriticalPath, the first with nothing available is
//   named with Shortfall, one whose allowance is no usable rate is OutOfRange.
//
// A booster (a tree only: a list is BoosterNeedsTree, and any booster number out of its range
// BadBooster, both checked after the budget) reads neither source pressure, so no outlet falls
// short: every segment is sized at the set's design rate, the complete outlet that then needs the
// highest discharge is critical, and its need sets the pump's duty. Static pressures are the
// cut-out's. In every tree, a pressure-reducing valve stands where a branch leaves toward
// outlets that all stand over 4 bar static; a main tree's sizes are found without the valves,
// which only cap the pressures in flow below them.
enum class TLayout { List, Tree };

inline constexpr double kMostStaticPsi = 4.0 * Design::kPsiPerBar; // the regulations' 4 bar at an outlet

// The velocity limits of the regulations: the calculator's warning for mains, the recommended
// value for branches.
inline constexpr double kDefaultMainLimitFtPerS = 10.0;
inline constexpr double kDefaultBranchLimitFtPerS = 4.0;

struct TSegment {
    std::string name;
    TRun run = TRun::Main;
    double fixtureUnits = 0.0;    // the load the segment serves; used when flowGpm is 0
    double flowGpm = 0.0;         // a flow typed by the user; 0 means the demand of fixtureUnits
    double lengthFt = 0.0;        // > 0
    double fittingsPercent = 0.0; // >= 0
    bool onCriticalPath = true;   // its length counts in the run from the source to the critical fixture
    std::string from;             // tree: the node at the segment's upstream end
    std::string to;               // tree: the node at its downstream end
    double elevationFt = 0.0;     // the height of the `to` node above the source (negative below it)
    double outletPsi = 0.0;       // tree: least pressure needed at `to`; 0 means the schedule's fixturePsi
    // Empty, or one count per row of Design::fixtureLoadTable(), each from 0 to
    // Design::kMaxFixtureCount. When any count is above 0, their load in the schedule's column is
    // the segment's own and fixtureUnits is not read.
    std::vector<int> fixtureCounts;
};

// Where a tree's water comes from: the city main at its own pressure, or a booster set drawing
// from a storage tank, whose discharge pressure is worked out from the tree instead.
enum class TSource { Main, Booster };

// A booster set and its tanks. Every segment is sized at one rate; the outlet that then needs
// the highest discharge pressure is critical, and the pump's duty, the switch pressures and the
// pressure tank follow from it. The ranges are the project file's.
struct TBooster {
    double tankLevelFt = 0.0;       // the storage tank's lowest water level above the pump's inlet; negative below it
    double suctionLossPsi = 0.0;    // losses from the tank to the pump
    double setLossPsi = 5.0;        // losses inside the booster set: headers, check valves
    double designPsiPer100ft = 3.0; // the uniform rate every segment is sized at
    double differentialPsi
        = 20.0; // cut-out above cut-in; 0 = a constant-pressure (variable-speed) set, no pressure tank
    double preChargeBelowPsi = 2.0; // the pressure tank's pre-charge below cut-in
    double startsPerHour = 6.0;     // the most starts a pump may make in an hour
    double efficiency = 0.6;        // pump and motor, for the shaft power
    double altitudeM = 0.0;         // the site's altitude, for the atmospheric pressure
    double occupants = 0.0;         // for the storage tank
};

// The ranges of a booster's numbers, the same in the window, the project file and the method.
inline constexpr double kLeastTankLevelFt = -100.0;
inline constexpr double kMostTankLevelFt = 500.0;
inline constexpr double kMostBoosterPsi = 100.0;        // suction and set losses, differential, pre-charge below cut-in
inline constexpr double kMostDesignPsiPer100ft = 100.0; // above 0
inline constexpr double kMostStartsPerHour = 60.0;      // above 0
inline constexpr double kMostEfficiency = 1.0;          // above 0
inline constexpr double kLeastAltitudeM = -500.0;       // the shores of the Dead Sea lie at -430 m
inline constexpr double kMostAltitudeM = 5000.0;
inline constexpr double kMostOccupants = 100000.0;

struct TSchedule {
    int roughnessClass = 0; // 1, 2 or 3, as the calculator numbers the classes
    Design::TSupply supply = Design::TSupply::FlushTank;
    double sourcePsi = 0.0;
    double meterAndDevicesPsi = 0.0;
    double heightFt = 0.0; // negative when the source stands higher
    double fixturePsi = 0.0;
    double mainLimitFtPerS = kDefaultMainLimitFtPerS;
    double branchLimitFtPerS = kDefaultBranchLimitFtPerS;
    std::vector<TSegment> segments;
    TLayout layout = TLayout::List;
    double staticSourcePsi = 0.0;    // the source's pressure with no flow; 0 means sourcePsi
    std::string material;            // a computed pipe material's id; "" sizes on the class's nomogram
    double waterTemperatureC = 10.0; // for a computed material's water properties
    // The fixture table's column that fixture counts are read in: the hot and cold mains are sized
    // separately, each on its own column, the service pipe on the total. A typed load is the
    // engineer's own, in whatever column, and is read as typed.
    Design::TLoadColumn loadColumn = Design::TLoadColumn::Total;
    TSource source = TSource::Main; // a booster reads neither sourcePsi nor staticSourcePsi
    TBooster booster;               // read when source is Booster
};

struct TSegmentSize {
    std::string pipe; // the nomogram's name, e.g. 1 1/4"
    double velocityFtPerS = 0.0;
    double lossPsiPer100ft = 0.0;
    bool raisedForVelocity = false;
    double outsideMm = 0.0; // a computed material's outside diameter; 0 for a nomogram pipe
};

// Why a segment was left without a pipe.
enum class TSizeProblem {
    None,
    OffChart, // no pipe line of the class carries the flow at the reading
    TooFast,  // even the largest pipe runs faster than the limit
    // Neither a typed flow nor a load that draws one (in a tree: at and below `to`), or a load
    // beyond the demand table. The schedule is still evaluated; a path through it is incomplete.
    NoLoad,
};

struct TSegmentResult {
    bool sized = false;
    double flowGpm = 0.0;
    double equivalentLengthFt = 0.0;
    TSegmentSize size;
    double lossPsi = 0.0;
    TSizeProblem problem = TSizeProblem::None;
    // List: along the critical path up to and including this segment, 0 off the path. Tree: along
    // the segment's own path from the source.
    double cumulativeLossPsi = 0.0;
    // For a segment raised for velocity: the size just below the one taken, the last that ran too
    // fast, read on its own line. False when the taken size has none below it.
    bool hasTooFastSize = false;
    TSegmentSize tooFastSize;
    double servedFixtureUnits = 0.0;   // tree: the load at and below `to`; list: the segment's own
    bool onCriticalPath = false;       // as evaluated (tree: found; list: the segment's flag)
    double staticPsi = 0.0;            // at `to`, with no flow
    bool needsPressureReducer = false; // staticPsi > kMostStaticPsi
    // Tree: a pressure-reducing valve at this segment's upstream end, where a branch leaves toward
    // outlets that all stand over 4 bar static, set to keep the lowest of them at 4 bar.
    bool reducer = false;
    double reducerSetPsi = 0.0; // the valve's outlet pressure; 0 with no valve
};

// An outlet of a tree: a segment with a load of its own, at its `to` node.
struct TOutletResult {
    std::size_t segment = 0;             // the segment whose `to` node is the outlet
    double availablePsi = 0.0;           // sourcePsi - meterAndDevicesPsi - 0.433 * elevationFt - need
    double pathEquivalentLengthFt = 0.0; // from the source to the outlet
    double allowablePsiPer100ft = 0.0;   // availablePsi * 100 / pathEquivalentLengthFt
    bool complete = false;               // every segment on its path was sized
    double pressurePsi = 0.0; // in flow: sourcePsi - meterAndDevicesPsi - 0.433 * elevationFt - losses on its path
    double marginPsi = 0.0;   // pressurePsi - need
};

// A booster set's duty and tanks, in the method's US units.
struct TBoosterResult {
    bool complete = false;          // every outlet's path was sized
    std::size_t criticalOutlet = 0; // index into outlets: the one that needs the highest discharge pressure
    double flowGpm = 0.0, dischargePsi = 0.0, suctionPsi = 0.0, headPsi = 0.0, headFt = 0.0;
    double hydraulicKw = 0.0, shaftKw = 0.0, cutOutPsi = 0.0;
    double atmosphericPsi = 0.0, drawdownFactor = 0.0, drawdownGal = 0.0, tankGal = 0.0; // 0 with no pressure tank
    double storageLitres = 0.0;
};

struct TScheduleResult {
    double availablePsi = 0.0;
    double pathEquivalentLengthFt = 0.0;
    double allowablePsiPer100ft = 0.0;
    double pathLossPsi = 0.0;
    double residualPsi = 0.0;
    std::size_t unsizedOnPath = 0; // segments of the critical path left without a pipe
    std::vector<TSegmentResult> segments;
    std::vector<TOutletResult> outlets; // tree: one per segment with a load of its own, in segment order
    std::size_t criticalOutlet = 0;     // tree: index into outlets
    TBoosterResult booster;             // filled when the schedule's source is Booster
};

// Why a schedule cannot be evaluated at all.
enum class TScheduleProblem {
    None,
    BadClass,         // the class is not 1, 2 or 3 (galvanized only: a computed material has no class)
    UnknownMaterial,  // the material is not one of Hydraulics::materials()
    BadTemperature,   // the water's temperature is not finite or is outside 0-100 °C
    BadBudget,        // a budget member is not finite, or a pressure is negative
    BadLimit,         // a velocity limit is not finite and positive
    NoSegments,       // the schedule is empty
    BadSegment,       // a segment's number is out of its range (segment names which)
    NoFlow,           // no longer given: a segment without a load is left unsized (TSizeProblem::NoLoad)
    NoCriticalPath,   // no segment is on the critical path
    Shortfall,        // the source leaves nothing for friction (availablePsi says how much is missing)
    OutOfRange,       // a total overflows (lengths or pressures beyond any building)
    NotATree,         // a tree's segments do not make one tree (segment names the first at fault)
    TwoSources,       // a tree has more than one source (segment names one leaving the second)
    BadBooster,       // a booster number is not finite or is out of its range
    BoosterNeedsTree, // a list with a booster: only a tree's outlets give the discharge pressure
};

struct TScheduleCheck {
    TScheduleProblem problem = TScheduleProblem::None;
    std::size_t segment = 0;   // the segment at fault: BadSegment, NotATree, TwoSources, a tree's Shortfall
    double availablePsi = 0.0; // for Shortfall: 0 or less (a tree's: the outlet's)
};

// Every pipe line of the nomogram ends at this pressure drop, so a steeper allowance reads there.
inline constexpr double kChartMostPsiPer100ft = Nomogram::kMostPsiPer100ft;
inline constexpr double kChartLeastPsiPer100ft = Nomogram::kLeastPsiPer100ft;

[[nodiscard]] bool sizeSegment(int roughnessClass, double allowablePsiPer100ft, double flowGpm,
                               double velocityLimitFtPerS, TSegmentSize& size);
// The same, with the reason when no pipe can be given.
[[nodiscard]] bool sizeSegment(int roughnessClass, double allowablePsiPer100ft, double flowGpm,
                               double velocityLimitFtPerS, TSegmentSize& size, TSizeProblem& problem);

// The pipe one size smaller than `pipe` in the class's table, with its velocity and loss read on
// its own line as sizeSegment reads them: for a segment raised for velocity, the size that ran
// too fast. False for the class's smallest pipe, a name not in its table, or an unusable flow.
[[nodiscard]] bool nextSmallerSize(int roughnessClass, const std::string& pipe, double flowGpm, TSegmentSize& size);

// The same rules in a computed material: the smallest size whose own loss at the flow is at most
// the allowance (no chart edge caps the allowance here), then larger sizes until the velocity is
// at most the limit. OffChart when even the largest size loses more than the allowance, TooFast
// when no size from there up is slow enough; OffChart too for a temperature or number it cannot
// use. size.pipe is the size's name as the table writes it, size.outsideMm its outside diameter.
[[nodiscard]] bool sizeSegmentIn(const Hydraulics::TMaterial& material, double temperatureC,
                                 double allowablePsiPer100ft, double flowGpm, double velocityLimitFtPerS,
                                 TSegmentSize& size, TSizeProblem& problem);

// nextSmallerSize in a computed material.
[[nodiscard]] bool nextSmallerSizeIn(const Hydraulics::TMaterial& material, double temperatureC,
                                     const std::string& pipe, double flowGpm, TSegmentSize& size);

// Every pipe of a schedule is chosen here, whatever the layout: one segment sized in the
// schedule's pipe, its class's nomogram or its material, at the given flow. Fills the result's
// sized, size, problem and, for a segment raised for velocity, its too-fast size. Returns sized.
bool sizeInSchedule(const TSchedule& schedule, double allowablePsiPer100ft, double flowGpm, double velocityLimitFtPerS,
                    TSegmentResult& segment);

// A segment's fixture counts are usable: none at all, or one per row of the fixture table, each a
// count from 0 to Design::kMaxFixtureCount.
[[nodiscard]] bool fixtureCountsAreSound(const TSegment& segment);

// Some count of the segment's fixtures is above 0, so that their load is the segment's own.
[[nodiscard]] bool hasFixtureCounts(const TSegment& segment);

// The load a segment serves of its own: its fixtures' in the column when it counts any, its typed
// fixtureUnits when it counts none. False, with the load untouched, for counts that are not sound.
[[nodiscard]] bool ownFixtureUnits(const TSegment& segment, Design::TLoadColumn column, double& fixtureUnits);

// The flow a list's segment is sized for: its typed flow when that is positive, otherwise the
// demand of its own load (in the column, for counted fixtures) on the supply's curve; false when
// there is none. A tree's segment carries the demand of the load summed at and below its `to`,
// plus every typed flow there.
[[nodiscard]] bool segmentFlowGpm(const TSegment& segment, Design::TSupply supply, Design::TLoadColumn column,
                                  double& flowGpm);

[[nodiscard]] double equivalentLengthFt(const TSegment& segment);

// The first reason, in the order the rules are checked, that the schedule cannot be evaluated.
[[nodiscard]] TScheduleCheck checkSchedule(const TSchedule& schedule);

// false, with result untouched, whenever checkSchedule finds a problem.
[[nodiscard]] bool evaluateSchedule(const TSchedule& schedule, TScheduleResult& result);
// The same, handing back the check it made, so that a caller never checks twice: None when true.
[[nodiscard]] bool evaluateSchedule(const TSchedule& schedule, TScheduleResult& result, TScheduleCheck& check);

// A typical residential building from a few numbers: one riser from the source, the same flats
// on every storey, each flat's fixtures counted once. Lengths and heights in ft.
struct TBuildingSpec {
    int storeys = 4;              // 1 to 100
    double storeyHeightFt = 10.5; // floor to floor, above 0
    double firstStoreyFt = 0.0;   // the first storey's floor above the source (negative: the source stands higher)
    double fixtureHeightFt = 3.3; // the highest fixture above its floor, 0 or more
    int flatsPerStorey = 2;       // 1 to 20
    std::vector<int> flatFixtureCounts; // one count per row of the fixture table: one flat's fixtures
    double serviceLengthFt = 50.0;      // from the source to the riser's foot, above 0
    double branchLengthFt = 30.0;       // from the riser to a flat's farthest fixture, above 0
    double serviceFittingsPercent = 30.0, riserFittingsPercent = 20.0, branchFittingsPercent = 50.0;
};

inline constexpr int kMostBuildingStoreys = 100;
inline constexpr int kMostFlatsPerStorey = 20;

// The riser diagram's node names in the order they are drawn: A, B, … Z, AA, AB, …; index 0 is A.
[[nodiscard]] std::string nodeLetters(std::size_t index);

// A building's riser tree from a few numbers: the service run A → B, a riser segment up to each storey's node (none
// for a first storey at the source's height, whose node is B), then a branch to each flat, storey
// by storey. Sets the layout to Tree and replaces the segments; the budget, the pipe and the
// limits stay as they were. False, with the schedule untouched, for a building out of range.
[[nodiscard]] bool buildingTree(const TBuildingSpec& spec, TSchedule& schedule);

} // namespace Sizing
