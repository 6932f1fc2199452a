// The report as CSV, for engineers who paste it into their own sheets: its columns are fixed.
#include "Report.h"

#include "ReportFormat.h"
#include "ReportTexts.h"
#include "Units.h"

#include <QLocale>
#include <QScopeGuard>

#include <array>

namespace Report {
namespace {

using namespace ReportTexts;
using ReportFormat::csvCount;
using ReportFormat::csvNumber;

constexpr std::size_t kColumns = 17;
using TRecord = std::array<QByteArray, kColumns>;

// Excel reads a file without the mark in the machine's code page, which mangles Persian.
constexpr char kByteOrderMark[] = "\xEF\xBB\xBF";
constexpr char kRecordEnd[] = "\r\n";

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

TRecord header()
{
    return {kCsvName.toUtf8(),
            kCsvRun.toUtf8(),
            kCsvFixtureUnits.toUtf8(),
            withUnit(kCsvFlow, "gpm"),
            withUnit(kCsvFlow, "L/s"),
            withUnit(kCsvLength, "ft"),
            withUnit(kCsvLength, "m"),
            withUnit(kCsvFittings, "%"),
            withUnit(kCsvEquivalentLength, "ft"),
            kCsvPipe.toUtf8(),
            withUnit(kCsvVelocity, "ft/s"),
            withUnit(kCsvVelocity, "m/s"),
            withUnit(kCsvLoss, "psi/100ft"),
            withUnit(kCsvLoss, "kPa/m"),
            withUnit(kCsvSegmentLoss, "psi"),
            withUnit(kCsvCumulativeLoss, "psi"),
            kCsvNote.toUtf8()};
}

TRecord record(const Project::TProject& project, std::size_t index, const Sizing::TSegmentResult& r,
               const std::array<QByteArray, 2>& runs)
{
    using namespace ReportFormat;
    const Sizing::TSegment& segment = project.schedule.segments[index];
    const bool flowTyped = segment.flowGpm > 0.0;
    const auto ifSized
        = [&](double value, int decimals) { return r.sized ? csvNumber(value, decimals) : QByteArray(); };
    return {asText(segment.name),
            runs[segment.run == Sizing::TRun::Main ? 0 : 1],
            flowTyped ? QByteArray() : csvCount(segment.fixtureUnits),
            csvNumber(r.flowGpm, kFlowDecimals),
            csvNumber(Design::flowLitresPerSecond(r.flowGpm), kFlowDecimals),
            csvNumber(segment.lengthFt, kLengthDecimals),
            csvNumber(segment.lengthFt * Design::kMetresPerFoot, kLengthDecimals),
            csvCount(segment.fittingsPercent),
            csvNumber(r.equivalentLengthFt, kLengthDecimals),
            QByteArray::fromStdString(r.size.pipe),
            ifSized(r.size.velocityFtPerS, kVelocityDecimals),
            ifSized(r.size.velocityFtPerS * Design::kMetresPerFoot, kVelocityDecimals),
            ifSized(r.size.lossPsiPer100ft, kLossDecimals),
            ifSized(Design::lossKPaPerMetre(r.size.lossPsiPer100ft), kLossDecimals),
            csvNumber(r.lossPsi, kLossDecimals),
            segment.onCriticalPath ? csvNumber(r.cumulativeLossPsi, kLossDecimals) : QByteArray(),
            plainNote(segmentNote(project.schedule, index, r))};
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
    // The notes write their numbers as the windows do, with the user's decimal separator; here
    // they take "." like every other number of the sheet.
    const QLocale userLocale;
    QLocale::setDefault(QLocale::c());
    const auto restoreLocale = qScopeGuard([&userLocale] { QLocale::setDefault(userLocale); });
    const std::array<QByteArray, 2> runs{kRunMain.toUtf8(), kRunBranch.toUtf8()};
    QByteArray out(kByteOrderMark);
    append(out, header());
    const std::size_t rows = std::min(project.schedule.segments.size(), result.segments.size());
    for (std::size_t i = 0; i < rows; ++i)
        append(out, record(project, i, result.segments[i], runs));
    return out;
}

} // namespace Report
