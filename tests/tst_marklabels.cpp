// Where the names of a report's marks are written: near their own marks, clear of each other,
// of every mark's dot and of what the chart already shows.
#include "LineLabels.h"
#include "MarkLabels.h"

#include <QTest>

#include <cmath>

Q_DECLARE_METATYPE(std::vector<QPointF>)

namespace {
constexpr QSizeF kNamePx(40.0, 12.0);
constexpr double kDotRadiusPx = 2.5;
const QRectF kPlotPx(0.0, 0.0, 400.0, 300.0);
} // namespace

class TestMarkLabels : public QObject {
    Q_OBJECT

private slots:
    void namesStandClear_data()
    {
        QTest::addColumn<std::vector<QPointF>>("marks");
        std::vector<QPointF> cluster;
        for (int i = 0; i < 12; ++i)
            cluster.emplace_back(200.0 + (i % 4) * 3.0, 150.0 + (i / 4) * 3.0);
        QTest::newRow("twelve marks a few pixels apart") << cluster;
        QTest::newRow("a mark in the plot's corner") << std::vector<QPointF>{{398.0, 2.0}, {396.0, 5.0}};
        std::vector<QPointF> row;
        for (int i = 0; i < 8; ++i)
            row.emplace_back(60.0 + i * 30.0, 150.0);
        QTest::newRow("a row of marks along a line") << row;
    }
    void namesStandClear()
    {
        QFETCH(std::vector<QPointF>, marks);
        std::vector<TMarkLabel> labels;
        for (const QPointF& mark : marks)
            labels.push_back({mark, kNamePx});
        // A line's name already written just right of the first mark.
        const std::vector<QRectF> obstacles{QRectF(marks.front() + QPointF(4.0, -6.0), kNamePx)};
        std::vector<QRectF> placed;
        QVERIFY(placeMarkLabels(labels, obstacles, kPlotPx, kDotRadiusPx, placed));
        QCOMPARE(placed.size(), marks.size());
        for (std::size_t i = 0; i < placed.size(); ++i) {
            QVERIFY(kPlotPx.contains(placed[i]));
            QVERIFY(!labelsCollide(placed[i], obstacles.front()));
            for (std::size_t j = 0; j < placed.size(); ++j) {
                const QRectF dot(marks[j] - QPointF(kDotRadiusPx, kDotRadiusPx), QSizeF(2, 2) * kDotRadiusPx);
                QVERIFY2(!placed[i].intersects(dot), qPrintable(QStringLiteral("name %1 over dot %2").arg(i).arg(j)));
                if (j != i)
                    QVERIFY(!labelsCollide(placed[i], placed[j]));
            }
            // Near its own mark: within a hand's breadth of the printed chart.
            const QPointF nearest = nearestPointOf(placed[i], marks[i]);
            QVERIFY(std::hypot(nearest.x() - marks[i].x(), nearest.y() - marks[i].y()) < 100.0);
        }
    }
};

QTEST_GUILESS_MAIN(TestMarkLabels)
#include "tst_marklabels.moc"
