// The chart window's commands for reports: save, copy and print the chart as the window shows
// it. The info panel is a widget on top of the plot, not part of it, so every export draws the
// plot and then the panel over it at the place it has in the window.
#include "ChartFileName.h"
#include "FrictionPlot.h"
#include "Unit5.h"

#include <QAction>
#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMenu>
#include <QMessageBox>
#include <QPageSize>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrinter>
#include <QSaveFile>
#include <QStandardPaths>
#include <qcustomplot.h>

namespace {
const QString kSaveText = QStringLiteral("ذخیرهٔ نمودار…");
const QString kCopyText = QStringLiteral("کپی نمودار");
const QString kPrintText = QStringLiteral("چاپ نمودار…");
const QString kSaveCaption = QStringLiteral("ذخیرهٔ نمودار");
const QString kPngFilter = QStringLiteral("PNG (*.png)");
const QString kPdfFilter = QStringLiteral("PDF (*.pdf)");
const QString kSaveFailed = QStringLiteral(
    "نمودار ذخیره نشد. در این پوشه نمی‌توان نوشت یا جای خالی کافی نیست؛ پوشهٔ "
    "دیگری را انتخاب کنید.");
const QString kPrintFailed = QStringLiteral("نمودار چاپ نشد. چاپگر را بررسی کنید.");

// Saved and copied images carry twice the screen's pixels, for print-quality reports.
constexpr double kExportScale = 2.0;
constexpr double kScreenDpi = 96.0;
constexpr double kPointsPerInch = 72.0;
constexpr double kMetresPerInch = 0.0254;

void showWarning(QWidget* parent, const QString& text)
{
    QMessageBox box(QMessageBox::Warning, parent->windowTitle(), text, QMessageBox::Ok, parent);
    box.setLayoutDirection(Qt::RightToLeft);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}
} // namespace

void TForm5::setUpActions()
{
    const auto addCommand
        = [this](const char* name, const QString& text, QKeySequence::StandardKey key, void (TForm5::*handler)()) {
              auto* action = new QAction(text, this);
              action->setObjectName(QString::fromLatin1(name));
              action->setShortcut(key);
              connect(action, &QAction::triggered, this, handler);
              addAction(action);
          };
    addCommand("actSaveChart", kSaveText, QKeySequence::Save, &TForm5::actSaveChartExecute);
    addCommand("actCopyChart", kCopyText, QKeySequence::Copy, &TForm5::actCopyChartExecute);
    addCommand("actPrintChart", kPrintText, QKeySequence::Print, &TForm5::actPrintChartExecute);

    // The menu reads right to left like the rest of the program, while the chart stays left
    // to right.
    setContextMenuPolicy(Qt::CustomContextMenu);
    connect(this, &QWidget::customContextMenuRequested, this, [this](const QPoint& pos) {
        QMenu menu(this);
        menu.setLayoutDirection(Qt::RightToLeft);
        menu.addActions(actions());
        menu.exec(mapToGlobal(pos));
    });
}

void TForm5::paintChart(QCPPainter& painter)
{
    Chart1->toPainter(&painter, Chart1->width(), Chart1->height());
    // Shown once the first operating point arrived, also while the window itself is hidden.
    if (!pnlInfo->isHidden())
        pnlInfo->render(&painter, pnlInfo->pos(), QRegion(), QWidget::DrawWindowBackground | QWidget::DrawChildren);
}

QImage TForm5::ChartImage(double scale)
{
    QImage image(Chart1->size() * scale, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(scale);
    image.fill(Qt::white);
    {
        QCPPainter painter(&image);
        // Pens keep their widths in the scaled drawing, as the window draws them.
        painter.setMode(QCPPainter::pmNonCosmetic, scale > 1.0);
        paintChart(painter);
    }
    // Printed, the image comes out at the window's size. Set only now: fonts sized in points
    // are drawn at the image's resolution.
    const int dotsPerMetre = qRound(scale * kScreenDpi / kMetresPerInch);
    image.setDotsPerMeterX(dotsPerMetre);
    image.setDotsPerMeterY(dotsPerMetre);
    return image;
}

QString TForm5::SuggestedFileName() const
{
    return suggestedChartFileName(FPipeTypeTitle, !pnlInfo->isHidden(), CurrentQ, CurrentH);
}

bool TForm5::SaveChartTo(const QString& path)
{
    // QSaveFile writes beside the chosen name and renames only a complete file onto it.
    QSaveFile file(path);
    bool written = file.open(QIODevice::WriteOnly);
    if (written && path.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive)) {
        QPdfWriter pdf(&file);
        pdf.setResolution(int(kScreenDpi));
        pdf.setPageSize(QPageSize(QSizeF(Chart1->size()) * (kPointsPerInch / kScreenDpi), QPageSize::Point));
        pdf.setPageMargins(QMarginsF());
        pdf.setTitle(Chart1->title());
        QCPPainter painter;
        written = painter.begin(&pdf);
        if (written) {
            painter.setMode(QCPPainter::pmVectorized);
            painter.setWindow(QRect(QPoint(0, 0), Chart1->size()));
            paintChart(painter);
            written = painter.end();
        }
    } else if (written) {
        written = ChartImage(kExportScale).save(&file, "PNG");
    }
    written = written && file.commit();
    if (!written) {
        file.cancelWriting();
        showWarning(this, kSaveFailed + u'\n' + QDir::toNativeSeparators(path));
    }
    return written;
}

void TForm5::actSaveChartExecute()
{
    QFileDialog dialog(this, kSaveCaption);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilters({kPngFilter, kPdfFilter});
    dialog.setDefaultSuffix(QStringLiteral("png"));
    connect(&dialog, &QFileDialog::filterSelected, &dialog, [&dialog](const QString& filter) {
        dialog.setDefaultSuffix(filter == kPdfFilter ? QStringLiteral("pdf") : QStringLiteral("png"));
    });
    dialog.setDirectory(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
    dialog.selectFile(SuggestedFileName() + QStringLiteral(".png"));
    if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty())
        SaveChartTo(dialog.selectedFiles().constFirst());
}

void TForm5::actCopyChartExecute() { QGuiApplication::clipboard()->setImage(ChartImage(kExportScale)); }

// The chart keeps its proportions and fills the page's width or height.
void TForm5::actPrintChartExecute()
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(windowTitle());
    QPrintDialog dialog(&printer, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    QCPPainter painter;
    if (!painter.begin(&printer)) {
        showWarning(this, kPrintFailed);
        return;
    }
    const QRect page = painter.viewport();
    const QSize fitted = Chart1->size().scaled(page.size(), Qt::KeepAspectRatio);
    painter.setViewport(QRect(page.topLeft(), fitted));
    painter.setWindow(QRect(QPoint(0, 0), Chart1->size()));
    painter.setMode(QCPPainter::pmVectorized);
    paintChart(painter);
    painter.end();
}
