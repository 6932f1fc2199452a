// The schedule window's reports: the PDF and the CSV written by the same code as
// `keldaran --report`, the PDF's pages printed through a preview, its chart in a window, and the
// riser diagram as a PNG or an SVG picture.
#include "FormSchedule.h"

#include "Report.h"
#include "RiserView.h"
#include "ScheduleChartDialog.h"
#include "ScheduleModel.h"
#include "ScheduleTexts.h"

#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QImageWriter>
#include <QPainter>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QSaveFile>

namespace {

using namespace ScheduleTexts;

QString suggestedReportName(const QString& projectPath, const QString& title, const QString& suffix)
{
    const QString base = projectPath.isEmpty() ? title : QFileInfo(projectPath).completeBaseName();
    return (base.isEmpty() ? kUntitled.toString() : base) + u'.' + suffix;
}

// A PNG twice the drawing's size, so that it stays sharp in a document or on a dense screen.
constexpr double kPngScale = 2.0;
constexpr double kPngMarginPx = 12.0;

bool writePng(QSaveFile& file, const Riser::TDrawing& drawing, QString& reason)
{
    const QSizeF sizePx = (drawing.boundsPx.size() + QSizeF(2 * kPngMarginPx, 2 * kPngMarginPx)) * kPngScale;
    QImage image(sizePx.toSize(), QImage::Format_RGB32);
    if (image.isNull()) {
        reason = QStringLiteral("%1 × %2 px").arg(sizePx.width()).arg(sizePx.height());
        return false;
    }
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
        painter.scale(kPngScale, kPngScale);
        painter.translate(kPngMarginPx, kPngMarginPx);
        Riser::paintRiser(painter, drawing);
    }
    QImageWriter writer(&file, "png");
    if (!writer.write(image)) {
        reason = writer.errorString();
        return false;
    }
    return true;
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

bool TFormSchedule::exportRiser(const QString& path)
{
    if (!FRiser->hasDrawing()) {
        showWarning(FRiser->message());
        return false;
    }
    QSaveFile file(path);
    QString reason;
    bool written = file.open(QIODevice::WriteOnly);
    if (written && QFileInfo(path).suffix().compare(QStringLiteral("svg"), Qt::CaseInsensitive) == 0)
        written = file.write(Riser::riserSvg(FRiser->drawing())) >= 0;
    else if (written)
        written = writePng(file, FRiser->drawing(), reason);
    written = written && file.commit();
    if (!written) {
        showWarning(kRiserNotWritten.toString().arg(QDir::toNativeSeparators(path),
                                                    reason.isEmpty() ? file.errorString() : reason));
        return false;
    }
    showStatus(kRiserWritten.toString().arg(QDir::toNativeSeparators(path)));
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

void TFormSchedule::exportPng()
{
    const QString path = chooseFile(TFileRole::ExportPng,
                                    suggestedReportName(FFilePath, FModel->project().title, QStringLiteral("png")));
    if (!path.isEmpty())
        exportRiser(path);
}

void TFormSchedule::exportSvg()
{
    const QString path = chooseFile(TFileRole::ExportSvg,
                                    suggestedReportName(FFilePath, FModel->project().title, QStringLiteral("svg")));
    if (!path.isEmpty())
        exportRiser(path);
}
