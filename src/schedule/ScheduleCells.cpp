#include "ScheduleCells.h"

#include "Demand.h"
#include "NumberInput.h"
#include "NumberText.h"
#include "Report.h"
#include "ScheduleTexts.h"
#include "ScheduleUnits.h"
#include "TextTrim.h"

#include <cmath>

namespace ScheduleCells {
namespace {

using namespace ScheduleTexts;
using Project::TUnits;

// As the report writes them: flows, lengths and velocities with two decimals, losses with three.
constexpr int kDecimals = 2;
constexpr int kLossDecimals = 3;

QString name(int column) { return columnTitle(column, TUnits::US).section(QLatin1String(" ("), 0, 0); }

bool refuse(QStringView why, int column, QString& problem)
{
    problem = why.toString().arg(name(column));
    return false;
}

// An empty cell of a load, a typed flow or a fittings allowance is a deliberate 0.
bool readNumber(const QString& text, int column, double& value, QString& problem)
{
    const QString trimmed = trimmedOfBlanksAndControls(text);
    if (trimmed.isEmpty() && column != kLength) {
        value = 0.0;
        return true;
    }
    QString rewritten;
    const bool read
        = column == kTypedFlow ? parseFlowText(trimmed, value, rewritten) : parseNumberEitherMark(trimmed, value);
    return read || refuse(kNotANumber, column, problem);
}

bool readRun(const QString& text, Sizing::TRun& run)
{
    const QString word = trimmedOfBlanksAndControls(text);
    if (word == kRunMain || word.compare(QLatin1String("main"), Qt::CaseInsensitive) == 0)
        run = Sizing::TRun::Main;
    else if (word == kRunBranch || word.compare(QLatin1String("branch"), Qt::CaseInsensitive) == 0)
        run = Sizing::TRun::Branch;
    else
        return false;
    return true;
}

bool readYesNo(const QString& text, bool& yes)
{
    const QString word = trimmedOfBlanksAndControls(text).toLower();
    for (QStringView truth : {kYes, QStringView(u"1"), QStringView(u"true"), QStringView(u"yes"), QStringView(u"✓")})
        if (word == truth) {
            yes = true;
            return true;
        }
    for (QStringView falsehood : {kNo, QStringView(u"0"), QStringView(u"false"), QStringView(u"no"), QStringView()})
        if (word == falsehood) {
            yes = false;
            return true;
        }
    return false;
}

// The typed number in the file's units, within the column's range.
bool readQuantity(const QString& text, int column, TUnits units, double& value, QString& problem)
{
    double typed = 0.0;
    if (!readNumber(text, column, typed, problem))
        return false;
    if (typed < 0.0)
        return refuse(kNegative, column, problem);
    if (column == kLength)
        typed = ScheduleUnits::lengthFt(typed, units);
    else if (column == kTypedFlow)
        typed = ScheduleUnits::flowGpm(typed, units);
    // A huge value can overflow on its way to US units, and a tiny length can vanish.
    if (!std::isfinite(typed))
        return refuse(kNotANumber, column, problem);
    if (column == kLength && typed <= 0.0)
        return refuse(kNotPositive, column, problem);
    if (column == kFixtureUnits && typed > Design::kMaxFixtureUnits) {
        problem = kLoadTooLarge.toString().arg(name(column)).arg(Design::kMaxFixtureUnits);
        return false;
    }
    value = typed;
    return true;
}

QString pressure(double psi, TUnits units, int decimals)
{
    return formatFixed(ScheduleUnits::pressureIn(psi, units), decimals);
}

} // namespace

QString columnTitle(int column, TUnits units)
{
    switch (column) {
    case kName: return kColumnName.toString();
    case kRun: return kColumnRun.toString();
    case kFixtureUnits: return kColumnFixtureUnits.toString();
    case kTypedFlow: return kColumnTypedFlow.toString().arg(ScheduleUnits::flowUnit(units));
    case kLength: return kColumnLength.toString().arg(ScheduleUnits::lengthUnit(units));
    case kFittings: return kColumnFittings.toString();
    case kOnPath: return kColumnOnPath.toString();
    case kFlow: return kColumnFlow.toString().arg(ScheduleUnits::flowUnit(units));
    case kEquivalentLength: return kColumnEquivalentLength.toString().arg(ScheduleUnits::lengthUnit(units));
    case kPipe: return kColumnPipe.toString();
    case kVelocity: return kColumnVelocity.toString().arg(ScheduleUnits::velocityUnit(units));
    case kLossPer100: return kColumnLossPer100.toString().arg(ScheduleUnits::lossUnit(units));
    case kSegmentLoss: return kColumnSegmentLoss.toString().arg(ScheduleUnits::pressureUnit(units));
    case kCumulativeLoss: return kColumnCumulativeLoss.toString().arg(ScheduleUnits::pressureUnit(units));
    case kNote: return kColumnNote.toString();
    default: return {};
    }
}

QString segmentText(const Sizing::TSegment& segment, int column, TUnits units)
{
    switch (column) {
    case kFixtureUnits: return segment.fixtureUnits == 0.0 ? QString() : formatUpTo(segment.fixtureUnits, kDecimals);
    case kTypedFlow:
        return segment.flowGpm == 0.0 ? QString()
                                      : formatFixed(ScheduleUnits::flowIn(segment.flowGpm, units), kDecimals);
    case kLength: return formatFixed(ScheduleUnits::lengthIn(segment.lengthFt, units), kDecimals);
    case kFittings: return formatUpTo(segment.fittingsPercent, kDecimals);
    case kOnPath: return {};
    default: return segmentEditText(segment, column, units);
    }
}

QString segmentEditText(const Sizing::TSegment& segment, int column, TUnits units)
{
    switch (column) {
    case kName: return QString::fromStdString(segment.name);
    case kRun: return (segment.run == Sizing::TRun::Main ? kRunMain : kRunBranch).toString();
    case kFixtureUnits: return segment.fixtureUnits == 0.0 ? QString() : formatGeneral(segment.fixtureUnits);
    case kTypedFlow:
        return segment.flowGpm == 0.0 ? QString() : formatGeneral(ScheduleUnits::flowIn(segment.flowGpm, units));
    case kLength: return formatGeneral(ScheduleUnits::lengthIn(segment.lengthFt, units));
    case kFittings: return formatGeneral(segment.fittingsPercent);
    case kOnPath: return onPathWord(segment.onCriticalPath);
    default: return {};
    }
}

QString onPathWord(bool onPath) { return (onPath ? kYes : kNo).toString(); }

QString resultText(const Sizing::TSchedule& schedule, std::size_t index, const Sizing::TSegmentResult& result,
                   int column, TUnits units)
{
    const bool onPath = index < schedule.segments.size() && schedule.segments[index].onCriticalPath;
    switch (column) {
    case kFlow: return formatFixed(ScheduleUnits::flowIn(result.flowGpm, units), kDecimals);
    case kEquivalentLength: return formatFixed(ScheduleUnits::lengthIn(result.equivalentLengthFt, units), kDecimals);
    case kNote: return Report::segmentNote(schedule, index, result, units);
    default: break;
    }
    if (!result.sized)
        return {};
    switch (column) {
    // Kept left to right, or a right-to-left cell shows 1 1/2" as 1/2" 1.
    case kPipe: return leftToRight(ScheduleUnits::pipeLabel(QString::fromStdString(result.size.pipe), units));
    case kVelocity: return formatFixed(ScheduleUnits::velocityIn(result.size.velocityFtPerS, units), kDecimals);
    case kLossPer100: return formatFixed(ScheduleUnits::lossIn(result.size.lossPsiPer100ft, units), kLossDecimals);
    case kSegmentLoss: return pressure(result.lossPsi, units, kLossDecimals);
    case kCumulativeLoss: return onPath ? pressure(result.cumulativeLossPsi, units, kLossDecimals) : QString();
    default: return {};
    }
}

QString unevaluatedText(const Sizing::TSchedule& schedule, std::size_t index, int column, TUnits units)
{
    if (index >= schedule.segments.size())
        return {};
    const Sizing::TSegment& segment = schedule.segments[index];
    double flowGpm = 0.0;
    if (column == kFlow && Sizing::segmentFlowGpm(segment, schedule.supply, flowGpm))
        return formatFixed(ScheduleUnits::flowIn(flowGpm, units), kDecimals);
    if (column == kEquivalentLength && std::isfinite(Sizing::equivalentLengthFt(segment)))
        return formatFixed(ScheduleUnits::lengthIn(Sizing::equivalentLengthFt(segment), units), kDecimals);
    return {};
}

bool sameSegment(const Sizing::TSegment& a, const Sizing::TSegment& b)
{
    return a.name == b.name && a.run == b.run && a.fixtureUnits == b.fixtureUnits && a.flowGpm == b.flowGpm
        && a.lengthFt == b.lengthFt && a.fittingsPercent == b.fittingsPercent && a.onCriticalPath == b.onCriticalPath;
}

bool readCell(const QString& text, int column, TUnits units, Sizing::TSegment& segment, QString& problem)
{
    Sizing::TSegment read = segment;
    switch (column) {
    case kName: read.name = trimmedOfBlanksAndControls(text).toStdString(); break;
    case kRun:
        if (!readRun(text, read.run))
            return refuse(kNotARun, column, problem);
        break;
    case kOnPath:
        if (!readYesNo(text, read.onCriticalPath))
            return refuse(kNotYesNo, column, problem);
        break;
    case kFixtureUnits:
        if (!readQuantity(text, column, units, read.fixtureUnits, problem))
            return false;
        break;
    case kTypedFlow:
        if (!readQuantity(text, column, units, read.flowGpm, problem))
            return false;
        break;
    case kLength:
        if (!readQuantity(text, column, units, read.lengthFt, problem))
            return false;
        break;
    case kFittings:
        if (!readQuantity(text, column, units, read.fittingsPercent, problem))
            return false;
        break;
    default: return false;
    }
    segment = read;
    return true;
}

} // namespace ScheduleCells
