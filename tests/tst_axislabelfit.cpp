// Which axis labels are written at a given axis length, and the rank that decides it.
#include "AxisLabelFit.h"

#include <QTest>

#include <cmath>
#include <vector>

namespace {
// The 28 labels of the pressure axis, 0.1 to 100, on an axis `lengthPx` long, each `widthPx` wide.
std::vector<TAxisLabel> pressureLabels(double lengthPx, double widthPx)
{
    std::vector<TAxisLabel> labels;
    for (int exponent = -1; exponent < 2; ++exponent)
        for (int digit = 1; digit <= 9; ++digit) {
            const double value = digit * std::pow(10.0, exponent);
            labels.push_back({value, (std::log10(value) + 1.0) / 3.0 * lengthPx, widthPx});
        }
    labels.push_back({100.0, lengthPx, widthPx});
    return labels;
}

QString writtenOf(const std::vector<TAxisLabel>& labels, const std::vector<bool>& kept)
{
    QStringList written;
    for (std::size_t i = 0; i < labels.size(); ++i)
        if (kept[i])
            written << QString::number(labels[i].value, 'g', 10);
    return written.join(u' ');
}
} // namespace

class TestAxisLabelFit : public QObject {
    Q_OBJECT

private slots:
    void rank_data()
    {
        // clang-format off
        QTest::addColumn<double>("value");
        QTest::addColumn<int>("rank");
        QTest::newRow("0.1 is a decade") << 0.1 << 0;
        QTest::newRow("10000 is a decade") << 10000.0 << 0;
        QTest::newRow("5 comes next") << 5.0 << 1;
        QTest::newRow("0.3 as a double") << 0.3 << 3;
        QTest::newRow("3 * 0.1 in binary") << 3 * 0.1 << 3;
        QTest::newRow("200") << 200.0 << 2;
        QTest::newRow("9 ranks last of the digits") << 9.0 << 8;
        QTest::newRow("1.5 is no label value") << 1.5 << 9;
        QTest::newRow("zero") << 0.0 << 9;
        QTest::newRow("negative") << -10.0 << 9;
        QTest::newRow("NaN") << qQNaN() << 9;
        // clang-format on
    }
    void rank()
    {
        QFETCH(double, value);
        QFETCH(int, rank);
        QCOMPARE(labelRank(value), rank);
    }

    void whatFits_data()
    {
        // clang-format off
        QTest::addColumn<double>("lengthPx");
        QTest::addColumn<double>("widthPx");
        QTest::addColumn<QString>("written");
        QTest::newRow("room for all")
            << 3000.0 << 10.0 << "0.1 0.2 0.3 0.4 0.5 0.6 0.7 0.8 0.9 1 2 3 4 5 6 7 8 9 10 20 30 40 50 60 70 80 90 100";
        QTest::newRow("the chart's width") << 430.0 << 18.0 << "0.1 0.2 0.3 0.5 1 2 3 5 10 20 30 50 100";
        QTest::newRow("narrow: no room beside 1 for 0.5, room for 0.3") << 200.0 << 18.0 << "0.1 0.3 1 3 10 30 100";
        QTest::newRow("decades, fives and twos") << 300.0 << 18.0 << "0.1 0.2 0.5 1 2 5 10 20 50 100";
        QTest::newRow("very narrow: decades only") << 90.0 << 18.0 << "0.1 1 10 100";
        // clang-format on
    }
    void whatFits()
    {
        QFETCH(double, lengthPx);
        QFETCH(double, widthPx);
        QFETCH(QString, written);
        const auto labels = pressureLabels(lengthPx, widthPx);
        QCOMPARE(writtenOf(labels, labelsThatFit(labels, 4.0)), written);
    }

    void keptLabelsNeverTouch()
    {
        for (const double lengthPx : {50.0, 137.0, 300.0, 431.0, 777.0}) {
            const auto labels = pressureLabels(lengthPx, 20.0);
            const auto kept = labelsThatFit(labels, 4.0);
            double lastEnd = -1e9;
            for (std::size_t i = 0; i < labels.size(); ++i) {
                if (!kept[i])
                    continue;
                QVERIFY(labels[i].centrePx - 10.0 >= lastEnd + 4.0 - 1e-9);
                lastEnd = labels[i].centrePx + 10.0;
            }
        }
    }

    void aLabelWithNoPlaceIsDropped()
    {
        const std::vector<TAxisLabel> labels{{1.0, qQNaN(), 10.0}, {10.0, 100.0, 10.0}};
        QCOMPARE(labelsThatFit(labels, 4.0), (std::vector<bool>{false, true}));
        QVERIFY(labelsThatFit({}, 4.0).empty());
    }
};

QTEST_GUILESS_MAIN(TestAxisLabelFit)
#include "tst_axislabelfit.moc"
