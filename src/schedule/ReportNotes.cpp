// The report's words about a schedule that cannot be evaluated and about single segments.
#include "Report.h"

#include "BudgetText.h"
#include "NomogramLookup.h"
#include "NumberText.h"
#include "PressureBudget.h"
#include "ReportFormat.h"
#include "ReportTexts.h"
#include "ScheduleUnits.h"

namespace Report {
namespace {

using namespace ReportTexts;
using ReportFormat::leftToRight;
using ReportFormat::quantity;

QString segmentName(const Sizing::TSchedule& schedule, std::size_t index)
{
    return index < schedule.segments.size() ? QString::fromStdString(schedule.segments[index].name) : QString();
}

QString shortfallText(const Sizing::TSchedule& s, double availablePsi)
{
    const QString arithmetic
        = availableArithmetic(s.sourcePsi, s.meterAndDevicesPsi, Design::kPsiPerFtOfWater, s.heightFt, s.fixturePsi)
        + QStringLiteral(" = ") + formatFixed(availablePsi, ReportFormat::kPressureDecimals) + QStringLiteral(" psi");
    return kProblemShortfall.toString().arg(
        quantity(-availablePsi, ReportFormat::kPressureDecimals, QStringLiteral("psi")), leftToRight(arithmetic));
}

double limitOf(const Sizing::TSchedule& schedule, std::size_t index)
{
    const bool isMain = index < schedule.segments.size() && schedule.segments[index].run == Sizing::TRun::Main;
    return isMain ? schedule.mainLimitFtPerS : schedule.branchLimitFtPerS;
}

QString velocity(double ftPerS, Project::TUnits units)
{
    return quantity(ScheduleUnits::velocityIn(ftPerS, units), ReportFormat::kVelocityDecimals,
                    ScheduleUnits::velocityUnit(units));
}

} // namespace

QString scheduleProblemText(const Sizing::TSchedule& schedule, const Sizing::TScheduleCheck& check)
{
    const QString row = QString::number(check.segment + 1);
    switch (check.problem) {
    case Sizing::TScheduleProblem::None: break;
    case Sizing::TScheduleProblem::BadClass: return kProblemClass.toString();
    case Sizing::TScheduleProblem::UnknownMaterial:
        return kProblemMaterial.toString().arg(QString::fromStdString(schedule.material));
    case Sizing::TScheduleProblem::BadTemperature: return kProblemTemperature.toString();
    case Sizing::TScheduleProblem::BadBudget: return kProblemBudget.toString();
    case Sizing::TScheduleProblem::BadLimit: return kProblemLimit.toString();
    case Sizing::TScheduleProblem::NoSegments: return kProblemNoSegments.toString();
    case Sizing::TScheduleProblem::BadSegment:
        return kProblemBadSegment.toString().arg(segmentName(schedule, check.segment), row);
    case Sizing::TScheduleProblem::NoFlow:
        return kProblemNoFlow.toString().arg(segmentName(schedule, check.segment), row);
    case Sizing::TScheduleProblem::NoCriticalPath: return kProblemNoPath.toString();
    case Sizing::TScheduleProblem::Shortfall: return shortfallText(schedule, check.availablePsi);
    case Sizing::TScheduleProblem::OutOfRange: return kProblemOutOfRange.toString();
    }
    return {};
}

QString segmentNote(const Sizing::TSchedule& schedule, std::size_t index, const Sizing::TSegmentResult& result,
                    Project::TUnits units)
{
    const double limitFtPerS = limitOf(schedule, index);
    if (result.sized && result.size.raisedForVelocity) {
        // Every size from the chart's own answer up to the one taken ran too fast; the one just
        // below the pipe taken is the last of them.
        if (!result.hasTooFastSize)
            return kShortRaised.toString();
        const Sizing::TSegmentSize& tooFast = result.tooFastSize;
        return kNoteRaised.toString().arg(
            leftToRight(ScheduleUnits::pipeLabel(QString::fromStdString(tooFast.pipe), units)),
            velocity(tooFast.velocityFtPerS, units), velocity(limitFtPerS, units));
    }
    if (result.sized)
        return {};
    if (result.problem == Sizing::TSizeProblem::TooFast) {
        const Nomogram::TClassTables* tables = Nomogram::tablesForClass(schedule.roughnessClass);
        const QString largest = tables == nullptr || tables->PipeSizes.empty()
            ? QString()
            : ScheduleUnits::pipeLabel(QString::fromStdString(tables->PipeSizes.back().Name), units);
        return kNoteTooFast.toString().arg(leftToRight(largest), velocity(limitFtPerS, units));
    }
    return kNoteOffChart.toString().arg(quantity(ScheduleUnits::flowIn(result.flowGpm, units),
                                                 ReportFormat::kFlowDecimals, ScheduleUnits::flowUnit(units)));
}

} // namespace Report
