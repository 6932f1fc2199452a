// The schedule window through its real widgets: the question before unsaved changes are
// replaced or closed, a file that cannot be read, and the minute's copy restored after a crash.
// Every prompt is answered by a named button; a prompt that never comes fails the test.
#include "FormSchedule.h"
#include "ProjectFile.h"
#include "PromptAnswers.h"
#include "ScheduleAutosave.h"
#include "ScheduleCells.h"
#include "ScheduleModel.h"
#include "ScheduleProjects.h"

#include <QDir>
#include <QFile>
#include <QLocale>
#include <QScopeGuard>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QUndoStack>

#include <memory>

namespace {

QByteArray fileText(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
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
