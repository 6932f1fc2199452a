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

// Built by appending: MinGW's GCC 12 at -O3 warns (-Wrestrict) about a literal put in front of a
// temporary string, a known false positive that stops the Windows build under warnings as errors.
std::string nodeName(std::size_t n)
{
    std::string name("N");
    name += std::to_string(n);
    return name;
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
            links.emplace_back(nodeName(parent), nodeName(n));
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

    // A random building drawn by elevation: every node feeds at most one riser that stands
    // above it and one pipe on each side (one only, further out, when it stands beside its parent
    // on one storey); pipes climb a few storeys or run along one. No two
    // pipes cross or run over each other unless they leave the same node, no riser passes
    // through a node's band, and two nodes on one storey keep their bands apart.
    void storeysNeverCross()
    {
        std::mt19937 random(26);
        const std::size_t count = 300;
        std::vector<std::pair<std::string, std::string>> links;
        std::vector<double> elevations;
        std::vector<double> nodeElevation{0.0};
        std::vector<double> widths{1.0};
        std::vector<int> risers{0};
        std::vector<int> beside{0};
        std::vector<bool> level{false};
        while (links.size() < count) {
            const std::size_t parent = std::uniform_int_distribution<std::size_t>(0, widths.size() - 1)(random);
            const int storeys = std::uniform_int_distribution<int>(0, 3)(random);
            int& room = storeys == 0 ? beside[parent] : risers[parent];
            if (room >= (storeys != 0 ? 1 : level[parent] ? 1 : 2))
                continue;
            ++room;
            const std::size_t n = widths.size();
            links.emplace_back(nodeName(parent), nodeName(n));
            nodeElevation.push_back(nodeElevation[parent] + 10.0 * storeys);
            elevations.push_back(nodeElevation.back());
            widths.push_back(std::uniform_real_distribution<double>(0.5, 3.0)(random));
            risers.push_back(0);
            beside.push_back(0);
            level.push_back(storeys == 0);
        }
        TRiserLayout layout;
        QVERIFY(layoutRiser(tree(links, elevations), widths, layout));
        QVERIFY(layout.byElevation);
        const auto& nodes = layout.nodes;
        // Each pipe as its stretch along the parent's storey and its riser up or down to its node.
        struct TRun {
            double x0, x1, y0, y1;
        };
        const auto runsOf = [&](std::size_t n) {
            const TRiserNode& p = nodes[nodes[n].parent];
            return std::pair<TRun, TRun>{
                {std::min(p.centre, nodes[n].centre), std::max(p.centre, nodes[n].centre), p.height, p.height},
                {nodes[n].centre, nodes[n].centre, std::min(p.height, nodes[n].height),
                 std::max(p.height, nodes[n].height)}};
        };
        constexpr double e = 1e-9;
        const auto meet = [&](const TRun& a, const TRun& b) {
            return a.x0 <= b.x1 + e && b.x0 <= a.x1 + e && a.y0 <= b.y1 + e && b.y0 <= a.y1 + e
                && !(a.x0 == a.x1 && a.y0 == a.y1) && !(b.x0 == b.x1 && b.y0 == b.y1);
        };
        for (std::size_t a = 1; a < nodes.size(); ++a)
            for (std::size_t b = a + 1; b < nodes.size(); ++b) {
                const bool related = nodes[a].parent == nodes[b].parent || nodes[a].parent == b || nodes[b].parent == a;
                if (related)
                    continue;
                const auto [ah, av] = runsOf(a);
                const auto [bh, bv] = runsOf(b);
                QVERIFY2(!meet(ah, bh) && !meet(ah, bv) && !meet(av, bh) && !meet(av, bv),
                         qPrintable(QStringLiteral("pipes to %1 and %2").arg(a).arg(b)));
            }
        for (std::size_t a = 0; a < nodes.size(); ++a)
            for (std::size_t b = a + 1; b < nodes.size(); ++b)
                if (nodes[a].height == nodes[b].height)
                    QVERIFY2(std::abs(nodes[a].centre - nodes[b].centre) >= (widths[a] + widths[b]) / 2.0 - e,
                             qPrintable(QStringLiteral("nodes %1 and %2").arg(a).arg(b)));
        for (std::size_t n = 0; n < nodes.size(); ++n)
            for (std::size_t k = 1; k < nodes.size(); ++k) {
                const TRun riser = runsOf(k).second;
                const bool passes = riser.y0 < nodes[n].height - e && nodes[n].height < riser.y1 - e;
                QVERIFY2(!passes || std::abs(riser.x0 - nodes[n].centre) >= widths[n] / 2.0 - e,
                         qPrintable(QStringLiteral("riser to %1 through node %2").arg(k).arg(n)));
            }
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
