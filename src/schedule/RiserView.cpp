#include "RiserView.h"

#include "ReportNotes.h"
#include "RiserItems.h"
#include "ScheduleModel.h"
#include "ScheduleTexts.h"

#include <QGraphicsScene>
#include <QGraphicsSimpleTextItem>
#include <QScopeGuard>
#include <QScopedValueRollback>
#include <QSignalBlocker>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

// Room around the drawing, so that nothing sits on the view's edge.
constexpr double kMarginPx = 16.0;
// One notch of the wheel (120 eighths of a degree) zooms by about a fifth.
constexpr double kZoomPerEighth = 1.0015;
constexpr double kLeastScale = 0.1;
constexpr double kMostScale = 8.0;
// Fitting never blows a small tree up past this: its words would outgrow the table's.
constexpr double kMostFitScale = 1.5;
// Left to itself, the view shrinks a large tree no further than its words can still be read, and
// shows its source; Ctrl+0 shows the whole of it however small.
constexpr double kLeastReadableScale = 0.75;
// Room kept round a segment brought into view when its row is selected.
constexpr int kVisibleMarginPx = 24;

} // namespace

TRiserView::TRiserView(TScheduleModel& model, QWidget* parent)
    : QGraphicsView(parent)
    , FModel(model)
    , FScene(new QGraphicsScene(this))
{
    setObjectName(QStringLiteral("ViewRiser"));
    setScene(FScene);
    setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
    setDragMode(QGraphicsView::NoDrag);
    setBackgroundBrush(Qt::white);
    connect(&FModel, &TScheduleModel::recalculated, this, &TRiserView::rebuild);
    connect(FScene, &QGraphicsScene::selectionChanged, this, &TRiserView::selectionMoved);
    rebuild();
}

// The scene is a child of the view and goes after it: the items it deletes then would tell a view
// that is no more that the selection changed.
TRiserView::~TRiserView() { disconnect(FScene, nullptr, this, nullptr); }

TRiserSegmentItem* TRiserView::segmentItem(int row) const
{
    return row >= 0 && static_cast<std::size_t>(row) < FSegmentItems.size() ? FSegmentItems[std::size_t(row)] : nullptr;
}

void TRiserView::rebuild()
{
    const QPointF centre = mapToScene(viewport()->rect().center());
    const QSignalBlocker quiet(FScene);
    FScene->clear();
    FSegmentItems.clear();
    FDrawing = {};
    const bool hadDrawing = FHasDrawing;
    const auto sayIfChanged = qScopeGuard([&] {
        // Without a drawing, the view needs no more room than its one line.
        setMaximumWidth(FHasDrawing ? QWIDGETSIZE_MAX : messageWidthPx());
        if (FHasDrawing != hadDrawing)
            emit drawingShownChanged(FHasDrawing);
    });
    FHasDrawing
        = FModel.isTree() && Riser::drawRiser(FModel.project(), FModel.result(), FModel.evaluated(), font(), FDrawing);
    if (!FHasDrawing) {
        using namespace ScheduleTexts;
        const bool refused = FModel.check().problem != Sizing::TScheduleProblem::None;
        if (!FModel.isTree())
            showMessage(kRiserListOnly.toString());
        else if (refused && FModel.check().problem != Sizing::TScheduleProblem::NoSegments)
            showMessage(
                kRiserNotDrawn.toString().arg(Report::scheduleProblemText(FModel.project().schedule, FModel.check())));
        else
            showMessage(kRiserEmpty.toString());
        return;
    }
    FMessage.clear();
    addItems();
    setSceneRect(FDrawing.boundsPx.adjusted(-kMarginPx, -kMarginPx, kMarginPx, kMarginPx));
    if (TRiserSegmentItem* item = segmentItem(FSelectedRow))
        item->setSelected(true);
    if (FFit == TFit::AsZoomed)
        centerOn(centre);
    else
        refit();
}

void TRiserView::addItems()
{
    FSegmentItems.assign(FModel.project().schedule.segments.size(), nullptr);
    for (const Riser::TSegmentShape& shape : FDrawing.segments) {
        auto* item = new TRiserSegmentItem(shape);
        FScene->addItem(item);
        if (shape.segment < FSegmentItems.size())
            FSegmentItems[shape.segment] = item;
    }
    for (const Riser::TNodeShape& node : FDrawing.nodes)
        FScene->addItem(new TRiserNodeItem(node));
    for (const Riser::TReducerShape& mark : FDrawing.reducers)
        FScene->addItem(new TRiserReducerItem(mark, FModel.valveNote(static_cast<int>(mark.segment))));
    for (const Riser::TLabel& label : FDrawing.labels) {
        TRiserSegmentItem* segment = label.segment == Riser::kNoSegment ? nullptr : segmentItem(int(label.segment));
        FScene->addItem(new TRiserLabelItem(label, FDrawing.font, segment));
    }
}

int TRiserView::messageWidthPx() const
{
    if (FHasDrawing)
        return 0;
    return static_cast<int>(std::ceil(sceneRect().width())) + 2 * frameWidth();
}

void TRiserView::showMessage(const QString& text)
{
    FMessage = text;
    QGraphicsSimpleTextItem* line = FScene->addSimpleText(text, font());
    line->setBrush(Qt::black);
    setSceneRect(line->boundingRect().adjusted(-kMarginPx, -kMarginPx, kMarginPx, kMarginPx));
    resetTransform();
    // The next drawing, whatever it is, starts fitted.
    if (FFit == TFit::AsZoomed)
        FFit = TFit::Readable;
}

void TRiserView::selectRow(int row)
{
    FSelectedRow = row;
    const QScopedValueRollback<bool> selecting(FSelecting, true);
    TRiserSegmentItem* item = segmentItem(row);
    if (item != nullptr && item->isSelected() && FScene->selectedItems().size() == 1)
        return;
    FScene->clearSelection();
    if (item == nullptr)
        return;
    item->setSelected(true);
    ensureVisible(item, kVisibleMarginPx, kVisibleMarginPx);
}

void TRiserView::selectionMoved()
{
    if (FSelecting)
        return;
    for (QGraphicsItem* item : FScene->selectedItems()) {
        if (item->type() == TRiserSegmentItem::Type) {
            FSelectedRow = static_cast<TRiserSegmentItem*>(item)->row();
            emit rowChosen(FSelectedRow);
            return;
        }
    }
}

void TRiserView::fitDrawing()
{
    FFit = TFit::Whole;
    fitWhole();
}

void TRiserView::refit()
{
    if (FFit == TFit::Whole)
        fitWhole();
    else if (FFit == TFit::Readable)
        fitReadable();
}

void TRiserView::fitWhole()
{
    if (!FHasDrawing)
        return;
    fitInView(sceneRect(), Qt::KeepAspectRatio);
    if (transform().m11() > kMostFitScale)
        setTransform(QTransform::fromScale(kMostFitScale, kMostFitScale));
}

void TRiserView::fitReadable()
{
    fitWhole();
    if (!FHasDrawing || transform().m11() >= kLeastReadableScale)
        return;
    setTransform(QTransform::fromScale(kLeastReadableScale, kLeastReadableScale));
    for (const Riser::TNodeShape& node : FDrawing.nodes)
        if (node.segment == Riser::kNoSegment)
            centerOn(node.atPx);
}

void TRiserView::wheelEvent(QWheelEvent* event)
{
    if (!event->modifiers().testFlag(Qt::ControlModifier) || !FHasDrawing) {
        QGraphicsView::wheelEvent(event);
        return;
    }
    const double now = transform().m11();
    const double wanted = std::clamp(now * std::pow(kZoomPerEighth, event->angleDelta().y()), kLeastScale, kMostScale);
    const ViewportAnchor anchor = transformationAnchor();
    setTransformationAnchor(AnchorUnderMouse);
    scale(wanted / now, wanted / now);
    setTransformationAnchor(anchor);
    FFit = TFit::AsZoomed;
    event->accept();
}

void TRiserView::resizeEvent(QResizeEvent* event)
{
    QGraphicsView::resizeEvent(event);
    refit();
}
