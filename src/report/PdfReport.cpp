// The report's pages: the title block, the pressure budget with its arithmetic, the table, the
// totals along the critical path, the segments that need a word, and the class's nomogram.
#include "Report.h"

#include "BudgetText.h"
#include "ClassTexts.h"
#include "CommonTexts.h"
#include "MaterialMethod.h"
#include "NumberText.h"
#include "PdfTable.h"
#include "PressureBudget.h"
#include "ReportBooster.h"
#include "ReportChart.h"
#include "ReportFormat.h"
#include "ReportPages.h"
#include "ReportRiser.h"
#include "ReportTable.h"
#include "ReportTexts.h"
#include "RiserPath.h"
#include "ScheduleUnits.h"

#include <QPagedPaintDevice>
#include <qcustomplot.h>

namespace Report {
namespace {

using namespace CommonTexts;
using namespace ReportTexts;
using namespace ReportFormat;
using namespace ScheduleUnits;
using Project::TUnits;

constexpr double kLineGapMm = 1.0;
constexpr double kBlockGapMm = 5.0;

// A Persian label and its value: numbers with their units, kept left to right as one piece.
QString labelled(QStringView label, const QString& value)
{
    return label.toString() + QStringLiteral(": ") + leftToRight(value);
}

QString number(double value, int decimals, const QString& unit) { return formatFixed(value, decimals) + u' ' + unit; }

QString pressure(double psi, TUnits u) { return number(pressureIn(psi, u), kPressureDecimals, pressureUnit(u)); }

QString length(double ft, TUnits u) { return number(lengthIn(ft, u), kLengthDecimals, lengthUnit(u)); }

QString velocity(double ftPerS, TUnits u)
{
    return quantity(velocityIn(ftPerS, u), kVelocityDecimals, velocityUnit(u));
}

// The budget's sums are in psi and ft, as the budget helper writes them; in SI the same value
// follows in the project's units.
QString bothUnits(const QString& us, const QString& shown, TUnits u)
{
    return u == TUnits::SI ? us + QStringLiteral(" = ") + shown : us;
}

struct TBlock {
    TReportPages& pages;
    const TReportFonts& fonts;
    const Project::TProject& project;
    const Sizing::TScheduleResult& result;

    [[nodiscard]] const Sizing::TSchedule& schedule() const { return project.schedule; }
    void line(const QString& text) { pages.paragraph(text, fonts.body, pages.mm(kLineGapMm)); }
    void arithmetic(const QString& text) { pages.paragraph(text, fonts.body, pages.mm(kLineGapMm), Qt::LeftToRight); }
    void heading(const QString& text)
    {
        pages.makeRoom(pages.mm(2 * kBlockGapMm));
        pages.paragraph(text, fonts.heading, pages.mm(2 * kLineGapMm));
    }
    void gap() { pages.advance(pages.mm(kBlockGapMm)); }
};

void titleBlock(TBlock& b, const QDate& today)
{
    const Sizing::TSchedule& s = b.schedule();
    b.pages.paragraph(kHeading.toString(), b.fonts.heading, b.pages.mm(2 * kLineGapMm));
    b.pages.paragraph(b.project.title.trimmed().isEmpty() ? kUntitled.toString() : b.project.title, b.fonts.title,
                      b.pages.mm(2 * kLineGapMm));
    const QStringView supply = s.supply == Design::TSupply::FlushValve ? kSupplyFlushValve : kSupplyFlushTank;
    const QString separator = kSeparator.toString();
    const QString colon = QStringLiteral(": ");
    const QString pipe = s.material.empty()
        ? kClassLabel.toString() + colon + ClassTexts::className(s.roughnessClass).toString()
        : kMaterialLabel.toString() + colon + materialNameText(s.material);
    b.line(pipe + separator + kSupplyLabel.toString() + colon + supply.toString() + separator
           + (b.project.units == TUnits::SI ? kUnitsSI : kUnitsUS).toString());
    b.line(kDateLabel.toString() + QStringLiteral(": ") + reportDate(today));
    if (const Hydraulics::TMaterial* material = Hydraulics::findMaterial(s.material)) {
        QString method;
        if (materialMethodText(*material, s.waterTemperatureC, method))
            b.line(method);
    }
    b.gap();
}

// A tree's budget is its critical outlet's: its own height and need; a list's, the schedule's.
struct TCriticalFixture {
    double heightFt = 0.0;
    double needPsi = 0.0;
    bool isOutlet = false;
};

TCriticalFixture criticalFixture(const Sizing::TSchedule& s, const Sizing::TScheduleResult& r)
{
    if (s.layout != Sizing::TLayout::Tree || r.criticalOutlet >= r.outlets.size()
        || r.outlets[r.criticalOutlet].segment >= s.segments.size())
        return {s.heightFt, s.fixturePsi, false};
    const std::size_t segment = r.outlets[r.criticalOutlet].segment;
    return {s.segments[segment].elevationFt, RiserPath::outletNeedPsi(s, segment), true};
}

// As the budget helper writes it: the members, what is left for friction with its arithmetic,
// and the loss per 100 ft spread over the critical path.
void budgetBlock(TBlock& b)
{
    const Sizing::TSchedule& s = b.schedule();
    const Sizing::TScheduleResult& r = b.result;
    const TUnits u = b.project.units;
    const TCriticalFixture fixture = criticalFixture(s, r);
    // A booster's budget starts from its discharge, and its rate is the one chosen.
    const bool booster = s.source == Sizing::TSource::Booster;
    const double sourcePsi = booster ? r.booster.dischargePsi : s.sourcePsi;
    b.heading(kBudgetHeading.toString());
    b.line(labelled(booster ? kDischarge : kSource, pressure(sourcePsi, u)));
    if (s.staticSourcePsi > 0.0 && !booster)
        b.line(labelled(kStaticSource, pressure(s.staticSourcePsi, u)));
    b.line(labelled(kMeter, pressure(s.meterAndDevicesPsi, u)));
    b.line(labelled(fixture.isOutlet ? kOutletHeight : kHeight, length(fixture.heightFt, u)));
    b.line(labelled(kFixture, pressure(fixture.needPsi, u)));
    const QString arithmetic = availableArithmetic(sourcePsi, s.meterAndDevicesPsi, Design::kPsiPerFtOfWater,
                                                   fixture.heightFt, fixture.needPsi);
    const QString availablePsi = formatFixed(r.availablePsi, kPressureDecimals);
    b.line(labelled(kAvailable, bothUnits(pressure(r.availablePsi, TUnits::US), pressure(r.availablePsi, u), u)));
    b.arithmetic(arithmetic + QStringLiteral(" = ") + availablePsi + QStringLiteral(" psi"));
    b.line(labelled(kPathLength,
                    bothUnits(length(r.pathEquivalentLengthFt, TUnits::US), length(r.pathEquivalentLengthFt, u), u)));
    b.line(labelled(booster ? kDesignRate : kAllowable,
                    number(r.allowablePsiPer100ft, kPressureDecimals, lossUnit(TUnits::US)) + QStringLiteral(" = ")
                        + number(lossIn(r.allowablePsiPer100ft, TUnits::SI), kLossDecimals, lossUnit(TUnits::SI))));
    if (!booster)
        b.arithmetic(QStringLiteral("(") + arithmetic + QStringLiteral(u") × 100 ÷ ")
                     + formatFixed(r.pathEquivalentLengthFt, kLengthDecimals) + QStringLiteral(" = ")
                     + formatFixed(r.allowablePsiPer100ft, kPressureDecimals));
    b.line(kLimits.toString().arg(velocity(s.mainLimitFtPerS, u), velocity(s.branchLimitFtPerS, u)));
    b.gap();
}

void totalsBlock(TBlock& b)
{
    const Sizing::TScheduleResult& r = b.result;
    const TUnits u = b.project.units;
    b.heading(kTotalsHeading.toString());
    b.line(labelled(kPathLength, length(r.pathEquivalentLengthFt, u)));
    b.line(labelled(kPathLoss, pressure(r.pathLossPsi, u)));
    b.line(labelled(kResidual, pressure(r.residualPsi, u)) + QStringLiteral(" (")
           + kResidualAbove.toString().arg(leftToRight(pressure(b.schedule().fixturePsi + r.residualPsi, u))) + u')');
    if (r.unsizedOnPath > 0)
        b.line(kUnsizedOnPath.toString().arg(r.unsizedOnPath));
    const QStringList nodes = RiserPath::criticalPathNodes(b.schedule(), r);
    if (!nodes.isEmpty()) {
        const std::size_t outlet = r.outlets[r.criticalOutlet].segment;
        b.line(kCriticalOutlet.toString().arg(QString::fromStdString(b.schedule().segments[outlet].name),
                                              leftToRight(nodes.back())));
        b.line(kCriticalPathNodes.toString() + QStringLiteral(": ") + RiserPath::nodeChain(nodes));
    }
    b.gap();
}

// A tree's outlets, each with its pressure in flow, and its pressure-reducing valves.
void outletsBlock(TBlock& b)
{
    if (b.schedule().layout != Sizing::TLayout::Tree || b.result.outlets.empty())
        return;
    b.heading(kOutletsHeading.toString());
    paintTable(b.pages, outletTable(b.project, b.result), b.fonts);
    b.gap();
    valvesSection(b.pages, b.fonts, b.project, b.result);
}

void notesBlock(TBlock& b)
{
    QStringList notes;
    for (std::size_t i = 0; i < b.result.segments.size(); ++i) {
        const QString note
            = segmentNote(b.schedule(), i, b.result.segments[i], b.project.units, userDecimalSeparator());
        if (!note.isEmpty())
            notes << kNoteLine.toString().arg(QString::fromStdString(b.schedule().segments[i].name),
                                              QString::number(i + 1), note);
    }
    if (notes.isEmpty())
        return;
    b.heading(kNotesHeading.toString());
    for (const QString& note : notes)
        b.line(note);
    b.gap();
}

// The chart is the last block: whatever its marks are named by, the pages before it break alike.
void chartBlock(TBlock& b, QCPPainter* painter)
{
    TReportPages& pages = b.pages;
    const QString heading = b.schedule().material.empty()
        ? kChartHeading.toString().arg(ClassTexts::className(b.schedule().roughnessClass))
        : kMaterialChartHeading.toString();
    const QString longestLegend = kChartLegend.toString() + kChartLegendRows.toString();
    const double headingPx = wrappedHeightPx(pages.device(), heading, b.fonts.heading, pages.widthPx());
    const double legendPx = wrappedHeightPx(pages.device(), longestLegend, b.fonts.body, pages.widthPx());
    const double gapsPx = pages.mm(3 * kLineGapMm);
    const double fullPagePx = pages.roomPx() + pages.yPx();
    double widthPx = pages.widthPx();
    double heightPx = scheduleChartHeight(widthPx);
    if (heightPx > fullPagePx - headingPx - legendPx - gapsPx) {
        heightPx = fullPagePx - headingPx - legendPx - gapsPx;
        widthPx = widthPx * heightPx / scheduleChartHeight(widthPx);
    }
    pages.makeRoom(headingPx + heightPx + legendPx + gapsPx);
    pages.paragraph(heading, b.fonts.heading, pages.mm(kLineGapMm));
    TMarkNames names = TMarkNames::SegmentNames;
    if (painter != nullptr && pages.ok())
        names = paintScheduleChart(*painter, QRectF((pages.widthPx() - widthPx) / 2.0, pages.yPx(), widthPx, heightPx),
                                   b.project, b.result);
    pages.advance(heightPx + pages.mm(kLineGapMm));
    pages.paragraph(kChartLegend.toString()
                        + (names == TMarkNames::RowNumbers ? kChartLegendRows.toString() : QString()),
                    b.fonts.body, 0.0);
}

void layOutReport(TReportPages& pages, QCPPainter* painter, const Project::TProject& project,
                  const Sizing::TScheduleResult& result, const QDate& today)
{
    const TReportFonts fonts = reportFonts();
    TBlock block{pages, fonts, project, result};
    titleBlock(block, today);
    budgetBlock(block);
    boosterSection(pages, fonts, project, result);
    block.heading(kTableHeading.toString());
    paintTable(pages, scheduleTable(project, result), fonts);
    block.gap();
    riserPage(pages, fonts, project, result);
    totalsBlock(block);
    outletsBlock(block);
    notesBlock(block);
    chartBlock(block, painter);
}

} // namespace

bool paintReport(QPagedPaintDevice& device, const Project::TProject& project, const Sizing::TScheduleResult& result,
                 const QDate& today)
{
    if (result.segments.size() != project.schedule.segments.size())
        return false;
    TReportPages counting(device, nullptr, 0);
    layOutReport(counting, nullptr, project, result, today);
    QCPPainter painter;
    if (!painter.begin(&device))
        return false;
    TReportPages pages(device, &painter, counting.pages());
    layOutReport(pages, &painter, project, result, today);
    pages.finish();
    const bool painted = pages.ok();
    return painter.end() && painted;
}

} // namespace Report
