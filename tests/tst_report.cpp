// The schedule's report: the CSV's pinned shape whatever the locale, the notes and the reasons a
// schedule cannot be reported, and a long PDF's pages.
#include "MaterialMethod.h"
#include "Report.h"
#include "ReportTable.h"
#include "RiserPath.h"
#include "SegmentFigures.h"

#include <QBuffer>
#include <QHash>
#include <QLocale>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QTest>

using namespace Sizing;

namespace {

TSegment segment(const char* name, TRun run, double fixtureUnits, double flowGpm, double lengthFt, bool onPath)
{
    TSegment s;
    s.name = name;
    s.run = run;
    s.fixtureUnits = fixtureUnits;
    s.flowGpm = flowGpm;
    s.lengthFt = lengthFt;
    s.fittingsPercent = 50.0;
    s.onCriticalPath = onPath;
    return s;
}

// Three storeys on class 2: the riser, the top floor's branch (raised from 1 1/4" for its 4 ft/s),
// a branch off the path with a typed flow, and one no pipe can carry.
Project::TProject threeStoreys()
{
    Project::TProject p;
    TSchedule& s = p.schedule;
    s.roughnessClass = 2;
    s.sourcePsi = 50.0;
    s.meterAndDevicesPsi = 5.0;
    s.heightFt = 25.0;
    s.fixturePsi = 8.0;
    s.segments = {segment("riser, \"A-B\"", TRun::Main, 60.0, 0.0, 30.0, true),
                  segment("C-D", TRun::Branch, 20.0, 0.0, 12.0, true),
                  segment("=HYPERLINK(\"x\")", TRun::Branch, 0.0, 5.0, 8.0, false),
                  segment("fire", TRun::Branch, 0.0, 20000.0, 8.0, false)};
    return p;
}

// A small tree on class 2: A -> B feeds a flat of 10 fixture units at C, 30 ft up, counted as two
// WCs with flush tanks, two lavatories, a shower, a kitchen sink and a washing machine (2×2.2 +
// 2×0.7 + 3×1.4), and a hose bibb's 5 gpm at D, at the source's level; 70 psi static puts A-B and
// B-D over 4 bar.
Project::TProject smallTree()
{
    Project::TProject p = threeStoreys();
    TSchedule& s = p.schedule;
    s.layout = TLayout::Tree;
    s.staticSourcePsi = 70.0;
    s.segments
        = {segment("A-B", TRun::Main, 0.0, 0.0, 20.0, false), segment("B-C", TRun::Branch, 10.0, 0.0, 15.0, false),
           segment("B-D", TRun::Branch, 0.0, 5.0, 40.0, false)};
    const char* const nodes[][2] = {{"A", "B"}, {"B", "C"}, {"B", "D"}};
    for (std::size_t i = 0; i < s.segments.size(); ++i) {
        s.segments[i].from = nodes[i][0];
        s.segments[i].to = nodes[i][1];
    }
    s.segments[1].elevationFt = 30.0;
    std::vector<int>& counts = s.segments[1].fixtureCounts;
    counts.assign(Design::fixtureLoadTable().size(), 0);
    counts[3] = counts[8] = 2;                // WCs, lavatories
    counts[12] = counts[15] = counts[21] = 1; // shower, kitchen sink, washing machine
    s.segments[1].fixtureUnits = 0.0;
    return p;
}

// RFC 4180 records, quotes undone.
QList<QStringList> records(const QString& csv)
{
    QList<QStringList> rows;
    QStringList row;
    QString field;
    bool quoted = false;
    for (qsizetype i = 0; i < csv.size(); ++i) {
        const QChar c = csv[i];
        if (quoted && c == u'"' && i + 1 < csv.size() && csv[i + 1] == u'"')
            field += csv[++i];
        else if (c == u'"')
            quoted = !quoted;
        else if (!quoted && c == u',')
            row << std::exchange(field, QString());
        else if (!quoted && c == u'\r' && i + 1 < csv.size() && csv[i + 1] == u'\n') {
            row << std::exchange(field, QString());
            rows << std::exchange(row, QStringList());
            ++i;
        } else
            field += c;
    }
    return rows;
}

} // namespace

class TestReport : public QObject {
    Q_OBJECT

private slots:
    // Under a locale that writes decimal commas the sheet still has "." and no groups, in its
    // notes too, and the export leaves the application's locale as it found it.
    void csvShape()
    {
        const QLocale before;
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        const auto restore = qScopeGuard([&before] { QLocale::setDefault(before); });
        const Project::TProject project = threeStoreys();
        TScheduleResult result;
        QVERIFY(evaluateSchedule(project.schedule, result));
        const QByteArray csv = Report::csvReport(project, result);
        QCOMPARE(QLocale(), QLocale(QLocale::German, QLocale::Germany));
        QVERIFY(csv.startsWith("\xEF\xBB\xBF"));
        QVERIFY(csv.endsWith("\r\n"));
        const QList<QStringList> rows = records(QString::fromUtf8(csv.mid(3)));
        QCOMPARE(rows.size(), qsizetype(1 + project.schedule.segments.size()));
        for (const QStringList& row : rows)
            QCOMPARE(row.size(), 17);
        const QRegularExpression twoDecimals(QStringLiteral("^\\d+\\.\\d\\d$"));
        const QRegularExpression threeDecimals(QStringLiteral("^\\d+\\.\\d\\d\\d$"));
        for (const int column : {3, 4, 5, 6, 8, 10, 11})
            QVERIFY2(twoDecimals.match(rows[1][column]).hasMatch(), qPrintable(rows[1][column]));
        for (const int column : {12, 13, 14, 15})
            QVERIFY2(threeDecimals.match(rows[1][column]).hasMatch(), qPrintable(rows[1][column]));
        QCOMPARE(rows[1][0], QStringLiteral("riser, \"A-B\""));
        QCOMPARE(rows[1][2], QStringLiteral("60"));
        QCOMPARE(rows[1][9], QStringLiteral("1 1/4\""));
        QVERIFY(threeDecimals.match(rows[2][15]).hasMatch());
        QVERIFY2(rows[2][16].contains(QRegularExpression(QStringLiteral("\\d\\.\\d\\d ft/s")))
                     && !rows[2][16].contains(QRegularExpression(QStringLiteral("\\d,\\d"))),
                 qPrintable(rows[2][16]));
        // A name a sheet would run as a formula stays text; a typed flow leaves the load empty,
        // and off the path the cumulative loss is empty.
        QCOMPARE(rows[3][0], QStringLiteral("'=HYPERLINK(\"x\")"));
        QVERIFY(rows[3][2].isEmpty());
        QCOMPARE(rows[3][3], QStringLiteral("5.00"));
        QVERIFY(rows[3][15].isEmpty());
        QVERIFY(rows[4][9].isEmpty() && rows[4][10].isEmpty() && !rows[4][16].isEmpty());
    }

    // In a computed material the pipe is the size as its table writes it, in the CSV (always in
    // the US column set) and in SI figures alike, where a galvanized pipe gains its DN; the PDF
    // of such a schedule is laid out with the material's chart.
    void materialPipeNames()
    {
        Project::TProject project = threeStoreys();
        project.units = Project::TUnits::SI;
        project.schedule.material = "ppr-pn20";
        project.schedule.segments.pop_back();
        TScheduleResult result;
        QVERIFY(evaluateSchedule(project.schedule, result));
        const QList<QStringList> rows = records(QString::fromUtf8(Report::csvReport(project, result).mid(3)));
        QCOMPARE(rows.size(), qsizetype(1 + project.schedule.segments.size()));
        const QRegularExpression sizeName(QStringLiteral("^\\d+×\\d+\\.\\d$"));
        for (std::size_t i = 0; i < result.segments.size(); ++i) {
            QVERIFY(result.segments[i].sized);
            const QString pipe = QString::fromStdString(result.segments[i].size.pipe);
            QVERIFY2(sizeName.match(pipe).hasMatch(), qPrintable(pipe));
            QCOMPARE(rows[qsizetype(i) + 1][9], pipe);
            const SegmentFigures::TFigure si = SegmentFigures::figure(
                project.schedule.segments[i], result.segments[i], SegmentFigures::TColumn::Pipe, Project::TUnits::SI);
            QCOMPARE(SegmentFigures::written(si, u'.'), pipe);
        }
        QBuffer buffer;
        QVERIFY(buffer.open(QIODevice::WriteOnly));
        QPdfWriter pdf(&buffer);
        QVERIFY(Report::paintReport(pdf, project, result, QDate(2026, 12, 10)));
    }

    // The method's paragraph names the equations and gives the roughness, the temperature and
    // the water's ρ and ν from the table: ν = μ/ρ, 1.3060e-3/999.70 = 1.30639e-6 at 10 °C
    // and 0.4660e-3/983.20 = 4.73962e-7 at 60 °C.
    void materialMethod_data()
    {
        QTest::addColumn<double>("temperatureC");
        QTest::addColumn<QStringList>("says");
        const QStringList method{QStringLiteral("Darcy-Weisbach"), QStringLiteral("Colebrook-White"),
                                 QStringLiteral("ε = 0.007 mm")};
        QTest::newRow("cold") << 10.0
                              << method
                + QStringList{QStringLiteral("10.0 °C"), QStringLiteral("ρ = 999.70 kg/m³"),
                              QStringLiteral("ν = 1.306 × 10⁻⁶ m²/s")};
        QTest::newRow("hot") << 60.0
                             << method
                + QStringList{QStringLiteral("60.0 °C"), QStringLiteral("ρ = 983.20 kg/m³"),
                              QStringLiteral("ν = 4.740 × 10⁻⁷ m²/s")};
    }

    void materialMethod()
    {
        QFETCH(double, temperatureC);
        QFETCH(QStringList, says);
        const QLocale before;
        QLocale::setDefault(QLocale::c());
        const auto restore = qScopeGuard([&before] { QLocale::setDefault(before); });
        QString paragraph;
        QVERIFY(Report::materialMethodText(*Hydraulics::findMaterial("ppr-pn20"), temperatureC, paragraph));
        paragraph.replace(QChar(0x00A0), u' ');
        for (const QString& words : says)
            QVERIFY2(paragraph.contains(words), qPrintable(words + QStringLiteral(" in ") + paragraph));
        QCOMPARE(Report::scientific(9.99961e-7, 3), QStringLiteral("1.000 × 10⁻⁶"));
        QVERIFY(!Report::materialMethodText(*Hydraulics::findMaterial("ppr-pn20"), -1.0, paragraph));
    }

    // A tree's nine columns after the pinned seventeen, in US units with "." and their decimals.
    void treeCsv_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("column"); // counted from 1, as the sheet's columns are
        QTest::addColumn<QString>("text");
        QTest::newRow("from") << 2 << 18 << "B";
        QTest::newRow("to") << 2 << 19 << "C";
        QTest::newRow("served: all below") << 1 << 20 << "10.0";
        QTest::newRow("served: a typed flow is no load") << 3 << 20 << "0.0";
        QTest::newRow("elevation") << 2 << 21 << "30.00";
        QTest::newRow("static: 70 - 0.433 x 30") << 2 << 22 << "57.01";
        QTest::newRow("static at the source's level") << 1 << 22 << "70.00";
        QTest::newRow("no outlet at B") << 1 << 23 << "";
        QTest::newRow("a reducer over 4 bar") << 3 << 24 << "1";
        QTest::newRow("none under it") << 2 << 24 << "";
        // B-D's outlet alone is over 4 bar and A-B feeds C too: the valve stands on B-D, set to
        // 4 bar + 0.433 x (0 - 0).
        QTest::newRow("the valve's setting") << 3 << 25 << "58.02";
        QTest::newRow("no valve on the riser") << 1 << 25 << "";
        QTest::newRow("none where C stays under 4 bar") << 2 << 25 << "";
        QTest::newRow("the load its fixtures give") << 2 << 3 << "10";
        QTest::newRow("the fixtures counted")
            << 2 << 26
            << QString::fromUtf8(
                   "wc-private-tank×2 lavatory-private×2 shower-private×1 kitchen-sink-private×1 washer-private×1");
        QTest::newRow("none counted") << 1 << 26 << "";
    }
    void treeCsv()
    {
        QFETCH(int, row);
        QFETCH(int, column);
        QFETCH(QString, text);
        const Project::TProject project = smallTree();
        TScheduleResult result;
        QVERIFY(evaluateSchedule(project.schedule, result));
        const QList<QStringList> rows = records(QString::fromUtf8(Report::csvReport(project, result).mid(3)));
        QCOMPARE(rows.size(), 4);
        for (const QStringList& record : rows)
            QCOMPARE(record.size(), 26);
        QCOMPARE(rows[row][column - 1], text);
    }

    // A booster tree's sheet ends, after one empty row, with the booster's figures as name,value
    // rows that read back as the very doubles of the result.
    void boosterCsvRows()
    {
        Project::TProject project = smallTree();
        project.schedule.source = TSource::Booster;
        project.schedule.booster.occupants = 80.0;
        TScheduleResult result;
        QVERIFY(evaluateSchedule(project.schedule, result));
        const QList<QStringList> rows = records(QString::fromUtf8(Report::csvReport(project, result).mid(3)));
        const qsizetype first = 1 + static_cast<qsizetype>(project.schedule.segments.size());
        QVERIFY(rows.size() > first + 1);
        QCOMPARE(rows[first], QStringList{QString()});
        QHash<QString, QString> figures;
        for (qsizetype i = first + 1; i < rows.size(); ++i) {
            QCOMPARE(rows[i].size(), 2);
            figures.insert(rows[i][0], rows[i][1]);
        }
        QCOMPARE(figures.value(QStringLiteral("flowGpm")).toDouble(), result.booster.flowGpm);
        QCOMPARE(figures.value(QStringLiteral("dischargePsi")).toDouble(), result.booster.dischargePsi);
        QCOMPARE(figures.value(QStringLiteral("tankGal")).toDouble(), result.booster.tankGal);
        QCOMPARE(figures.value(QStringLiteral("storageLitres")), QStringLiteral("6000"));
        QVERIFY(result.booster.dischargePsi > 0.0);
        project.schedule.source = TSource::Main;
        QVERIFY(evaluateSchedule(project.schedule, result));
        QCOMPARE(records(QString::fromUtf8(Report::csvReport(project, result).mid(3))).size(), first);
    }

    // Column 16 sums each segment's own path, so an outlet's pressure in flow is the budget less
    // its height and that sum; a list's sheet keeps its seventeen columns.
    void treeCsvAddsUp()
    {
        const Project::TProject project = smallTree();
        TScheduleResult result;
        QVERIFY(evaluateSchedule(project.schedule, result));
        const QList<QStringList> rows = records(QString::fromUtf8(Report::csvReport(project, result).mid(3)));
        for (const int outlet : {2, 3}) {
            const double expected = 50.0 - 5.0 - 0.433 * rows[outlet][20].toDouble() - rows[outlet][15].toDouble();
            QVERIFY2(qAbs(rows[outlet][22].toDouble() - expected) <= 0.006, qPrintable(rows[outlet].join(u'|')));
        }
        const Project::TProject list = threeStoreys();
        QVERIFY(evaluateSchedule(list.schedule, result));
        QCOMPARE(records(QString::fromUtf8(Report::csvReport(list, result).mid(3))).front().size(), 17);
    }

    // The PDF's outlets: a margin below zero is marked in colour and in words; the critical path
    // is the chain of nodes from the source, kept left to right.
    void outletsAndChain()
    {
        Project::TProject project = smallTree();
        TScheduleResult result;
        QVERIFY(evaluateSchedule(project.schedule, result));
        QCOMPARE(RiserPath::criticalPathNodes(project.schedule, result), QStringList({"A", "B", "D"}));
        QCOMPARE(RiserPath::nodeChain({"A", "B", "C"}), QStringLiteral(u"\u2066A → B → C\u2069"));
        result.outlets[1].marginPsi = -1.5;
        const TReportTable table = outletTable(project, result);
        QCOMPARE(table.rows.size(), std::size_t(2));
        QCOMPARE(table.rows[0][2], QStringLiteral("C"));
        QCOMPARE(table.rows[1][3], QStringLiteral("8.00"));
        QVERIFY(!table.isWarning(0, 5) && table.isWarning(1, 5));
        QVERIFY2(table.rows[1][5].contains(QStringLiteral("-1.50")) && table.rows[1][5].contains(u"کمبود"),
                 qPrintable(table.rows[1][5]));
        QBuffer buffer;
        QVERIFY(buffer.open(QIODevice::WriteOnly));
        {
            QPdfWriter pdf(&buffer);
            QVERIFY(Report::paintReport(pdf, project, result, QDate(2026, 12, 9)));
        }
        QVERIFY(buffer.data().startsWith("%PDF"));
        project.schedule.layout = TLayout::List;
        QVERIFY(RiserPath::criticalPathNodes(project.schedule, result).isEmpty());
    }

    void notes_data()
    {
        QTest::addColumn<int>("segment");
        QTest::addColumn<QString>("says");
        QTest::newRow("sized as the chart gives it") << 0 << QString();
        QTest::newRow("raised: the size below ran too fast") << 1 << QStringLiteral("1 1/4\"");
        QTest::newRow("no pipe carries it") << 3 << QStringLiteral("20000.00 gpm");
    }
    void notes()
    {
        QFETCH(int, segment);
        QFETCH(QString, says);
        const Project::TProject project = threeStoreys();
        TScheduleResult result;
        QVERIFY(evaluateSchedule(project.schedule, result));
        const auto index = static_cast<std::size_t>(segment);
        const QString note
            = Report::segmentNote(project.schedule, index, result.segments[index], Project::TUnits::US, u'.');
        QCOMPARE(note.isEmpty(), says.isEmpty());
        QVERIFY2(note.contains(says), qPrintable(note));
    }

    void problems_data()
    {
        QTest::addColumn<double>("sourcePsi");
        QTest::addColumn<bool>("onPath");
        QTest::addColumn<bool>("empty");
        QTest::addColumn<QString>("says");
        QTest::newRow("the source falls short") << 20.325 << true << false << QStringLiteral("3.50 psi");
        QTest::newRow("no critical path") << 50.0 << false << false << QStringLiteral("مسیر بحرانی");
        QTest::newRow("no segments") << 50.0 << true << true << QStringLiteral("هیچ قطعه");
    }
    void problems()
    {
        QFETCH(double, sourcePsi);
        QFETCH(bool, onPath);
        QFETCH(bool, empty);
        QFETCH(QString, says);
        TSchedule schedule = threeStoreys().schedule;
        schedule.sourcePsi = sourcePsi;
        for (TSegment& s : schedule.segments)
            s.onCriticalPath = onPath;
        if (empty)
            schedule.segments.clear();
        const QString text = Report::scheduleProblemText(schedule, checkSchedule(schedule));
        QVERIFY2(text.contains(says), qPrintable(text));
    }

    // A hundred segments run over several pages, every font in the file.
    void longPdf()
    {
        Project::TProject project = threeStoreys();
        project.schedule.segments.resize(3);
        for (int i = 0; i < 97; ++i)
            project.schedule.segments.push_back(segment("S", TRun::Branch, 5.0 + i, 0.0, 10.0, i % 10 == 0));
        TScheduleResult result;
        QVERIFY(evaluateSchedule(project.schedule, result));
        QBuffer buffer;
        QVERIFY(buffer.open(QIODevice::WriteOnly));
        {
            QPdfWriter pdf(&buffer);
            QVERIFY(Report::paintReport(pdf, project, result, QDate(2026, 12, 9)));
        }
        const QByteArray bytes = buffer.data();
        QVERIFY(bytes.startsWith("%PDF"));
        QVERIFY(bytes.count("/Type /Page\n") >= 3);
        QVERIFY(bytes.count("/Type /FontDescriptor") > 0);
        QCOMPARE(bytes.count("/FontFile2"), bytes.count("/Type /FontDescriptor"));
    }
};

QTEST_MAIN(TestReport)
#include "tst_report.moc"
