#pragma once
// The riser diagram's scene items: each draws one shape of a Riser::TDrawing with the drawing's
// own painter, so the window shows exactly what the PNG, the SVG and the PDF page show. A segment
// is selectable and knows its schedule row; a label of a segment chooses that segment when it
// is clicked; a valve's mark says where it stands and its setting in its tooltip.

#include "RiserDrawing.h"

#include <QGraphicsItem>
#include <QPainterPath>

class TRiserSegmentItem : public QGraphicsItem {
public:
    enum { Type = UserType + 1 };
    explicit TRiserSegmentItem(Riser::TSegmentShape shape);

    [[nodiscard]] int type() const override { return Type; }
    [[nodiscard]] int row() const { return static_cast<int>(FShape.segment); }
    [[nodiscard]] bool critical() const { return FShape.critical; }
    [[nodiscard]] QRectF boundingRect() const override { return FBounds; }
    [[nodiscard]] QPainterPath shape() const override { return FClickArea; }
    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override;

private:
    Riser::TSegmentShape FShape;
    QPainterPath FClickArea;
    QRectF FBounds;
};

class TRiserNodeItem : public QGraphicsItem {
public:
    explicit TRiserNodeItem(Riser::TNodeShape shape);

    [[nodiscard]] QRectF boundingRect() const override { return FBounds; }
    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override;

private:
    Riser::TNodeShape FShape;
    QRectF FBounds;
};

class TRiserLabelItem : public QGraphicsItem {
public:
    enum { Type = UserType + 2 };
    // `segment` is the segment item the label speaks of, or null for the source's name.
    TRiserLabelItem(Riser::TLabel label, const QFont& font, TRiserSegmentItem* segment);

    [[nodiscard]] int type() const override { return Type; }
    [[nodiscard]] const Riser::TLabel& label() const { return FLabel; }
    [[nodiscard]] QRectF boundingRect() const override { return FBounds; }
    [[nodiscard]] QPainterPath shape() const override;
    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override;

protected:
    void mousePressEvent(QGraphicsSceneMouseEvent* event) override;

private:
    Riser::TLabel FLabel;
    QFont FFont;
    TRiserSegmentItem* FSegment = nullptr;
    QRectF FBounds;
};

class TRiserReducerItem : public QGraphicsItem {
public:
    TRiserReducerItem(Riser::TReducerShape shape, const QString& advice);

    [[nodiscard]] QRectF boundingRect() const override { return FBounds; }
    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override;

private:
    Riser::TReducerShape FShape;
    QRectF FBounds;
};
