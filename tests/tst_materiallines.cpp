// A computed material's friction chart as data: a line per size of its table, each through the
// loss the hydraulics library gives at a flow, and the velocity lines of the chart's units.
#include "MaterialLines.h"

#include <QTest>

#include <algorithm>
#include <cmath>
#include <numbers>

Q_DECLARE_METATYPE(TChartUnits)

namespace {

// The loss a line reads at a flow, by straight pieces on the log-log plane between its points;
// 0 when the flow is off the line.
double lossOnLine(const TPlotLine& line, double flow)
{
    std::vector<QPointF> points{line.from};
    points.insert(points.end(), line.through.begin(), line.through.end());
    points.push_back(line.to);
    for (std::size_t i = 0; i + 1 < points.size(); ++i) {
        const QPointF& a = points[i];
        const QPointF& b = points[i + 1];
        if (flow < a.y() || flow > b.y() || a.y() == b.y())
            continue;
        const double t = std::log(flow / a.y()) / std::log(b.y() / a.y());
        return a.x() * std::pow(b.x() / a.x(), t);
    }
    return 0.0;
}

} // namespace

class TestMaterialLines : public QObject {
    Q_OBJECT

private slots:
    // At a flow in each size's turbulent range, a velocity of 1.2 m/s, the line reads the
    // library's own loss within 0.5 %: the straight pieces between its points cut the bend
    // by far less than that.
    void aLinePerSize_data()
    {
        QTest::addColumn<QString>("id");
        QTest::addColumn<double>("temperatureC");
        QTest::addColumn<TChartUnits>("units");
        QTest::addColumn<int>("velocityLines");
        QTest::newRow("PP-R PN20 at 10 °C in SI") << "ppr-pn20" << 10.0 << TChartUnits::SI << 5;
        QTest::newRow("PP-R PN16 at 60 °C in US") << "ppr-pn16" << 60.0 << TChartUnits::US << 6;
        QTest::newRow("PEX-AL-PEX at 10 °C in US") << "pex-al-pex" << 10.0 << TChartUnits::US << 6;
        QTest::newRow("PE100 PN16 at 20 °C in SI") << "pe100-pn16" << 20.0 << TChartUnits::SI << 5;
    }

    void aLinePerSize()
    {
        QFETCH(QString, id);
        QFETCH(double, temperatureC);
        QFETCH(TChartUnits, units);
        QFETCH(int, velocityLines);
        const Hydraulics::TMaterial* material = Hydraulics::findMaterial(id.toStdString());
        QVERIFY(material != nullptr);
        TMaterialChart chart;
        QVERIFY(materialChart(*material, temperatureC, units, chart));
        // Then the laminar parts, unnamed, at most one per size.
        const std::size_t named = material->sizes.size() + std::size_t(velocityLines);
        QVERIFY(chart.lines.size() >= named && chart.lines.size() <= named + material->sizes.size());
        QVERIFY(std::all_of(chart.lines.begin() + std::ptrdiff_t(named), chart.lines.end(),
                            [](const TPlotLine& line) { return line.name.isEmpty(); }));
        constexpr double kVelocityMPerS = 1.2;
        for (std::size_t i = 0; i < material->sizes.size(); ++i) {
            const Hydraulics::TPipeSize& size = material->sizes[i];
            const TPlotLine& line = chart.lines[i];
            QCOMPARE(line.name, QString::fromStdString(size.name));
            QCOMPARE(line.kind, TPlotLineKind::Size);
            const double boreM = size.insideMm() / 1000.0;
            const double flowLitresPerSecond = kVelocityMPerS * std::numbers::pi * boreM * boreM / 4.0 * 1000.0;
            Hydraulics::TFlowLoss loss;
            QVERIFY(
                Hydraulics::flowLoss(size.insideMm(), material->roughnessMm, flowLitresPerSecond, temperatureC, loss));
            const double expected = units == TChartUnits::SI ? loss.lossKPaPerM : loss.lossKPaPerM / 0.226206;
            const double flow = units == TChartUnits::SI ? flowLitresPerSecond : flowLitresPerSecond / 0.0630902;
            const double read = lossOnLine(line, flow);
            QVERIFY2(std::abs(read - expected) <= 0.005 * expected,
                     qPrintable(QStringLiteral("%1: %2 against %3").arg(line.name).arg(read).arg(expected)));
        }
        QVERIFY(std::all_of(chart.lines.begin() + std::ptrdiff_t(material->sizes.size()),
                            chart.lines.begin() + std::ptrdiff_t(named),
                            [](const TPlotLine& line) { return line.kind == TPlotLineKind::Velocity; }));
    }

    void temperatureRefused()
    {
        TMaterialChart chart;
        chart.title = QStringLiteral("untouched");
        QVERIFY(!materialChart(Hydraulics::materials().front(), 120.0, TChartUnits::SI, chart));
        QCOMPARE(chart.title, QStringLiteral("untouched"));
    }
};

QTEST_GUILESS_MAIN(TestMaterialLines)
#include "tst_materiallines.moc"
