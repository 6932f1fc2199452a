// The project file's reader on arbitrary bytes. A refused file leaves the project as it was and
// says why; an accepted one holds only values in their ranges, is written back in a form the
// reader takes again unchanged, and gives every segment its row of figures and its note.
#include "FuzzInput.h"

#include "ProjectFile.h"
#include "ReportNotes.h"
#include "SegmentFigures.h"

#include <cmath>

namespace {

bool inRanges(const Project::TProject& project)
{
    const Sizing::TSchedule& s = project.schedule;
    bool sound = s.roughnessClass >= 1 && s.roughnessClass <= 3 && s.sourcePsi >= 0.0 && s.meterAndDevicesPsi >= 0.0
        && std::isfinite(s.heightFt) && s.fixturePsi >= 0.0 && s.mainLimitFtPerS > 0.0 && s.branchLimitFtPerS > 0.0
        && std::isfinite(s.sourcePsi + s.meterAndDevicesPsi + s.fixturePsi + s.mainLimitFtPerS + s.branchLimitFtPerS)
        && s.segments.size() <= std::size_t(Project::kMaxSegments)
        && project.otherSegmentKeys.size() <= s.segments.size();
    for (const Sizing::TSegment& g : s.segments)
        sound = sound && g.fixtureUnits >= 0.0 && g.fixtureUnits <= Design::kMaxFixtureUnits && g.flowGpm >= 0.0
            && std::isfinite(g.flowGpm) && g.lengthFt > 0.0 && std::isfinite(g.lengthFt) && g.fittingsPercent >= 0.0
            && std::isfinite(g.fittingsPercent);
    return sound;
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

    Sizing::TScheduleResult result;
    if (Sizing::evaluateSchedule(project.schedule, result)) {
        for (std::size_t i = 0; i < project.schedule.segments.size(); ++i) {
            const Sizing::TSegmentResult& r = result.segments[i];
            const SegmentFigures::TFigure pipe
                = SegmentFigures::figure(project.schedule.segments[i], r, SegmentFigures::TColumn::Pipe, project.units);
            require(pipe.isEmpty() != r.sized, "a pipe is shown exactly when the segment is sized");
            const QString note = Report::segmentNote(project.schedule, i, r, project.units, u'.');
            require(note.isEmpty() == (r.sized && !r.size.raisedForVelocity), "a note says why, and only then");
        }
    } else {
        const QString why = Report::scheduleProblemText(project.schedule, Sizing::checkSchedule(project.schedule));
        require(!why.isEmpty(), "a schedule that cannot be evaluated says why");
    }
    return 0;
}
