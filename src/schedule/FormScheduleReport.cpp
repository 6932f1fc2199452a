// The schedule window's reports: the PDF and the CSV written by the same code as
// `keldaran --report`, the PDF's pages printed through a preview, and its chart in a window.
#include "FormSchedule.h"

#include "Report.h"
#include "ScheduleChartDialog.h"
#include "ScheduleModel.h"
#include "ScheduleTexts.h"

#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <QPrintPreviewDialog>
#include <QPrinter>

namespace {

using namespace ScheduleTexts;

QString suggestedReportName(const QString& projectPath, const QString& title, const QString& suffix)
{
    const QString base = projectPath.isEmpty() ? title : QFileInfo(projectPath).completeBaseName();
    return (base.isEmpty() ? kUntitled.toString() : base) + u'.' + suffix;
}

} // namespace

bool TFormSchedule::exportReport(const QString& path)
{
    QString message;
    if (!Report::writeReport(path, FModel->project(), message)) {
        showWarning(message);
        return false;
    }
    showStatus(kReportWritten.toString().arg(QDir::toNativeSeparators(path)));
    return true;
}

void TFormSchedule::exportPdf()
{
    const QString path = chooseFile(TFileRole::ExportPdf,
                                    suggestedReportName(FFilePath, FModel->project().title, QStringLiteral("pdf")));
    if (!path.isEmpty())
        exportReport(path);
}

void TFormSchedule::exportCsv()
{
    const QString path = chooseFile(TFileRole::ExportCsv,
                                    suggestedReportName(FFilePath, FModel->project().title, QStringLiteral("csv")));
    if (!path.isEmpty())
        exportReport(path);
}

void TFormSchedule::printReport()
{
    // A schedule without totals has no report; the reason is the one the totals bar gives.
    if (!FModel->evaluated()) {
        showWarning(Report::scheduleProblemText(FModel->project().schedule, FModel->check()));
        return;
    }
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(windowTitle().remove(QStringLiteral("[*]")));
    QPrintPreviewDialog preview(&printer, this);
    preview.setObjectName(QStringLiteral("PrintPreview"));
    bool painted = true;
    connect(&preview, &QPrintPreviewDialog::paintRequested, this, [this, &painted](QPrinter* target) {
        painted = Report::paintReport(*target, FModel->project(), FModel->result(), QDate::currentDate());
    });
    preview.exec();
    if (!painted)
        showWarning(kPrintFailed.toString());
}

// A window of its own, so that the chart can stay open beside the table.
void TFormSchedule::showChart()
{
    if (!FModel->evaluated()) {
        showWarning(Report::scheduleProblemText(FModel->project().schedule, FModel->check()));
        return;
    }
    auto* chart = new TScheduleChartDialog(FModel->project(), FModel->result(), this);
    chart->setAttribute(Qt::WA_DeleteOnClose);
    chart->show();
}
