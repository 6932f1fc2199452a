// The riser diagram beside the schedule's table, on the example tree: a segment drawn for every
// row with the critical path marked as the table marks it, a selection going both ways, a redraw
// after an edit and its undo, a list's one line, and the pictures written.
#include "FormSchedule.h"
#include "ModalMessages.h"
#include "RiserItems.h"
#include "RiserView.h"
#include "ScheduleCells.h"
#include "ScheduleModel.h"
#include "ScheduleTable.h"
#include "ScheduleTexts.h"

#include <QAction>
#include <QFile>
#include <QFileInfo>
#include <QGraphicsScene>
#include <QImage>
#include <QLocale>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QUndoStack>

#include <memory>

namespace {

template <typename T> int itemsOfType(const QGraphicsScene& scene)
{
    int count = 0;
    for (const QGraphicsItem* item : scene.items())
        count += item->type() == T::Type ? 1 : 0;
    return count;
}

// A point of the item's own where a click lands on it and on nothing above it.
bool clickablePoint(const TRiserView& view, const QGraphicsItem& item, QPoint& at)
{
    const QRectF bounds = item.sceneBoundingRect();
    constexpr int kSteps = 24;
    for (int i = 0; i <= kSteps; ++i) {
        for (int j = 0; j <= kSteps; ++j) {
            const QPointF scenePoint(bounds.left() + bounds.width() * i / kSteps,
                                     bounds.top() + bounds.height() * j / kSteps);
            const QPoint viewPoint = view.mapFromScene(scenePoint);
            if (view.viewport()->rect().contains(viewPoint) && view.itemAt(viewPoint) == &item) {
                at = viewPoint;
                return true;
            }
        }
    }
    return false;
}

} // namespace

class TestRiserView : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        QLocale::setDefault(QLocale(QStringLiteral("en_US")));
    }

    void init()
    {
        FWindow = std::make_unique<TFormSchedule>();
        FWindow->resize(1400, 800);
        FWindow->show();
        QVERIFY(QTest::qWaitForWindowExposed(FWindow.get()));
        QVERIFY(FWindow->openFile(QStringLiteral(KELDARAN_EXAMPLES "/residential-four-storey-tree.keldaran")));
        FView = FWindow->findChild<TRiserView*>(QStringLiteral("ViewRiser"));
        FTable = FWindow->findChild<TScheduleTable*>(QStringLiteral("GridSegments"));
        QVERIFY(FView != nullptr && FTable != nullptr && FView->isVisible());
    }

    void cleanup()
    {
        FWindow->model().undoStack()->clear();
        FWindow.reset();
    }

    // Every row has its segment, and the ones the core puts on the critical path are drawn so,
    // with the table's mark in the same colour.
    void exampleTreeDrawn()
    {
        const TScheduleModel& model = FWindow->model();
        QVERIFY(model.evaluated() && FView->hasDrawing());
        QCOMPARE(itemsOfType<TRiserSegmentItem>(*FView->scene()), model.rowCount());
        int critical = 0;
        for (int row = 0; row < model.rowCount(); ++row) {
            const bool onPath = model.result().segments[std::size_t(row)].onCriticalPath;
            QVERIFY(FView->segmentItem(row) != nullptr);
            QCOMPARE(FView->segmentItem(row)->critical(), onPath);
            if (onPath)
                QCOMPARE(model.data(model.index(row, ScheduleCells::kOnPath), Qt::ForegroundRole).value<QColor>(),
                         Riser::kCriticalColour);
            critical += onPath ? 1 : 0;
        }
        QVERIFY(critical > 0 && critical < model.rowCount());
    }

    // A row chosen in the table selects its segment; a click on a segment, or on its figures,
    // makes its row the table's current one.
    void selectionRoundTrip_data()
    {
        QTest::addColumn<bool>("onLabel");
        QTest::newRow("on the line") << false;
        QTest::newRow("on its figures") << true;
    }

    void selectionRoundTrip()
    {
        QFETCH(bool, onLabel);
        FTable->selectOnly(3, ScheduleCells::kName);
        QVERIFY(FView->segmentItem(3)->isSelected());
        QCOMPARE(FView->scene()->selectedItems().size(), 1);

        const int row = FWindow->model().rowCount() - 2;
        QGraphicsItem* target = FView->segmentItem(row);
        if (onLabel) {
            target = nullptr;
            for (QGraphicsItem* item : FView->scene()->items()) {
                auto* label = qgraphicsitem_cast<TRiserLabelItem*>(item);
                if (label != nullptr && label->label().kind == Riser::TLabelKind::Figures
                    && label->label().segment == std::size_t(row))
                    target = label;
            }
            QVERIFY(target != nullptr);
        }
        FView->centerOn(target);
        QPoint at;
        QVERIFY(clickablePoint(*FView, *target, at));
        QTest::mouseClick(FView->viewport(), Qt::LeftButton, {}, at);
        QCOMPARE(FTable->currentIndex().row(), row);
        QCOMPARE(FTable->chosenRows(), QList<int>{row});
        QVERIFY(FView->segmentItem(row)->isSelected() && !FView->segmentItem(3)->isSelected());
    }

    // An edit redraws the tree, and its undo brings the same tree back, the selection kept.
    void followsEditAndUndo()
    {
        TScheduleModel& model = FWindow->model();
        const int rows = model.rowCount();
        FTable->selectOnly(2, ScheduleCells::kName);
        model.removeSegmentRows({rows - 1});
        QCOMPARE(itemsOfType<TRiserSegmentItem>(*FView->scene()), rows - 1);
        model.undoStack()->undo();
        QCOMPARE(itemsOfType<TRiserSegmentItem>(*FView->scene()), rows);
        QVERIFY(FView->segmentItem(2)->isSelected());
    }

    // A list is no tree to draw: one line says so, and there is no picture to write.
    void listSaysSo()
    {
        const int treeWidth = FView->width();
        FWindow->model().setLayout(Sizing::TLayout::List);
        QVERIFY(!FView->hasDrawing());
        QCOMPARE(FView->message(), ScheduleTexts::kRiserListOnly.toString());
        QCOMPARE(FView->scene()->items().size(), 1);
        QVERIFY(!FWindow->findChild<QAction*>(QStringLiteral("actExportPng"))->isEnabled());
        // The line's pane leaves the rest of the width to the table, and gets its share back.
        QTRY_VERIFY(FView->width() < treeWidth);
        FWindow->model().undoStack()->undo();
        QVERIFY(FView->hasDrawing() && FView->message().isEmpty());
        QTRY_COMPARE(FView->width(), treeWidth);
    }

    // The pictures are written whole, the SVG with every node's name; a folder that is not there
    // is named in a message, and nothing is said to be written.
    void exported_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("writable");
        QTest::newRow("PNG") << "actExportPng"
                             << "riser.png" << true;
        QTest::newRow("SVG") << "actExportSvg"
                             << "riser.svg" << true;
        QTest::newRow("SVG into no folder") << "actExportSvg"
                                            << "missing/riser.svg" << false;
    }

    void exported()
    {
        QFETCH(QString, action);
        QFETCH(QString, name);
        QFETCH(bool, writable);
        QTemporaryDir folder;
        const QString path = folder.filePath(name);
        FWindow->setFileChooser([&path](TFormSchedule::TFileRole, const QString&) { return path; });
        TModalMessages messages;
        FWindow->findChild<QAction*>(action)->trigger();
        QFile file(path);
        QCOMPARE(file.open(QIODevice::ReadOnly), writable);
        if (!writable) {
            QCOMPARE(messages.texts().size(), 1);
            QVERIFY(messages.texts().constFirst().contains(QFileInfo(path).fileName()));
            return;
        }
        QVERIFY(messages.texts().isEmpty());
        const QByteArray bytes = file.readAll();
        if (name.endsWith(QStringLiteral(".png"))) {
            const QImage image = QImage::fromData(bytes, "png");
            // Twice the drawing with its margin, give or take a rounded pixel.
            const QSize expected = (FView->drawing().boundsPx.size() * 2).toSize() + QSize(48, 48);
            QVERIFY(qAbs(image.width() - expected.width()) <= 1 && qAbs(image.height() - expected.height()) <= 1);
            return;
        }
        const QString svg = QString::fromUtf8(bytes);
        QVERIFY(svg.contains(QString::fromStdString(FWindow->model().project().schedule.segments.front().from)));
        for (const Sizing::TSegment& segment : FWindow->model().project().schedule.segments)
            QVERIFY2(svg.contains(QString::fromStdString(segment.to)), segment.to.c_str());
    }

private:
    std::unique_ptr<TFormSchedule> FWindow;
    TRiserView* FView = nullptr;
    TScheduleTable* FTable = nullptr;
};

QTEST_MAIN(TestRiserView)
#include "tst_riserview.moc"
