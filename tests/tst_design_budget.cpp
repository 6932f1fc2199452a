// The pressure budget: the allowable friction loss from the pressure at the source, a roof tank's
// negative height included, the shortfall when nothing is left, and members out of range.
#include "PressureBudget.h"

#include <QTest>

#include <cmath>
#include <limits>

using Design::TPressureBudget;

Q_DECLARE_METATYPE(Design::TPressureBudget)

namespace {
constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kTolerance = 1e-9;
// A street main of 50 psi, a 30 ft rise, a 200 ft run with half again for its fittings.
constexpr TPressureBudget kStreet{50.0, 5.0, 30.0, 8.0, 200.0, 50.0};
} // namespace

class TestDesignBudget : public QObject {
    Q_OBJECT

private slots:
    void allowable_data()
    {
        // clang-format off
        QTest::addColumn<TPressureBudget>("budget");
        QTest::addColumn<double>("availablePsi");
        QTest::addColumn<double>("equivalentFt");
        QTest::addColumn<double>("psiPer100ft");
        // 50 - 5 - 0.433 * 30 - 8 = 24.01 over 300 ft.
        QTest::newRow("street main, 30 ft up") << kStreet << 24.01 << 300.0 << 24.01 / 3.0;
        // The tank stands 40 ft above the fixture: its head adds 17.32 psi.
        QTest::newRow("roof tank 40 ft above") << TPressureBudget{0.0, 0.0, -40.0, 8.0, 100.0, 20.0} << 9.32 << 120.0
                                               << 9.32 / 1.2;
        QTest::newRow("level source, no fittings") << TPressureBudget{30.0, 0.0, 0.0, 15.0, 150.0, 0.0} << 15.0
                                                   << 150.0 << 10.0;
        QTest::newRow("a sliver left over a long run") << TPressureBudget{8.01, 0.0, 0.0, 8.0, 1000.0, 0.0} << 0.01
                                                       << 1000.0 << 0.001;
        // clang-format on
    }
    void allowable()
    {
        QFETCH(TPressureBudget, budget);
        QFETCH(double, availablePsi);
        QFETCH(double, equivalentFt);
        QFETCH(double, psiPer100ft);
        Design::TBudgetTerms terms{};
        QVERIFY(Design::budgetTerms(budget, terms));
        QVERIFY(std::abs(terms.availablePsi - availablePsi) < kTolerance);
        QVERIFY(std::abs(terms.equivalentLengthFt - equivalentFt) < kTolerance);
        double result = -1.0;
        QVERIFY(Design::allowableLossPsiPer100ft(budget, result));
        QVERIFY2(std::abs(result - psiPer100ft) < kTolerance, qPrintable(QString::number(result, 'g', 12)));
    }

    // Nothing left for friction is a refusal, but the terms still tell by how much it falls short.
    void shortfall_data()
    {
        // clang-format off
        QTest::addColumn<TPressureBudget>("budget");
        QTest::addColumn<double>("availablePsi");
        QTest::newRow("exactly nothing left") << TPressureBudget{23.0, 0.0, 0.0, 23.0, 100.0, 0.0} << 0.0;
        QTest::newRow("flush valve too high up") << TPressureBudget{20.0, 5.0, 30.0, 15.0, 100.0, 0.0} << -12.99;
        QTest::newRow("roof tank too low") << TPressureBudget{0.0, 0.0, -10.0, 8.0, 100.0, 0.0} << -3.67;
        // clang-format on
    }
    void shortfall()
    {
        QFETCH(TPressureBudget, budget);
        QFETCH(double, availablePsi);
        Design::TBudgetTerms terms{};
        QVERIFY(Design::budgetTerms(budget, terms));
        QVERIFY(std::abs(terms.availablePsi - availablePsi) < kTolerance);
        double result = -1.0;
        QVERIFY(!Design::allowableLossPsiPer100ft(budget, result));
        QCOMPARE(result, -1.0);
    }

    void outOfRange_data()
    {
        // clang-format off
        QTest::addColumn<TPressureBudget>("budget");
        auto with = [](double TPressureBudget::*member, double value) {
            TPressureBudget b = kStreet;
            b.*member = value;
            return b;
        };
        QTest::newRow("negative source") << with(&TPressureBudget::sourcePsi, -1.0);
        QTest::newRow("negative meter loss") << with(&TPressureBudget::meterAndDevicesPsi, -1.0);
        QTest::newRow("negative fixture pressure") << with(&TPressureBudget::fixturePsi, -0.5);
        QTest::newRow("zero length") << with(&TPressureBudget::developedLengthFt, 0.0);
        QTest::newRow("negative length") << with(&TPressureBudget::developedLengthFt, -10.0);
        QTest::newRow("negative fittings") << with(&TPressureBudget::fittingsPercent, -5.0);
        QTest::newRow("NaN source") << with(&TPressureBudget::sourcePsi, kNaN);
        QTest::newRow("NaN meter loss") << with(&TPressureBudget::meterAndDevicesPsi, kNaN);
        QTest::newRow("NaN height") << with(&TPressureBudget::heightFt, kNaN);
        QTest::newRow("NaN fixture pressure") << with(&TPressureBudget::fixturePsi, kNaN);
        QTest::newRow("NaN length") << with(&TPressureBudget::developedLengthFt, kNaN);
        QTest::newRow("NaN fittings") << with(&TPressureBudget::fittingsPercent, kNaN);
        QTest::newRow("infinite source") << with(&TPressureBudget::sourcePsi, kInf);
        QTest::newRow("infinitely deep source") << with(&TPressureBudget::heightFt, -kInf);
        QTest::newRow("infinite length") << with(&TPressureBudget::developedLengthFt, kInf);
        QTest::newRow("infinite fittings") << with(&TPressureBudget::fittingsPercent, kInf);
        QTest::newRow("available pressure overflows") << TPressureBudget{1.7e308, 0.0, -1.7e308, 0.0, 100.0, 0.0};
        QTest::newRow("equivalent length overflows") << TPressureBudget{50.0, 0.0, 0.0, 8.0, 1e308, 1e10};
        // clang-format on
    }
    void outOfRange()
    {
        QFETCH(TPressureBudget, budget);
        Design::TBudgetTerms terms{-1.0, -1.0, -1.0};
        QVERIFY(!Design::budgetTerms(budget, terms));
        QCOMPARE(terms.availablePsi, -1.0);
        double result = -1.0;
        QVERIFY(!Design::allowableLossPsiPer100ft(budget, result));
        QCOMPARE(result, -1.0);
    }

    // The terms are finite but the quotient is not a loss to read a chart at.
    void quotientOutOfReach_data()
    {
        // clang-format off
        QTest::addColumn<TPressureBudget>("budget");
        QTest::newRow("overflows") << TPressureBudget{1e307, 0.0, 0.0, 0.0, 1e-300, 0.0};
        QTest::newRow("underflows to 0") << TPressureBudget{1e-300, 0.0, 0.0, 0.0, 1e300, 0.0};
        // clang-format on
    }
    void quotientOutOfReach()
    {
        QFETCH(TPressureBudget, budget);
        double result = -1.0;
        QVERIFY(!Design::allowableLossPsiPer100ft(budget, result));
        QCOMPARE(result, -1.0);
    }
};

QTEST_GUILESS_MAIN(TestDesignBudget)
#include "tst_design_budget.moc"
