// Where a riser tree's nodes stand when drawn: right to left, parents centred over their
// children, every subtree in a band of its own, and the heights by elevation or by depth.
#include "RiserLayout.h"

#include <QTest>

#include <algorithm>
#include <random>
#include <string>

using namespace Sizing;

namespace {

TSchedule tree(const std::vector<std::pair<std::string, std::string>>& links,
               const std::vector<double>& elevationsFt = {})
{
    TSchedule s;
    s.layout = TLayout::Tree;
    for (std::size_t k = 0; k < links.size(); ++k) {
        TSegment g;
        g.from = links[k].first;
        g.to = links[k].second;
        g.elevationFt = k < elevationsFt.size() ? elevationsFt[k] : 0.0;
        s.segments.push_back(g);
    }
    return s;
}

} // namespace

Q_DECLARE_METATYPE(Sizing::TSchedule)

class TestRiserLayout : public QObject {
    Q_OBJECT

private slots:
    void smallTree()
    {
        // A feeds B; B feeds C first and D second, so C stands right of D.
        const TSchedule s = tree({{"A", "B"}, {"B", "C"}, {"B", "D"}});
        TRiserLayout layout;
        QVERIFY(layoutRiser(s, std::vector<double>(4, 1.0), layout));
        const auto& n = layout.nodes;
        QCOMPARE(layout.width, 2.0);
        QVERIFY(n[riserNodeOf(1)].centre > n[riserNodeOf(2)].centre);
        QCOMPARE(n[riserNodeOf(0)].centre, (n[riserNodeOf(1)].centre + n[riserNodeOf(2)].centre) / 2.0);
        QCOMPARE(n[0].centre, n[riserNodeOf(0)].centre);
        QVERIFY(!layout.byElevation);
        QCOMPARE(n[riserNodeOf(2)].height, 2.0);
        QCOMPARE(n[riserNodeOf(2)].parent, riserNodeOf(0));
    }

    void heightsByElevation()
    {
        // A to B runs level along the ground; B feeds a level branch C first, then the riser to D,
        // which feeds the level branch E.
        TRiserLayout layout;
        QVERIFY(layoutRiser(tree({{"A", "B"}, {"B", "C"}, {"B", "D"}, {"D", "E"}}, {0.0, 0.0, 9.5, 9.5}),
                            std::vector<double>(5, 1.0), layout));
        QVERIFY(layout.byElevation);
        const auto& n = layout.nodes;
        QCOMPARE(n[riserNodeOf(2)].height, 9.5);
        QCOMPARE(n[riserNodeOf(0)].height, 0.0);
        // The riser B-D stands vertical, though B has a branch beside it.
        QCOMPARE(n[riserNodeOf(0)].centre, n[riserNodeOf(2)].centre);
        // A level pipe never shrinks to a point: A stands beside B, D beside E.
        QVERIFY(n[0].centre > n[riserNodeOf(0)].centre);
        QVERIFY(n[riserNodeOf(2)].centre > n[riserNodeOf(3)].centre);
    }

    // A random tree of uneven widths: siblings' subtrees never share a stretch of the page, the
    // first sibling stands rightmost, each parent is centred over its first and last child, and each band is at least
    // as wide as its node asked.
    void subtreesKeepTheirBands()
    {
        std::mt19937 random(25);
        const std::size_t count = 400;
        std::vector<std::pair<std::string, std::string>> links;
        std::vector<double> widths{1.0};
        for (std::size_t n = 1; n <= count; ++n) {
            const std::size_t parent = std::uniform_int_distribution<std::size_t>(0, n - 1)(random);
            links.emplace_back("N" + std::to_string(parent), "N" + std::to_string(n));
            widths.push_back(std::uniform_real_distribution<double>(0.5, 4.0)(random));
        }
        TRiserLayout layout;
        QVERIFY(layoutRiser(tree(links), widths, layout));
        const auto& nodes = layout.nodes;
        // Each subtree's extent: its nodes' centres, each widened by half its own width.
        std::vector<double> lo(nodes.size()), hi(nodes.size());
        for (std::size_t n = 0; n < nodes.size(); ++n) {
            lo[n] = nodes[n].centre - widths[n] / 2.0;
            hi[n] = nodes[n].centre + widths[n] / 2.0;
        }
        for (std::size_t n = nodes.size(); n-- > 1;) {
            lo[nodes[n].parent] = std::min(lo[nodes[n].parent], lo[n]);
            hi[nodes[n].parent] = std::max(hi[nodes[n].parent], hi[n]);
        }
        std::vector<std::size_t> firstChild(nodes.size(), 0);
        std::vector<std::size_t> previousChild(nodes.size(), 0);
        for (std::size_t n = 1; n < nodes.size(); ++n) {
            const std::size_t parent = nodes[n].parent;
            if (const std::size_t before = previousChild[parent]; before != 0)
                QVERIFY2(hi[n] <= lo[before] + 1e-9, qPrintable(QStringLiteral("node %1 and %2").arg(n).arg(before)));
            previousChild[parent] = n;
            if (firstChild[parent] == 0)
                firstChild[parent] = n;
            QCOMPARE(nodes[n].depth, nodes[parent].depth + 1);
        }
        for (std::size_t n = 0; n < nodes.size(); ++n)
            if (firstChild[n] != 0)
                QCOMPARE(nodes[n].centre, (nodes[firstChild[n]].centre + nodes[previousChild[n]].centre) / 2.0);
        QVERIFY(lo[0] >= -1e-9 && hi[0] <= layout.width + 1e-9);
    }

    void refusals_data()
    {
        QTest::addColumn<TSchedule>("schedule");
        QTest::addColumn<int>("widths");
        QTest::newRow("fed twice") << tree({{"A", "B"}, {"A", "C"}, {"C", "B"}}) << 4;
        QTest::newRow("two sources") << tree({{"A", "B"}, {"X", "C"}}) << 3;
        QTest::newRow("a loop beside the tree") << tree({{"A", "B"}, {"C", "D"}, {"D", "C"}}) << 4;
        QTest::newRow("an unnamed end") << tree({{"A", ""}}) << 2;
        QTest::newRow("too few widths") << tree({{"A", "B"}}) << 1;
        QTest::newRow("empty") << tree({}) << 1;
    }

    void refusals()
    {
        QFETCH(TSchedule, schedule);
        QFETCH(int, widths);
        TRiserLayout layout;
        layout.width = 7.0;
        QVERIFY(!layoutRiser(schedule, std::vector<double>(static_cast<std::size_t>(widths), 1.0), layout));
        QVERIFY(layout.nodes.empty());
        QCOMPARE(layout.width, 0.0);
    }
};

QTEST_APPLESS_MAIN(TestRiserLayout)
#include "tst_riserlayout.moc"
