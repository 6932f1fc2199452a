// A whole building's riser tree made from a few numbers: the rows an engineer would otherwise type
// one by one, named and ordered as the riser diagram is drawn.
#include "Sizing.h"

#include <cmath>
#include <string>
#include <utility>

namespace Sizing {
namespace {

// The rows' names, as the riser diagram labels them: "رایزر طبقهٔ 3" and "طبقهٔ 3، واحد 2". The service run
// is named after where it runs, from the source to the riser's foot.
constexpr const char* kServiceName = "انشعاب تا پای رایزر";
constexpr const char* kRiserName = "رایزر طبقهٔ ";
constexpr const char* kStoreyName = "طبقهٔ ";
constexpr const char* kFlatName = "، واحد ";

// Each quantity's range for a building; the counts are the fixture table's own.
bool buildingIsSound(const TBuildingSpec& s)
{
    const auto finite = [](double v) { return std::isfinite(v); };
    const bool numbers = finite(s.storeyHeightFt) && finite(s.firstStoreyFt) && finite(s.fixtureHeightFt)
        && finite(s.serviceLengthFt) && finite(s.branchLengthFt) && finite(s.serviceFittingsPercent)
        && finite(s.riserFittingsPercent) && finite(s.branchFittingsPercent);
    TSegment flat;
    flat.fixtureCounts = s.flatFixtureCounts;
    return numbers && s.storeys >= 1 && s.storeys <= kMostBuildingStoreys && s.flatsPerStorey >= 1
        && s.flatsPerStorey <= kMostFlatsPerStorey && s.storeyHeightFt > 0.0 && s.fixtureHeightFt >= 0.0
        && s.serviceLengthFt > 0.0 && s.branchLengthFt > 0.0 && s.serviceFittingsPercent >= 0.0
        && s.riserFittingsPercent >= 0.0 && s.branchFittingsPercent >= 0.0
        && s.flatFixtureCounts.size() == Design::fixtureLoadTable().size() && fixtureCountsAreSound(flat);
}

TSegment makeSegment(std::string name, TRun run, std::string from, std::string to, double lengthFt,
                     double fittingsPercent, double elevationFt)
{
    TSegment g;
    g.name = std::move(name);
    g.run = run;
    g.from = std::move(from);
    g.to = std::move(to);
    g.lengthFt = lengthFt;
    g.fittingsPercent = fittingsPercent;
    g.elevationFt = elevationFt;
    return g;
}

double storeyFloorFt(const TBuildingSpec& building, int storey)
{
    return building.firstStoreyFt + (storey - 1) * building.storeyHeightFt;
}

} // namespace

std::string nodeLetters(std::size_t index)
{
    constexpr std::size_t kLetters = 26;
    std::string name;
    for (std::size_t n = index + 1; n > 0; n = (n - 1) / kLetters)
        name.insert(name.begin(), static_cast<char>('A' + (n - 1) % kLetters));
    return name;
}

bool buildingTree(const TBuildingSpec& building, TSchedule& schedule)
{
    if (!buildingIsSound(building))
        return false;
    std::vector<TSegment> segments;
    segments.reserve(1 + static_cast<std::size_t>(building.storeys) * (1 + building.flatsPerStorey));
    std::size_t nodes = 0;
    const auto newNode = [&nodes] { return nodeLetters(nodes++); };
    const std::string source = newNode();
    const std::string foot = newNode();
    segments.push_back(makeSegment(kServiceName, TRun::Main, source, foot, building.serviceLengthFt,
                                   building.serviceFittingsPercent, 0.0));
    // At the source's height the first storey's node is the riser's foot itself: no riser climbs to it.
    std::vector<std::string> riserNode;
    riserNode.reserve(static_cast<std::size_t>(building.storeys));
    for (int k = 1; k <= building.storeys; ++k) {
        if (k == 1 && building.firstStoreyFt == 0.0) {
            riserNode.push_back(foot);
            continue;
        }
        // Below the source (a tank on the roof) the first riser runs down: its length is the drop.
        const double climbFt = k == 1 ? std::fabs(building.firstStoreyFt) : building.storeyHeightFt;
        std::string below = k == 1 ? foot : riserNode.back();
        std::string node = newNode();
        segments.push_back(makeSegment(kRiserName + std::to_string(k), TRun::Main, std::move(below), node, climbFt,
                                       building.riserFittingsPercent, storeyFloorFt(building, k)));
        riserNode.push_back(std::move(node));
    }
    for (int k = 1; k <= building.storeys; ++k) {
        const double elevationFt = storeyFloorFt(building, k) + building.fixtureHeightFt;
        for (int j = 1; j <= building.flatsPerStorey; ++j) {
            TSegment flat = makeSegment(kStoreyName + std::to_string(k) + kFlatName + std::to_string(j), TRun::Branch,
                                        riserNode[static_cast<std::size_t>(k - 1)], newNode(), building.branchLengthFt,
                                        building.branchFittingsPercent, elevationFt);
            flat.fixtureCounts = building.flatFixtureCounts;
            segments.push_back(std::move(flat));
        }
    }
    schedule.layout = TLayout::Tree;
    schedule.segments = std::move(segments);
    return true;
}

} // namespace Sizing
