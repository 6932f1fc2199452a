// The friction chart's plot without a window: lines, a limit and marks given as data on scales
// other than the nomogram's, as a report lays them out.
#include "FrictionPlot.h"

#include <QImage>
#include <QTest>
#include <qcustomplot.h>

namespace {
const TLogScale kAcross{1.0, 1000.0, QStringLiteral("across")};
const TLogScale kUp{0.01, 10.0, QStringLiteral("up")};

TPlotLine sizeLine(const QString& name)
{
    return {name, QPointF(1.0, 0.01), QPointF(1000.0, 10.0), TPlotLineKind::Size};
}
TPlotLine velocityLine(const QString& name)
{
    return {name, QPointF(1000.0, 0.02), QPointF(2.0, 10.0), TPlotLineKind::Velocity};
}

QStringList textsOf(const QCustomPlot& plot)
{
    QStringList texts;
    for (int i = 0; i < plot.itemCount(); ++i)
        if (auto* text = qobject_cast<QCPItemText*>(plot.item(i)))
            texts.append(text->text());
    return texts;
}
} // namespace

class TestFrictionPlot : public QObject {
    Q_OBJECT

private slots:
    void linesComeAsData_data()
    {
        QTest::addColumn<std::vector<TPlotLine>>("lines");
        QTest::addColumn<bool>("secondAxes");
        QTest::newRow("sizes and a velocity") << std::vector{sizeLine("a"), sizeLine("b"), velocityLine("v")} << true;
        QTest::newRow("velocities only") << std::vector{velocityLine("v"), velocityLine("w")} << false;
        QTest::newRow("none") << std::vector<TPlotLine>{} << false;
    }
    void linesComeAsData()
    {
        QFETCH(std::vector<TPlotLine>, lines);
        QFETCH(bool, secondAxes);
        TFrictionPlot plot(kAcross, kUp);
        plot.setLines({sizeLine("gone")});
        plot.setLines(lines);
        QCOMPARE(plot.plottableCount(), int(lines.size()));
        QStringList names;
        for (const TPlotLine& line : lines)
            names.append(line.name);
        QCOMPARE(textsOf(plot), names);
        QCOMPARE(plot.xAxis2->visible(), secondAxes);
        QCOMPARE(plot.yAxis2->visible(), secondAxes);
        QCOMPARE(plot.xAxis->range(), QCPRange(kAcross.low, kAcross.high));
        QCOMPARE(plot.yAxis2->range(), QCPRange(kUp.low, kUp.high));
        QCOMPARE(plot.yAxis->label(), kUp.title);
        plot.clearLines();
        QCOMPARE(plot.plottableCount(), 0);
        QCOMPARE(plot.itemCount(), 0);
    }

    // A limit beyond the scale stands at its end; a mark off the scales is left out; marking again
    // replaces the marks.
    void reportMarksWhatIsOnTheScales()
    {
        TFrictionPlot plot(kAcross, kUp);
        plot.setTitle(QStringLiteral("plastic"));
        plot.setLines({sizeLine("a"), velocityLine("v")});
        const TPlotLimit limit{5000.0, QStringLiteral("limit")};
        const std::vector<TPlotMark> marks{{QStringLiteral("in"), 10.0, 0.1},
                                           {QStringLiteral("also in"), 100.0, 1.0},
                                           {QStringLiteral("off"), 10.0, 50.0}};
        for (int pass = 0; pass < 2; ++pass) {
            QVERIFY(plot.markForReport(QSize(600, 400), limit, marks));
            QCOMPARE(plot.plottableCount(), 4);
            const auto* limitLine = qobject_cast<QCPGraph*>(plot.plottable(2));
            QCOMPARE(limitLine->data()->size(), 2);
            QCOMPARE(limitLine->data()->constBegin()->key, kAcross.high);
            QCOMPARE(qobject_cast<QCPGraph*>(plot.plottable(3))->data()->size(), 2);
            const QStringList texts = textsOf(plot);
            QVERIFY(texts.contains(QStringLiteral("limit")) && texts.contains(QStringLiteral("also in")));
            QVERIFY(!texts.contains(QStringLiteral("off")));
            QCOMPARE(texts.count(QStringLiteral("in")), 1);
        }
        QImage page(300, 200, QImage::Format_ARGB32_Premultiplied);
        page.fill(Qt::transparent);
        {
            QCPPainter painter(&page);
            plot.paintForReport(painter, QRectF(0, 0, 150, 100));
        }
        // Scaled into the target: its white paper reaches the target's far corner and no further.
        QCOMPARE(page.pixelColor(148, 98), QColor(Qt::white));
        QCOMPARE(page.pixelColor(152, 102).alpha(), 0);
    }
};

QTEST_MAIN(TestFrictionPlot)
#include "tst_frictionplot.moc"
