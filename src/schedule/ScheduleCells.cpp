#include "ScheduleCells.h"

#include "CommonTexts.h"
#include "Demand.h"
#include "NumberInput.h"
#include "NumberText.h"
#include "ReportFormat.h"
#include "ReportNotes.h"
#include "ScheduleTexts.h"
#include "ScheduleUnits.h"
#include "TextTrim.h"

#include <QSet>

#include <cmath>

namespace ScheduleCells {
namespace {

using namespace CommonTexts;
using namespace ScheduleTexts;
using Project::TUnits;
using TFigureColumn = SegmentFigures::TColumn;

QString name(int column) { return columnTitle(column, TUnits::US).section(QLatin1String(" ("), 0, 0); }

bool refuse(QStringView why, int column, QString& problem)
{
    problem = why.toString().arg(name(column));
    return false;
}

bool outOfRange(int column, double least, double most, QString& problem)
{
    problem = kOutOfRange.toString().arg(name(column), formatGeneral(least), formatGeneral(most));
    return false;
}

// An empty cell of a load, a typed flow, a fittings allowance, an elevation or a need is a
// deliberate 0.
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
    if (typed < 0.0 && column != kElevation)
        return refuse(kNegative, column, problem);
    if (column == kLength || column == kElevation)
        typed = ScheduleUnits::lengthFt(typed, units);
    else if (column == kTypedFlow)
        typed = ScheduleUnits::flowGpm(typed, units);
    else if (column == kOutletPsi)
        typed = ScheduleUnits::pressurePsi(typed, units);
    // A huge value can overflow on its way to US units, and a tiny length can vanish.
    if (!std::isfinite(typed))
        return refuse(kNotANumber, column, problem);
    if (column == kLength && typed <= 0.0)
        return refuse(kNotPositive, column, problem);
    if (column == kFixtureUnits && typed > Design::kMaxFixtureUnits) {
        problem = kLoadTooLarge.toString().arg(name(column)).arg(Design::kMaxFixtureUnits);
        return false;
    }
    if (column == kElevation && (typed < Project::kLeastElevationFt || typed > Project::kMostElevationFt))
        return outOfRange(column, ScheduleUnits::lengthIn(Project::kLeastElevationFt, units),
                          ScheduleUnits::lengthIn(Project::kMostElevationFt, units), problem);
    if (column == kOutletPsi && typed > Project::kMostPressurePsi)
        return outOfRange(column, 0.0, ScheduleUnits::pressureIn(Project::kMostPressurePsi, units), problem);
    value = typed;
    return true;
}

bool readNode(const QString& text, int column, std::string& node, QString& problem)
{
    const QString trimmed = trimmedOfBlanksAndControls(text);
    if (trimmed.size() > Project::kMaxNodeNameCharacters) {
        problem = kNodeTooLong.toString().arg(name(column)).arg(Project::kMaxNodeNameCharacters);
        return false;
    }
    node = trimmed.toStdString();
    return true;
}

// "Flow (gpm)".
QString titled(QStringView word, const QString& unit) { return word.toString() + QStringLiteral(" (") + unit + u')'; }

bool figureColumn(int column, TFigureColumn& figure)
{
    switch (column) {
    case kFixtureUnits: figure = TFigureColumn::TypedLoad; return true;
    case kTypedFlow: figure = TFigureColumn::TypedFlow; return true;
    case kLength: figure = TFigureColumn::Length; return true;
    case kFittings: figure = TFigureColumn::Fittings; return true;
    case kFlow: figure = TFigureColumn::Flow; return true;
    case kEquivalentLength: figure = TFigureColumn::EquivalentLength; return true;
    case kPipe: figure = TFigureColumn::Pipe; return true;
    case kVelocity: figure = TFigureColumn::Velocity; return true;
    case kLossPer100: figure = TFigureColumn::LossPer100; return true;
    case kSegmentLoss: figure = TFigureColumn::SegmentLoss; return true;
    case kCumulativeLoss: figure = TFigureColumn::CumulativeLoss; return true;
    case kServedLoad: figure = TFigureColumn::ServedLoad; return true;
    case kElevation: figure = TFigureColumn::Elevation; return true;
    case kStaticPressure: figure = TFigureColumn::StaticPressure; return true;
    case kOutletPressure: figure = TFigureColumn::OutletPressure; return true;
    case kOutletMargin: figure = TFigureColumn::OutletMargin; return true;
    default: return false;
    }
}

// What the window shows of a figure: with the user's decimal mark; a pipe kept left to right, or
// a right-to-left cell shows 1 1/2" as 1/2" 1.
QString shown(const SegmentFigures::TFigure& figure)
{
    const QString text = SegmentFigures::written(figure, userDecimalSeparator());
    return figure.isText && !text.isEmpty() ? leftToRight(text) : text;
}

} // namespace

QString columnTitle(int column, TUnits units)
{
    using namespace ScheduleUnits;
    switch (column) {
    case kName: return kColumnSegment.toString();
    case kRun: return kColumnRun.toString();
    case kFixtureUnits: return kColumnFixtureUnits.toString();
    case kTypedFlow: return kColumnTypedFlow.toString().arg(flowUnit(units));
    case kLength: return titled(kColumnLength, lengthUnit(units));
    case kFittings: return titled(kColumnFittings, QStringLiteral("%"));
    case kOnPath: return kColumnOnPath.toString();
    case kFlow: return titled(kColumnFlow, flowUnit(units));
    case kEquivalentLength: return titled(kColumnEquivalentLength, lengthUnit(units));
    case kPipe: return kColumnPipe.toString();
    case kVelocity: return titled(kColumnVelocity, velocityUnit(units));
    case kLossPer100: return titled(kColumnLoss, lossUnit(units));
    case kSegmentLoss: return titled(kColumnSegmentLoss, pressureUnit(units));
    case kCumulativeLoss: return titled(kColumnCumulative, pressureUnit(units));
    case kNote: return kColumnNote.toString();
    case kFrom: return kColumnFrom.toString();
    case kTo: return kColumnTo.toString();
    case kServedLoad: return kColumnServedLoad.toString();
    case kElevation: return titled(kColumnElevation, lengthUnit(units));
    case kOutletPsi: return titled(kColumnOutletNeed, pressureUnit(units));
    case kStaticPressure: return titled(kColumnStaticPressure, pressureUnit(units));
    case kOutletPressure: return titled(kColumnOutletPressure, pressureUnit(units));
    case kOutletMargin: return titled(kColumnOutletMargin, pressureUnit(units));
    default: return {};
    }
}

bool cellFigure(const Sizing::TSchedule& schedule, std::size_t index, const Sizing::TSegmentResult* result, int column,
                TUnits units, SegmentFigures::TFigure& figure, const SegmentFigures::TPlace& place)
{
    TFigureColumn figureOf = TFigureColumn::Flow;
    if (index >= schedule.segments.size() || !figureColumn(column, figureOf))
        return false;
    const Sizing::TSegment& segment = schedule.segments[index];
    Sizing::TSegmentResult unevaluated;
    if (result == nullptr) {
        // Only what the segment gives on its own: its flow and its equivalent length.
        const bool own = isEditable(column)
            || (column == kFlow
                && Sizing::segmentFlowGpm(segment, schedule.supply, schedule.loadColumn, unevaluated.flowGpm))
            || (column == kEquivalentLength && std::isfinite(Sizing::equivalentLengthFt(segment)));
        if (!own)
            return false;
        unevaluated.equivalentLengthFt = Sizing::equivalentLengthFt(segment);
        result = &unevaluated;
    }
    figure = SegmentFigures::figure(segment, *result, figureOf, units, place);
    // The grid shows no loss for a segment without a pipe; the reports write what the sums count.
    if (figure.withoutPipe)
        figure.empty = SegmentFigures::TEmpty::NotSized;
    return true;
}

QString segmentText(const Sizing::TSegment& segment, int column, TUnits units)
{
    TFigureColumn figureOf = TFigureColumn::Flow;
    if (isEditable(column) && figureColumn(column, figureOf))
        return shown(SegmentFigures::figure(segment, {}, figureOf, units));
    return column == kOnPath ? QString() : segmentEditText(segment, column, units);
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
    case kFrom: return QString::fromStdString(segment.from);
    case kTo: return QString::fromStdString(segment.to);
    case kElevation: return formatGeneral(ScheduleUnits::lengthIn(segment.elevationFt, units));
    case kOutletPsi:
        return segment.outletPsi == 0.0 ? QString()
                                        : formatGeneral(ScheduleUnits::pressureIn(segment.outletPsi, units));
    default: return {};
    }
}

QString nodeLetters(int index)
{
    constexpr int kLetters = 26;
    QString name;
    for (int n = index + 1; n > 0; n = (n - 1) / kLetters)
        name.prepend(QChar(u'A' + (n - 1) % kLetters));
    return name;
}

QString nextFreeNode(const Sizing::TSchedule& schedule)
{
    QSet<QString> used;
    for (const Sizing::TSegment& segment : schedule.segments)
        used << QString::fromStdString(segment.from) << QString::fromStdString(segment.to);
    for (int index = 0;; ++index)
        if (!used.contains(nodeLetters(index)))
            return nodeLetters(index);
}

QString onPathWord(bool onPath) { return (onPath ? kYes : kNo).toString(); }

QString resultText(const Sizing::TSchedule& schedule, std::size_t index, const Sizing::TSegmentResult& result,
                   const SegmentFigures::TPlace& place, int column, TUnits units)
{
    if (column == kNote)
        return Report::segmentNote(schedule, index, result, units, userDecimalSeparator());
    SegmentFigures::TFigure figure;
    if (!cellFigure(schedule, index, &result, column, units, figure, place))
        return {};
    // A node over 4 bar is marked where its pressure is shown; the note says what to do.
    if (column == kStaticPressure && place.layout == Sizing::TLayout::Tree && result.needsPressureReducer)
        return kReducerMark.toString() + u' ' + shown(figure);
    return shown(figure);
}

QString unevaluatedText(const Sizing::TSchedule& schedule, std::size_t index, int column, TUnits units)
{
    SegmentFigures::TFigure figure;
    return !isEditable(column) && cellFigure(schedule, index, nullptr, column, units, figure) ? shown(figure)
                                                                                              : QString();
}

bool sameSegment(const Sizing::TSegment& a, const Sizing::TSegment& b)
{
    return a.name == b.name && a.run == b.run && a.fixtureUnits == b.fixtureUnits && a.flowGpm == b.flowGpm
        && a.lengthFt == b.lengthFt && a.fittingsPercent == b.fittingsPercent && a.onCriticalPath == b.onCriticalPath
        && a.from == b.from && a.to == b.to && a.elevationFt == b.elevationFt && a.outletPsi == b.outletPsi;
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
    case kFrom:
        if (!readNode(text, column, read.from, problem))
            return false;
        break;
    case kTo:
        if (!readNode(text, column, read.to, problem))
            return false;
        break;
    case kElevation:
        if (!readQuantity(text, column, units, read.elevationFt, problem))
            return false;
        break;
    case kOutletPsi:
        if (!readQuantity(text, column, units, read.outletPsi, problem))
            return false;
        break;
    default: return false;
    }
    segment = read;
    return true;
}

} // namespace ScheduleCells
