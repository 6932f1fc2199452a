#pragma once
// The PDF report's pages: blocks of text laid down a page from the top, right to left, and a new
// page whenever the next block does not fit above the page number. The layout runs twice, once
// without a painter to count the pages and once to draw them, so that every page can say
// "page n of m"; both runs measure alike, so both break the pages at the same places.

#include <QFont>
#include <QRectF>
#include <QString>

class QPageLayout;
class QPagedPaintDevice;
class QPainter;

struct TReportFonts {
    QFont title;
    QFont heading;
    QFont body;
    QFont table;
    QFont tableHeader;
    QFont footer;
};

[[nodiscard]] TReportFonts reportFonts();

class TReportPages {
public:
    // painter is nullptr while counting; pageCount is what the count found, 0 while counting.
    TReportPages(QPagedPaintDevice& device, QPainter* painter, int pageCount);

    [[nodiscard]] QPagedPaintDevice& device() { return FDevice; }
    // Nothing is drawn while counting.
    [[nodiscard]] QPainter* painter() { return FPainter; }
    [[nodiscard]] double mm(double millimetres) const;
    [[nodiscard]] double widthPx() const;
    [[nodiscard]] double yPx() const { return FYPx; }
    // The room left on this page above the page number.
    [[nodiscard]] double roomPx() const;
    // Whether this page still has nothing on it.
    [[nodiscard]] bool pageIsEmpty() const { return FYPx == 0.0; }
    [[nodiscard]] int pages() const { return FPage; }
    // False once the device refused a new page; everything after it is skipped.
    [[nodiscard]] bool ok() const { return FOk; }

    // A new page when `heightPx` does not fit on this one (and this one is not empty).
    void makeRoom(double heightPx);
    // Ends this page with its number and begins the next.
    void newPage();
    // The same, the next page laid out as given (A3 for a diagram, then back to A4).
    void newPage(const QPageLayout& nextLayout);
    void advance(double heightPx) { FYPx += heightPx; }
    // Ends the last page with its number.
    void finish();

    // Text wrapped to the page's width and aligned right, then `gapAfterPx` of space; a new page
    // first when it does not fit. A line of arithmetic is laid out left to right, so that it
    // keeps its order also where it wraps.
    void paragraph(const QString& text, const QFont& font, double gapAfterPx,
                   Qt::LayoutDirection direction = Qt::RightToLeft);

private:
    void footer();
    void beginPage();

    QPagedPaintDevice& FDevice;
    QPainter* FPainter;
    int FPageCount;
    int FPage = 1;
    double FYPx = 0.0;
    bool FOk = true;
    TReportFonts FFonts;
};

// A text's height when wrapped to `widthPx` on the device, breaking at word boundaries where it
// can and anywhere where a word is wider than the width.
[[nodiscard]] double wrappedHeightPx(QPagedPaintDevice& device, const QString& text, const QFont& font, double widthPx);

// Draws that wrapped text into `rect`, centred from top to bottom; Persian is drawn right to
// left and aligned Qt::AlignRight | Qt::AlignAbsolute, so that the alignment is not mirrored.
void drawWrapped(QPainter& painter, const QRectF& rect, const QString& text, const QFont& font, Qt::Alignment alignment,
                 Qt::LayoutDirection direction);
