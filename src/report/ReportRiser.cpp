#include "ReportRiser.h"

#include "CommonTexts.h"
#include "ReportTexts.h"
#include "RiserDrawing.h"

#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>

#include <algorithm>

namespace Report {
namespace {

// Below this share of its size the diagram's 9-point words print smaller than 5.5 points.
constexpr double kLeastReadableScale = 0.6;
constexpr double kDiagramPt = 9.0;
constexpr double kGapMm = 3.0;
constexpr double kScreenDpi = 96.0;

struct TFit {
    double scale = 1.0; // of the drawing's own size
    double diagramPx = 0.0;
};

// The drawing's scale on this page, never larger than its own size, and the height it takes.
TFit fitOnPage(TReportPages& pages, const Riser::TDrawing& drawing, double roomPx)
{
    const double devicePerPx = pages.device().logicalDpiX() / kScreenDpi;
    const QSizeF natural = drawing.boundsPx.size() * devicePerPx;
    TFit fit;
    fit.scale = std::min({1.0, pages.widthPx() / natural.width(), roomPx / natural.height()});
    fit.diagramPx = natural.height() * fit.scale;
    return fit;
}

} // namespace

void riserPage(TReportPages& pages, const TReportFonts& fonts, const Project::TProject& project,
               const Sizing::TScheduleResult& result)
{
    QFont font = fonts.body;
    font.setPointSizeF(kDiagramPt);
    Riser::TDrawing drawing;
    if (!Riser::drawRiser(project, result, true, font, drawing) || !pages.ok())
        return;
    QPagedPaintDevice& device = pages.device();
    const QPageLayout pageLayout = device.pageLayout();
    const QString heading = CommonTexts::kRiserDiagram.toString();
    const QString caption = ReportTexts::kRiserCaption.toString().arg(drawing.criticalChain);
    const auto room = [&] {
        return pages.roomPx() + pages.yPx() - wrappedHeightPx(device, heading, fonts.heading, pages.widthPx())
            - wrappedHeightPx(device, caption, fonts.body, pages.widthPx()) - pages.mm(3 * kGapMm);
    };
    TFit fit = fitOnPage(pages, drawing, room());
    const bool onA3 = fit.scale < kLeastReadableScale;
    if (onA3) {
        const bool wide = drawing.boundsPx.width() > drawing.boundsPx.height();
        pages.newPage(QPageLayout(QPageSize(QPageSize::A3), wide ? QPageLayout::Landscape : QPageLayout::Portrait,
                                  pageLayout.margins(), pageLayout.units()));
    } else if (!pages.pageIsEmpty()) {
        pages.newPage();
    }
    fit = fitOnPage(pages, drawing, room());
    pages.paragraph(heading, fonts.heading, pages.mm(kGapMm));
    if (QPainter* painter = pages.painter(); painter != nullptr && pages.ok()) {
        const double devicePerPx = device.logicalDpiX() / kScreenDpi * fit.scale;
        const double widthPx = drawing.boundsPx.width() * devicePerPx;
        painter->save();
        painter->translate((pages.widthPx() - widthPx) / 2.0, pages.yPx());
        painter->scale(devicePerPx, devicePerPx);
        Riser::paintRiser(*painter, drawing);
        painter->restore();
    }
    pages.advance(fit.diagramPx + pages.mm(kGapMm));
    pages.paragraph(caption, fonts.body, 0.0);
    if (onA3)
        pages.newPage(pageLayout);
}

} // namespace Report
