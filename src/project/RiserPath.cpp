#include "RiserPath.h"

#include "ReportFormat.h"

#include <string>
#include <unordered_map>

namespace RiserPath {

QStringList criticalPathNodes(const Sizing::TSchedule& schedule, const Sizing::TScheduleResult& result)
{
    if (schedule.layout != Sizing::TLayout::Tree || result.criticalOutlet >= result.outlets.size())
        return {};
    const std::vector<Sizing::TSegment>& segments = schedule.segments;
    std::unordered_map<std::string, std::size_t> feeding; // a node -> the segment that ends at it
    for (std::size_t i = 0; i < segments.size(); ++i)
        feeding.emplace(segments[i].to, i);
    std::size_t at = result.outlets[result.criticalOutlet].segment;
    if (at >= segments.size())
        return {};
    QStringList nodes{QString::fromStdString(segments[at].to)};
    // Up to the source; a tree the core evaluated has no loop, but a walk is bounded all the same.
    for (std::size_t steps = 0; steps < segments.size(); ++steps) {
        nodes.prepend(QString::fromStdString(segments[at].from));
        const auto up = feeding.find(segments[at].from);
        if (up == feeding.end())
            break;
        at = up->second;
    }
    return nodes;
}

QString nodeChain(const QStringList& nodes)
{
    return nodes.isEmpty() ? QString() : ReportFormat::leftToRight(nodes.join(QStringLiteral(u" → ")));
}

double outletNeedPsi(const Sizing::TSchedule& schedule, std::size_t index)
{
    if (index < schedule.segments.size() && schedule.segments[index].outletPsi > 0.0)
        return schedule.segments[index].outletPsi;
    return schedule.fixturePsi;
}

} // namespace RiserPath
