// The riser diagram's shapes: the example tree drawn with every node named and its critical path
// marked, a crowded tree whose labels all stand clear of one another, and the SVG written from
// the same shapes.
#include "RiserDrawing.h"

#include <QFont>
#include <QImage>
#include <QPainter>
#include <QTest>
#include <QXmlStreamReader>

#include <set>

namespace {

Project::TProject exampleTree()
{
    Project::TProject project;
    QString message;
    const bool read = Project::readProject(QStringLiteral(KELDARAN_EXAMPLES "/residential-four-storey-tree.keldaran"),
                                           project, message);
    if (!read)
        qFatal("%s", qPrintable(message));
    return project;
}

// A building far busier than any floor plan: risers of many floors, each floor fanning out to
// several outlets with long names, all at the same few elevations.
Project::TProject crowdedTree()
{
    Project::TProject project = exampleTree();
    Sizing::TSegment base = project.schedule.segments.front();
    project.schedule.segments.clear();
    const auto add = [&](const std::string& from, const std::string& to, double elevationFt, double load) {
        Sizing::TSegment g = base;
        g.from = from;
        g.to = to;
        g.name = from + "-" + to;
        g.elevationFt = elevationFt;
        g.fixtureUnits = load;
        g.flowGpm = 0.0;
        project.schedule.segments.push_back(g);
    };
    add("S", "R0", 0.0, 0.0);
    for (int riser = 0; riser < 3; ++riser) {
        std::string below = "R0";
        for (int floor = 1; floor <= 6; ++floor) {
            // Appended, not a literal put in front of a temporary: MinGW's GCC 12 warns (-Wrestrict)
            // about that, a known false positive that stops the Windows build.
            std::string here("R");
            here += std::to_string(riser);
            here += 'F';
            here += std::to_string(floor);
            add(riser == 0 || floor > 1 ? below : "R0", here, floor * 10.0, 0.0);
            for (int outlet = 0; outlet < 3; ++outlet)
                add(here, here + "-outlet-" + std::to_string(outlet), floor * 10.0 + 0.5 * outlet, 2.0 + outlet);
            below = here;
        }
    }
    return project;
}

} // namespace

Q_DECLARE_METATYPE(Project::TProject)

class TestRiserDrawing : public QObject {
    Q_OBJECT

private slots:
    void drawsTheTree_data()
    {
        QTest::addColumn<Project::TProject>("project");
        QTest::newRow("example") << exampleTree();
        QTest::newRow("crowded") << crowdedTree();
    }

    void drawsTheTree()
    {
        QFETCH(Project::TProject, project);
        Sizing::TScheduleResult result;
        QVERIFY(Sizing::evaluateSchedule(project.schedule, result));
        Riser::TDrawing drawing;
        QVERIFY(Riser::drawRiser(project, result, true, QFont(QStringLiteral("Noto Sans"), 9), drawing));

        QCOMPARE(drawing.segments.size(), project.schedule.segments.size());
        QCOMPARE(drawing.nodes.size(), project.schedule.segments.size() + 1);
        std::set<QString> named;
        for (const Riser::TLabel& label : drawing.labels)
            if (label.kind == Riser::TLabelKind::NodeName)
                named.insert(label.text);
        QCOMPARE(named.size(), drawing.nodes.size());
        for (const Riser::TSegmentShape& shape : drawing.segments)
            QCOMPARE(shape.critical, result.segments[shape.segment].onCriticalPath);
        QVERIFY(!drawing.criticalChain.isEmpty());

        for (std::size_t i = 0; i < drawing.labels.size(); ++i) {
            QVERIFY(drawing.boundsPx.contains(drawing.labels[i].rectPx));
            for (std::size_t j = i + 1; j < drawing.labels.size(); ++j)
                QVERIFY2(!drawing.labels[i].rectPx.intersects(drawing.labels[j].rectPx),
                         qPrintable(drawing.labels[i].text + QStringLiteral(" / ") + drawing.labels[j].text));
        }
        // Source at the bottom: every node stands above it or level with it in this building.
        for (const Riser::TNodeShape& node : drawing.nodes)
            QVERIFY(node.atPx.y() <= drawing.nodes.front().atPx.y());

        // Painting every shape must not fail whatever was placed where.
        QImage image(drawing.boundsPx.size().toSize(), QImage::Format_ARGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        Riser::paintRiser(painter, drawing);
        QVERIFY(painter.end());
    }

    void svgHoldsEveryName()
    {
        const Project::TProject project = exampleTree();
        Sizing::TScheduleResult result;
        QVERIFY(Sizing::evaluateSchedule(project.schedule, result));
        Riser::TDrawing drawing;
        QVERIFY(Riser::drawRiser(project, result, true, QFont(), drawing));
        QXmlStreamReader svg(Riser::riserSvg(drawing));
        QStringList texts;
        int polylines = 0;
        while (!svg.atEnd())
            if (svg.readNext() == QXmlStreamReader::StartElement) {
                if (svg.name() == u"text")
                    texts << svg.readElementText(QXmlStreamReader::IncludeChildElements).simplified();
                else if (svg.name() == u"polyline")
                    ++polylines;
            }
        QVERIFY2(!svg.hasError(), qPrintable(svg.errorString()));
        QCOMPARE(polylines, static_cast<int>(project.schedule.segments.size()));
        for (const Sizing::TSegment& segment : project.schedule.segments)
            QVERIFY(texts.contains(QString::fromStdString(segment.to)));
    }

    // A booster tree's source is a pump, and a valve's mark stands only where the core put a
    // valve, each with its setting beside it; a tree on the main has no pump.
    void pumpAndValves_data()
    {
        QTest::addColumn<int>("source");
        QTest::newRow("the main") << int(Sizing::TSource::Main);
        QTest::newRow("a booster set") << int(Sizing::TSource::Booster);
    }

    void pumpAndValves()
    {
        QFETCH(int, source);
        Project::TProject project = exampleTree();
        project.schedule.source = static_cast<Sizing::TSource>(source);
        // A wide differential puts the yard tap, at the source's level, over 4 bar.
        project.schedule.booster.differentialPsi = 40.0;
        Sizing::TScheduleResult result;
        QVERIFY(Sizing::evaluateSchedule(project.schedule, result));
        Riser::TDrawing drawing;
        QVERIFY(Riser::drawRiser(project, result, true, QFont(), drawing));
        QCOMPARE(drawing.nodes.front().pump, project.schedule.source == Sizing::TSource::Booster);
        std::set<std::size_t> valves;
        for (std::size_t k = 0; k < result.segments.size(); ++k)
            if (result.segments[k].reducer)
                valves.insert(k);
        std::set<std::size_t> marked;
        for (const Riser::TReducerShape& mark : drawing.reducers)
            marked.insert(mark.segment);
        QCOMPARE(marked, valves);
        std::set<std::size_t> settings;
        for (const Riser::TLabel& label : drawing.labels)
            if (label.kind == Riser::TLabelKind::Valve)
                settings.insert(label.segment);
        QCOMPARE(settings, valves);
        if (project.schedule.source == Sizing::TSource::Booster)
            QVERIFY(!valves.empty());
    }

    void listHasNoDiagram()
    {
        Project::TProject project = exampleTree();
        project.schedule.layout = Sizing::TLayout::List;
        Riser::TDrawing drawing;
        QVERIFY(!Riser::drawRiser(project, {}, false, QFont(), drawing));
        QVERIFY(drawing.labels.empty());
    }
};

QTEST_MAIN(TestRiserDrawing)
#include "tst_riserdrawing.moc"
