// The report's words about a schedule that cannot be evaluated and about single segments.
#include "ReportNotes.h"

#include "BudgetText.h"
#include "CommonTexts.h"
#include "Demand.h"
#include "Hydraulics.h"
#include "NomogramLookup.h"
#include "NumberText.h"
#include "PressureBudget.h"
#include "ProjectFile.h"
#include "ReportFormat.h"
#include "ScheduleUnits.h"

namespace Report {
namespace {

using namespace CommonTexts;
using ReportFormat::leftToRight;
using ReportFormat::quantity;

QString segmentName(const Sizing::TSchedule& schedule, std::size_t index)
{
    return index < schedule.segments.size() ? QString::fromStdString(schedule.segments[index].name) : QString();
}

// A tree's shortfall is an outlet's: its own elevation and need.
QString shortfallText(const Sizing::TSchedule& s, const Sizing::TScheduleCheck& check)
{
    const bool isOutlet = s.layout == Sizing::TLayout::Tree && check.segment < s.segments.size();
    const Sizing::TSegment* outlet = isOutlet ? &s.segments[check.segment] : nullptr;
    const double heightFt = outlet != nullptr ? outlet->elevationFt : s.heightFt;
    const double needPsi = outlet != nullptr && outlet->outletPsi > 0.0 ? outlet->outletPsi : s.fixturePsi;
    const QString arithmetic
        = availableArithmetic(s.sourcePsi, s.meterAndDevicesPsi, Design::kPsiPerFtOfWater, heightFt, needPsi)
        + QStringLiteral(" = ") + formatFixed(check.availablePsi, ReportFormat::kPressureDecimals)
        + QStringLiteral(" psi");
    const QString missing = quantity(-check.availablePsi, ReportFormat::kPressureDecimals, QStringLiteral("psi"));
    if (outlet == nullptr)
        return kProblemShortfall.toString().arg(missing, leftToRight(arithmetic));
    return kProblemOutletShortfall.toString().arg(
        missing, leftToRight(arithmetic), QString::fromStdString(outlet->name), QString::number(check.segment + 1));
}

QString nodeOf(const Sizing::TSchedule& schedule, std::size_t index)
{
    return index < schedule.segments.size() ? QString::fromStdString(schedule.segments[index].from) : QString();
}

double limitOf(const Sizing::TSchedule& schedule, std::size_t index)
{
    const bool isMain = index < schedule.segments.size() && schedule.segments[index].run == Sizing::TRun::Main;
    return isMain ? schedule.mainLimitFtPerS : schedule.branchLimitFtPerS;
}

QString velocity(double ftPerS, Project::TUnits units, QChar decimalMark)
{
    return quantity(ScheduleUnits::velocityIn(ftPerS, units), ReportFormat::kVelocityDecimals,
                    ScheduleUnits::velocityUnit(units), decimalMark);
}

// The largest pipe of the class's nomogram, or of the material's table.
QString largestPipe(const Sizing::TSchedule& schedule, Project::TUnits units)
{
    if (const Hydraulics::TMaterial* material = Hydraulics::findMaterial(schedule.material))
        return material->sizes.empty() ? QString() : QString::fromStdString(material->sizes.back().name);
    const Nomogram::TClassTables* tables = Nomogram::tablesForClass(schedule.roughnessClass);
    return tables == nullptr || tables->PipeSizes.empty()
        ? QString()
        : ScheduleUnits::pipeLabel(QString::fromStdString(tables->PipeSizes.back().Name), units);
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
    case Sizing::TScheduleProblem::Shortfall: return shortfallText(schedule, check);
    case Sizing::TScheduleProblem::OutOfRange: return kProblemOutOfRange.toString();
    case Sizing::TScheduleProblem::NotATree:
        return kProblemNotATree.toString().arg(segmentName(schedule, check.segment), row);
    case Sizing::TScheduleProblem::TwoSources:
        return kProblemTwoSources.toString().arg(nodeOf(schedule, check.segment), segmentName(schedule, check.segment),
                                                 row);
    case Sizing::TScheduleProblem::BadBooster: return kProblemBooster.toString();
    case Sizing::TScheduleProblem::BoosterNeedsTree: return kProblemBoosterNeedsTree.toString();
    }
    return {};
}

QString segmentNote(const Sizing::TSchedule& schedule, std::size_t index, const Sizing::TSegmentResult& result,
                    Project::TUnits units, QChar decimalMark)
{
    const double limitFtPerS = limitOf(schedule, index);
    if (result.sized && result.size.raisedForVelocity) {
        // Every size from the chart's own answer up to the one taken ran too fast; the one just
        // below the pipe taken is the last of them.
        if (!result.hasTooFastSize)
            return kShortRaised.toString();
        const Sizing::TSegmentSize& tooFast = result.tooFastSize;
        return kNoteRaised.toString().arg(leftToRight(ScheduleUnits::sizeLabel(tooFast, units)),
                                          velocity(tooFast.velocityFtPerS, units, decimalMark),
                                          velocity(limitFtPerS, units, decimalMark));
    }
    if (result.sized)
        return {};
    if (result.problem == Sizing::TSizeProblem::NoLoad) {
        if (!(result.servedFixtureUnits > Design::kMaxFixtureUnits))
            return kNoteNoLoad.toString();
        return kNoteLoadBeyondTable.toString().arg(formatFixed(result.servedFixtureUnits, 1),
                                                   formatFixed(Design::kMaxFixtureUnits, 0));
    }
    if (result.problem == Sizing::TSizeProblem::TooFast) {
        return kNoteTooFast.toString().arg(leftToRight(largestPipe(schedule, units)),
                                           velocity(limitFtPerS, units, decimalMark));
    }
    const QString flow = quantity(ScheduleUnits::flowIn(result.flowGpm, units), ReportFormat::kFlowDecimals,
                                  ScheduleUnits::flowUnit(units), decimalMark);
    const Hydraulics::TMaterial* material = Hydraulics::findMaterial(schedule.material);
    if (material != nullptr)
        return kNoteBeyondSizes.toString().arg(flow, leftToRight(QString::fromStdString(material->name)));
    return kNoteOffChart.toString().arg(flow);
}

} // namespace Report
