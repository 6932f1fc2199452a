// Where the nomogram lines' names are written: beside their own lines, clear of each other.
#include "LineLabels.h"

#include <QTest>

#include <cmath>
#include <vector>

Q_DECLARE_METATYPE(std::vector<TLineLabel>)

namespace {
constexpr QSizeF kNamePx(30.0, 12.0);

// A line through `centre` at `degrees` from the horizontal, `lengthPx` long.
TLineLabel lineThrough(const QPointF& centre, double degrees, double lengthPx)
{
    const double radians = degrees * M_PI / 180.0;
    const QPointF half(std::cos(radians) * lengthPx / 2.0, -std::sin(radians) * lengthPx / 2.0);
    return {centre - half, centre + half, centre, kNamePx};
}

// How far a rectangle's nearest corner lies from the line.
double cornerDistancePx(const TLineLabel& line, const QRectF& rect)
{
    const QPointF along = line.toPx - line.fromPx;
    const double length = std::hypot(along.x(), along.y());
    double nearest = 1e9;
    for (const QPointF& corner : {rect.topLeft(), rect.topRight(), rect.bottomLeft(), rect.bottomRight()}) {
        const QPointF d = corner - line.fromPx;
        nearest = std::min(nearest, std::abs(d.x() * along.y() - d.y() * along.x()) / length);
    }
    return nearest;
}
} // namespace

class TestLineLabels : public QObject {
    Q_OBJECT

private slots:
    void namesFindRoomBesideTheirLines_data()
    {
        // clang-format off
        QTest::addColumn<std::vector<TLineLabel>>("lines");
        std::vector<TLineLabel> star;
        for (int i = 0; i < 8; ++i)
            star.push_back(lineThrough(QPointF(200.0, 150.0), 10.0 + i * 20.0, 300.0));
        QTest::newRow("eight lines crossing at one midpoint") << star;
        std::vector<TLineLabel> parallel;
        for (int i = 0; i < 10; ++i)
            parallel.push_back(lineThrough(QPointF(200.0, 60.0 + i * 18.0), 30.0, 500.0));
        QTest::newRow("ten close parallel lines") << parallel;
        std::vector<TLineLabel> edge { lineThrough(QPointF(395.0, 150.0), 60.0, 500.0) };
        QTest::newRow("midpoint at the plot's edge") << edge;
        // clang-format on
    }
    void namesFindRoomBesideTheirLines()
    {
        QFETCH(std::vector<TLineLabel>, lines);
        const QRectF plot(0.0, 0.0, 400.0, 300.0);
        std::vector<QRectF> placed;
        QVERIFY(placeLineLabels(lines, plot, placed));
        QCOMPARE(placed.size(), lines.size());
        for (std::size_t i = 0; i < placed.size(); ++i) {
            QVERIFY(plot.contains(placed[i]));
            QVERIFY(cornerDistancePx(lines[i], placed[i]) <= 2.0);
            for (std::size_t j = i + 1; j < placed.size(); ++j)
                QVERIFY(!labelsCollide(placed[i], placed[j]));
        }
    }

    // A line that misses the plot has nowhere to put its name: it stands at its midpoint and
    // the call says so.
    void aLineOutsideThePlotReportsNoPlace()
    {
        const std::vector<TLineLabel> lines{
            lineThrough(QPointF(200.0, 150.0), 30.0, 200.0),
            {QPointF(500.0, 500.0), QPointF(600.0, 400.0), QPointF(550.0, 450.0), kNamePx}};
        std::vector<QRectF> placed;
        QVERIFY(!placeLineLabels(lines, QRectF(0.0, 0.0, 400.0, 300.0), placed));
        QCOMPARE(placed.at(1).bottomLeft(), QPointF(550.0, 450.0));
        QVERIFY(!labelsCollide(placed.at(0), placed.at(1)));
    }
};

QTEST_GUILESS_MAIN(TestLineLabels)
#include "tst_linelabels.moc"
