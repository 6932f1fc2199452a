#include "ReportPages.h"

#include "FontFamilies.h"
#include "ReportTexts.h"

#include <QPagedPaintDevice>
#include <QPainter>
#include <QTextLayout>

namespace {
constexpr double kMillimetresPerInch = 25.4;
// The page number's band at the foot of every page.
constexpr double kFooterMm = 8.0;

constexpr double kTitlePt = 14.0;
constexpr double kHeadingPt = 11.0;
constexpr double kBodyPt = 9.0;
constexpr double kTablePt = 7.0;
constexpr double kFooterPt = 8.0;

QFont sized(double points, bool bold)
{
    QFont font;
    font.setFamilies(segoeUiFamilies());
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

double layOut(QTextLayout& layout, double widthPx, Qt::Alignment alignment, Qt::LayoutDirection direction)
{
    QTextOption option(alignment);
    option.setTextDirection(direction);
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(option);
    double heightPx = 0.0;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(widthPx);
        line.setPosition(QPointF(0.0, heightPx));
        heightPx += line.height();
    }
    layout.endLayout();
    return heightPx;
}

// Persian text reads from the right; a Latin name or a number keeps its own order.
constexpr Qt::Alignment kRightToLeftAlignment = Qt::AlignRight | Qt::AlignAbsolute;
} // namespace

TReportFonts reportFonts()
{
    return {sized(kTitlePt, true),  sized(kHeadingPt, true), sized(kBodyPt, false),
            sized(kTablePt, false), sized(kTablePt, true),   sized(kFooterPt, false)};
}

double wrappedHeightPx(QPagedPaintDevice& device, const QString& text, const QFont& font, double widthPx)
{
    QTextLayout layout(text, font, &device);
    return layOut(layout, widthPx, kRightToLeftAlignment, Qt::RightToLeft);
}

void drawWrapped(QPainter& painter, const QRectF& rect, const QString& text, const QFont& font, Qt::Alignment alignment,
                 Qt::LayoutDirection direction)
{
    QTextLayout layout(text, font, painter.device());
    const double heightPx = layOut(layout, rect.width(), alignment, direction);
    // Centred from top to bottom in the rectangle, as a table's cells are.
    layout.draw(&painter, QPointF(rect.left(), rect.top() + (rect.height() - heightPx) / 2.0));
}

TReportPages::TReportPages(QPagedPaintDevice& device, QPainter* painter, int pageCount)
    : FDevice(device)
    , FPainter(painter)
    , FPageCount(pageCount)
    , FFonts(reportFonts())
{
}

double TReportPages::mm(double millimetres) const { return millimetres * FDevice.logicalDpiY() / kMillimetresPerInch; }

double TReportPages::widthPx() const { return FDevice.width(); }

double TReportPages::roomPx() const { return FDevice.height() - mm(kFooterMm) - FYPx; }

void TReportPages::makeRoom(double heightPx)
{
    if (heightPx > roomPx() && !pageIsEmpty())
        newPage();
}

void TReportPages::footer()
{
    if (FPainter == nullptr)
        return;
    const QString text = ReportTexts::kPageOf.toString().arg(FPage).arg(FPageCount);
    const QRectF band(0.0, FDevice.height() - mm(kFooterMm), widthPx(), mm(kFooterMm));
    FPainter->setPen(Qt::darkGray);
    drawWrapped(*FPainter, band, text, FFonts.footer, Qt::AlignHCenter, Qt::RightToLeft);
    FPainter->setPen(Qt::black);
}

void TReportPages::newPage()
{
    if (!FOk)
        return;
    footer();
    beginPage();
}

void TReportPages::newPage(const QPageLayout& nextLayout)
{
    if (!FOk)
        return;
    // The number goes at the foot of this page as it is laid out; only then does the next one
    // take its own size.
    footer();
    FDevice.setPageLayout(nextLayout);
    beginPage();
}

void TReportPages::beginPage()
{
    // While counting, the device is not asked: it has no page to begin.
    if (FPainter != nullptr && !FDevice.newPage()) {
        FOk = false;
        return;
    }
    ++FPage;
    FYPx = 0.0;
}

void TReportPages::finish() { footer(); }

void TReportPages::paragraph(const QString& text, const QFont& font, double gapAfterPx, Qt::LayoutDirection direction)
{
    const double heightPx = wrappedHeightPx(FDevice, text, font, widthPx());
    makeRoom(heightPx);
    if (FPainter != nullptr && FOk)
        drawWrapped(*FPainter, QRectF(0.0, FYPx, widthPx(), heightPx), text, font, kRightToLeftAlignment, direction);
    advance(heightPx + gapAfterPx);
}
