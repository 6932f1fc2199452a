// The schedule window's table model without the window: cells typed and refused, the whole
// schedule recalculated after each edit with its row marks, every change undone and redone with
// the segments' unknown keys kept in step, blocks pasted from a spreadsheet, and US/SI units.
#include "CommonTexts.h"
#include "ProjectFile.h"
#include "ScheduleCells.h"
#include "ScheduleClipboard.h"
#include "ScheduleModel.h"
#include "ScheduleProjects.h"

#include <QLocale>
#include <QSignalSpy>
#include <QTest>
#include <QUndoStack>

#include <functional>

using namespace ScheduleCells;
using Project::TUnits;

namespace {

QString cell(const TScheduleModel& model, int row, int column, int role = Qt::DisplayRole)
{
    return model.data(model.index(row, column), role).toString();
}

// The project as its file holds it: segments, header and the keys of a newer release.
QByteArray fileOf(const TScheduleModel& model) { return Project::projectJson(model.project()); }

} // namespace

class TestScheduleModel : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QStringLiteral("en_US"))); }

    void typedCells_data()
    {
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("si");
        QTest::addColumn<bool>("taken");
        QTest::addColumn<QString>("shown"); // the cell afterwards

        // clang-format off
        QTest::newRow("length in ft") << int(kLength) << "25" << false << true << "25.00";
        QTest::newRow("length in m, a comma for the point") << int(kLength) << "7,5" << true << true << "7.50";
        QTest::newRow("flow typed as a sum") << int(kTypedFlow) << "2+3.5" << false << true << "5.50";
        QTest::newRow("flow in L/s") << int(kTypedFlow) << "1.2" << true << true << "1.20";
        QTest::newRow("load cleared") << int(kFixtureUnits) << "" << false << true << "";
        QTest::newRow("run by its English word") << int(kRun) << "Branch" << false << true << "انشعاب";
        QTest::newRow("length of zero") << int(kLength) << "0" << false << false << "30.00";
        QTest::newRow("length left empty") << int(kLength) << " " << false << false << "30.00";
        QTest::newRow("letters for a load") << int(kFixtureUnits) << "12a" << false << false << "60";
        QTest::newRow("load above the table") << int(kFixtureUnits) << "5001" << false << false << "60";
        QTest::newRow("negative fittings") << int(kFittings) << "-5" << false << false << "40";
        QTest::newRow("sum with a missing term") << int(kTypedFlow) << "2+" << false << false << "";
        QTest::newRow("a run that is neither") << int(kRun) << "riser" << false << false << "اصلی";
        // clang-format on
    }

    void typedCells()
    {
        QFETCH(int, column);
        QFETCH(QString, text);
        QFETCH(bool, si);
        QFETCH(bool, taken);
        QFETCH(QString, shown);
        TScheduleModel model;
        Project::TProject project = threeStoreys();
        project.units = si ? TUnits::SI : TUnits::US;
        model.setProject(project);
        const QByteArray before = fileOf(model);
        QSignalSpy refused(&model, &TScheduleModel::editRefused);

        QCOMPARE(model.setData(model.index(0, column), text, Qt::EditRole), taken);
        QCOMPARE(refused.count(), taken ? 0 : 1);
        QCOMPARE(model.undoStack()->count(), taken ? 1 : 0);
        if (!taken)
            QCOMPARE(fileOf(model), before);
        QCOMPARE(cell(model, 0, column), shown);
    }

    void typedValuesAreStoredInUSUnits()
    {
        TScheduleModel model;
        Project::TProject project = threeStoreys();
        project.units = TUnits::SI;
        model.setProject(project);
        QVERIFY(model.setData(model.index(0, kLength), QStringLiteral("3"), Qt::EditRole));
        QVERIFY(model.setData(model.index(0, kTypedFlow), QStringLiteral("0.5"), Qt::EditRole));
        QCOMPARE(model.project().schedule.segments[0].lengthFt, 3.0 / 0.3048);
        QVERIFY(qAbs(model.project().schedule.segments[0].flowGpm - 7.925) < 0.001);
        // The editor gets every digit back, so closing it unchanged is no edit.
        QVERIFY(model.setData(model.index(0, kLength), cell(model, 0, kLength, Qt::EditRole), Qt::EditRole));
        QCOMPARE(model.undoStack()->count(), 2);
    }

    void recalculatedAfterEachEdit()
    {
        TScheduleModel model;
        model.setProject(threeStoreys());
        QSignalSpy recalculated(&model, &TScheduleModel::recalculated);
        QVERIFY(model.evaluated());
        const double allowable = model.result().allowablePsiPer100ft;
        QVERIFY(!cell(model, 0, kPipe).isEmpty());

        TScheduleHeader header = model.header();
        header.sourcePsi = 80.0;
        model.setHeader(header, THeaderField::Source);
        QCOMPARE(recalculated.count(), 1);
        QVERIFY(model.result().allowablePsiPer100ft > allowable);

        // A segment with neither a load nor a flow: the others keep their pipes, its row alone is
        // red and says why.
        QVERIFY(model.setData(model.index(1, kFixtureUnits), QString(), Qt::EditRole));
        QCOMPARE(recalculated.count(), 2);
        QVERIFY(model.evaluated());
        QVERIFY(!cell(model, 0, kPipe).isEmpty());
        QVERIFY(cell(model, 1, kPipe).isEmpty());
        QVERIFY(model.data(model.index(1, kName), Qt::ForegroundRole).isValid());
        QCOMPARE(cell(model, 1, kNote), CommonTexts::kNoteNoLoad.toString());
        QVERIFY(!model.data(model.index(0, kName), Qt::ForegroundRole).isValid());
    }

    void rowMarks()
    {
        TScheduleModel model;
        model.setProject(threeStoreys());
        const auto& results = model.result().segments;
        QVERIFY2(results[3].sized && results[3].size.raisedForVelocity, "the fixture's branch E is raised");
        QCOMPARE(model.data(model.index(3, kName), Qt::BackgroundRole),
                 model.data(model.index(3, kNote), Qt::BackgroundRole));
        QVERIFY(model.data(model.index(3, kName), Qt::BackgroundRole).isValid());
        QVERIFY(!cell(model, 3, kNote).isEmpty());
        QVERIFY(!model.data(model.index(3, kName), Qt::ForegroundRole).isValid());
        // Computed cells are shaded and cannot be edited.
        QVERIFY(!(model.flags(model.index(0, kPipe)) & Qt::ItemIsEditable));
        QVERIFY(model.data(model.index(0, kPipe), Qt::BackgroundRole).isValid());
        QVERIFY(!model.data(model.index(0, kLength), Qt::BackgroundRole).isValid());
    }

    void undoAndRedo_data()
    {
        QTest::addColumn<std::function<void(TScheduleModel&)>>("change");
        QTest::addColumn<int>("rows");
        QTest::addColumn<bool>("tree"); // the project as the chain of nodes A to E
        const auto text = [](int row, int column, const char* typed) {
            return [=](TScheduleModel& m) {
                QVERIFY(m.setData(m.index(row, column), QString::fromUtf8(typed), Qt::EditRole));
            };
        };
        QTest::newRow("cell") << std::function<void(TScheduleModel&)>(text(1, kLength, "14")) << 4 << false;
        QTest::newRow("check box") << std::function<void(TScheduleModel&)>([](TScheduleModel& m) {
            QVERIFY(m.setData(m.index(2, kOnPath), Qt::Unchecked, Qt::CheckStateRole));
        }) << 4 << false;
        QTest::newRow("header") << std::function<void(TScheduleModel&)>([](TScheduleModel& m) {
            TScheduleHeader h = m.header();
            h.roughnessClass = 3;
            m.setHeader(h, THeaderField::RoughnessClass);
        }) << 4 << false;
        QTest::newRow("row added below the first")
            << std::function<void(TScheduleModel&)>([](TScheduleModel& m) { QCOMPARE(m.addRow(0), 1); }) << 5 << false;
        QTest::newRow("scattered rows removed") << std::function<void(TScheduleModel&)>([](TScheduleModel& m) {
            m.removeSegmentRows({3, 0, 1});
        }) << 1 << false;
        QTest::newRow("two rows moved down")
            << std::function<void(TScheduleModel&)>([](TScheduleModel& m) { QVERIFY(m.moveSegmentRows(0, 2, 1)); }) << 4
            << false;
        QTest::newRow("row moved up") << std::function<void(TScheduleModel&)>([](TScheduleModel& m) {
            QVERIFY(m.moveSegmentRows(1, 1, -1));
        }) << 4 << false;
        QTest::newRow("rows duplicated") << std::function<void(TScheduleModel&)>([](TScheduleModel& m) {
            m.duplicateRows({1, 2});
        }) << 6 << false;
        QTest::newRow("block pasted over the end") << std::function<void(TScheduleModel&)>([](TScheduleModel& m) {
            QVERIFY(m.pasteCells({{3, kName, "F"}, {4, kName, "G"}, {4, kFixtureUnits, "3"}}, QString()));
        }) << 5 << false;
        QTest::newRow("load from the demand helper")
            << std::function<void(TScheduleModel&)>([](TScheduleModel& m) { m.applyLoad(1, 12.5); }) << 4 << false;
        QTest::newRow("list made a tree") << std::function<void(TScheduleModel&)>([](TScheduleModel& m) {
            m.setLayout(Sizing::TLayout::Tree);
            QCOMPARE(m.project().schedule.segments[3].to, std::string("E"));
        }) << 4 << false;
        QTest::newRow("static source") << std::function<void(TScheduleModel&)>([](TScheduleModel& m) {
            TScheduleHeader h = m.header();
            h.staticSourcePsi = 70.0;
            m.setHeader(h, THeaderField::StaticSource);
        }) << 4 << false;
        QTest::newRow("node renamed") << std::function<void(TScheduleModel&)>(text(0, kTo, "Z")) << 4 << true;
        QTest::newRow("elevation below the source")
            << std::function<void(TScheduleModel&)>(text(3, kElevation, "-4.5")) << 4 << true;
        QTest::newRow("outlet's own need")
            << std::function<void(TScheduleModel&)>(text(2, kOutletPsi, "20")) << 4 << true;
        QTest::newRow("branch added") << std::function<void(TScheduleModel&)>([](TScheduleModel& m) {
            QCOMPARE(m.addBranch(1), 2);
            QCOMPARE(m.project().schedule.segments[2].from + m.project().schedule.segments[2].to, std::string("CF"));
        }) << 5 << true;
    }

    void undoAndRedo()
    {
        QFETCH(std::function<void(TScheduleModel&)>, change);
        QFETCH(int, rows);
        QFETCH(bool, tree);
        Project::TProject project = threeStoreys();
        if (tree) {
            project.schedule.layout = Sizing::TLayout::Tree;
            for (std::size_t i = 0; i < project.schedule.segments.size(); ++i) {
                project.schedule.segments[i].from = std::string(1, static_cast<char>('A' + i));
                project.schedule.segments[i].to = std::string(1, static_cast<char>('B' + i));
            }
        }
        TScheduleModel model;
        model.setProject(project);
        const QByteArray before = fileOf(model);
        change(model);
        const QByteArray after = fileOf(model);
        QVERIFY(after != before);
        QCOMPARE(model.rowCount(), rows);
        QCOMPARE(model.undoStack()->count(), 1);

        model.undoStack()->undo();
        QCOMPARE(fileOf(model), before);
        QCOMPARE(model.rowCount(), 4);
        QVERIFY(model.evaluated());
        model.undoStack()->redo();
        QCOMPARE(fileOf(model), after);
    }

    void newerKeysTravelWithTheirSegment()
    {
        TScheduleModel model;
        model.setProject(threeStoreys());
        QVERIFY(model.moveSegmentRows(1, 1, 1));
        QCOMPARE(model.project().otherSegmentKeys[2].value(QStringLiteral("tag")).toInt(), 2);
        model.duplicateRows({2});
        QVERIFY(model.project().otherSegmentKeys[3].isEmpty());
        model.removeSegmentRows({0});
        QCOMPARE(model.project().otherSegmentKeys[1].value(QStringLiteral("tag")).toInt(), 2);
        QCOMPARE(model.project().otherSegmentKeys.size(), model.project().schedule.segments.size());
    }

    void editsOfOneCellAreOneStep()
    {
        TScheduleModel model;
        model.setProject(threeStoreys());
        const QByteArray before = fileOf(model);
        QVERIFY(model.setData(model.index(0, kLength), QStringLiteral("31"), Qt::EditRole));
        QVERIFY(model.setData(model.index(0, kLength), QStringLiteral("32"), Qt::EditRole));
        QCOMPARE(model.undoStack()->count(), 1);
        QVERIFY(model.setData(model.index(1, kLength), QStringLiteral("32"), Qt::EditRole));
        QCOMPARE(model.undoStack()->count(), 2);
        model.undoStack()->undo();
        model.undoStack()->undo();
        QCOMPARE(fileOf(model), before);
        // Typed back to what it was: nothing to undo.
        model.undoStack()->clear();
        QVERIFY(model.setData(model.index(0, kLength), QStringLiteral("31"), Qt::EditRole));
        QVERIFY(model.setData(model.index(0, kLength), QStringLiteral("30"), Qt::EditRole));
        QCOMPARE(model.undoStack()->count(), 0);
    }

    void clipboardText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QList<QStringList>>("rows");
        QTest::newRow("spreadsheet rows with a trailing break") << "A\t12\r\nB\t3,5\r\n"
                                                                << QList<QStringList>{{"A", "12"}, {"B", "3,5"}};
        QTest::newRow("empty first cell kept") << "\t5\n" << QList<QStringList>{{"", "5"}};
        QTest::newRow("quoted tab, break and quote") << "\"a\tb\"\t\"two\nlines\"\t\"say \"\"hi\"\"\""
                                                     << QList<QStringList>{{"a\tb", "two\nlines", "say \"hi\""}};
        QTest::newRow("one value") << "7" << QList<QStringList>{{"7"}};
        QTest::newRow("empty row between") << "1\n\n2\n" << QList<QStringList>{{"1"}, {""}, {"2"}};
    }

    void clipboardText()
    {
        QFETCH(QString, text);
        QFETCH(QList<QStringList>, rows);
        QCOMPARE(ScheduleClipboard::parseTabSeparated(text), rows);
        QCOMPARE(ScheduleClipboard::parseTabSeparated(ScheduleClipboard::tabSeparated(rows)), rows);
    }

    void pasteIsAllOrNothing()
    {
        TScheduleModel model;
        model.setProject(threeStoreys());
        const QByteArray before = fileOf(model);
        QSignalSpy refused(&model, &TScheduleModel::editRefused);
        // The second row's length is bad: not even the first row changes.
        QVERIFY(!model.pasteCells({{0, kName, "X"}, {1, kLength, "zero"}}, QString()));
        QCOMPARE(refused.count(), 1);
        QVERIFY(refused.constFirst().constFirst().toString().contains(QLatin1String("2")));
        QCOMPARE(fileOf(model), before);
        QCOMPARE(model.undoStack()->count(), 0);
        // Cells in computed columns are skipped; two rows past the end come in at once.
        QVERIFY(model.pasteCells({{5, kName, "H"}, {5, kPipe, "2\""}, {5, kLength, "4"}}, QString()));
        QCOMPARE(model.rowCount(), 6);
        QCOMPARE(cell(model, 5, kName), QStringLiteral("H"));
        QCOMPARE(model.undoStack()->count(), 1);
    }

    void units()
    {
        TScheduleModel model;
        model.setProject(threeStoreys());
        QVERIFY(!cell(model, 0, kPipe).contains(QLatin1String("DN")));
        const QByteArray usFile = fileOf(model);
        QCOMPARE(cell(model, 0, kLength), QStringLiteral("30.00"));
        TScheduleHeader header = model.header();
        header.units = TUnits::SI;
        model.setHeader(header, THeaderField::Units);
        QCOMPARE(cell(model, 0, kLength), QStringLiteral("9.14"));
        QVERIFY(model.headerData(kLength, Qt::Horizontal, Qt::DisplayRole).toString().contains(QLatin1String("(m)")));
        QVERIFY(model.headerData(kVelocity, Qt::Horizontal, Qt::DisplayRole).toString().contains(QLatin1String("m/s")));
        QVERIFY(cell(model, 0, kPipe).contains(QLatin1String(" DN")));
        // Only the units key differs in the file: the numbers stay in US units.
        QByteArray siFile = fileOf(model);
        QCOMPARE(siFile.replace("\"SI\"", "\"US\""), usFile);
    }
};

QTEST_MAIN(TestScheduleModel)
#include "tst_schedule_model.moc"
