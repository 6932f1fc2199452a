#include "PdfTable.h"

#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>

#include <algorithm>

namespace {
constexpr double kPaddingMm = 1.0;
constexpr double kRowPaddingMm = 0.8;
// The least width of a wrapping column.
constexpr double kLeastTextMm = 16.0;
constexpr double kSpareMm = 0.6;
constexpr double kRuleMm = 0.15;
const QColor kRuleColour(150, 150, 150);
const QColor kHeaderFill(222, 229, 240);
const QColor kStripeFill(245, 245, 245);
const QColor kWarningFill(253, 221, 221);
const QColor kWarningText(176, 0, 0);

struct TColumnLayout {
    std::vector<double> widthsPx;
    double headerHeightPx = 0.0;
};

QString headerText(const TReportColumn& column)
{
    return column.unit.isEmpty() ? column.title : column.title + QChar(QChar::LineSeparator) + column.unit;
}

// Every column takes the width of its widest cell or header word, with a little to spare, since a shaped text
// can measure a hair wider in a line than on its own. Room left over goes to the wrapping
// columns; on a page too narrow, the wrapping columns give up width first, down to their least,
// and then every column in proportion.
std::vector<double> columnWidths(TReportPages& pages, const TReportTable& table, const TReportFonts& fonts)
{
    const QFontMetricsF cell(fonts.table, &pages.device());
    const QFontMetricsF header(fonts.tableHeader, &pages.device());
    QFont warningFont = fonts.table;
    warningFont.setBold(true);
    const QFontMetricsF warning(warningFont, &pages.device());
    const double sparePx = 2.0 * pages.mm(kPaddingMm) + pages.mm(kSpareMm);
    const double leastTextPx = pages.mm(kLeastTextMm);
    std::vector<double> widths(table.columns.size(), 0.0);
    double fixedPx = 0.0;
    double textPx = 0.0;
    for (std::size_t c = 0; c < table.columns.size(); ++c) {
        const TReportColumn& column = table.columns[c];
        // A title may wrap between its words; a unit stays on its own line.
        double widest = header.horizontalAdvance(column.unit);
        for (const QString& word : column.title.split(u' '))
            widest = std::max(widest, header.horizontalAdvance(word));
        for (std::size_t r = 0; r < table.rows.size(); ++r) {
            const QString& text = table.rows[r][static_cast<qsizetype>(c)];
            widest = std::max(widest, (table.isWarning(r, c) ? warning : cell).horizontalAdvance(text));
        }
        widths[c] = widest + sparePx;
        if (column.isText)
            widths[c] = std::max(widths[c], leastTextPx);
        (column.isText ? textPx : fixedPx) += widths[c];
    }
    const double pagePx = pages.widthPx();
    if (textPx <= 0.0)
        return widths;
    // Each wrapping column gets the same share of its natural width, never below its least.
    const double textShare = std::max(0.0, pagePx - fixedPx) / textPx;
    double totalPx = 0.0;
    for (std::size_t c = 0; c < widths.size(); ++c) {
        if (table.columns[c].isText)
            widths[c] = std::max(leastTextPx, widths[c] * textShare);
        totalPx += widths[c];
    }
    if (totalPx > pagePx)
        for (double& width : widths)
            width *= pagePx / totalPx;
    return widths;
}

double rowHeightPx(TReportPages& pages, const QStringList& cells, const std::vector<double>& widthsPx,
                   const QFont& font)
{
    const double paddingPx = 2.0 * pages.mm(kPaddingMm);
    double tallest = 0.0;
    for (std::size_t c = 0; c < widthsPx.size(); ++c)
        tallest = std::max(
            tallest, wrappedHeightPx(pages.device(), cells[static_cast<qsizetype>(c)], font, widthsPx[c] - paddingPx));
    return tallest + 2.0 * pages.mm(kRowPaddingMm);
}

bool isPersian(const QString& text)
{
    return std::any_of(text.begin(), text.end(),
                       [](QChar c) { return c.direction() == QChar::DirAL || c.direction() == QChar::DirR; });
}

// One row across the page, its first column at the right edge. Persian cells read from the
// right, numbers and the header stand in the middle of their cells.
// warned: the row's columns drawn as a warning, in red and bold; empty for none.
void drawRow(TReportPages& pages, const QStringList& cells, const std::vector<double>& widthsPx, double heightPx,
             const QFont& font, const QColor& fill, bool isHeader, const std::vector<bool>& warned = {})
{
    QPainter* painter = pages.painter();
    if (painter == nullptr)
        return;
    const double paddingPx = pages.mm(kPaddingMm);
    double rightPx = pages.widthPx();
    for (std::size_t c = 0; c < widthsPx.size(); ++c) {
        const QRectF box(rightPx - widthsPx[c], pages.yPx(), widthsPx[c], heightPx);
        const bool warning = c < warned.size() && warned[c];
        painter->fillRect(box, warning ? kWarningFill : fill);
        painter->setPen(QPen(kRuleColour, pages.mm(kRuleMm)));
        painter->drawRect(box);
        painter->setPen(warning ? kWarningText : Qt::black);
        QFont cellFont = font;
        cellFont.setBold(font.bold() || warning);
        const QString& text = cells[static_cast<qsizetype>(c)];
        const bool persian = isPersian(text);
        const Qt::Alignment alignment
            = persian && !isHeader ? Qt::AlignRight | Qt::AlignAbsolute : Qt::Alignment(Qt::AlignHCenter);
        drawWrapped(*painter, box.adjusted(paddingPx, 0.0, -paddingPx, 0.0), text, cellFont, alignment,
                    persian ? Qt::RightToLeft : Qt::LeftToRight);
        rightPx -= widthsPx[c];
    }
}

} // namespace

void paintTable(TReportPages& pages, const TReportTable& table, const TReportFonts& fonts)
{
    const std::vector<double> widthsPx = columnWidths(pages, table, fonts);
    QStringList header;
    for (const TReportColumn& column : table.columns)
        header << headerText(column);
    const double headerPx = rowHeightPx(pages, header, widthsPx, fonts.tableHeader);
    const auto drawHeader = [&] {
        drawRow(pages, header, widthsPx, headerPx, fonts.tableHeader, kHeaderFill, true);
        pages.advance(headerPx);
    };
    const double firstRowPx = table.rows.empty() ? 0.0 : rowHeightPx(pages, table.rows.front(), widthsPx, fonts.table);
    pages.makeRoom(headerPx + firstRowPx);
    drawHeader();
    for (std::size_t r = 0; r < table.rows.size() && pages.ok(); ++r) {
        const double heightPx = rowHeightPx(pages, table.rows[r], widthsPx, fonts.table);
        pages.makeRoom(heightPx);
        if (pages.pageIsEmpty())
            drawHeader();
        drawRow(pages, table.rows[r], widthsPx, heightPx, fonts.table, r % 2 == 1 ? kStripeFill : Qt::white, false,
                r < table.warnings.size() ? table.warnings[r] : std::vector<bool>());
        pages.advance(heightPx);
    }
}
