// The evaluated schedule as JSON, for scripts, plug-ins and a reviewer's own check: every figure
// the method found, in its US units whatever the project shows, each number the double itself.
// Qt's writer puts a double in the shortest form that reads back to the same bits.
#include "Report.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonValue>

#include <array>
#include <utility>

namespace Report {
namespace {

const QString kResultsFormat = QStringLiteral("keldaran-results");
constexpr int kResultsVersion = 1;

QString problemWord(Sizing::TSizeProblem problem)
{
    switch (problem) {
    case Sizing::TSizeProblem::None: break;
    case Sizing::TSizeProblem::OffChart: return QStringLiteral("offChart");
    case Sizing::TSizeProblem::TooFast: return QStringLiteral("tooFast");
    case Sizing::TSizeProblem::NoLoad: return QStringLiteral("noLoad");
    }
    return QStringLiteral("none");
}

QJsonValue index(std::size_t i) { return QJsonValue(static_cast<qint64>(i)); }

QJsonObject totals(const Sizing::TScheduleResult& r)
{
    return {{QStringLiteral("availablePsi"), r.availablePsi},
            {QStringLiteral("pathEquivalentLengthFt"), r.pathEquivalentLengthFt},
            {QStringLiteral("allowablePsiPer100ft"), r.allowablePsiPer100ft},
            {QStringLiteral("pathLossPsi"), r.pathLossPsi},
            {QStringLiteral("residualPsi"), r.residualPsi},
            {QStringLiteral("criticalOutlet"), index(r.criticalOutlet)}};
}

QJsonObject booster(const Sizing::TBoosterResult& b)
{
    return {{QStringLiteral("complete"), b.complete},
            {QStringLiteral("criticalOutlet"), index(b.criticalOutlet)},
            {QStringLiteral("flowGpm"), b.flowGpm},
            {QStringLiteral("dischargePsi"), b.dischargePsi},
            {QStringLiteral("suctionPsi"), b.suctionPsi},
            {QStringLiteral("headPsi"), b.headPsi},
            {QStringLiteral("headFt"), b.headFt},
            {QStringLiteral("hydraulicKw"), b.hydraulicKw},
            {QStringLiteral("shaftKw"), b.shaftKw},
            {QStringLiteral("cutOutPsi"), b.cutOutPsi},
            {QStringLiteral("atmosphericPsi"), b.atmosphericPsi},
            {QStringLiteral("drawdownFactor"), b.drawdownFactor},
            {QStringLiteral("drawdownGal"), b.drawdownGal},
            {QStringLiteral("tankGal"), b.tankGal},
            {QStringLiteral("storageLitres"), b.storageLitres}};
}

QJsonObject segment(const Sizing::TSegment& g, const Sizing::TSegmentResult& r)
{
    return {{QStringLiteral("name"), QString::fromStdString(g.name)},
            {QStringLiteral("sized"), r.sized},
            {QStringLiteral("flowGpm"), r.flowGpm},
            {QStringLiteral("equivalentLengthFt"), r.equivalentLengthFt},
            {QStringLiteral("pipe"), r.sized ? QJsonValue(QString::fromStdString(r.size.pipe)) : QJsonValue()},
            {QStringLiteral("velocityFtPerS"), r.size.velocityFtPerS},
            {QStringLiteral("lossPsiPer100ft"), r.size.lossPsiPer100ft},
            {QStringLiteral("raisedForVelocity"), r.size.raisedForVelocity},
            {QStringLiteral("lossPsi"), r.lossPsi},
            {QStringLiteral("cumulativeLossPsi"), r.cumulativeLossPsi},
            {QStringLiteral("servedFixtureUnits"), r.servedFixtureUnits},
            {QStringLiteral("onCriticalPath"), r.onCriticalPath},
            {QStringLiteral("staticPsi"), r.staticPsi},
            {QStringLiteral("needsPressureReducer"), r.needsPressureReducer},
            {QStringLiteral("reducer"), r.reducer},
            {QStringLiteral("reducerSetPsi"), r.reducer ? QJsonValue(r.reducerSetPsi) : QJsonValue()},
            {QStringLiteral("problem"), problemWord(r.problem)}};
}

QJsonObject outlet(const Sizing::TOutletResult& o)
{
    return {{QStringLiteral("segment"), index(o.segment)},
            {QStringLiteral("availablePsi"), o.availablePsi},
            {QStringLiteral("pathEquivalentLengthFt"), o.pathEquivalentLengthFt},
            {QStringLiteral("allowablePsiPer100ft"), o.allowablePsiPer100ft},
            {QStringLiteral("complete"), o.complete},
            {QStringLiteral("pressurePsi"), o.pressurePsi},
            {QStringLiteral("marginPsi"), o.marginPsi}};
}

} // namespace

QByteArray jsonResults(const Project::TProject& project, const Sizing::TScheduleResult& result)
{
    const Sizing::TSchedule& s = project.schedule;
    const bool isBooster = s.source == Sizing::TSource::Booster;
    QJsonObject root{{QStringLiteral("format"), kResultsFormat},
                     {QStringLiteral("version"), kResultsVersion},
                     {QStringLiteral("source"), isBooster ? QStringLiteral("booster") : QStringLiteral("main")},
                     {QStringLiteral("totals"), totals(result)}};
    if (isBooster)
        root.insert(QStringLiteral("booster"), booster(result.booster));
    QJsonArray segments;
    for (std::size_t i = 0; i < result.segments.size() && i < s.segments.size(); ++i)
        segments.append(segment(s.segments[i], result.segments[i]));
    root.insert(QStringLiteral("segments"), segments);
    if (s.layout == Sizing::TLayout::Tree) {
        QJsonArray outlets;
        for (const Sizing::TOutletResult& o : result.outlets)
            outlets.append(outlet(o));
        root.insert(QStringLiteral("outlets"), outlets);
    }
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

} // namespace Report
