// A schedule built from nothing by keyboard alone, in the program as main() starts it: the
// budget typed, ten rows added (one of them filled from the demand helper), every pipe seen,
// SI chosen, undone and redone, saved; then the program killed, its copy restored at the next
// start, and the PDF exported. Each step is a test of its own, in order, on the same windows;
// every prompt is answered by a named button.
#include "Demand.h"
#include "FixtureLoads.h"
#include "FormSchedule.h"
#include "KeyboardInput.h"
#include "ProjectFile.h"
#include "PromptAnswers.h"
#include "ScheduleAutosave.h"
#include "ScheduleCells.h"
#include "ScheduleLink.h"
#include "ScheduleModel.h"
#include "WindowFixture.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QDropEvent>
#include <QLineEdit>
#include <QLocale>
#include <QMimeData>
#include <QRadioButton>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

using namespace ScheduleCells;

namespace {

constexpr int kRows = 10;
constexpr int kDemandRow = 4;
constexpr int kToiletsCounted = 4;

QString cell(const TScheduleModel& model, int row, int column)
{
    return model.data(model.index(row, column), Qt::DisplayRole).toString();
}

} // namespace

class TestScheduleWalkthrough : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        QLocale::setDefault(QLocale(QStringLiteral("en_US")));
        QDir(TScheduleAutosave::folder()).removeRecursively();
        QVERIFY(FFolder.isValid());
        QVERIFY(openWindows());
        // Opened from the calculator, as a user would: Ctrl+T.
        Form1->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(Form1));
        press(Qt::Key_T, Qt::ControlModifier);
        QVERIFY(scheduleLink()->hasWindow());
        startSchedule();
    }

    void cleanupTestCase()
    {
        closeWindows();
        QDir(TScheduleAutosave::folder()).removeRecursively();
    }

    void typeTheBudget()
    {
        const char* fields[] = {"EditSource", "EditMeter", "EditHeight", "EditFixture"};
        const char* values[] = {"60", "5", "30", "8"};
        for (int i = 0; i < 4; ++i) {
            auto* field = FWindow->findChild<QLineEdit*>(QString::fromLatin1(fields[i]));
            QVERIFY(field != nullptr);
            QVERIFY(giveFocus(field));
            press(Qt::Key_A, Qt::ControlModifier);
            type(QString::fromLatin1(values[i]));
            press(Qt::Key_Return);
        }
        const TScheduleHeader header = model().header();
        QCOMPARE(header.sourcePsi, 60.0);
        QCOMPARE(header.meterAndDevicesPsi, 5.0);
        QCOMPARE(header.heightFt, 30.0);
        QCOMPARE(header.fixturePsi, 8.0);
    }

    void addTenRowsOneFromTheDemandHelper()
    {
        QVERIFY(giveFocus(FGrid));
        for (int row = 0; row < kRows; ++row) {
            press(Qt::Key_Insert, Qt::ControlModifier);
            QCOMPARE(FGrid->currentIndex().row(), row);
            type(QStringLiteral("S%1").arg(row + 1));
            press(Qt::Key_Tab);
            press(Qt::Key_Tab);
            if (row != kDemandRow)
                type(QStringLiteral("20"));
            press(Qt::Key_Tab);
            press(Qt::Key_Tab);
            type(QStringLiteral("12"));
            press(Qt::Key_Return);
            QCOMPARE(FGrid->currentIndex().column(), int(kName));
        }
        QCOMPARE(model().rowCount(), kRows);

        FGrid->setCurrentIndex(model().index(kDemandRow, kName));
        press(Qt::Key_U, Qt::ControlModifier);
        auto* demand = FWindow->findChild<QDialog*>(QStringLiteral("DemandDialog"));
        QVERIFY(demand != nullptr && demand->isVisible());
        QVERIFY(QTest::qWaitForWindowActive(demand));
        QVERIFY(giveFocus(demand->findChild<QSpinBox*>(QStringLiteral("FixtureCount0"))));
        press(Qt::Key_A, Qt::ControlModifier);
        type(QString::number(kToiletsCounted));
        press(Qt::Key_Return);
        press(Qt::Key_Escape);
        QVERIFY(!demand->isVisible());
        const auto first = Design::fixtureUnits(Design::fixtureLoadTable()[0], Design::TLoadColumn::Total);
        QCOMPARE(model().project().schedule.segments[kDemandRow].fixtureUnits, kToiletsCounted * first.value());
        QCOMPARE(model().project().schedule.segments[kDemandRow].name, std::string("S5"));
    }

    void seeEveryPipe()
    {
        QVERIFY(model().evaluated());
        for (int row = 0; row < kRows; ++row)
            QVERIFY2(!cell(model(), row, kPipe).isEmpty(), qPrintable(QString::number(row)));
        QVERIFY(FWindow->findChild<QWidget*>(QStringLiteral("PanelTotals"))->isVisible());
    }

    void switchToSI()
    {
        auto* si = FWindow->findChild<QRadioButton*>(QStringLiteral("UnitsSI"));
        QVERIFY(giveFocus(si));
        press(Qt::Key_Space);
        QCOMPARE(model().units(), Project::TUnits::SI);
        QCOMPARE(cell(model(), 0, kLength), QStringLiteral("3.66"));
        QVERIFY(cell(model(), 0, kPipe).contains(QLatin1String("DN")));
    }

    void undoAndRedo()
    {
        QVERIFY(giveFocus(FGrid));
        press(Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(model().units(), Project::TUnits::US);
        QCOMPARE(cell(model(), 0, kLength), QStringLiteral("12.00"));
        press(Qt::Key_Y, Qt::ControlModifier);
        QCOMPARE(model().units(), Project::TUnits::SI);
    }

    void save()
    {
        const QString path = FFolder.filePath(QStringLiteral("walkthrough.keldaran"));
        FWindow->setFileChooser([path](TFormSchedule::TFileRole, const QString&) { return path; });
        QVERIFY(giveFocus(FGrid));
        press(Qt::Key_S, Qt::ControlModifier);
        Project::TProject saved;
        QString message;
        QVERIFY2(Project::readProject(path, saved, message), qPrintable(message));
        QCOMPARE(Project::projectJson(saved), Project::projectJson(model().project()));
        QVERIFY(!FWindow->isWindowModified());
        QVERIFY(FWindow->windowTitle().startsWith(QLatin1String("walkthrough.keldaran")));
    }

    void killTheProgramAndRestore()
    {
        QVERIFY(giveFocus(FGrid));
        FGrid->setCurrentIndex(model().index(0, kLength));
        type(QStringLiteral("4"));
        press(Qt::Key_Return);
        QVERIFY(FWindow->autosaveNow());
        const QByteArray edited = Project::projectJson(model().project());
        // Gone without a close: no question, no save, the minute's copy left on the disk.
        closeWindows();
        QVERIFY(openWindows());
        TPromptAnswers answers({QMessageBox::Yes});
        scheduleLink()->offerRecovery();
        QVERIFY(answers.allGiven());
        startSchedule();
        QCOMPARE(Project::projectJson(model().project()), edited);
        QVERIFY(FWindow->isWindowModified());
    }

    void exportThePdf()
    {
        const QString path = FFolder.filePath(QStringLiteral("walkthrough.pdf"));
        FWindow->setFileChooser([path](TFormSchedule::TFileRole role, const QString&) {
            return role == TFormSchedule::TFileRole::ExportPdf ? path : QString();
        });
        QVERIFY(giveFocus(FGrid));
        press(Qt::Key_E, Qt::ControlModifier);
        QFile pdf(path);
        QVERIFY(pdf.open(QIODevice::ReadOnly));
        QVERIFY(pdf.read(5) == "%PDF-");
        // Closing the calculator ends the program, after the question about the unsaved edit.
        TPromptAnswers answers({QMessageBox::Discard});
        QVERIFY(Form1->close());
        QVERIFY(answers.allGiven());
    }

    void projectDroppedOnTheCalculator()
    {
        closeWindows();
        QVERIFY(openWindows());
        const QString path = FFolder.filePath(QStringLiteral("walkthrough.keldaran"));
        QMimeData files;
        files.setUrls({QUrl::fromLocalFile(path)});
        files.setText(path);
        // Over the flow field, which takes dropped text: the project goes past it to the window.
        auto* flow = formChild<QLineEdit>("EditFlow");
        const QPoint at = flow->rect().center();
        QDragEnterEvent enter(at, Qt::CopyAction, &files, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(flow, &enter);
        QVERIFY(enter.isAccepted());
        QDropEvent drop(flow->mapTo(Form1, at), Qt::CopyAction, &files, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(Form1, &drop);
        QCoreApplication::processEvents();
        QVERIFY(flow->text().isEmpty());
        QVERIFY(scheduleLink()->hasWindow() && scheduleLink()->window()->isVisible());
        QVERIFY(scheduleLink()->window()->windowTitle().startsWith(QLatin1String("walkthrough.keldaran")));
    }

private:
    TScheduleModel& model() { return FWindow->model(); }

    void startSchedule()
    {
        scheduleLink()->showWindow();
        FWindow = scheduleLink()->window();
        FWindow->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(FWindow));
        FGrid = FWindow->findChild<QTableView*>(QStringLiteral("GridSegments"));
        QVERIFY(FGrid != nullptr);
    }

    QTemporaryDir FFolder;
    TFormSchedule* FWindow = nullptr;
    QTableView* FGrid = nullptr;
};

QTEST_MAIN(TestScheduleWalkthrough)
#include "tst_schedule_walkthrough.moc"
