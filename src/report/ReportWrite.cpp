// Writing a report file: evaluated first, then written beside its name and put in place only
// when whole, so that a failure leaves no half file and never replaces an earlier report.
#include "Report.h"

#include "ProjectTexts.h"
#include "ReportTexts.h"

#include <QDir>
#include <QFileInfo>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QSaveFile>

namespace Report {
namespace {

using namespace ReportTexts;

constexpr int kPdfDotsPerInch = 300;
constexpr double kMarginMm = 14.0;
const QString kCreator = QStringLiteral("Keldaran");

bool writePdf(QSaveFile& file, const Project::TProject& project, const Sizing::TScheduleResult& result)
{
    QPdfWriter pdf(&file);
    pdf.setResolution(kPdfDotsPerInch);
    pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                  QMarginsF(kMarginMm, kMarginMm, kMarginMm, kMarginMm), QPageLayout::Millimeter));
    pdf.setTitle(project.title);
    pdf.setCreator(kCreator);
    return paintReport(pdf, project, result, QDate::currentDate());
}

} // namespace

bool formatOf(const QString& outPath, TFormat& format)
{
    const QString suffix = QFileInfo(outPath).suffix().toLower();
    if (suffix == QStringLiteral("csv"))
        format = TFormat::Csv;
    else if (suffix == QStringLiteral("pdf"))
        format = TFormat::Pdf;
    else if (suffix == QStringLiteral("json"))
        format = TFormat::Json;
    else
        return false;
    return true;
}

bool writeReport(const QString& outPath, const Project::TProject& project, QString& message)
{
    const auto refuse = [&](const QString& reason) {
        message = kNotWritten.toString().arg(QDir::toNativeSeparators(outPath), reason);
        return false;
    };
    TFormat format = TFormat::Csv;
    if (!formatOf(outPath, format))
        return refuse(kUnknownExtension.toString());
    Sizing::TScheduleResult result;
    Sizing::TScheduleCheck check;
    if (!Sizing::evaluateSchedule(project.schedule, result, check))
        return refuse(scheduleProblemText(project.schedule, check));

    QSaveFile file(outPath);
    if (!file.open(QIODevice::WriteOnly))
        return refuse(ProjectTexts::kCannotWrite.toString().arg(file.errorString()));
    QString failure;
    if (format == TFormat::Csv || format == TFormat::Json) {
        const QByteArray bytes = format == TFormat::Csv ? csvReport(project, result) : jsonResults(project, result);
        if (file.write(bytes) != bytes.size())
            failure = ProjectTexts::kCannotWrite.toString().arg(file.errorString());
    } else if (!writePdf(file, project, result)) {
        failure = file.error() == QFileDevice::NoError ? kCannotPaint.toString()
                                                       : ProjectTexts::kCannotWrite.toString().arg(file.errorString());
    }
    if (failure.isEmpty() && !file.commit())
        failure = ProjectTexts::kCannotWrite.toString().arg(file.errorString());
    if (!failure.isEmpty()) {
        file.cancelWriting();
        return refuse(failure);
    }
    return true;
}

} // namespace Report
