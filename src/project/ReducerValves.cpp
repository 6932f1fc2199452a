#include "ReducerValves.h"

#include "BoosterTexts.h"
#include "ReportFormat.h"
#include "ScheduleUnits.h"

#include <QStringList>

#include <algorithm>
#include <string>
#include <unordered_map>

namespace ReducerValves {
namespace {

QString pressure(double psi, Project::TUnits units, QChar decimalMark)
{
    return ReportFormat::quantity(ScheduleUnits::pressureIn(psi, units), ReportFormat::kPressureDecimals,
                                  ScheduleUnits::pressureUnit(units), decimalMark);
}

QString segmentName(const Sizing::TSchedule& schedule, std::size_t segment)
{
    return QString::fromStdString(schedule.segments[segment].name);
}

} // namespace

TValveMap::TValveMap(const Sizing::TSchedule& schedule, const Sizing::TScheduleResult& result)
{
    const std::size_t count = schedule.segments.size();
    if (schedule.layout != Sizing::TLayout::Tree || result.segments.size() != count)
        return;
    std::unordered_map<std::string, std::size_t> feeding; // a node -> the segment ending at it
    for (std::size_t i = 0; i < count; ++i)
        feeding.emplace(schedule.segments[i].to, i);
    FParent.assign(count, kNone);
    FChildren.assign(count, {});
    FReducer.assign(count, false);
    FOutlet.assign(count, false);
    for (std::size_t i = 0; i < count; ++i) {
        const auto up = feeding.find(schedule.segments[i].from);
        if (up != feeding.end() && up->second != i) {
            FParent[i] = up->second;
            FChildren[up->second].push_back(i);
        }
        FReducer[i] = result.segments[i].reducer;
        if (FReducer[i])
            FValves.push_back(i);
    }
    for (const Sizing::TOutletResult& outlet : result.outlets)
        if (outlet.segment < count)
            FOutlet[outlet.segment] = true;
}

std::size_t TValveMap::valveAbove(std::size_t segment) const
{
    // A tree the core evaluated has no loop; the walk is bounded all the same.
    for (std::size_t steps = 0; segment < FParent.size() && steps <= FParent.size(); ++steps) {
        if (FReducer[segment])
            return segment;
        segment = FParent[segment];
    }
    return kNone;
}

std::vector<std::size_t> TValveMap::valvesBelow(std::size_t segment) const
{
    std::vector<std::size_t> found;
    if (segment >= FChildren.size())
        return found;
    std::vector<std::size_t> open = FChildren[segment];
    while (!open.empty() && found.size() <= FParent.size()) {
        const std::size_t at = open.back();
        open.pop_back();
        if (FReducer[at])
            found.push_back(at);
        else
            open.insert(open.end(), FChildren[at].begin(), FChildren[at].end());
    }
    std::sort(found.begin(), found.end());
    return found;
}

std::vector<std::size_t> TValveMap::outletsBelow(std::size_t segment) const
{
    std::vector<std::size_t> found;
    if (segment >= FChildren.size())
        return found;
    std::vector<std::size_t> open{segment};
    for (std::size_t steps = 0; !open.empty() && steps <= FParent.size(); ++steps) {
        const std::size_t at = open.back();
        open.pop_back();
        if (FOutlet[at])
            found.push_back(at);
        open.insert(open.end(), FChildren[at].begin(), FChildren[at].end());
    }
    std::sort(found.begin(), found.end());
    return found;
}

QString valveNote(const Sizing::TSchedule& schedule, const Sizing::TScheduleResult& result, const TValveMap& valves,
                  std::size_t segment, Project::TUnits units, QChar decimalMark)
{
    using namespace BoosterTexts;
    if (segment >= result.segments.size() || segment >= schedule.segments.size())
        return {};
    const Sizing::TSegmentResult& r = result.segments[segment];
    QStringList says;
    if (r.reducer)
        says << kValveHere.toString().arg(pressure(r.reducerSetPsi, units, decimalMark));
    if (r.needsPressureReducer) {
        const QString staticPressure = pressure(r.staticPsi, units, decimalMark);
        const std::size_t above = valves.valveAbove(segment);
        if (above != kNone && above != segment) {
            says << kValveAbove.toString().arg(staticPressure, segmentName(schedule, above),
                                               QString::number(above + 1));
        } else if (above == kNone) {
            QStringList below;
            for (const std::size_t valve : valves.valvesBelow(segment))
                below << QStringLiteral("«") + segmentName(schedule, valve) + QStringLiteral("»");
            says << (below.isEmpty() ? kNoValveNeeded.toString().arg(staticPressure)
                                     : kValvesBelow.toString().arg(staticPressure, below.join(QStringLiteral("، "))));
        }
    }
    return says.join(u' ');
}

} // namespace ReducerValves
