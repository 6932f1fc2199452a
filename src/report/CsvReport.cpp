// The report as CSV, for engineers who paste it into their own sheets: its columns are fixed.
#include "Report.h"

#include "BoosterFigures.h"
#include "BoosterTexts.h"
#include "CommonTexts.h"
#include "FixtureLoads.h"
#include "ReportFormat.h"
#include "ReportTexts.h"
#include "SegmentFigures.h"

#include <array>
#include <vector>

namespace Report {
namespace {

using namespace CommonTexts;
using namespace ReportTexts;
using SegmentFigures::TColumn;

// Seventeen columns for every schedule; a tree adds its own nine after them.
using TRecord = std::vector<QByteArray>;

// Excel reads a file without the mark in the machine's code page, which mangles Persian.
constexpr char kByteOrderMark[] = "\xEF\xBB\xBF";
constexpr char kRecordEnd[] = "\r\n";
// "×", U+00D7, in UTF-8 between a fixture's id and its count.
constexpr char kTimes[] = "\xC3\x97";

QByteArray withUnit(QStringView name, const char* unit) { return name.toUtf8() + " (" + unit + ')'; }

// A spreadsheet takes a cell that begins with one of these for a formula and runs it; a name
// from someone else's project must stay a name.
QByteArray asText(const std::string& name)
{
    static constexpr std::string_view kFormulaStarts = "=+-@\t\r";
    const QByteArray text = QByteArray::fromStdString(name);
    if (!text.isEmpty() && kFormulaStarts.find(text.front()) != std::string_view::npos)
        return '\'' + text;
    return text;
}

// A sheet's cell has no paragraph of its own to isolate a number in.
QByteArray plainNote(QString note)
{
    note.remove(QChar(u'\u2066'));
    note.remove(QChar(u'\u2069'));
    return note.toUtf8();
}

// The fixtures counted at the segment's outlet, in the table's order: "wc-private-tank×2
// shower-private×1"; empty where it counts none, or counts the checks refused.
QByteArray fixturesField(const Sizing::TSegment& segment)
{
    const auto table = Design::fixtureLoadTable();
    if (!Sizing::hasFixtureCounts(segment) || !Sizing::fixtureCountsAreSound(segment))
        return {};
    QByteArray field;
    for (std::size_t i = 0; i < table.size(); ++i) {
        if (segment.fixtureCounts[i] == 0)
            continue;
        if (!field.isEmpty())
            field += ' ';
        field += QByteArray(table[i].Id.data(), static_cast<qsizetype>(table[i].Id.size())) + kTimes
            + QByteArray::number(segment.fixtureCounts[i]);
    }
    return field;
}

TRecord header(Sizing::TLayout layout)
{
    TRecord names{kCsvName.toUtf8(),
                  kColumnRun.toUtf8(),
                  kColumnFixtureUnits.toUtf8(),
                  withUnit(kColumnFlow, "gpm"),
                  withUnit(kColumnFlow, "L/s"),
                  withUnit(kColumnLength, "ft"),
                  withUnit(kColumnLength, "m"),
                  withUnit(kColumnFittings, "%"),
                  withUnit(kColumnEquivalentLength, "ft"),
                  kColumnPipe.toUtf8(),
                  withUnit(kColumnVelocity, "ft/s"),
                  withUnit(kColumnVelocity, "m/s"),
                  withUnit(kColumnLoss, "psi/100ft"),
                  withUnit(kColumnLoss, "kPa/m"),
                  withUnit(kColumnSegmentLoss, "psi"),
                  withUnit(kCsvCumulativeLoss, "psi"),
                  kColumnNote.toUtf8()};
    if (layout == Sizing::TLayout::Tree)
        names.insert(names.end(),
                     {kColumnFrom.toUtf8(), kColumnTo.toUtf8(), kColumnServedLoad.toUtf8(),
                      withUnit(kColumnElevation, "ft"), withUnit(kColumnStaticPressure, "psi"),
                      withUnit(kColumnOutletPressure, "psi"), kColumnPressureReducer.toUtf8(),
                      withUnit(BoosterTexts::kColumnValveSetting, "psi"), kCsvFixtures.toUtf8()});
    return names;
}

// Every number in US units, and the ones a metric sheet needs again in SI beside them.
TRecord record(const Project::TProject& project, const Sizing::TScheduleResult& result, std::size_t index,
               const std::array<QByteArray, 2>& runs)
{
    const Sizing::TSegment& segment = project.schedule.segments[index];
    const Sizing::TSegmentResult& r = result.segments[index];
    const SegmentFigures::TPlace place = SegmentFigures::placeOf(project.schedule, result, index);
    const auto in = [&](TColumn column, Project::TUnits units) {
        return SegmentFigures::written(SegmentFigures::figure(segment, r, column, units, place),
                                       ReportFormat::kPlainDecimalMark)
            .toUtf8();
    };
    const auto us = [&](TColumn column) { return in(column, Project::TUnits::US); };
    const auto si = [&](TColumn column) { return in(column, Project::TUnits::SI); };
    TRecord fields{
        asText(segment.name),
        runs[segment.run == Sizing::TRun::Main ? 0 : 1],
        us(TColumn::Load),
        us(TColumn::Flow),
        si(TColumn::Flow),
        us(TColumn::Length),
        si(TColumn::Length),
        us(TColumn::Fittings),
        us(TColumn::EquivalentLength),
        us(TColumn::Pipe),
        us(TColumn::Velocity),
        si(TColumn::Velocity),
        us(TColumn::LossPer100),
        si(TColumn::LossPer100),
        us(TColumn::SegmentLoss),
        us(TColumn::CumulativeLoss),
        plainNote(segmentNote(project.schedule, index, r, Project::TUnits::US, ReportFormat::kPlainDecimalMark))};
    if (project.schedule.layout == Sizing::TLayout::Tree)
        fields.insert(fields.end(),
                      {asText(segment.from), asText(segment.to), us(TColumn::ServedLoad), us(TColumn::Elevation),
                       us(TColumn::StaticPressure), us(TColumn::OutletPressure), us(TColumn::PressureReducer),
                       us(TColumn::ValveSetting), fixturesField(segment)});
    return fields;
}

// RFC 4180: a field holding a comma, a quote or a line break is quoted, its quotes doubled.
void append(QByteArray& out, const TRecord& fields)
{
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i > 0)
            out += ',';
        const QByteArray& field = fields[i];
        if (!field.contains(',') && !field.contains('"') && !field.contains('\n') && !field.contains('\r')) {
            out += field;
            continue;
        }
        out += '"';
        for (const char c : field) {
            if (c == '"')
                out += '"';
            out += c;
        }
        out += '"';
    }
    out += kRecordEnd;
}

} // namespace

QByteArray csvReport(const Project::TProject& project, const Sizing::TScheduleResult& result)
{
    const std::array<QByteArray, 2> runs{kRunMain.toUtf8(), kRunBranch.toUtf8()};
    QByteArray out(kByteOrderMark);
    append(out, header(project.schedule.layout));
    const std::size_t rows = std::min(project.schedule.segments.size(), result.segments.size());
    for (std::size_t i = 0; i < rows; ++i)
        append(out, record(project, result, i, runs));
    // The booster's figures under their results-file names, below the table and apart from it.
    if (project.schedule.source == Sizing::TSource::Booster && project.schedule.layout == Sizing::TLayout::Tree) {
        out += kRecordEnd;
        for (const auto& [name, value] : BoosterFigures::csvRows(result.booster))
            append(out, {name, value});
    }
    return out;
}

} // namespace Report
