// A segment's own load: typed by the engineer, or worked out from the fixtures counted at it in
// the schedule's column of the regulations' table.
#include "ScheduleParts.h"

#include <algorithm>

namespace Sizing {

bool fixtureCountsAreSound(const TSegment& segment)
{
    const std::vector<int>& counts = segment.fixtureCounts;
    if (counts.empty())
        return true;
    return counts.size() == Design::fixtureLoadTable().size()
        && std::all_of(counts.begin(), counts.end(),
                       [](int count) { return count >= 0 && count <= Design::kMaxFixtureCount; });
}

bool hasFixtureCounts(const TSegment& segment)
{
    return std::any_of(segment.fixtureCounts.begin(), segment.fixtureCounts.end(), [](int count) { return count > 0; });
}

bool ownFixtureUnits(const TSegment& segment, Design::TLoadColumn column, double& fixtureUnits)
{
    if (!fixtureCountsAreSound(segment))
        return false;
    if (!hasFixtureCounts(segment)) {
        fixtureUnits = segment.fixtureUnits;
        return true;
    }
    return Design::totalFixtureUnits(segment.fixtureCounts, column, fixtureUnits);
}

namespace Parts {

// Counts the check refused never reach here; were they to, they would count as no load.
double ownLoad(const TSchedule& schedule, const TSegment& segment)
{
    double fixtureUnits = 0.0;
    return ownFixtureUnits(segment, schedule.loadColumn, fixtureUnits) ? fixtureUnits : 0.0;
}

} // namespace Parts

} // namespace Sizing
