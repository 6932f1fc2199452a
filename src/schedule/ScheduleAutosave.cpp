#include "ScheduleAutosave.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QUuid>

#include <algorithm>

namespace {

// The copy's own keys, kept with the project's keys of a newer release and taken out again
// when it is restored, so that they never reach the project's file.
const QString kDocumentKey = QStringLiteral("autosaveOf");
const QString kSavedAtKey = QStringLiteral("autosavedAt");
const QString kSuffix = QStringLiteral(".keldaran");
const QString kLockSuffix = QStringLiteral(".lock");
constexpr int kNameHashChars = 16;
// How many running programs may edit one project, each with its own copy.
constexpr int kMaxSharers = 100;

QString lockPathOf(const QString& autosavePath) { return autosavePath + kLockSuffix; }

// A lock that lives as long as its program: never taken for stale by its age, only when the
// program that wrote it is gone.
std::unique_ptr<QLockFile> lockOf(const QString& autosavePath)
{
    auto lock = std::make_unique<QLockFile>(lockPathOf(autosavePath));
    lock->setStaleLockTime(0);
    if (!lock->tryLock(0))
        return nullptr;
    return lock;
}

QString baseNameFor(const QString& documentPath)
{
    if (documentPath.isEmpty())
        return QStringLiteral("untitled-") + QUuid::createUuid().toString(QUuid::WithoutBraces);
    const QString canonical = QFileInfo(documentPath).absoluteFilePath();
    return QString::fromLatin1(
        QCryptographicHash::hash(canonical.toUtf8(), QCryptographicHash::Sha1).toHex().left(kNameHashChars));
}

} // namespace

QString TScheduleAutosave::folder()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + QStringLiteral("/autosave");
}

TScheduleAutosave::TScheduleAutosave(QString folder)
    : FFolder(std::move(folder))
{
}

// A copy of a project still being edited when the window goes stays for the next start.
TScheduleAutosave::~TScheduleAutosave() { release(); }

void TScheduleAutosave::follow(const QString& documentPath)
{
    remove();
    FDocumentPath = documentPath;
    if (!QDir().mkpath(FFolder))
        return;
    const QString base = FFolder + u'/' + baseNameFor(documentPath);
    // Another running copy of Keldaran edits the same project: each keeps a copy of its own.
    for (int n = 1; n <= kMaxSharers; ++n) {
        const QString candidate = n == 1 ? base + kSuffix : base + u'-' + QString::number(n) + kSuffix;
        FLock = lockOf(candidate);
        if (FLock != nullptr) {
            FPath = candidate;
            return;
        }
    }
}

void TScheduleAutosave::adopt(const QString& autosavePath, const QString& documentPath)
{
    remove();
    FDocumentPath = documentPath;
    FLock = lockOf(autosavePath);
    if (FLock != nullptr)
        FPath = autosavePath;
    else
        follow(documentPath);
}

bool TScheduleAutosave::write(const Project::TProject& project, QString& message)
{
    if (FPath.isEmpty())
        follow(FDocumentPath);
    Project::TProject copy = project;
    copy.otherKeys.insert(kDocumentKey, FDocumentPath);
    copy.otherKeys.insert(kSavedAtKey, QDateTime::currentDateTimeUtc().toString(Qt::ISODateWithMs));
    return !FPath.isEmpty() && Project::writeProject(FPath, copy, message);
}

void TScheduleAutosave::remove()
{
    if (!FPath.isEmpty())
        QFile::remove(FPath);
    release();
}

void TScheduleAutosave::release()
{
    FLock.reset();
    FPath.clear();
}

std::vector<TScheduleAutosave::TLeftBehind> TScheduleAutosave::leftBehind(const QString& folder)
{
    std::vector<TLeftBehind> found;
    // Usually there is no folder, or nothing in it: start-up pays for one listing.
    const QFileInfoList files = QDir(folder).entryInfoList({QStringLiteral("*") + kSuffix}, QDir::Files);
    for (const QFileInfo& file : files) {
        // Held by a running program: not left behind. Taken here only to look, then let go.
        if (lockOf(file.absoluteFilePath()) == nullptr)
            continue;
        TLeftBehind copy;
        QString message;
        if (!Project::readProject(file.absoluteFilePath(), copy.Project, message))
            continue;
        copy.AutosavePath = file.absoluteFilePath();
        copy.DocumentPath = copy.Project.otherKeys.take(kDocumentKey).toString();
        copy.SavedAt = QDateTime::fromString(copy.Project.otherKeys.take(kSavedAtKey).toString(), Qt::ISODateWithMs);
        if (!copy.SavedAt.isValid())
            copy.SavedAt = file.lastModified();
        const QFileInfo document(copy.DocumentPath);
        if (!copy.DocumentPath.isEmpty() && document.exists() && document.lastModified() > copy.SavedAt) {
            throwAway(copy.AutosavePath);
            continue;
        }
        found.push_back(std::move(copy));
    }
    std::sort(found.begin(), found.end(),
              [](const TLeftBehind& a, const TLeftBehind& b) { return a.SavedAt > b.SavedAt; });
    return found;
}

void TScheduleAutosave::throwAway(const QString& autosavePath)
{
    QFile::remove(autosavePath);
    QFile::remove(lockPathOf(autosavePath));
}
