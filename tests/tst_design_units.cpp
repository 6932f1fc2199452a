// The design helpers' unit conversions, and the fixture-load table's sums per column.
#include "FixtureLoads.h"
#include "Units.h"

#include <QTest>

#include <cmath>
#include <vector>

using Design::TLengthUnit;
using Design::TLoadColumn;
using Design::TPressureUnit;

Q_DECLARE_METATYPE(Design::TPressureUnit)
Q_DECLARE_METATYPE(Design::TLengthUnit)
Q_DECLARE_METATYPE(Design::TLoadColumn)

namespace {
constexpr double kTolerance = 1e-9;

// Counts by the table's row: a private flat with a flush-tank toilet (row 3), a basin (8), a
// bath (10), a kitchen sink (15) and a dishwasher (20).
std::vector<int> flatCounts(int flats)
{
    std::vector<int> counts(Design::fixtureLoadTable().size(), 0);
    for (const int row : {3, 8, 10, 15, 20})
        counts[static_cast<std::size_t>(row)] = flats;
    return counts;
}
} // namespace

class TestDesignUnits : public QObject {
    Q_OBJECT

private slots:
    void pressure_data()
    {
        // clang-format off
        QTest::addColumn<double>("value");
        QTest::addColumn<TPressureUnit>("unit");
        QTest::addColumn<double>("psi");
        QTest::newRow("psi") << 12.5 << TPressureUnit::Psi << 12.5;
        QTest::newRow("bar") << 3.0 << TPressureUnit::Bar << 43.5114;
        QTest::newRow("kPa") << 300.0 << TPressureUnit::KPa << 43.5114;
        // 10 m = 32.8084 ft of water.
        QTest::newRow("metres of water") << 10.0 << TPressureUnit::MetreOfWater << 14.2060367454;
        QTest::newRow("negative metres of water") << -3.048 << TPressureUnit::MetreOfWater << -4.33;
        // clang-format on
    }
    void pressure()
    {
        QFETCH(double, value);
        QFETCH(TPressureUnit, unit);
        QFETCH(double, psi);
        QVERIFY2(std::abs(Design::pressurePsi(value, unit) - psi) < 1e-6,
                 qPrintable(QString::number(Design::pressurePsi(value, unit), 'g', 12)));
    }

    void length_data()
    {
        // clang-format off
        QTest::addColumn<double>("value");
        QTest::addColumn<TLengthUnit>("unit");
        QTest::addColumn<double>("ft");
        QTest::newRow("ft") << 120.0 << TLengthUnit::Foot << 120.0;
        QTest::newRow("m") << 30.48 << TLengthUnit::Metre << 100.0;
        QTest::newRow("roof tank 12 m above") << -12.0 << TLengthUnit::Metre << -39.3700787402;
        // clang-format on
    }
    void length()
    {
        QFETCH(double, value);
        QFETCH(TLengthUnit, unit);
        QFETCH(double, ft);
        QVERIFY(std::abs(Design::lengthFt(value, unit) - ft) < 1e-9);
    }

    void flowAndLoss()
    {
        QVERIFY(std::abs(Design::flowLitresPerSecond(27.0) - 1.7034354) < kTolerance);
        QVERIFY(std::abs(Design::lossKPaPerMetre(4.0) - 0.904824) < kTolerance);
    }

    void fixtureSums_data()
    {
        // clang-format off
        QTest::addColumn<TLoadColumn>("column");
        QTest::addColumn<double>("perFlat");
        QTest::newRow("total") << TLoadColumn::Total << 2.2 + 0.7 + 1.4 + 1.4 + 1.4;
        QTest::newRow("cold, the dishwasher has none") << TLoadColumn::Cold << 2.2 + 0.5 + 1.0 + 1.0;
        QTest::newRow("hot, the toilet has none") << TLoadColumn::Hot << 0.5 + 1.0 + 1.0 + 1.4;
        // clang-format on
    }
    void fixtureSums()
    {
        QFETCH(TLoadColumn, column);
        QFETCH(double, perFlat);
        double fu = -1.0;
        QVERIFY(Design::totalFixtureUnits(flatCounts(12), column, fu));
        QVERIFY(std::abs(fu - 12 * perFlat) < kTolerance);
        QVERIFY(Design::totalFixtureUnits(flatCounts(0), column, fu));
        QCOMPARE(fu, 0.0);
        QVERIFY(Design::totalFixtureUnits(flatCounts(Design::kMaxFixtureCount), column, fu));
    }

    void fixtureSumsRefused_data()
    {
        // clang-format off
        QTest::addColumn<std::vector<int>>("counts");
        QTest::newRow("a negative count") << flatCounts(-1);
        QTest::newRow("a count above 9999") << flatCounts(10000);
        QTest::newRow("a count short") << std::vector<int>(Design::fixtureLoadTable().size() - 1, 1);
        QTest::newRow("no counts") << std::vector<int>{};
        // clang-format on
    }
    void fixtureSumsRefused()
    {
        QFETCH(std::vector<int>, counts);
        double fu = -1.0;
        QVERIFY(!Design::totalFixtureUnits(counts, TLoadColumn::Total, fu));
        QCOMPARE(fu, -1.0);
    }

    // The table's rows as the regulations list them, a few spot checks of names and columns.
    void fixtureTable()
    {
        const auto table = Design::fixtureLoadTable();
        QCOMPARE(table.size(), std::size_t{23});
        QCOMPARE(QString::fromUtf8(table[0].Fixture), QStringLiteral("توالت"));
        QCOMPARE(QString::fromUtf8(table[4].Control), QStringLiteral("فلاش والو 1 اینچ"));
        QCOMPARE(QString::fromUtf8(table[14].Use), QStringLiteral("هتل، رستوران"));
        QCOMPARE(Design::fixtureUnits(table[18], TLoadColumn::Hot), std::optional<double>(1.5));
        QCOMPARE(Design::fixtureUnits(table[16], TLoadColumn::Hot), std::optional<double>());
        QCOMPARE(Design::fixtureUnits(table[22], TLoadColumn::Total), std::optional<double>(3.0));
    }
};

QTEST_GUILESS_MAIN(TestDesignUnits)
#include "tst_design_units.moc"
