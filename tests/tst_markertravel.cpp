// The pipe-range indicator's marker on its bar: the resting place with its half-to-even
// rounding, the half it names, and the steps that bring it there.
#include "MarkerTravel.h"

#include <QTest>

class TestMarkerTravel : public QObject {
    Q_OBJECT

private slots:
    void restingPlace_data()
    {
        // clang-format off
        QTest::addColumn<double>("ratio");
        QTest::addColumn<int>("left");
        QTest::addColumn<bool>("highHalf");
        QTest::newRow("0: left end") << 0.0 << 44 << false;
        QTest::newRow("0.5: still left of the middle") << 0.5 << 158 << false;
        QTest::newRow("0.524: one pixel short") << 0.524 << 163 << false;
        QTest::newRow("0.5264: on the middle") << 0.5264 << 164 << true;
        QTest::newRow("1: right end") << 1.0 << 272 << true;
        QTest::newRow("below 0 is 0") << -3.0 << 44 << false;
        QTest::newRow("above 1 is 1") << 7.0 << 272 << true;
        QTest::newRow("NaN is 0") << qQNaN() << 44 << false;
        // clang-format on
    }
    void restingPlace()
    {
        QFETCH(double, ratio);
        QFETCH(int, left);
        QFETCH(bool, highHalf);
        const int target = markerTargetLeft(ratio, 44, 240, 12);
        QCOMPARE(target, left);
        QCOMPARE(markerOnHighHalf(target, 44, 240), highHalf);
    }

    void halvesRoundToEven_data()
    {
        // clang-format off
        QTest::addColumn<double>("ratio");
        QTest::addColumn<int>("left");
        // Travel 8: the ratios below land exactly on halves.
        QTest::newRow("0.5 rounds down to 0") << 0.0625 << 0;
        QTest::newRow("1.5 rounds up to 2") << 0.1875 << 2;
        QTest::newRow("2.5 rounds down to 2") << 0.3125 << 2;
        QTest::newRow("3.5 rounds up to 4") << 0.4375 << 4;
        // clang-format on
    }
    void halvesRoundToEven()
    {
        QFETCH(double, ratio);
        QFETCH(int, left);
        QCOMPARE(markerTargetLeft(ratio, 0, 12, 4), left);
    }

    void stepping_data()
    {
        // clang-format off
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("target");
        QTest::addColumn<int>("step");
        QTest::addColumn<int>("ticks");
        QTest::newRow("92 to 272") << 92 << 272 << 5 << 36;
        QTest::newRow("92 to 44") << 92 << 44 << -5 << 10;
        QTest::newRow("92 to 95 lands exactly") << 92 << 95 << 5 << 1;
        QTest::newRow("already there") << 92 << 92 << -5 << 1;
        QTest::newRow("whole bar") << 44 << 272 << 5 << 46;
        // clang-format on
    }
    void stepping()
    {
        QFETCH(int, start);
        QFETCH(int, target);
        QFETCH(int, step);
        QFETCH(int, ticks);
        int left = start;
        int count = 0;
        bool arrived = false;
        while (!arrived && count < 1000) {
            const int before = left;
            arrived = stepMarker(left, target, step);
            ++count;
            QVERIFY(step > 0 ? left <= target && left > before - 1 : left >= target && left < before + 1);
        }
        QCOMPARE(left, target);
        QCOMPARE(count, ticks);
    }
};

QTEST_GUILESS_MAIN(TestMarkerTravel)
#include "tst_markertravel.moc"
