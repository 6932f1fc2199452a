#pragma once
// The riser diagram of a tree schedule: the tree drawn back as the engineer drew it, the source at
// the bottom, each segment with its pipe and flow, each outlet with its margin, the critical path
// thicker, unsized segments dashed, a pump at the source of a tree fed by a booster set, and a
// pressure-reducing valve's mark with its setting at the start of each segment the core gave one. It is worked out once
// as plain shapes in pixels at 96 dpi, with every label already placed clear of the others; the schedule window's
// scene, the PDF page, the PNG and the SVG all draw these same shapes.

#include "ProjectFile.h"
#include "Sizing.h"

#include <QByteArray>
#include <QColor>
#include <QFont>
#include <QPolygonF>
#include <QRectF>
#include <QString>

#include <cstddef>
#include <vector>

class QPainter;

namespace Riser {

inline constexpr std::size_t kNoSegment = static_cast<std::size_t>(-1);

// The table marks its critical path in the same colour.
inline const QColor kCriticalColour(21, 101, 192);
inline const QColor kPipeColour(70, 70, 70);
inline const QColor kShortfallColour(190, 0, 0);
inline const QColor kMarginColour(0, 110, 40);
inline const QColor kTextColour(30, 30, 30);
inline const QColor kReducerColour(200, 90, 0);
inline constexpr double kPipeWidthPx = 1.5;
inline constexpr double kCriticalWidthPx = 3.0;
inline constexpr double kSourceSidePx = 9.0;
inline constexpr double kPumpRadiusPx = 8.0;
inline constexpr double kOutletRadiusPx = 3.5;
inline constexpr double kJunctionRadiusPx = 2.5;
// A label farther than this from its point gets a leader line back to it.
inline constexpr double kLeaderFromPx = 6.0;

struct TSegmentShape {
    std::size_t segment = 0; // the schedule's row
    QPolygonF linePx;        // from the feeding node across, then up or down to the segment's `to`
    bool critical = false;
    bool sized = true;
    QString note; // why it is unsized, or raised for velocity; empty otherwise
};

struct TNodeShape {
    std::size_t segment = kNoSegment; // the segment feeding it; kNoSegment at the source
    QPointF atPx;
    bool outlet = false;
    bool pump = false; // the source of a tree fed by a booster set
};

// A pressure-reducing valve at the upstream end of its segment, drawn across the pipe.
struct TReducerShape {
    std::size_t segment = 0;
    QRectF markPx;
    bool vertical = false; // on a riser rather than a branch
};

enum class TLabelKind { NodeName, Figures, Margin, Valve };

struct TLabel {
    std::size_t segment = kNoSegment; // the row it speaks of; kNoSegment for the source's name
    TLabelKind kind = TLabelKind::NodeName;
    QString text;
    QRectF rectPx;
    QPointF anchorPx;      // the point it belongs to: a leader runs there when it stands off
    bool negative = false; // a margin below zero
};

struct TDrawing {
    std::vector<TSegmentShape> segments;
    std::vector<TNodeShape> nodes;
    std::vector<TLabel> labels;
    std::vector<TReducerShape> reducers;
    QRectF boundsPx;
    QFont font;
    QString criticalChain; // "A → B → F", empty when there is no critical outlet
};

// Lays the tree out and places its labels in `font`. False, with `drawing` empty, when the
// schedule is a list or its segments make no tree; an evaluation that failed (`evaluated` false)
// still draws the shape, unsized.
[[nodiscard]] bool drawRiser(const Project::TProject& project, const Sizing::TScheduleResult& result, bool evaluated,
                             const QFont& font, TDrawing& drawing);

// The whole drawing, its bounds' top left at the painter's origin; `selectedSegment` is drawn
// highlighted.
void paintRiser(QPainter& painter, const TDrawing& drawing, std::size_t selectedSegment = kNoSegment);

// One shape at a time, as the window's scene items draw themselves.
void paintSegment(QPainter& painter, const TSegmentShape& shape, bool selected);
void paintNode(QPainter& painter, const TNodeShape& shape);
void paintLabel(QPainter& painter, const TLabel& label, const QFont& font);
void paintReducerMark(QPainter& painter, const TReducerShape& shape);
// The valve's bow tie: two triangles meeting at the middle, their bases across the pipe.
[[nodiscard]] QPolygonF bowTie(const TReducerShape& shape);
// The pump's discharge: a triangle pointing up inside its circle of kPumpRadiusPx.
[[nodiscard]] QPolygonF pumpTriangle(const QPointF& centrePx);

// Whether a label stands far enough from its point to need a leader line back to it.
[[nodiscard]] bool needsLeader(const TLabel& label);
[[nodiscard]] QColor labelColour(const TLabel& label);

// The drawing as an SVG document of the same shapes and words.
[[nodiscard]] QByteArray riserSvg(const TDrawing& drawing);

} // namespace Riser
