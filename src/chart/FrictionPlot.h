#pragma once
// The plot of a friction chart without a window around it: two logarithmic scales, straight
// lines each named once beside itself, a title, and for a report a limit line and named marks,
// drawn onto any painter.
//
// What it draws comes in as data: the scales, the lines with their names and kinds, the limit
// and the marks. The nomogram of a roughness class is one such chart (NomogramLines.h); another
// friction chart made of straight lines on log-log scales is drawn by the same code. The chart
// window shows one and puts its operating point on it; a report lays one out at its own size
// and never shows it.
//
// Only what the plot adds is its own: the window's operating-point series on the same plot stay
// through setLines and clearLines.

#include "BandedPlot.h"

#include <QFont>
#include <QPointF>
#include <QRect>
#include <QSize>
#include <QString>

#include <vector>

class QCPAbstractItem;
class QCPGraph;
class QCPItemText;
class QCPPainter;
class QCPTextElement;

// One logarithmic scale, shared by the axis on either side of the plot: labelled at every 1 to
// 9 of each decade from `low` to `high`, both powers of ten.
struct TLogScale {
    double low = 1.0;
    double high = 10.0;
    QString title;
};

// A size's line is solid and stands on the second pair of axes (top and right), which appear
// with the first such line; a velocity's line is dotted and stands on the first pair.
enum class TPlotLineKind { Size, Velocity };

// A line of the log-log plane, from one end to the other as (across, up): straight when
// `through` is empty, as a nomogram's lines are, otherwise through those points in order, as a
// computed pipe's loss bends a little on log-log scales. Its name is placed beside the straight
// line between its ends, so a bent line should stay close to that chord; a line without a name
// is drawn unnamed.
struct TPlotLine {
    QString name;
    QPointF from;
    QPointF to;
    TPlotLineKind kind = TPlotLineKind::Size;
    std::vector<QPointF> through{};
};

// A point named on a report's chart, as (across, up).
struct TPlotMark {
    QString name;
    double across = 0.0;
    double up = 0.0;
};

// A value not to be passed on the horizontal scale: a dashed line from the bottom to the top of
// the plot, named beside it at the top.
struct TPlotLimit {
    double across = 0.0;
    QString name;
};

// The plot's own font: Segoe UI first, then the faces each platform has for Persian names.
[[nodiscard]] QFont plotFont();

class TFrictionPlot : public TBandedPlot {
    Q_OBJECT

public:
    TFrictionPlot(const TLogScale& across, const TLogScale& up, QWidget* parent = nullptr);

    void setTitle(const QString& text);
    [[nodiscard]] QString title() const;

    // Replaces the lines (and any report's marks) with these, in this order.
    void setLines(const std::vector<TPlotLine>& lines);
    // Removes the lines and any report's marks.
    void clearLines();

    // Lays the plot out at sizePx (pixels at the screen's resolution) for a report, with the
    // limit and the marks, each mark named clear of the other names on the plot. A mark off the
    // scales is left out. False when some name found no free place near its mark and overlaps
    // another; the plot is marked either way.
    [[nodiscard]] bool markForReport(const QSize& sizePx, const TPlotLimit& limit, const std::vector<TPlotMark>& marks);
    // Draws the plot as markForReport laid it out into `target`, in the painter's coordinates,
    // scaled to fill it.
    void paintForReport(QCPPainter& painter, const QRectF& target);

private:
    void setUpScales(const TLogScale& across, const TLogScale& up);
    void addLine(const TPlotLine& line);
    void placeLineNames();
    void fontsInPixels();
    void removeReportMarks();
    [[nodiscard]] std::vector<QRectF> lineNameRects() const;
    [[nodiscard]] QRectF addLimit(const TPlotLimit& limit);
    void addReportMark(const TPlotMark& mark, const QPointF& pointPx, const QRectF& namePx);

    TLogScale FAcross;
    TLogScale FUp;
    QCPTextElement* FTitle = nullptr;

    // A line's name and where the line runs, in plot coordinates; the names are placed anew
    // whenever the plot's rectangle changes.
    struct TLineName {
        QCPItemText* label = nullptr;
        QPointF from;
        QPointF to;
        QPointF midpoint;
    };
    std::vector<QCPGraph*> FLines;
    std::vector<TLineName> FLineNames;
    QRect FNamesPlacedIn;

    // What markForReport added, removed before it marks again.
    std::vector<QCPAbstractItem*> FReportItems;
    std::vector<QCPGraph*> FReportGraphs;
    QSize FReportSizePx;
};
