#pragma once
// The schedule's calculation report, for the reviewing engineer: a CSV table to paste into a
// spreadsheet, or a PDF with the title block, the pressure budget and its arithmetic, the table,
// the totals, the segments that needed a word, and the class's nomogram with every segment
// marked on it; and the results as JSON for another program, at full precision. The command line
// and the schedule window write them with the same code.

#include "ProjectFile.h"
#include "ReportNotes.h"
#include "Sizing.h"

#include <QByteArray>
#include <QDate>
#include <QString>

class QPagedPaintDevice;

namespace Report {

enum class TFormat { Csv, Pdf, Json };

// By extension, case-insensitive.
[[nodiscard]] bool formatOf(const QString& outPath, TFormat& format);

// UTF-8 with a byte-order mark, RFC 4180, "." as the decimal point whatever the locale: one
// header row and one row per segment, in the project's order.
[[nodiscard]] QByteArray csvReport(const Project::TProject& project, const Sizing::TScheduleResult& result);

// The evaluated schedule, "keldaran-results" version 1 (docs/results-format.md): US units, each
// number the double itself, a pipe and a valve's setting null where there is none.
[[nodiscard]] QByteArray jsonResults(const Project::TProject& project, const Sizing::TScheduleResult& result);

// Lays the report out on any paged device: QPdfWriter for the file, QPrinter for the window's
// print preview. False when the device cannot be painted on or a new page cannot be begun.
[[nodiscard]] bool paintReport(QPagedPaintDevice& device, const Project::TProject& project,
                               const Sizing::TScheduleResult& result, const QDate& today);

// Evaluates, chooses the format by extension and writes atomically: a failure leaves no half
// file and never replaces a report that already exists. message: the Persian line for the user,
// naming the file, on failure.
[[nodiscard]] bool writeReport(const QString& outPath, const Project::TProject& project, QString& message);

} // namespace Report
