// Water, the friction factor, the loss in a pipe and the materials' tables, against values worked
// out apart from this code: Python, interpolating the water table by hand and solving
// Colebrook-White by bisection on f itself (200 halvings of [1e-4, 1]), not by iteration on 1/sqrt(f).
#include "Hydraulics.h"

#include <QTest>

#include <cmath>
#include <limits>

using namespace Hydraulics;

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kRelativeTolerance = 1e-9;

bool near(double actual, double expected)
{
    return std::abs(actual - expected) <= kRelativeTolerance * std::abs(expected);
}

} // namespace

class TestHydraulics : public QObject {
    Q_OBJECT

private slots:
    // ρ and μ interpolated by hand in the table, ν = μ/ρ.
    void water_data()
    {
        QTest::addColumn<double>("temperatureC");
        QTest::addColumn<double>("density");
        QTest::addColumn<double>("nu");
        QTest::newRow("0 °C, the first row") << 0.0 << 999.84 << 1.791686670e-06;
        QTest::newRow("5 °C, between rows") << 5.0 << 999.77 << 1.549056283e-06;
        QTest::newRow("10 °C") << 10.0 << 999.70 << 1.306391918e-06;
        QTest::newRow("25 °C") << 25.0 << 996.93 << 9.021696609e-07;
        QTest::newRow("37.5 °C") << 37.5 << 993.0775 << 6.936266303e-07;
        QTest::newRow("60 °C, hot water") << 60.0 << 983.20 << 4.739625712e-07;
        QTest::newRow("99 °C") << 99.0 << 959.046 << 2.970243346e-07;
        QTest::newRow("100 °C, the last row") << 100.0 << 958.35 << 2.938383680e-07;
    }
    void water()
    {
        QFETCH(double, temperatureC);
        QFETCH(double, density);
        QFETCH(double, nu);
        TWater w;
        QVERIFY(Hydraulics::water(temperatureC, w));
        QVERIFY2(near(w.densityKgPerM3, density), qPrintable(QString::number(w.densityKgPerM3, 'g', 12)));
        QVERIFY2(near(w.kinematicViscosityM2PerS, nu),
                 qPrintable(QString::number(w.kinematicViscosityM2PerS, 'g', 12)));
    }

    void waterRefused_data()
    {
        QTest::addColumn<double>("temperatureC");
        QTest::newRow("-1 °C, ice") << -1.0;
        QTest::newRow("101 °C, steam") << 101.0;
        QTest::newRow("NaN") << kNaN;
        QTest::newRow("infinite") << kInf;
    }
    void waterRefused()
    {
        QFETCH(double, temperatureC);
        TWater w{1.0, 2.0};
        QVERIFY(!Hydraulics::water(temperatureC, w));
        QCOMPARE(w.densityKgPerM3, 1.0);
        QCOMPARE(w.kinematicViscosityM2PerS, 2.0);
    }

    // The Moody chart reads 0.018 for a smooth pipe at Re = 1e5.
    void friction_data()
    {
        QTest::addColumn<double>("reynolds");
        QTest::addColumn<double>("relativeRoughness");
        QTest::addColumn<double>("f");
        QTest::newRow("smooth, Re 1e5") << 1e5 << 0.0 << 0.0179897730843;
        QTest::newRow("e/D 1e-4, Re 1e6") << 1e6 << 1e-4 << 0.0134414376925;
        QTest::newRow("e/D 0.05, Re 4000") << 4000.0 << 0.05 << 0.0769868348892;
        QTest::newRow("e/D 0.01, Re 1e4") << 1e4 << 0.01 << 0.0431265847068;
        QTest::newRow("smooth, Re 1e8") << 1e8 << 0.0 << 0.00594046635164;
        QTest::newRow("smooth, just turbulent") << 2301.0 << 0.0 << 0.0472767840114;
        QTest::newRow("laminar at 2300") << 2300.0 << 0.0 << 64.0 / 2300.0;
        QTest::newRow("laminar ignores roughness") << 1000.0 << 0.01 << 0.064;
        QTest::newRow("Re 0") << 0.0 << 0.0 << 0.0;
        QTest::newRow("negative Re") << -5000.0 << 0.0 << 0.0;
        QTest::newRow("NaN Re") << kNaN << 0.0 << 0.0;
        QTest::newRow("infinite Re") << kInf << 0.0 << 0.0;
        QTest::newRow("negative roughness") << 1e5 << -1e-3 << 0.0;
        QTest::newRow("NaN roughness") << 1e5 << kNaN << 0.0;
        QTest::newRow("roughness beyond any root") << 1e5 << 10.0 << 0.0;
    }
    void friction()
    {
        QFETCH(double, reynolds);
        QFETCH(double, relativeRoughness);
        QFETCH(double, f);
        const double actual = frictionFactor(reynolds, relativeRoughness);
        QVERIFY2(f == 0.0 ? actual == 0.0 : near(actual, f), qPrintable(QString::number(actual, 'g', 12)));
    }

    // Roughness 0.007 mm throughout; the bore is outside less two walls.
    void flowLoss_data()
    {
        QTest::addColumn<double>("insideMm");
        QTest::addColumn<double>("flowLps");
        QTest::addColumn<double>("temperatureC");
        QTest::addColumn<double>("velocity");
        QTest::addColumn<double>("reynolds");
        QTest::addColumn<double>("f");
        QTest::addColumn<double>("lossKPaPerM");
        // clang-format off
        QTest::newRow("PP-R 20×3.4, 0.1 L/s, 10 °C") << 13.2 << 0.1 << 10.0 << 0.730738948999 << 7383.50719797 << 0.0342153021989 << 0.691847949063;
        QTest::newRow("PE 110×10.0, 5 L/s, 60 °C") << 90.0 << 5.0 << 60.0 << 0.785950336256 << 149242.861276 << 0.0170887886499 << 0.057659497275;
        QTest::newRow("PEX 16×2.0, 0.05 L/s, 20 °C") << 12.0 << 0.05 << 20.0 << 0.442097064144 << 5287.20899041 << 0.0374621254056 << 0.304535797045;
        QTest::newRow("PEX 63×4.5, 2 L/s, 100 °C") << 54.0 << 2.0 << 100.0 << 0.873278151396 << 160486.258115 << 0.0172066221536 << 0.116439733555;
        QTest::newRow("PP-R 20×3.4, laminar trickle") << 13.2 << 0.001 << 10.0 << 0.00730738948999 << 73.8350719797 << 0.866796744204 << 0.00175269984829;
        // clang-format on
    }
    void flowLoss()
    {
        QFETCH(double, insideMm);
        QFETCH(double, flowLps);
        QFETCH(double, temperatureC);
        QFETCH(double, velocity);
        QFETCH(double, reynolds);
        QFETCH(double, f);
        QFETCH(double, lossKPaPerM);
        TFlowLoss out;
        QVERIFY(Hydraulics::flowLoss(insideMm, 0.007, flowLps, temperatureC, out));
        QVERIFY(near(out.velocityMPerS, velocity));
        QVERIFY(near(out.reynolds, reynolds));
        QVERIFY2(near(out.frictionFactor, f), qPrintable(QString::number(out.frictionFactor, 'g', 12)));
        QVERIFY2(near(out.lossKPaPerM, lossKPaPerM), qPrintable(QString::number(out.lossKPaPerM, 'g', 12)));
    }

    void flowLossRefused_data()
    {
        QTest::addColumn<double>("insideMm");
        QTest::addColumn<double>("roughnessMm");
        QTest::addColumn<double>("flowLps");
        QTest::addColumn<double>("temperatureC");
        QTest::newRow("no bore") << 0.0 << 0.007 << 0.1 << 10.0;
        QTest::newRow("negative bore") << -13.2 << 0.007 << 0.1 << 10.0;
        QTest::newRow("NaN bore") << kNaN << 0.007 << 0.1 << 10.0;
        QTest::newRow("no flow") << 13.2 << 0.007 << 0.0 << 10.0;
        QTest::newRow("infinite flow") << 13.2 << 0.007 << kInf << 10.0;
        QTest::newRow("negative roughness") << 13.2 << -0.007 << 0.1 << 10.0;
        QTest::newRow("NaN roughness") << 13.2 << kNaN << 0.1 << 10.0;
        QTest::newRow("101 °C") << 13.2 << 0.007 << 0.1 << 101.0;
        QTest::newRow("NaN temperature") << 13.2 << 0.007 << 0.1 << kNaN;
    }
    void flowLossRefused()
    {
        QFETCH(double, insideMm);
        QFETCH(double, roughnessMm);
        QFETCH(double, flowLps);
        QFETCH(double, temperatureC);
        TFlowLoss out{1.0, 2.0, 3.0, 4.0};
        QVERIFY(!Hydraulics::flowLoss(insideMm, roughnessMm, flowLps, temperatureC, out));
        QCOMPARE(out.lossKPaPerM, 4.0);
    }

    void tables_data()
    {
        QTest::addColumn<QString>("id");
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("count");
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("last");
        QTest::newRow("PP-R PN20") << "ppr-pn20"
                                   << "PP-R PN20 (SDR 6)" << 9 << "20×3.4"
                                   << "110×18.3";
        QTest::newRow("PP-R PN16") << "ppr-pn16"
                                   << "PP-R PN16 (SDR 7.4)" << 9 << "20×2.8"
                                   << "110×15.1";
        QTest::newRow("PEX-AL-PEX") << "pex-al-pex"
                                    << "PEX-AL-PEX" << 7 << "16×2.0"
                                    << "63×4.5";
        QTest::newRow("PE100 PN16") << "pe100-pn16"
                                    << "PE100 PN16 (SDR 11)" << 9 << "20×2.0"
                                    << "110×10.0";
    }
    // Each size's name is its own outside × wall, and the bores grow, so that the sizing's scan
    // from the smallest holds.
    void tables()
    {
        QFETCH(QString, id);
        QFETCH(QString, name);
        QFETCH(int, count);
        QFETCH(QString, first);
        QFETCH(QString, last);
        const TMaterial* material = findMaterial(id.toStdString());
        QVERIFY(material != nullptr);
        QCOMPARE(QString::fromStdString(material->name), name);
        QCOMPARE(material->roughnessMm, 0.007);
        QCOMPARE(int(material->sizes.size()), count);
        QCOMPARE(QString::fromStdString(material->sizes.front().name), first);
        QCOMPARE(QString::fromStdString(material->sizes.back().name), last);
        double previousMm = 0.0;
        for (const TPipeSize& size : material->sizes) {
            const QString written = QString::number(size.outsideMm) + u'×' + QString::number(size.wallMm, 'f', 1);
            QCOMPARE(QString::fromStdString(size.name), written);
            QVERIFY2(size.insideMm() > previousMm, size.name.c_str());
            previousMm = size.insideMm();
        }
    }

    void unknownMaterial()
    {
        QCOMPARE(int(materials().size()), 4);
        QVERIFY(findMaterial("copper") == nullptr);
        QVERIFY(findMaterial("") == nullptr);
        QVERIFY(findMaterial("PPR-PN20") == nullptr);
    }
};

QTEST_GUILESS_MAIN(TestHydraulics)
#include "tst_hydraulics.moc"
