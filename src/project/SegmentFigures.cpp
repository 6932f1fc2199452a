#include "SegmentFigures.h"

#include "ReportFormat.h"
#include "ScheduleUnits.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace SegmentFigures {
namespace {

using namespace ReportFormat;
using Sizing::TOutletResult;
using Sizing::TSegment;
using Sizing::TSegmentResult;

// What a value is, which gives its unit and its conversion from the file's US units.
enum class TQuantity { Count, Share, Flow, Length, Velocity, LossRate, Pressure, Pipe, Node, Flag };

// What a row of the table reads from.
struct TInputs {
    const TSegment& segment;
    const TSegmentResult& result;
    const TPlace& place;
};

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
    TEmpty (*read)(const TInputs&, double& us);
};

TEmpty typedOrNothing(double typed, double& us)
{
    us = typed;
    return typed == 0.0 ? TEmpty::NothingTyped : TEmpty::No;
}

TEmpty named(const std::string& node) { return node.empty() ? TEmpty::NothingTyped : TEmpty::No; }

TEmpty atOutlet(const TOutletResult* outlet, double TOutletResult::*member, double& us)
{
    if (outlet == nullptr)
        return TEmpty::NotAnOutlet;
    if (!outlet->complete)
        return TEmpty::PathNotSized;
    us = outlet->*member;
    return TEmpty::No;
}

// clang-format off
constexpr std::array kRows{
    TRow{TColumn::TypedLoad, TQuantity::Count, kCountDecimals, true, false, false,
         [](const TInputs& in, double& us) { return typedOrNothing(in.segment.fixtureUnits, us); }},
    TRow{TColumn::TypedFlow, TQuantity::Flow, kFlowDecimals, false, false, false,
         [](const TInputs& in, double& us) { return typedOrNothing(in.segment.flowGpm, us); }},
    // Counted fixtures give their load in the schedule's column; counts the check refused show none.
    TRow{TColumn::Load, TQuantity::Count, kCountDecimals, true, false, false,
         [](const TInputs& in, double& us) {
             if (!Sizing::ownFixtureUnits(in.segment, in.place.loadColumn, us))
                 us = 0.0;
             return in.segment.flowGpm > 0.0 ? TEmpty::FlowTyped : TEmpty::No;
         }},
    TRow{TColumn::Flow, TQuantity::Flow, kFlowDecimals, false, false, false,
         [](const TInputs& in, double& us) { us = in.result.flowGpm; return TEmpty::No; }},
    TRow{TColumn::Length, TQuantity::Length, kLengthDecimals, false, false, false,
         [](const TInputs& in, double& us) { us = in.segment.lengthFt; return TEmpty::No; }},
    TRow{TColumn::Fittings, TQuantity::Share, kCountDecimals, true, false, false,
         [](const TInputs& in, double& us) { us = in.segment.fittingsPercent; return TEmpty::No; }},
    TRow{TColumn::EquivalentLength, TQuantity::Length, kLengthDecimals, false, false, false,
         [](const TInputs& in, double& us) { us = in.result.equivalentLengthFt; return TEmpty::No; }},
    TRow{TColumn::Pipe, TQuantity::Pipe, 0, false, true, false,
         [](const TInputs&, double& us) { us = 0.0; return TEmpty::No; }},
    TRow{TColumn::Velocity, TQuantity::Velocity, kVelocityDecimals, false, true, false,
         [](const TInputs& in, double& us) { us = in.result.size.velocityFtPerS; return TEmpty::No; }},
    TRow{TColumn::LossPer100, TQuantity::LossRate, kLossDecimals, false, true, false,
         [](const TInputs& in, double& us) { us = in.result.size.lossPsiPer100ft; return TEmpty::No; }},
    TRow{TColumn::SegmentLoss, TQuantity::Pressure, kLossDecimals, false, false, true,
         [](const TInputs& in, double& us) { us = in.result.lossPsi; return TEmpty::No; }},
    // A tree sums every segment's own path; a list, the critical path alone.
    TRow{TColumn::CumulativeLoss, TQuantity::Pressure, kLossDecimals, false, false, true,
         [](const TInputs& in, double& us) {
             us = in.result.cumulativeLossPsi;
             return in.place.layout == Sizing::TLayout::Tree || in.segment.onCriticalPath ? TEmpty::No
                                                                                          : TEmpty::OffPath;
         }},
    TRow{TColumn::From, TQuantity::Node, 0, false, false, false,
         [](const TInputs& in, double&) { return named(in.segment.from); }},
    TRow{TColumn::To, TQuantity::Node, 0, false, false, false,
         [](const TInputs& in, double&) { return named(in.segment.to); }},
    TRow{TColumn::ServedLoad, TQuantity::Count, kServedLoadDecimals, false, false, false,
         [](const TInputs& in, double& us) { us = in.result.servedFixtureUnits; return TEmpty::No; }},
    TRow{TColumn::Elevation, TQuantity::Length, kLengthDecimals, false, false, false,
         [](const TInputs& in, double& us) { us = in.segment.elevationFt; return TEmpty::No; }},
    TRow{TColumn::StaticPressure, TQuantity::Pressure, kPressureDecimals, false, false, false,
         [](const TInputs& in, double& us) { us = in.result.staticPsi; return TEmpty::No; }},
    TRow{TColumn::OutletPressure, TQuantity::Pressure, kPressureDecimals, false, false, false,
         [](const TInputs& in, double& us) { return atOutlet(in.place.outlet, &TOutletResult::pressurePsi, us); }},
    TRow{TColumn::OutletMargin, TQuantity::Pressure, kPressureDecimals, false, false, false,
         [](const TInputs& in, double& us) { return atOutlet(in.place.outlet, &TOutletResult::marginPsi, us); }},
    TRow{TColumn::PressureReducer, TQuantity::Flag, 0, false, false, false,
         [](const TInputs& in, double& us) {
             us = 1.0;
             return in.result.needsPressureReducer ? TEmpty::No : TEmpty::NotRaised;
         }},
    TRow{TColumn::ValveSetting, TQuantity::Pressure, kPressureDecimals, false, false, false,
         [](const TInputs& in, double& us) {
             us = in.result.reducerSetPsi;
             return in.result.reducer ? TEmpty::No : TEmpty::NotRaised;
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
    case TQuantity::Pipe:
    case TQuantity::Node:
    case TQuantity::Flag: break;
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
    case TQuantity::Pipe:
    case TQuantity::Node:
    case TQuantity::Flag: break;
    }
    return {};
}

} // namespace

TPlace placeOf(const Sizing::TSchedule& schedule, const Sizing::TScheduleResult& result, std::size_t index)
{
    TPlace place;
    place.layout = schedule.layout;
    place.loadColumn = schedule.loadColumn;
    if (schedule.layout != Sizing::TLayout::Tree)
        return place;
    // The outlets come in segment order.
    const auto at = std::lower_bound(result.outlets.cbegin(), result.outlets.cend(), index,
                                     [](const TOutletResult& outlet, std::size_t i) { return outlet.segment < i; });
    if (at != result.outlets.cend() && at->segment == index)
        place.outlet = &*at;
    return place;
}

TFigure figure(const TSegment& segment, const TSegmentResult& result, TColumn column, Project::TUnits units,
               const TPlace& place)
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
    out.empty = row->read(TInputs{segment, result, place}, us);
    if (out.isEmpty())
        return out;
    out.withoutPipe = row->fromPipe && !result.sized;
    out.isText = row->quantity == TQuantity::Pipe || row->quantity == TQuantity::Node;
    if (row->quantity == TQuantity::Pipe)
        out.text = ScheduleUnits::sizeLabel(result.size, units);
    else if (row->quantity == TQuantity::Node)
        out.text = QString::fromStdString(column == TColumn::From ? segment.from : segment.to);
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
