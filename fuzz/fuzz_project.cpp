// The project file's reader on arbitrary bytes. A refused file leaves the project as it was and
// says why; an accepted one holds only values in their ranges, is written back in a form the
// reader takes again unchanged, and gives every segment its row of figures and its note.
#include "FuzzInput.h"

#include "Hydraulics.h"
#include "ProjectFile.h"
#include "ReportNotes.h"
#include "SegmentFigures.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>

namespace {

bool inRanges(const Project::TProject& project)
{
    const Sizing::TSchedule& s = project.schedule;
    bool sound = s.roughnessClass >= 1 && s.roughnessClass <= 3 && s.sourcePsi >= 0.0 && s.meterAndDevicesPsi >= 0.0
        && std::isfinite(s.heightFt) && s.fixturePsi >= 0.0 && s.mainLimitFtPerS > 0.0 && s.branchLimitFtPerS > 0.0
        && std::isfinite(s.sourcePsi + s.meterAndDevicesPsi + s.fixturePsi + s.mainLimitFtPerS + s.branchLimitFtPerS)
        && s.segments.size() <= std::size_t(Project::kMaxSegments)
        && project.otherSegmentKeys.size() <= s.segments.size() && s.staticSourcePsi >= 0.0
        && s.staticSourcePsi <= Project::kMostPressurePsi
        && (s.material.empty() || Hydraulics::findMaterial(s.material) != nullptr)
        && s.waterTemperatureC >= Hydraulics::kLeastWaterTemperatureC
        && s.waterTemperatureC <= Hydraulics::kMostWaterTemperatureC;
    const Sizing::TBooster& b = s.booster;
    sound = sound && b.tankLevelFt >= Sizing::kLeastTankLevelFt && b.tankLevelFt <= Sizing::kMostTankLevelFt
        && b.designPsiPer100ft > 0.0 && b.designPsiPer100ft <= Sizing::kMostDesignPsiPer100ft && b.startsPerHour > 0.0
        && b.startsPerHour <= Sizing::kMostStartsPerHour && b.efficiency > 0.0
        && b.efficiency <= Sizing::kMostEfficiency && b.altitudeM >= Sizing::kLeastAltitudeM
        && b.altitudeM <= Sizing::kMostAltitudeM && b.occupants >= 0.0 && b.occupants <= Sizing::kMostOccupants;
    for (const double psi : {b.suctionLossPsi, b.setLossPsi, b.differentialPsi, b.preChargeBelowPsi})
        sound = sound && psi >= 0.0 && psi <= Sizing::kMostBoosterPsi;
    const auto shortName = [](const std::string& node) {
        return QString::fromStdString(node).toUcs4().size() <= Project::kMaxNodeNameCharacters;
    };
    for (const Sizing::TSegment& g : s.segments)
        sound = sound && g.fixtureUnits >= 0.0 && g.fixtureUnits <= Design::kMaxFixtureUnits && g.flowGpm >= 0.0
            && std::isfinite(g.flowGpm) && g.lengthFt > 0.0 && std::isfinite(g.lengthFt) && g.fittingsPercent >= 0.0
            && std::isfinite(g.fittingsPercent) && g.elevationFt >= Project::kLeastElevationFt
            && g.elevationFt <= Project::kMostElevationFt && g.outletPsi >= 0.0
            && g.outletPsi <= Project::kMostPressurePsi && shortName(g.from) && shortName(g.to);
    return sound;
}

// A tree's columns: the outlet's pressure is written exactly where the core found a complete
// outlet, the reducer flag exactly where it raised one.
void checkTreeFigures(const Project::TProject& project, const Sizing::TScheduleResult& result, std::size_t i)
{
    using SegmentFigures::TColumn;
    const Sizing::TSegment& segment = project.schedule.segments[i];
    const Sizing::TSegmentResult& r = result.segments[i];
    const SegmentFigures::TPlace place = SegmentFigures::placeOf(project.schedule, result, i);
    const auto figure
        = [&](TColumn column) { return SegmentFigures::figure(segment, r, column, project.units, place); };
    require(figure(TColumn::OutletPressure).isEmpty() != (place.outlet != nullptr && place.outlet->complete),
            "an outlet's pressure is shown exactly when its path is sized");
    require(figure(TColumn::PressureReducer).isEmpty() != r.needsPressureReducer,
            "the reducer is flagged exactly when the core asks for one");
    require(figure(TColumn::To).isEmpty() == segment.to.empty(), "a node is written as it was named");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray json(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    Project::TProject project;
    project.title = QStringLiteral("untouched");
    QString problem;
    if (!Project::parseProject(json, project, problem)) {
        require(project.title == QStringLiteral("untouched") && project.schedule.segments.empty(),
                "a refused file loads nothing");
        require(!problem.isEmpty(), "a refusal says why");
        return 0;
    }
    require(inRanges(project), "an accepted file holds only values in their ranges");
    const QByteArray written = Project::projectJson(project);
    Project::TProject again;
    require(Project::parseProject(written, again, problem), "what is written reads back");
    require(Project::projectJson(again) == written, "what is read back writes the same bytes");
    const int version = Project::formatVersionOf(project);
    require(written.contains("\"version\": " + QByteArray::number(version) + ','),
            "a project is written at the version that holds it");
    const Sizing::TSchedule& schedule = project.schedule;
    const bool usesVersion3 = schedule.source == Sizing::TSource::Booster
        || schedule.loadColumn != Design::TLoadColumn::Total
        || std::any_of(schedule.segments.begin(), schedule.segments.end(),
                       [](const Sizing::TSegment& segment) { return Sizing::hasFixtureCounts(segment); });
    require((version == 3) == usesVersion3,
            "a booster, a load column other than the total or counted fixtures, and only these, make a version-3 file");

    Sizing::TScheduleResult result;
    if (Sizing::evaluateSchedule(project.schedule, result)) {
        for (std::size_t i = 0; i < project.schedule.segments.size(); ++i) {
            const Sizing::TSegmentResult& r = result.segments[i];
            const SegmentFigures::TFigure pipe
                = SegmentFigures::figure(project.schedule.segments[i], r, SegmentFigures::TColumn::Pipe, project.units);
            require(pipe.isEmpty() != r.sized, "a pipe is shown exactly when the segment is sized");
            require(project.schedule.material.empty() || pipe.isEmpty()
                        || pipe.text == QString::fromStdString(r.size.pipe),
                    "a material's size is shown as its table names it");
            const QString note = Report::segmentNote(project.schedule, i, r, project.units, u'.');
            require(note.isEmpty() == (r.sized && !r.size.raisedForVelocity), "a note says why, and only then");
            checkTreeFigures(project, result, i);
        }
    } else {
        const QString why = Report::scheduleProblemText(project.schedule, Sizing::checkSchedule(project.schedule));
        require(!why.isEmpty(), "a schedule that cannot be evaluated says why");
    }
    return 0;
}
