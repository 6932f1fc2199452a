// The schedule window through its real widgets: text refused where it was typed, blocks pasted
// from a spreadsheet and copied back, a list made a tree and typed on by keyboard, a tree's
// refusals, the question before unsaved changes are replaced or closed, a file that cannot be
// read, and the minute's copy restored after a crash. Every prompt
// is answered by a named button; a prompt that never comes fails the test.
#include "BoosterFigures.h"
#include "BoosterTexts.h"
#include "CommonTexts.h"
#include "FormSchedule.h"
#include "FrictionPlot.h"
#include "KeyboardInput.h"
#include "NomogramLookup.h"
#include "NumberText.h"
#include "ProjectFile.h"
#include "PromptAnswers.h"
#include "ReportNotes.h"
#include "ScheduleAutosave.h"
#include "ScheduleCells.h"
#include "ScheduleChartDialog.h"
#include "ScheduleHeaderFields.h"
#include "ScheduleModel.h"
#include "ScheduleProjects.h"
#include "ScheduleTable.h"
#include "ScheduleTexts.h"
#include "ScheduleUnits.h"

#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QStandardPaths>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QUndoStack>

#include <qcustomplot.h>

#include <algorithm>
#include <memory>

namespace {

QByteArray fileText(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QString cell(const TScheduleModel& model, int row, int column)
{
    return model.data(model.index(row, column), Qt::DisplayRole).toString();
}

bool sameSegments(const Sizing::TSchedule& a, const Sizing::TSchedule& b)
{
    return std::equal(a.segments.begin(), a.segments.end(), b.segments.begin(), b.segments.end(),
                      &ScheduleCells::sameSegment);
}

bool writeProjectFile(const QString& path, const Project::TProject& project)
{
    QString message;
    return Project::writeProject(path, project, message);
}

} // namespace

class TestScheduleWindow : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        QLocale::setDefault(QLocale(QStringLiteral("en_US")));
    }

    void init()
    {
        QVERIFY(FFolder.isValid());
        QDir(TScheduleAutosave::folder()).removeRecursively();
        FPath = FFolder.filePath(QStringLiteral("three.keldaran"));
        FOtherPath = FFolder.filePath(QStringLiteral("other.keldaran"));
        QVERIFY(writeProjectFile(FPath, threeStoreys()));
        Project::TProject other = threeStoreys();
        other.title = QStringLiteral("other");
        QVERIFY(writeProjectFile(FOtherPath, other));
        FWindow = std::make_unique<TFormSchedule>();
        FWindow->setFileChooser([this](TFormSchedule::TFileRole, const QString&) { return FOtherPath; });
        FWindow->show();
        QVERIFY(QTest::qWaitForWindowExposed(FWindow.get()));
        QVERIFY(FWindow->openFile(FPath));
    }

    void cleanup()
    {
        FWindow.reset();
        QDir(TScheduleAutosave::folder()).removeRecursively();
    }

    // The chart opens beside the table with a line for every size of the schedule's pipe: the
    // class's nomogram, or the material's own chart once a material is chosen.
    void chartOpens_data()
    {
        QTest::addColumn<QString>("material");
        QTest::addColumn<int>("sizes");
        QTest::newRow("galvanized class 2")
            << QString() << int(Nomogram::tablesForClass(threeStoreys().schedule.roughnessClass)->PipeSizes.size());
        QTest::newRow("PP-R PN20") << "ppr-pn20" << int(Hydraulics::findMaterial("ppr-pn20")->sizes.size());
    }

    void chartOpens()
    {
        QFETCH(QString, material);
        QFETCH(int, sizes);
        Project::TProject project = threeStoreys();
        project.schedule.material = material.toStdString();
        FWindow->model().setProject(project);
        QVERIFY(FWindow->model().evaluated());
        FWindow->findChild<QAction*>(QStringLiteral("actChart"))->trigger();
        auto* chart = FWindow->findChild<TScheduleChartDialog*>(QStringLiteral("ScheduleChart"));
        QVERIFY(chart != nullptr);
        QVERIFY(QTest::qWaitForWindowExposed(chart));
        QVERIFY(chart->plot() != nullptr && chart->plot()->isVisible());
        QStringList names;
        if (material.isEmpty())
            for (const TPipeSize& size : Nomogram::tablesForClass(project.schedule.roughnessClass)->PipeSizes)
                names << QString::fromStdString(size.Name);
        else
            for (const Hydraulics::TPipeSize& size : Hydraulics::findMaterial(project.schedule.material)->sizes)
                names << QString::fromStdString(size.name);
        int named = 0;
        bool marked = false;
        for (int i = 0; i < chart->plot()->itemCount(); ++i)
            if (auto* text = qobject_cast<QCPItemText*>(chart->plot()->item(i))) {
                named += names.contains(text->text()) ? 1 : 0;
                marked = marked || text->text().contains(QStringLiteral("A-B"));
            }
        QCOMPARE(named, sizes);
        QVERIFY(marked);
        chart->close();
    }

    void refusedInPlace()
    {
        using namespace ScheduleCells;
        TScheduleModel& model = FWindow->model();
        auto* grid = FWindow->findChild<QTableView*>(QStringLiteral("GridSegments"));
        auto* status = FWindow->findChild<QLabel*>(QStringLiteral("LabelStatus"));
        QVERIFY(giveFocus(grid));
        grid->setCurrentIndex(model.index(1, kLength));
        type(QStringLiteral("1x"));
        press(Qt::Key_Return);
        QCOMPARE(cell(model, 1, kLength), QStringLiteral("12.00"));
        QCOMPARE(grid->currentIndex(), model.index(1, kLength));
        QVERIFY(status->text().contains(columnTitle(kLength, Project::TUnits::US).section(u' ', 0, 0)));
        // Taken, the next edit clears the line and Enter goes down.
        type(QStringLiteral("2,5"));
        press(Qt::Key_Return);
        QCOMPARE(cell(model, 1, kLength), QStringLiteral("2.50"));
        QCOMPARE(grid->currentIndex(), model.index(2, kLength));
        QVERIFY(status->text().isEmpty());

        auto* source = FWindow->findChild<QLineEdit*>(QStringLiteral("EditSource"));
        QVERIFY(giveFocus(source));
        press(Qt::Key_A, Qt::ControlModifier);
        type(QStringLiteral("-3"));
        press(Qt::Key_Return);
        QCOMPARE(source->text(), QStringLiteral("60"));
        QCOMPARE(model.header().sourcePsi, 60.0);
        QVERIFY(!status->text().isEmpty());
        QCOMPARE(model.undoStack()->count(), 1);
    }

    // The pipe box's one choice makes the pipes PP-R, named as its table names them in either
    // system; the water's temperature then counts, typed, refused or set by "hot water", and both
    // come back from the file.
    void pipesOfAMaterial()
    {
        using namespace ScheduleCells;
        TScheduleModel& model = FWindow->model();
        auto* box = FWindow->findChild<QComboBox*>(QStringLiteral("ComboMaterial"));
        auto* temperature = FWindow->findChild<QLineEdit*>(QStringLiteral("EditWaterTemperature"));
        auto* hotWater = FWindow->findChild<QCheckBox*>(QStringLiteral("CheckHotWater"));
        auto* status = FWindow->findChild<QLabel*>(QStringLiteral("LabelStatus"));
        const QString classTwo = box->currentText();
        QVERIFY(cell(model, 0, kPipe).contains(u'"'));
        QVERIFY(!temperature->isEnabled() && !hotWater->isEnabled());

        QVERIFY(giveFocus(box));
        press(Qt::Key_Down); // class 3
        press(Qt::Key_Down); // past the line, the first material
        QCOMPARE(model.header().material, std::string("ppr-pn20"));
        QCOMPARE(model.undoStack()->count(), 1);
        const QRegularExpression sizeName(QStringLiteral("^\\x{2066}?\\d+×\\d+\\.\\d\\x{2069}?$"));
        QStringList pipesUS;
        for (int row = 0; row < model.rowCount(); ++row)
            pipesUS << cell(model, row, kPipe);
        for (const QString& pipe : pipesUS)
            QVERIFY2(sizeName.match(pipe).hasMatch(), qPrintable(pipe));
        QTest::mouseClick(FWindow->findChild<QRadioButton*>(QStringLiteral("UnitsSI")), Qt::LeftButton);
        QCOMPARE(model.units(), Project::TUnits::SI);
        for (int row = 0; row < model.rowCount(); ++row)
            QCOMPARE(cell(model, row, kPipe), pipesUS[row]);
        model.undoStack()->undo();
        model.undoStack()->undo();
        QCOMPARE(box->currentText(), classTwo);
        QVERIFY(cell(model, 0, kPipe).contains(u'"'));
        model.undoStack()->redo();
        QVERIFY(temperature->isEnabled());

        QVERIFY(giveFocus(temperature));
        press(Qt::Key_A, Qt::ControlModifier);
        type(QStringLiteral("120"));
        press(Qt::Key_Return);
        QCOMPARE(temperature->text(), QStringLiteral("10"));
        QCOMPARE(model.header().waterTemperatureC, 10.0);
        QVERIFY(status->text().contains(QStringLiteral("100")));
        QVERIFY(giveFocus(hotWater));
        press(Qt::Key_Space);
        QCOMPARE(model.header().waterTemperatureC, kHotWaterC);
        QCOMPARE(temperature->text(), QStringLiteral("60"));
        QVERIFY(giveFocus(temperature));
        press(Qt::Key_A, Qt::ControlModifier);
        type(QStringLiteral("45"));
        press(Qt::Key_Return);
        QCOMPARE(model.header().waterTemperatureC, 45.0);
        QVERIFY(!hotWater->isChecked());

        const QString path = FFolder.filePath(QStringLiteral("plastic.keldaran"));
        QVERIFY(FWindow->saveTo(path));
        QVERIFY(fileText(path).contains("\"material\": \"ppr-pn20\""));
        TFormSchedule reopened;
        QVERIFY(reopened.openFile(path));
        QCOMPARE(reopened.model().header().material, std::string("ppr-pn20"));
        QCOMPARE(reopened.model().header().waterTemperatureC, 45.0);
        QCOMPARE(reopened.findChild<QComboBox*>(QStringLiteral("ComboMaterial"))->currentText(), box->currentText());
    }

    void pastedFromASpreadsheet()
    {
        using namespace ScheduleCells;
        TScheduleModel& model = FWindow->model();
        auto* grid = FWindow->findChild<QTableView*>(QStringLiteral("GridSegments"));
        const auto trigger
            = [this](const char* name) { FWindow->findChild<QAction*>(QString::fromLatin1(name))->trigger(); };
        // Over the last row and one more, a heading row first, a comma for a decimal point.
        grid->setCurrentIndex(model.index(3, kName));
        QGuiApplication::clipboard()->setText(QStringLiteral("%1\t%2\t%3\nX\tbranch\t5,5\nY\tmain\t3\n")
                                                  .arg(columnTitle(kName, Project::TUnits::US),
                                                       columnTitle(kRun, Project::TUnits::US),
                                                       columnTitle(kFixtureUnits, Project::TUnits::US)));
        trigger("actPaste");
        QCOMPARE(model.rowCount(), 5);
        QCOMPARE(cell(model, 3, kName), QStringLiteral("X"));
        QCOMPARE(model.project().schedule.segments[3].fixtureUnits, 5.5);
        QCOMPARE(model.project().schedule.segments[4].run, Sizing::TRun::Main);
        QCOMPARE(model.undoStack()->count(), 1);

        // One value into every cell chosen.
        grid->selectionModel()->select(QItemSelection(model.index(0, kFittings), model.index(2, kFittings)),
                                       QItemSelectionModel::ClearAndSelect);
        QGuiApplication::clipboard()->setText(QStringLiteral("15\n"));
        trigger("actPaste");
        for (int row = 0; row < 3; ++row)
            QCOMPARE(model.project().schedule.segments[static_cast<std::size_t>(row)].fittingsPercent, 15.0);

        // The whole table copied, emptied and pasted back is the same schedule; copied under a
        // decimal comma, its cells of numbers still have ".".
        const Sizing::TSchedule copied = model.project().schedule;
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        const auto restore = qScopeGuard([] { QLocale::setDefault(QLocale(QStringLiteral("en_US"))); });
        trigger("actCopyTable");
        const QString copy = QGuiApplication::clipboard()->text();
        QVERIFY(copy.contains(QRegularExpression(QStringLiteral("\\t\\d+\\.\\d\\d\\t"))));
        QVERIFY2(!copy.contains(QRegularExpression(QStringLiteral("\\t\\d+,\\d+\\t"))), qPrintable(copy));
        grid->selectAll();
        trigger("actRemoveRows");
        QCOMPARE(model.rowCount(), 0);
        trigger("actPaste");
        QVERIFY(sameSegments(model.project().schedule, copied));
    }

    // Tried as a new user would: a row copied, a row inserted and the copy pasted, the list made
    // a tree, branches added by keyboard with Ctrl+B, then everything undone.
    void triedAsANewUser()
    {
        using namespace ScheduleCells;
        TScheduleModel& model = FWindow->model();
        const Project::TProject start = model.project();
        auto* grid = FWindow->findChild<TScheduleTable*>(QStringLiteral("GridSegments"));
        auto* status = FWindow->findChild<QLabel*>(QStringLiteral("LabelStatus"));
        QVERIFY(giveFocus(grid));
        QHeaderView* rows = grid->verticalHeader();
        QTest::mouseClick(rows->viewport(), Qt::LeftButton, {},
                          QPoint(rows->width() / 2, rows->sectionViewportPosition(0) + 2));
        press(Qt::Key_C, Qt::ControlModifier);
        grid->setCurrentIndex(model.index(1, kName));
        press(Qt::Key_Insert, Qt::ControlModifier);
        // The new row alone is chosen; its missing load is its own note, the others keep pipes.
        QCOMPARE(grid->currentIndex(), model.index(2, kName));
        QCOMPARE(grid->chosenRows(), QList<int>{2});
        QCOMPARE(cell(model, 2, kNote), CommonTexts::kNoteNoLoad.toString());
        for (int row : {0, 1, 3, 4})
            QVERIFY2(!cell(model, row, kPipe).isEmpty(), qPrintable(QString::number(row)));
        press(Qt::Key_V, Qt::ControlModifier);
        const auto& segments = model.project().schedule.segments;
        QVERIFY(ScheduleCells::sameSegment(segments[1], start.schedule.segments[1]));
        QVERIFY(ScheduleCells::sameSegment(segments[2], start.schedule.segments[0]));

        FWindow->findChild<QRadioButton*>(QStringLiteral("LayoutTree"))->click();
        QVERIFY(status->text().startsWith(ScheduleTexts::kTreeLoads.toString()));
        QCOMPARE(QString::fromStdString(segments[4].from + segments[4].to), QStringLiteral("EF"));
        QVERIFY(!grid->isColumnHidden(kFrom) && !grid->isColumnHidden(kOutletMargin));
        QVERIFY(!(model.flags(model.index(0, kOnPath)) & Qt::ItemIsUserCheckable));
        const QString chain = FWindow->findChild<QLabel*>(QStringLiteral("TotalCriticalOutlet"))->text();
        QVERIFY2(chain.contains(QStringLiteral("A → B → C → D → E → F")), qPrintable(chain));

        // A branch off the last node, and one off B's child C, each loaded as it comes.
        for (const auto& [row, load] : {std::pair{4, "8"}, std::pair{1, "6"}}) {
            grid->setCurrentIndex(model.index(row, kFixtureUnits));
            press(Qt::Key_B, Qt::ControlModifier);
            QCOMPARE(grid->chosenRows(), QList<int>{row + 1});
            QCOMPARE(segments[static_cast<std::size_t>(row + 1)].from, segments[static_cast<std::size_t>(row)].to);
            type(QString::fromLatin1(load));
            press(Qt::Key_Return);
        }
        QCOMPARE(QString::fromStdString(segments[2].from + segments[2].to), QStringLiteral("CH"));
        QCOMPARE(model.result().segments[0].servedFixtureUnits, 60.0 + 40.0 + 60.0 + 20.0 + 80.0 + 8.0 + 6.0);
        QCOMPARE(model.result().segments[2].servedFixtureUnits, 6.0);

        QUndoStack* stack = model.undoStack();
        while (stack->canUndo())
            press(Qt::Key_Z, Qt::ControlModifier);
        QVERIFY(model.project().schedule.layout == Sizing::TLayout::List);
        QVERIFY(sameSegments(model.project().schedule, start.schedule));
    }

    // A tree the core refuses is named on the status line and in the totals; every typed value
    // stays, and one undo mends it.
    // A main that falls short offers a booster set in the status line; one click feeds the tree
    // from it: the booster's fields appear, the main's pressures take no edit, the totals bar
    // shows the duty. Its fields take the window's units and the file's ranges, and undo goes
    // back, step by step, to the project as it was.
    void boosterOneClickAway()
    {
        QVERIFY(writeProjectFile(FOtherPath, eightStoreyTree()));
        QVERIFY(FWindow->openFile(FOtherPath));
        TScheduleModel& model = FWindow->model();
        QCOMPARE(model.check().problem, Sizing::TScheduleProblem::Shortfall);
        auto* status = FWindow->findChild<QLabel*>(QStringLiteral("LabelStatus"));
        auto* button = FWindow->findChild<QPushButton*>(QStringLiteral("ButtonSwitchToBooster"));
        auto* panel = FWindow->findChild<QWidget*>(QStringLiteral("PanelBooster"));
        auto* source = FWindow->findChild<QLineEdit*>(QStringLiteral("EditSource"));
        auto* duty = FWindow->findChild<QLabel*>(QStringLiteral("TotalBooster"));
        QVERIFY(status->text().endsWith(ScheduleTexts::kBoosterRemedy.toString()));
        QVERIFY(button->isVisible() && !panel->isVisible() && !duty->isVisible());
        const QByteArray before = Project::projectJson(model.project());

        button->click();
        QCOMPARE(model.project().schedule.source, Sizing::TSource::Booster);
        QVERIFY(model.evaluated());
        QVERIFY(!button->isVisible() && panel->isVisible() && duty->isVisible());
        QVERIFY(source->isReadOnly());
        QCOMPARE(source->toolTip(), ScheduleTexts::kSourceNotRead.toString());
        QCOMPARE(duty->text(),
                 BoosterFigures::dutyLine(model.result().booster, Project::TUnits::US, userDecimalSeparator()));

        FWindow->findChild<QRadioButton*>(QStringLiteral("UnitsSI"))->click();
        auto* level = FWindow->findChild<QLineEdit*>(QStringLiteral("EditTankLevel"));
        // A project on the main keeps no booster in its file: the fields start at the defaults.
        QCOMPARE(level->text(), QStringLiteral("0"));
        for (const auto& [typed, expectedFt] :
             {std::pair{QStringLiteral("-2"), -2.0 / 0.3048}, std::pair{QStringLiteral("-40"), -2.0 / 0.3048}}) {
            QVERIFY(giveFocus(level));
            press(Qt::Key_A, Qt::ControlModifier);
            type(typed);
            press(Qt::Key_Return);
            QVERIFY(qAbs(model.project().schedule.booster.tankLevelFt - expectedFt) < 1e-9);
        }
        QVERIFY(status->text().contains(BoosterTexts::kTankLevel.toString()));
        QCOMPARE(level->text(), QStringLiteral("-2"));
        QCOMPARE(duty->text(),
                 BoosterFigures::dutyLine(model.result().booster, Project::TUnits::SI, userDecimalSeparator()));

        while (model.undoStack()->canUndo())
            model.undoStack()->undo();
        QCOMPARE(Project::projectJson(model.project()), before);
        QVERIFY(!panel->isVisible() && !source->isReadOnly() && button->isVisible());
    }

    void treeRefused_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("problem");
        const int notATree = static_cast<int>(Sizing::TScheduleProblem::NotATree);
        QTest::newRow("a node fed twice") << 2 << int(ScheduleCells::kTo) << "B" << notATree;
        QTest::newRow("a loop") << 0 << int(ScheduleCells::kFrom) << "D" << notATree;
        QTest::newRow("two sources") << 2 << int(ScheduleCells::kFrom) << "X"
                                     << static_cast<int>(Sizing::TScheduleProblem::TwoSources);
    }

    void treeRefused()
    {
        QFETCH(int, row);
        QFETCH(int, column);
        QFETCH(QString, typed);
        QFETCH(int, problem);
        TScheduleModel& model = FWindow->model();
        auto* grid = FWindow->findChild<QTableView*>(QStringLiteral("GridSegments"));
        FWindow->findChild<QRadioButton*>(QStringLiteral("LayoutTree"))->click();
        QVERIFY(model.evaluated());
        const Sizing::TSchedule before = model.project().schedule;
        QVERIFY(giveFocus(grid));
        grid->setCurrentIndex(model.index(row, column));
        type(typed);
        press(Qt::Key_Return);

        QCOMPARE(static_cast<int>(model.check().problem), problem);
        const QString why = Report::scheduleProblemText(model.project().schedule, model.check());
        QVERIFY(why.contains(QString::fromStdString(before.segments[model.check().segment].name)));
        QCOMPARE(FWindow->findChild<QLabel*>(QStringLiteral("LabelStatus"))->text(),
                 ScheduleTexts::kNotEvaluated.toString().arg(why));
        QVERIFY(FWindow->findChild<QLabel*>(QStringLiteral("TotalProblem"))->text().contains(why));
        for (std::size_t other = 0; other < before.segments.size(); ++other)
            if (other != static_cast<std::size_t>(row))
                QVERIFY(ScheduleCells::sameSegment(model.project().schedule.segments[other], before.segments[other]));
        QCOMPARE(cell(model, row, column), typed);
        press(Qt::Key_Z, Qt::ControlModifier);
        QVERIFY(model.evaluated());
    }

    void askBeforeReplacing_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("saved");
        QTest::addColumn<bool>("replaced");

        QTest::newRow("close, save") << "close" << int(QMessageBox::Save) << true << true;
        QTest::newRow("close, discard") << "close" << int(QMessageBox::Discard) << false << true;
        QTest::newRow("close, cancel") << "close" << int(QMessageBox::Cancel) << false << false;
        QTest::newRow("new, save") << "new" << int(QMessageBox::Save) << true << true;
        QTest::newRow("new, cancel") << "new" << int(QMessageBox::Cancel) << false << false;
        QTest::newRow("open, discard") << "open" << int(QMessageBox::Discard) << false << true;
        QTest::newRow("open, cancel") << "open" << int(QMessageBox::Cancel) << false << false;
    }

    void askBeforeReplacing()
    {
        QFETCH(QString, action);
        QFETCH(int, answer);
        QFETCH(bool, saved);
        QFETCH(bool, replaced);
        const QByteArray onDisk = fileText(FPath);
        TScheduleModel& model = FWindow->model();
        QVERIFY(model.setData(model.index(0, ScheduleCells::kLength), QStringLiteral("33"), Qt::EditRole));
        QVERIFY(FWindow->isWindowModified());
        QVERIFY(FWindow->autosaveNow());
        const QString copy = FWindow->autosavePath();
        QVERIFY(QFile::exists(copy));

        TPromptAnswers answers({static_cast<QMessageBox::StandardButton>(answer)});
        bool done = false;
        if (action == QLatin1String("close"))
            done = FWindow->close();
        else if (action == QLatin1String("new"))
            done = FWindow->fileNew();
        else
            done = FWindow->openFile(FOtherPath);
        QVERIFY(answers.allGiven());
        QCOMPARE(done, replaced);
        QCOMPARE(fileText(FPath) != onDisk, saved);
        QCOMPARE(FWindow->isVisible(), action != QLatin1String("close") || !replaced);
        // The copy goes with the changes, saved or thrown away; cancelled, they are still there.
        QCOMPARE(QFile::exists(copy), !replaced);
        QCOMPARE(FWindow->isWindowModified(), !replaced);
        if (action == QLatin1String("open") && replaced)
            QCOMPARE(model.project().title, QStringLiteral("other"));
        if (action == QLatin1String("new") && replaced)
            QCOMPARE(model.rowCount(), 0);
    }

    void unreadableFileChangesNothing()
    {
        const QString broken = FFolder.filePath(QStringLiteral("broken.keldaran"));
        QFile file(broken);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("{\"format\": \"keldaran-schedule\", \"version\": 1, \"roughnessClass\": 7");
        file.close();
        TScheduleModel& model = FWindow->model();
        QVERIFY(model.setData(model.index(1, ScheduleCells::kName), QStringLiteral("edited"), Qt::EditRole));
        const QByteArray before = Project::projectJson(model.project());
        const QString title = FWindow->windowTitle();

        // Thrown away for the file that was to come, which then cannot be read.
        TPromptAnswers answers({QMessageBox::Discard, QMessageBox::Ok});
        QVERIFY(!FWindow->openFile(broken));
        QVERIFY(answers.allGiven());
        QVERIFY(answers.texts().last().contains(QLatin1String("broken.keldaran")));
        QCOMPARE(Project::projectJson(model.project()), before);
        QCOMPARE(FWindow->windowTitle(), title);
        QVERIFY(FWindow->isWindowModified());
        QCOMPARE(model.undoStack()->count(), 1);
    }

    void restoredAfterACrash()
    {
        TScheduleModel& model = FWindow->model();
        QVERIFY(model.setData(model.index(2, ScheduleCells::kFixtureUnits), QStringLiteral("24"), Qt::EditRole));
        const QByteArray onDisk = fileText(FPath);
        const QByteArray edited = Project::projectJson(model.project());
        QVERIFY(FWindow->autosaveNow());
        QVERIFY2(!FWindow->autosaveNow(), "nothing changed since the last copy");
        QCOMPARE(fileText(FPath), onDisk);
        QVERIFY(FWindow->isWindowModified());
        // A copy whose program runs is not left behind.
        QVERIFY(TScheduleAutosave::leftBehind().empty());

        // The window goes as in a crash: no close, no question.
        FWindow.reset();
        const auto copies = TScheduleAutosave::leftBehind();
        QCOMPARE(copies.size(), std::size_t(1));
        QCOMPARE(QFileInfo(copies.front().DocumentPath).absoluteFilePath(), QFileInfo(FPath).absoluteFilePath());
        QCOMPARE(Project::projectJson(copies.front().Project), edited);

        FWindow = std::make_unique<TFormSchedule>();
        FWindow->show();
        QVERIFY(FWindow->restoreAutosave(copies.front()));
        QCOMPARE(Project::projectJson(FWindow->model().project()), edited);
        QVERIFY(FWindow->isWindowModified());
        QVERIFY(FWindow->windowTitle().startsWith(QLatin1String("three.keldaran")));
        QVERIFY(FWindow->save());
        QCOMPARE(fileText(FPath), edited);
        QVERIFY(!QFile::exists(copies.front().AutosavePath));
        QVERIFY(TScheduleAutosave::leftBehind().empty());
    }

    void copyOlderThanItsFileIsNotOffered()
    {
        TScheduleModel& model = FWindow->model();
        QVERIFY(model.setData(model.index(0, ScheduleCells::kName), QStringLiteral("X"), Qt::EditRole));
        QVERIFY(FWindow->autosaveNow());
        const QString copy = FWindow->autosavePath();
        FWindow.reset();
        // The project was saved again after the copy, by another program.
        QFile document(FPath);
        QVERIFY(document.open(QIODevice::ReadWrite));
        QVERIFY(document.setFileTime(QDateTime::currentDateTime().addSecs(60), QFileDevice::FileModificationTime));
        document.close();
        QVERIFY(TScheduleAutosave::leftBehind().empty());
        QVERIFY(!QFile::exists(copy));
    }

private:
    QTemporaryDir FFolder;
    QString FPath;
    QString FOtherPath;
    std::unique_ptr<TFormSchedule> FWindow;
};

QTEST_MAIN(TestScheduleWindow)
#include "tst_schedule_window.moc"
