#pragma once
// The riser diagram beside the schedule's table: the model's tree drawn again after every
// recalculation, undo included, with the segment of the table's current row selected. Clicking a
// segment, or its label, says which row it is; Ctrl+wheel zooms about the pointer and the zoom and
// the place stay across the redraws; until the user zooms, the tree is kept fitted to the view, as
// far as its words stay readable. A list, or a tree that
// cannot be drawn, shows one line of why.

#include "RiserDrawing.h"

#include <QGraphicsView>

class QGraphicsScene;
class TScheduleModel;
class TRiserSegmentItem;

class TRiserView : public QGraphicsView {
    Q_OBJECT

public:
    explicit TRiserView(TScheduleModel& model, QWidget* parent = nullptr);
    ~TRiserView() override;

    // Whether the schedule is drawn, and as what; the drawing is empty when it is not.
    [[nodiscard]] bool hasDrawing() const { return FHasDrawing; }
    [[nodiscard]] const Riser::TDrawing& drawing() const { return FDrawing; }
    // The line shown instead of a drawing; empty while there is one.
    [[nodiscard]] QString message() const { return FMessage; }
    // The width that line needs, margins included; 0 while there is a drawing.
    [[nodiscard]] int messageWidthPx() const;
    [[nodiscard]] TRiserSegmentItem* segmentItem(int row) const;

    // The row's segment becomes the one selected, without saying so; -1 selects none.
    void selectRow(int row);
    // The whole drawing in the view.
    void fitDrawing();

signals:
    // The user chose this row's segment in the diagram.
    void rowChosen(int row);
    // The schedule became drawable, or stopped being so (a list, a tree that cannot be drawn).
    void drawingShownChanged(bool shown);

protected:
    void wheelEvent(QWheelEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void rebuild();
    void addItems();
    void showMessage(const QString& text);
    void fitReadable();
    void fitWhole();
    void refit();
    void selectionMoved();

    TScheduleModel& FModel;
    QGraphicsScene* FScene = nullptr;
    Riser::TDrawing FDrawing;
    std::vector<TRiserSegmentItem*> FSegmentItems; // by row; null for a row without a shape
    QString FMessage;
    int FSelectedRow = -1;
    bool FHasDrawing = false;
    // How the view follows a new drawing or a new size: fitted readably (as it opens), fitted
    // whole (after Ctrl+0), or left where the user zoomed it.
    enum class TFit { Readable, Whole, AsZoomed };
    TFit FFit = TFit::Readable;
    bool FSelecting = false;
};
