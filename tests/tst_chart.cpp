// The chart window through its widgets: the nomogram's series and labels, the axes, the title,
// and the operating point's glide driven tick by tick.
#include "Unit2.h"
#include "Unit3.h"
#include "Unit4.h"
#include "Unit5.h"

#include "ModalMessages.h"

#include <QAction>
#include <QClipboard>
#include <QLabel>
#include <QLocale>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>
#include <qcustomplot.h>

namespace {
constexpr int kOperatingSeries = 3;

QCustomPlot* chartOf(TForm5& form) { return form.findChild<QCustomPlot*>(QStringLiteral("Chart1")); }

QString titleOf(TForm5& form)
{
    auto* title = qobject_cast<QCPTextElement*>(chartOf(form)->plotLayout()->element(0, 0));
    return title ? title->text() : QString();
}

QStringList panelLines(TForm5& form) { return form.findChild<QLabel*>(QStringLiteral("lblInfo"))->text().split(u'\n'); }

// Ticks until the glide stops; -1 if it has not stopped after `limit` ticks.
int tickUntilStopped(TForm5& form, int limit = 100000)
{
    for (int ticks = 1; ticks <= limit; ++ticks) {
        form.TimerTick();
        if (!form.animationTimer().isActive())
            return ticks;
    }
    return -1;
}

QCPGraph* graphAt(TForm5& form, int index) { return qobject_cast<QCPGraph*>(chartOf(form)->plottable(index)); }

QList<QPointF> pointsOf(const QCPGraph* graph)
{
    QList<QPointF> points;
    for (auto it = graph->data()->constBegin(); it != graph->data()->constEnd(); ++it)
        points.append(QPointF(it->key, it->value));
    return points;
}

// Which side of the line through a and b a point lies on: +1, -1, or 0 on it.
int sideOf(const QPointF& a, const QPointF& b, const QPointF& point)
{
    const double cross = (b.x() - a.x()) * (point.y() - a.y()) - (b.y() - a.y()) * (point.x() - a.x());
    return cross > 0.0 ? 1 : (cross < 0.0 ? -1 : 0);
}

TPipeSize line(double x1, double y1, double x2, double y2) { return TPipeSize{"5 ft/s", x1, y1, x2, y2}; }
} // namespace

class TestChart : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        FSavedLocale = QLocale();
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    }
    void cleanup() { QLocale::setDefault(FSavedLocale); }

    void windowAtCreation()
    {
        TForm5 form;
        QCOMPARE(form.size(), QSize(518, 364));
        QVERIFY(form.windowTitle().contains(QChar(0x200C)));
        QCOMPARE(form.windowTitle(), QStringLiteral("نمودار سایزینگ لوله\u200Cکشی گالوانیزه"));
        QCOMPARE(chartOf(form)->plottableCount(), kOperatingSeries);
        QVERIFY(!form.HasGraph());
        QVERIFY(!form.animationTimer().isActive());
        QCOMPARE(form.animationTimer().interval(), 20);
        QVERIFY(form.findChild<QWidget*>(QStringLiteral("pnlInfo"))->isHidden());
        QCOMPARE(titleOf(form), QStringLiteral("FLOW GRAPH FOR GALVANIZED PIPING"));
        QVERIFY(!chartOf(form)->xAxis2->visible());
        QVERIFY(!chartOf(form)->yAxis2->visible());
        QVERIFY(chartOf(form)->xAxis->visible());
        QVERIFY(chartOf(form)->yAxis->visible());
    }

    void axesCarryTheFixedLabelLists()
    {
        TForm5 form;
        QCustomPlot* chart = chartOf(form);
        const auto labels
            = [](QCPAxis* axis) { return axis->ticker().dynamicCast<QCPAxisTickerText>()->ticks().values(); };
        const QStringList pressure{"0.1", "0.2", "0.3", "0.4", "0.5", "0.6", "0.7", "0.8", "0.9", "1",
                                   "2",   "3",   "4",   "5",   "6",   "7",   "8",   "9",   "10",  "20",
                                   "30",  "40",  "50",  "60",  "70",  "80",  "90",  "100"};
        QCOMPARE(labels(chart->xAxis), pressure);
        QCOMPARE(labels(chart->xAxis2), pressure);
        const QStringList flow = labels(chart->yAxis);
        QCOMPARE(flow.size(), 37);
        QCOMPARE(flow.first(), QStringLiteral("1"));
        QCOMPARE(flow.at(9), QStringLiteral("10"));
        QCOMPARE(flow.at(27), QStringLiteral("1000"));
        QCOMPARE(flow.last(), QStringLiteral("10000"));
        QCOMPARE(labels(chart->yAxis2), flow);
        for (QCPAxis* axis : {chart->xAxis, chart->xAxis2, chart->yAxis, chart->yAxis2})
            QCOMPARE(axis->scaleType(), QCPAxis::stLogarithmic);
        QCOMPARE(chart->xAxis->range(), QCPRange(0.1, 100));
        QCOMPARE(chart->yAxis->range(), QCPRange(1, 10000));
        QCOMPARE(chart->yAxis2->range(), chart->yAxis->range());
        QVERIFY(chart->xAxis->grid()->visible());
        QVERIFY(chart->yAxis->grid()->visible());
        QCOMPARE(chart->xAxis->label(), QStringLiteral("PRESSURE DROP (PSI PER 100FT)"));
        QCOMPARE(chart->yAxis->label(), QStringLiteral("Flow (GPM)"));
        QVERIFY(!chart->legend->visible());
    }

    void seriesAreRebuiltFromScratch_data()
    {
        // clang-format off
        QTest::addColumn<int>("classNumber");
        QTest::newRow("class 1: 15 pipes, 13 velocities") << 1;
        QTest::newRow("class 3: 15 pipes, 12 velocities") << 3;
        // clang-format on
    }
    void seriesAreRebuiltFromScratch()
    {
        QFETCH(int, classNumber);
        const auto& pipes = classNumber == 1 ? Unit2::PipeSizes : Unit4::PipeSizes;
        const auto& velocities = classNumber == 1 ? Unit2::VelocityLines : Unit4::VelocityLines;
        const int lines = int(pipes.size() + velocities.size());
        TForm5 form;
        form.ShowGraph(pipes, velocities);
        form.ShowGraph(pipes, velocities);
        QCustomPlot* chart = chartOf(form);
        QCOMPARE(chart->plottableCount(), kOperatingSeries + lines);
        QCOMPARE(chart->itemCount(), lines);
        QVERIFY(form.HasGraph());
        QVERIFY(form.isVisible());
        // Marker and guide lines first, then the pipes, then the velocities, in table order.
        QCOMPARE(chart->plottable(0)->name(), QStringLiteral("Operating Point"));
        QCOMPARE(chart->plottable(1)->name(), QStringLiteral("Vertical Line"));
        QCOMPARE(chart->plottable(2)->name(), QStringLiteral("Horizontal Line"));
        QCOMPARE(qobject_cast<QCPItemText*>(chart->item(0))->text(), QString::fromStdString(pipes.front().Name));
        QCOMPARE(qobject_cast<QCPItemText*>(chart->item(lines - 1))->text(),
                 QString::fromStdString(velocities.back().Name));

        form.ClearGraphSeries();
        QCOMPARE(chart->plottableCount(), kOperatingSeries);
        QCOMPARE(chart->itemCount(), 0);
        QVERIFY(!form.HasGraph());
        QVERIFY(!chart->xAxis2->visible());
    }

    // Every name beside its own line, inside the plot (so off the axis labels), and no two
    // overlapping, also after the window changed size.
    void lineNamesNeverCollide_data()
    {
        // clang-format off
        QTest::addColumn<int>("classNumber");
        QTest::addColumn<QSize>("fromSize");
        QTest::addColumn<QSize>("size");
        for (int classNumber = 1; classNumber <= 3; ++classNumber) {
            QTest::addRow("class %d at 518 x 364", classNumber) << classNumber << QSize(900, 650) << QSize(518, 364);
            QTest::addRow("class %d at 900 x 650", classNumber) << classNumber << QSize(518, 364) << QSize(900, 650);
        }
        // clang-format on
    }
    void lineNamesNeverCollide()
    {
        QFETCH(int, classNumber);
        QFETCH(QSize, fromSize);
        QFETCH(QSize, size);
        const auto& pipes
            = classNumber == 1 ? Unit2::PipeSizes : (classNumber == 2 ? Unit3::PipeSizes : Unit4::PipeSizes);
        const auto& velocities = classNumber == 1 ? Unit2::VelocityLines
                                                  : (classNumber == 2 ? Unit3::VelocityLines : Unit4::VelocityLines);
        TForm5 form;
        form.resize(fromSize);
        form.ShowGraph(pipes, velocities);
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        form.resize(size);
        QCustomPlot* chart = chartOf(form);
        QTRY_COMPARE(chart->size(), size);
        chart->replot();

        const QRectF plot = chart->axisRect()->rect();
        QList<QRectF> names;
        for (int i = 0; i < chart->itemCount(); ++i) {
            auto* label = qobject_cast<QCPItemText*>(chart->item(i));
            const QRectF name(label->topLeft->pixelPosition(), label->bottomRight->pixelPosition());
            QVERIFY2(plot.contains(name), qPrintable(label->text()));
            const QCPGraph* graph = graphAt(form, kOperatingSeries + i);
            const auto toPx = [&](const QPointF& p) {
                return QPointF(graph->keyAxis()->coordToPixel(p.x()), graph->valueAxis()->coordToPixel(p.y()));
            };
            // A line's data are sorted by pressure drop: its ends come first and last.
            const QPointF a = toPx(pointsOf(graph).first());
            const QPointF b = toPx(pointsOf(graph).last());
            // Its own line passes by one corner, within 3 px, and not through it.
            const QRectF inside = name.adjusted(1.5, 1.5, -1.5, -1.5);
            const int side = sideOf(a, b, inside.topLeft());
            for (const QPointF& corner : {inside.topRight(), inside.bottomLeft(), inside.bottomRight()})
                QVERIFY2(sideOf(a, b, corner) == side, qPrintable(label->text()));
            const QLineF along(a, b);
            double nearestPx = 1e9;
            for (const QPointF& corner : {name.topLeft(), name.topRight(), name.bottomLeft(), name.bottomRight()}) {
                const QPointF d = corner - a;
                const QPointF unit = (b - a) / along.length();
                nearestPx = std::min(nearestPx, std::abs(d.x() * unit.y() - d.y() * unit.x()));
            }
            QVERIFY2(nearestPx <= 3.0, qPrintable(label->text()));
            names.append(name);
        }
        QCOMPARE(names.size(), int(pipes.size() + velocities.size()));
        for (int i = 0; i < names.size(); ++i)
            for (int j = i + 1; j < names.size(); ++j)
                QVERIFY2(!names.at(i).intersects(names.at(j)),
                         qPrintable(qobject_cast<QCPItemText*>(chart->item(i))->text() + QStringLiteral(" / ")
                                    + qobject_cast<QCPItemText*>(chart->item(j))->text()));
    }

    void pipeAndVelocityLinesLook()
    {
        TForm5 form;
        form.DrawGraph(Unit2::PipeSizes, Unit2::VelocityLines);
        QCustomPlot* chart = chartOf(form);
        QCPGraph* pipe = graphAt(form, kOperatingSeries);
        QCPGraph* velocity = graphAt(form, kOperatingSeries + int(Unit2::PipeSizes.size()));
        QCOMPARE(pipe->keyAxis(), chart->xAxis2);
        QCOMPARE(pipe->valueAxis(), chart->yAxis2);
        QCOMPARE(pipe->pen().style(), Qt::SolidLine);
        QCOMPARE(pipe->pen().widthF(), 2.0);
        QCOMPARE(pipe->pen().color(), QColor(Qt::black));
        QCOMPARE(velocity->keyAxis(), chart->xAxis);
        QCOMPARE(velocity->valueAxis(), chart->yAxis);
        QCOMPARE(velocity->pen().style(), Qt::DotLine);
        auto* pipeLabel = qobject_cast<QCPItemText*>(chart->item(0));
        QCOMPARE(pipeLabel->font().pointSize(), 8);
        QVERIFY(!pipeLabel->clipToAxisRect());
        QCOMPARE(pipeLabel->position->keyAxis(), chart->xAxis2);
        QVERIFY(chart->xAxis2->visible());
        QVERIFY(chart->yAxis2->visible());
    }

    void topAndRightAxesFollowThePipeLines_data()
    {
        // clang-format off
        QTest::addColumn<bool>("withPipes");
        QTest::addColumn<bool>("withVelocities");
        QTest::newRow("both tables") << true << true;
        QTest::newRow("pipes only") << true << false;
        QTest::newRow("velocities only") << false << true;
        QTest::newRow("both empty") << false << false;
        // clang-format on
    }
    void topAndRightAxesFollowThePipeLines()
    {
        QFETCH(bool, withPipes);
        QFETCH(bool, withVelocities);
        const TPipeSizeArray none;
        TForm5 form;
        form.ShowGraph(withPipes ? Unit2::PipeSizes : none, withVelocities ? Unit2::VelocityLines : none);
        QCOMPARE(chartOf(form)->xAxis2->visible(), withPipes);
        QCOMPARE(chartOf(form)->yAxis2->visible(), withPipes);
        QVERIFY(chartOf(form)->xAxis->visible());
        QVERIFY(form.HasGraph());
    }

    void title_data()
    {
        // clang-format off
        QTest::addColumn<QString>("pipeTypeTitle");
        QTest::addColumn<QString>("title");
        QTest::newRow("no class text, no brackets") << ""
                                                    << "FLOW GRAPH FOR GALVANIZED PIPING";
        QTest::newRow("class text in brackets")
            << QStringLiteral("نسبتاً صاف") << QStringLiteral("FLOW GRAPH FOR GALVANIZED PIPING (نسبتاً صاف)");
        // clang-format on
    }
    void title()
    {
        QFETCH(QString, pipeTypeTitle);
        QFETCH(QString, title);
        TForm5 form;
        form.setPipeTypeTitle(QStringLiteral("earlier"));
        form.ShowGraph({}, {});
        form.setPipeTypeTitle(pipeTypeTitle);
        QCOMPARE(form.PipeTypeTitle(), pipeTypeTitle);
        QCOMPARE(titleOf(form), QStringLiteral("FLOW GRAPH FOR GALVANIZED PIPING (earlier)"));
        form.ShowGraph({}, {});
        QCOMPARE(titleOf(form), title);
    }

    void reversedEndsDrawTheSameSegment_data()
    {
        // clang-format off
        QTest::addColumn<bool>("asPipe");
        QTest::newRow("velocity line") << false;
        QTest::newRow("pipe line") << true;
        // clang-format on
    }
    void reversedEndsDrawTheSameSegment()
    {
        QFETCH(bool, asPipe);
        const TPipeSizeArray forward{line(0.12, 10000.0, 25.0, 1.0)};
        const TPipeSizeArray backward{line(25.0, 1.0, 0.12, 10000.0)};
        TForm5 a;
        TForm5 b;
        a.DrawGraph(asPipe ? forward : TPipeSizeArray{}, asPipe ? TPipeSizeArray{} : forward);
        b.DrawGraph(asPipe ? backward : TPipeSizeArray{}, asPipe ? TPipeSizeArray{} : backward);
        QCOMPARE(pointsOf(graphAt(a, kOperatingSeries)), pointsOf(graphAt(b, kOperatingSeries)));
        QCOMPARE(chartOf(a)->itemCount(), 1);
        QCOMPARE(chartOf(b)->itemCount(), 1);
        auto* labelA = qobject_cast<QCPItemText*>(chartOf(a)->item(0));
        auto* labelB = qobject_cast<QCPItemText*>(chartOf(b)->item(0));
        QCOMPARE(labelA->text(), QStringLiteral("5 ft/s"));
        QCOMPARE(labelB->text(), labelA->text());
        QCOMPARE(labelB->position->coords(), labelA->position->coords());
        // The named point is the midpoint: the geometric means of the ends.
        const QPointF midpoint = pointsOf(graphAt(a, kOperatingSeries)).at(1);
        QVERIFY(qAbs(midpoint.x() - std::sqrt(0.12 * 25.0)) < 1e-12);
        QVERIFY(qAbs(midpoint.y() - 100.0) < 1e-9);
    }

    void glideFromTheOriginToAFlowOf1000()
    {
        TForm5 form;
        form.resize(518, 364);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        form.ShowOperatingPoint(1000.0, 12.5, 3.456, QStringLiteral("4\""));
        QVERIFY(form.animationTimer().isActive());
        QCOMPARE(form.currentFlowGpm(), 0.0);

        form.TimerTick();
        // A tenth of the way at once: one decade below and left of the target.
        QVERIFY(qAbs(form.currentFlowGpm() - 100.0) < 1e-9);
        QVERIFY(qAbs(form.currentPressurePsiPer100ft() - 1.25) < 1e-12);
        auto* panel = form.findChild<QWidget*>(QStringLiteral("pnlInfo"));
        QVERIFY(panel->isVisible());
        QCOMPARE(panelLines(form).at(2), QStringLiteral("D= 4\""));
        QCOMPARE(panelLines(form).at(3), QStringLiteral("V= 3.46 ft/s"));

        QCOMPARE(tickUntilStopped(form), 131);
        QCOMPARE(form.currentFlowGpm(), 1000.0);
        QCOMPARE(form.currentPressurePsiPer100ft(), 12.5);
        QCOMPARE(pointsOf(graphAt(form, 0)), QList<QPointF>{QPointF(12.5, 1000.0)});
        const QStringList expected{"Q= 1000 GPM", "H= 12.5 psi/100ft", "D= 4\"", "V= 3.46 ft/s"};
        QCOMPARE(panelLines(form), expected);

        // Guide lines cross the whole plot through the marker; the panel's lower left corner is
        // 15 px right of and above it.
        QCustomPlot* chart = chartOf(form);
        const QList<QPointF> vertical = pointsOf(graphAt(form, 1));
        QCOMPARE(vertical.size(), 2);
        QCOMPARE(vertical.at(0).y(), chart->yAxis->range().lower);
        QCOMPARE(vertical.at(1).y(), chart->yAxis->range().upper);
        const QList<QPointF> horizontal = pointsOf(graphAt(form, 2));
        QCOMPARE(horizontal.at(0).x(), chart->xAxis->range().lower);
        QCOMPARE(horizontal.at(1).x(), chart->xAxis->range().upper);
        QVERIFY(qAbs(horizontal.at(0).y() - 1000.0) < 0.001);
        const int markerX = qRound(chart->xAxis->coordToPixel(vertical.at(0).x()));
        const int markerY = qRound(chart->yAxis->coordToPixel(horizontal.at(0).y()));
        QCOMPARE(panel->geometry().bottomLeft() + QPoint(0, 1), QPoint(markerX + 15, markerY - 15));
    }

    void glideTickCount_data()
    {
        // clang-format off
        QTest::addColumn<double>("flowGpm");
        QTest::addColumn<double>("pressure");
        QTest::addColumn<int>("ticks");
        // The smallest n with 0.9^n * d < 0.001, d the larger starting distance.
        QTest::newRow("to a flow of 1000") << 1000.0 << 0.0 << 132;
        QTest::newRow("to 1000 gpm at 12.5 psi") << 1000.0 << 12.5 << 132;
        QTest::newRow("to 10 gpm") << 10.0 << 4.0 << 88;
        QTest::newRow("already there") << 0.0 << 0.0 << 1;
        // clang-format on
    }
    void glideTickCount()
    {
        QFETCH(double, flowGpm);
        QFETCH(double, pressure);
        QFETCH(int, ticks);
        TForm5 form;
        form.ShowOperatingPoint(flowGpm, pressure, 1.0, QString());
        QCOMPARE(tickUntilStopped(form), ticks);
        QCOMPARE(form.currentFlowGpm(), flowGpm);
        QCOMPARE(form.currentPressurePsiPer100ft(), pressure);
    }

    void panelText_data()
    {
        // clang-format off
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("pipe");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("English") << "en_US"
                                 << "3\""
                                 << QStringList { "Q= 1000 GPM", "H= 12.5 psi/100ft", "D= 3\"", "V= 3.46 ft/s" };
        QTest::newRow("German comma") << "de_DE"
                                      << "3\""
                                      << QStringList { "Q= 1000 GPM", "H= 12,5 psi/100ft", "D= 3\"", "V= 3,46 ft/s" };
        QTest::newRow("Persian: Latin digits, point")
            << "fa_IR"
            << "3\"" << QStringList { "Q= 1000 GPM", "H= 12.5 psi/100ft", "D= 3\"", "V= 3.46 ft/s" };
        QTest::newRow("no pipe name") << "en_US"
                                      << ""
                                      << QStringList { "Q= 1000 GPM", "H= 12.5 psi/100ft", "D= ", "V= 3.46 ft/s" };
        // clang-format on
    }
    void panelText()
    {
        QFETCH(QString, locale);
        QFETCH(QString, pipe);
        QFETCH(QStringList, lines);
        QLocale::setDefault(QLocale(locale));
        TForm5 form;
        form.ShowOperatingPoint(1000.0, 12.5, 3.456, pipe);
        QVERIFY(tickUntilStopped(form) > 0);
        QCOMPARE(panelLines(form), lines);
    }

    void flowOfZeroSitsOnTheBottomEdge()
    {
        TForm5 form;
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        form.ShowOperatingPoint(0.0, 4.0, 0.0, QString());
        QVERIFY(tickUntilStopped(form) > 0);
        QCustomPlot* chart = chartOf(form);
        const QList<QPointF> marker = pointsOf(graphAt(form, 0));
        QCOMPARE(marker.size(), 1);
        const double bottomPx = chart->yAxis->coordToPixel(chart->yAxis->range().lower);
        QCOMPARE(chart->yAxis->coordToPixel(marker.at(0).y()), bottomPx);
        QVERIFY(qAbs(bottomPx - chart->axisRect()->bottom()) <= 1.0);
        for (const QPointF& point : pointsOf(graphAt(form, 2)))
            QCOMPARE(chart->yAxis->coordToPixel(point.y()), bottomPx);
        QVERIFY(std::isfinite(chart->xAxis->coordToPixel(marker.at(0).x())));
        QCOMPARE(panelLines(form).at(0), QStringLiteral("Q= 0 GPM"));
    }

    void aNewPointMidGlideTurnsFromWhereTheMarkerStands()
    {
        TForm5 form;
        form.ShowOperatingPoint(1000.0, 10.0, 2.0, QStringLiteral("4\""));
        for (int i = 0; i < 10; ++i)
            form.TimerTick();
        const double q = form.currentFlowGpm();
        const double h = form.currentPressurePsiPer100ft();
        form.ShowOperatingPoint(50.0, 2.0, 5.5, QStringLiteral("2\""));
        QCOMPARE(form.currentFlowGpm(), q);
        form.TimerTick();
        QCOMPARE(form.currentFlowGpm(), q + (50.0 - q) * 0.1);
        QCOMPARE(form.currentPressurePsiPer100ft(), h + (2.0 - h) * 0.1);
        QCOMPARE(panelLines(form).at(2), QStringLiteral("D= 2\""));
        QCOMPARE(panelLines(form).at(3), QStringLiteral("V= 5.5 ft/s"));
        QVERIFY(tickUntilStopped(form) > 0);
        QCOMPARE(form.currentFlowGpm(), 50.0);
    }

    // A target that is no number would keep the timer running for ever.
    void aTargetThatIsNoNumberEndsAtTheLowEnds()
    {
        TForm5 form;
        form.ShowOperatingPoint(100.0, 5.0, 1.0, QString());
        QVERIFY(tickUntilStopped(form) > 0);
        form.ShowOperatingPoint(qQNaN(), qInf(), qQNaN(), QString());
        QVERIFY(tickUntilStopped(form) > 0);
        QCOMPARE(form.currentFlowGpm(), 0.0);
        QCOMPARE(form.currentPressurePsiPer100ft(), 0.0);
        QCOMPARE(pointsOf(graphAt(form, 0)), QList<QPointF>{QPointF(0.1, 1.0)});
        QCOMPARE(panelLines(form).at(3), QStringLiteral("V= 0 ft/s"));
    }

    void closingHidesAndKeepsTheState()
    {
        TForm5 form;
        form.setPipeTypeTitle(QStringLiteral("class"));
        form.ShowGraph(Unit2::PipeSizes, Unit2::VelocityLines);
        form.ShowOperatingPoint(20.0, 2.0, 1.0, QString());
        QVERIFY(tickUntilStopped(form) > 0);
        const QRect panel = form.findChild<QWidget*>(QStringLiteral("pnlInfo"))->geometry();
        QVERIFY(form.close());
        QVERIFY(!form.isVisible());
        QVERIFY(form.HasGraph());
        form.show();
        QCOMPARE(chartOf(form)->plottableCount(), kOperatingSeries + 28);
        QCOMPARE(titleOf(form), QStringLiteral("FLOW GRAPH FOR GALVANIZED PIPING (class)"));
        QCOMPARE(form.currentFlowGpm(), 20.0);
        QCOMPARE(form.findChild<QWidget*>(QStringLiteral("pnlInfo"))->geometry(), panel);
    }

    // Every tick keeps its grid line; only labels with no room are left unwritten, and a
    // wider window writes more of them.
    void axisLabelsFitTheWindow()
    {
        TForm5 form;
        form.ShowGraph(Unit2::PipeSizes, Unit2::VelocityLines);
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QCustomPlot* chart = chartOf(form);
        const auto written = [&] {
            chart->replot();
            QTest::qWait(20);
            QStringList labels;
            for (const QString& label : chart->xAxis->tickVectorLabels())
                if (!label.isEmpty())
                    labels << label;
            return labels;
        };
        QCOMPARE(chart->xAxis->tickVector().size(), 28);
        const QStringList small = written();
        QVERIFY(small.contains(QStringLiteral("0.1")));
        QVERIFY(small.contains(QStringLiteral("100")));
        QVERIFY(!small.contains(QStringLiteral("0.9")));
        QCOMPARE(chart->xAxis->tickVector().size(), 28);

        form.resize(1800, 1000);
        const QStringList large = written();
        QVERIFY2(large.size() > small.size(), qPrintable(large.join(u' ')));
        QVERIFY(large.contains(QStringLiteral("0.9")));
        // No two written labels overlap.
        const QFontMetrics metrics(chart->xAxis->tickLabelFont());
        double lastEnd = -1e9;
        for (int i = 0; i < chart->xAxis->tickVector().size(); ++i) {
            const QString label = chart->xAxis->tickVectorLabels().at(i);
            if (label.isEmpty())
                continue;
            const double centre = chart->xAxis->coordToPixel(chart->xAxis->tickVector().at(i));
            QVERIFY(centre - metrics.horizontalAdvance(label) / 2.0 > lastEnd);
            lastEnd = centre + metrics.horizontalAdvance(label) / 2.0;
        }
    }

    void panelShowsItsLinesWhole()
    {
        TForm5 form;
        form.ShowOperatingPoint(12345.0, 45.5, 12.34, QStringLiteral("2 1/2\""));
        QVERIFY(tickUntilStopped(form) > 0);
        auto* panel = form.findChild<QWidget*>(QStringLiteral("pnlInfo"));
        auto* label = form.findChild<QLabel*>(QStringLiteral("lblInfo"));
        const QSize textPx = label->fontMetrics().boundingRect(QRect(), Qt::AlignLeft, label->text()).size();
        QVERIFY(label->width() >= textPx.width());
        QVERIFY(label->height() >= textPx.height());
        QVERIFY(panel->width() >= 80);
        QVERIFY(panel->height() >= 55);
        QCOMPARE(label->geometry().topLeft(), QPoint(5, 5));
        QCOMPARE(panel->size(), label->size() + QSize(10, 10));
    }

    void panelStaysWithTheMarkerOnResize()
    {
        TForm5 form;
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        form.ShowOperatingPoint(200.0, 3.0, 4.0, QString());
        QVERIFY(tickUntilStopped(form) > 0);
        form.resize(900, 700);
        QCustomPlot* chart = chartOf(form);
        QTRY_COMPARE(chart->size(), QSize(900, 700));
        chart->replot();
        auto* panel = form.findChild<QWidget*>(QStringLiteral("pnlInfo"));
        const int markerX = qRound(chart->xAxis->coordToPixel(3.0));
        const int markerY = qRound(chart->yAxis->coordToPixel(200.0));
        QCOMPARE(panel->geometry().bottomLeft() + QPoint(0, 1), QPoint(markerX + 15, markerY - 15));
    }

    // Ctrl+C puts the chart on the clipboard at twice its size: the red marker where the
    // window shows it and the info panel over the plot.
    void copyPutsTheChartAsShownOnTheClipboard()
    {
        TForm5 form;
        form.ShowGraph(Unit2::PipeSizes, Unit2::VelocityLines);
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        form.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        form.ShowOperatingPoint(200.0, 2.0, 3.0, QStringLiteral("3\""));
        QVERIFY(tickUntilStopped(form) > 0);
        QGuiApplication::clipboard()->clear();
        QTest::keyClick(&form, Qt::Key_C, Qt::ControlModifier);
        const QImage image = QGuiApplication::clipboard()->image();
        QCustomPlot* chart = chartOf(form);
        QCOMPARE(image.size(), chart->size() * 2);
        const QPoint marker(qRound(chart->xAxis->coordToPixel(2.0)), qRound(chart->yAxis->coordToPixel(200.0)));
        const QColor atMarker = image.pixelColor(marker * 2);
        QVERIFY2(atMarker.red() > 200 && atMarker.green() < 60 && atMarker.blue() < 60, qPrintable(atMarker.name()));
        // The panel's blank border is white all round, where grid and nomogram lines would show
        // through without it.
        const QRect panel = form.findChild<QWidget*>(QStringLiteral("pnlInfo"))->geometry();
        const QRect outer(panel.topLeft() * 2 + QPoint(1, 1), panel.size() * 2 - QSize(2, 2));
        const QRect inner = outer.adjusted(8, 8, -8, -8);
        for (int y = outer.top(); y <= outer.bottom(); ++y)
            for (int x = outer.left(); x <= outer.right(); ++x)
                if (!inner.contains(x, y))
                    QCOMPARE(image.pixelColor(x, y), QColor(Qt::white));
    }

    void saveWritesTheChart_data()
    {
        // clang-format off
        QTest::addColumn<QString>("fileName");
        QTest::newRow("PNG at twice the size") << "chart.png";
        QTest::newRow("PDF") << "chart.pdf";
        // clang-format on
    }
    void saveWritesTheChart()
    {
        QFETCH(QString, fileName);
        QTemporaryDir dir;
        TForm5 form;
        form.setPipeTypeTitle(QStringLiteral("class"));
        form.ShowGraph(Unit2::PipeSizes, Unit2::VelocityLines);
        form.ShowOperatingPoint(200.0, 2.0, 3.0, QString());
        QVERIFY(tickUntilStopped(form) > 0);
        TModalMessages messages;
        QVERIFY(form.SaveChartTo(dir.filePath(fileName)));
        QVERIFY(messages.seen().isEmpty());
        QFile file(dir.filePath(fileName));
        QVERIFY(file.open(QIODevice::ReadOnly));
        if (fileName.endsWith(QStringLiteral(".pdf")))
            QVERIFY(file.read(5) == "%PDF-");
        else
            QCOMPARE(QImage(file.fileName()).size(), chartOf(form)->size() * 2);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{fileName});
    }

    // Even root cannot create files in /proc; anyone else cannot in a folder without write
    // permission.
    void aFailedSaveSaysSoAndLeavesNoFile_data()
    {
        // clang-format off
        QTest::addColumn<QString>("fileName");
        QTest::newRow("PNG") << "chart.png";
        QTest::newRow("PDF") << "chart.pdf";
        // clang-format on
    }
    void aFailedSaveSaysSoAndLeavesNoFile()
    {
        QFETCH(QString, fileName);
        QTemporaryDir dir;
        QVERIFY(QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner));
        const auto restore = qScopeGuard([&] {
            QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        });
        const QString folder = QFileInfo(dir.path()).isWritable() ? QStringLiteral("/proc") : dir.path();
        const QString path = folder + u'/' + fileName;
        TForm5 form;
        TModalMessages messages;
        QVERIFY(!form.SaveChartTo(path));
        QCOMPARE(messages.seen().size(), 1);
        QVERIFY(messages.seen().at(0).Text.startsWith(QStringLiteral("نمودار ذخیره نشد.")));
        // The path as the user's system writes it: backslashes on Windows.
        QVERIFY(messages.seen().at(0).Text.contains(QDir::toNativeSeparators(path)));
        QVERIFY(messages.seen().at(0).RightToLeft);
        QVERIFY(!QFile::exists(path));
        QVERIFY(QDir(folder).entryList({fileName + u'*'}, QDir::Files).isEmpty());
    }

private:
    QLocale FSavedLocale;
};

QTEST_MAIN(TestChart)
#include "tst_chart.moc"
