// The report as CSV, for engineers who paste it into their own sheets: its columns are fixed.
#include "Report.h"

#include "ReportFormat.h"
#include "ReportTexts.h"
#include "Units.h"

#include <QLocale>
#include <QScopeGuard>
#include <QStringList>

namespace Report {
namespace {

using namespace ReportTexts;
using ReportFormat::csvCount;
using ReportFormat::csvNumber;

// Excel reads a file without the mark in the machine's code page, which mangles Persian.
constexpr char kByteOrderMark[] = "\xEF\xBB\xBF";
constexpr char kRecordEnd[] = "\r\n";

QString withUnit(QStringView name, const char* unit)
{
    return name.toString() + QStringLiteral(" (") + QLatin1String(unit) + u')';
}

// RFC 4180: a field holding a comma, a quote or a line break is quoted, its quotes doubled.
QString field(const QString& text)
{
    if (!text.contains(u',') && !text.contains(u'"') && !text.contains(u'\n') && !text.contains(u'\r'))
        return text;
    QString quoted = text;
    quoted.replace(QStringLiteral("\""), QStringLiteral("\"\""));
    return u'"' + quoted + u'"';
}

// A spreadsheet takes a cell that begins with one of these for a formula and runs it; a name
// from someone else's project must stay a name.
QString asText(const QString& name)
{
    static const QString kFormulaStarts = QStringLiteral("=+-@\t\r");
    if (!name.isEmpty() && kFormulaStarts.contains(name.front()))
        return u'\'' + name;
    return name;
}

// A sheet's cell has no paragraph of its own to isolate a number in.
QString plainNote(QString note)
{
    note.remove(QChar(u'\u2066'));
    note.remove(QChar(u'\u2069'));
    return note;
}

QStringList header()
{
    return {kCsvName.toString(),
            kCsvRun.toString(),
            kCsvFixtureUnits.toString(),
            withUnit(kCsvFlow, "gpm"),
            withUnit(kCsvFlow, "L/s"),
            withUnit(kCsvLength, "ft"),
            withUnit(kCsvLength, "m"),
            withUnit(kCsvFittings, "%"),
            withUnit(kCsvEquivalentLength, "ft"),
            kCsvPipe.toString(),
            withUnit(kCsvVelocity, "ft/s"),
            withUnit(kCsvVelocity, "m/s"),
            withUnit(kCsvLoss, "psi/100ft"),
            withUnit(kCsvLoss, "kPa/m"),
            withUnit(kCsvSegmentLoss, "psi"),
            withUnit(kCsvCumulativeLoss, "psi"),
            kCsvNote.toString()};
}

QStringList row(const Project::TProject& project, std::size_t index, const Sizing::TSegmentResult& r)
{
    using namespace ReportFormat;
    const Sizing::TSegment& segment = project.schedule.segments[index];
    const bool flowTyped = segment.flowGpm > 0.0;
    const auto ifSized = [&](double value, int decimals) { return r.sized ? csvNumber(value, decimals) : QString(); };
    return {asText(QString::fromStdString(segment.name)),
            (segment.run == Sizing::TRun::Main ? kRunMain : kRunBranch).toString(),
            flowTyped ? QString() : csvCount(segment.fixtureUnits),
            csvNumber(r.flowGpm, kFlowDecimals),
            csvNumber(Design::flowLitresPerSecond(r.flowGpm), kFlowDecimals),
            csvNumber(segment.lengthFt, kLengthDecimals),
            csvNumber(segment.lengthFt * Design::kMetresPerFoot, kLengthDecimals),
            csvCount(segment.fittingsPercent),
            csvNumber(r.equivalentLengthFt, kLengthDecimals),
            QString::fromStdString(r.size.pipe),
            ifSized(r.size.velocityFtPerS, kVelocityDecimals),
            ifSized(r.size.velocityFtPerS * Design::kMetresPerFoot, kVelocityDecimals),
            ifSized(r.size.lossPsiPer100ft, kLossDecimals),
            ifSized(Design::lossKPaPerMetre(r.size.lossPsiPer100ft), kLossDecimals),
            csvNumber(r.lossPsi, kLossDecimals),
            segment.onCriticalPath ? csvNumber(r.cumulativeLossPsi, kLossDecimals) : QString(),
            plainNote(segmentNote(project.schedule, index, r))};
}

void appendRecord(QByteArray& out, const QStringList& fields)
{
    QString line;
    for (qsizetype i = 0; i < fields.size(); ++i) {
        if (i > 0)
            line += u',';
        line += field(fields[i]);
    }
    out += line.toUtf8();
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
    QByteArray out(kByteOrderMark);
    appendRecord(out, header());
    const std::size_t rows = std::min(project.schedule.segments.size(), result.segments.size());
    for (std::size_t i = 0; i < rows; ++i)
        appendRecord(out, row(project, i, result.segments[i]));
    return out;
}

} // namespace Report
