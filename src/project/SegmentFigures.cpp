#include "SegmentFigures.h"

#include "ReportFormat.h"
#include "ScheduleUnits.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace SegmentFigures {
namespace {

using namespace ReportFormat;
using Sizing::TSegment;
using Sizing::TSegmentResult;

// What a value is, which gives its unit and its conversion from the file's US units.
enum class TQuantity { Count, Share, Flow, Length, Velocity, LossRate, Pressure, Pipe };

struct TRow {
    TColumn column;
    TQuantity quantity;
    int decimals;
    bool upTo;
    // Empty when the segment has no pipe; or, when false, written even then (fromPipe rows).
    bool needsPipe;
    // Read off the pipe taken: marked withoutPipe when the segment has none.
    bool fromPipe;
    // The value in the file's US units, or why the column is empty.
    TEmpty (*read)(const TSegment&, const TSegmentResult&, double& us);
};

TEmpty typedOrNothing(double typed, double& us)
{
    us = typed;
    return typed == 0.0 ? TEmpty::NothingTyped : TEmpty::No;
}

// clang-format off
constexpr std::array kRows{
    TRow{TColumn::TypedLoad, TQuantity::Count, kCountDecimals, true, false, false,
         [](const TSegment& s, const TSegmentResult&, double& us) { return typedOrNothing(s.fixtureUnits, us); }},
    TRow{TColumn::TypedFlow, TQuantity::Flow, kFlowDecimals, false, false, false,
         [](const TSegment& s, const TSegmentResult&, double& us) { return typedOrNothing(s.flowGpm, us); }},
    TRow{TColumn::Load, TQuantity::Count, kCountDecimals, true, false, false,
         [](const TSegment& s, const TSegmentResult&, double& us) {
             us = s.fixtureUnits;
             return s.flowGpm > 0.0 ? TEmpty::FlowTyped : TEmpty::No;
         }},
    TRow{TColumn::Flow, TQuantity::Flow, kFlowDecimals, false, false, false,
         [](const TSegment&, const TSegmentResult& r, double& us) { us = r.flowGpm; return TEmpty::No; }},
    TRow{TColumn::Length, TQuantity::Length, kLengthDecimals, false, false, false,
         [](const TSegment& s, const TSegmentResult&, double& us) { us = s.lengthFt; return TEmpty::No; }},
    TRow{TColumn::Fittings, TQuantity::Share, kCountDecimals, true, false, false,
         [](const TSegment& s, const TSegmentResult&, double& us) { us = s.fittingsPercent; return TEmpty::No; }},
    TRow{TColumn::EquivalentLength, TQuantity::Length, kLengthDecimals, false, false, false,
         [](const TSegment&, const TSegmentResult& r, double& us) { us = r.equivalentLengthFt; return TEmpty::No; }},
    TRow{TColumn::Pipe, TQuantity::Pipe, 0, false, true, false,
         [](const TSegment&, const TSegmentResult&, double& us) { us = 0.0; return TEmpty::No; }},
    TRow{TColumn::Velocity, TQuantity::Velocity, kVelocityDecimals, false, true, false,
         [](const TSegment&, const TSegmentResult& r, double& us) { us = r.size.velocityFtPerS; return TEmpty::No; }},
    TRow{TColumn::LossPer100, TQuantity::LossRate, kLossDecimals, false, true, false,
         [](const TSegment&, const TSegmentResult& r, double& us) { us = r.size.lossPsiPer100ft; return TEmpty::No; }},
    TRow{TColumn::SegmentLoss, TQuantity::Pressure, kLossDecimals, false, false, true,
         [](const TSegment&, const TSegmentResult& r, double& us) { us = r.lossPsi; return TEmpty::No; }},
    TRow{TColumn::CumulativeLoss, TQuantity::Pressure, kLossDecimals, false, false, true,
         [](const TSegment& s, const TSegmentResult& r, double& us) {
             us = r.cumulativeLossPsi;
             return s.onCriticalPath ? TEmpty::No : TEmpty::OffPath;
         }},
};
// clang-format on

const TRow* rowOf(TColumn column)
{
    for (const TRow& row : kRows)
        if (row.column == column)
            return &row;
    return nullptr;
}

double converted(double us, TQuantity quantity, Project::TUnits units)
{
    switch (quantity) {
    case TQuantity::Flow: return ScheduleUnits::flowIn(us, units);
    case TQuantity::Length: return ScheduleUnits::lengthIn(us, units);
    case TQuantity::Velocity: return ScheduleUnits::velocityIn(us, units);
    case TQuantity::LossRate: return ScheduleUnits::lossIn(us, units);
    case TQuantity::Pressure: return ScheduleUnits::pressureIn(us, units);
    case TQuantity::Count:
    case TQuantity::Share:
    case TQuantity::Pipe: break;
    }
    return us;
}

QString unitOf(TQuantity quantity, Project::TUnits units)
{
    switch (quantity) {
    case TQuantity::Flow: return ScheduleUnits::flowUnit(units);
    case TQuantity::Length: return ScheduleUnits::lengthUnit(units);
    case TQuantity::Velocity: return ScheduleUnits::velocityUnit(units);
    case TQuantity::LossRate: return ScheduleUnits::lossUnit(units);
    case TQuantity::Pressure: return ScheduleUnits::pressureUnit(units);
    case TQuantity::Share: return QStringLiteral("%");
    case TQuantity::Count:
    case TQuantity::Pipe: break;
    }
    return {};
}

} // namespace

TFigure figure(const TSegment& segment, const TSegmentResult& result, TColumn column, Project::TUnits units)
{
    TFigure out;
    const TRow* row = rowOf(column);
    if (row == nullptr)
        return out;
    out.unit = unitOf(row->quantity, units);
    out.decimals = row->decimals;
    out.upTo = row->upTo;
    if (row->needsPipe && !result.sized) {
        out.empty = TEmpty::NotSized;
        return out;
    }
    double us = 0.0;
    out.empty = row->read(segment, result, us);
    if (out.isEmpty())
        return out;
    out.withoutPipe = row->fromPipe && !result.sized;
    out.isText = row->quantity == TQuantity::Pipe;
    if (out.isText)
        out.text = ScheduleUnits::pipeLabel(QString::fromStdString(result.size.pipe), units);
    else
        out.value = converted(us, row->quantity, units);
    return out;
}

QString written(const TFigure& figure, QChar decimalMark)
{
    if (figure.isEmpty())
        return {};
    if (figure.isText)
        return figure.text;
    QString text = QString::number(std::isfinite(figure.value) ? figure.value : 0.0, 'f', figure.decimals);
    if (figure.upTo && text.contains(u'.')) {
        while (text.endsWith(u'0'))
            text.chop(1);
        if (text.endsWith(u'.'))
            text.chop(1);
    }
    // A value that rounds to zero is written without a sign.
    if (text.startsWith(u'-') && text.size() > 1
        && std::all_of(text.cbegin() + 1, text.cend(), [](QChar c) { return c == u'0' || c == u'.'; }))
        text.remove(0, 1);
    return text.replace(u'.', decimalMark);
}

} // namespace SegmentFigures
