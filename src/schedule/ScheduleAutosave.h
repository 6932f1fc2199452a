#pragma once
// The schedule's safety net: a modified project is written every minute, whole, by the same
// writer as Save, to the user's application-data folder, without touching the project's own
// file or its modified mark. A normal save or close removes that copy; one left behind by a
// crash or a kill is offered at the next start.
//
// The copy's name comes from the project's path (or from an id for an untitled one), and each
// copy is held by a lock file while its program runs, so that two running copies of Keldaran
// never write over each other's copy, and a copy still in use is never offered.

#include "ProjectFile.h"

#include <QDateTime>
#include <QLockFile>
#include <QString>

#include <memory>
#include <vector>

class TScheduleAutosave {
public:
    // The folder the copies live in: <application data>/autosave.
    [[nodiscard]] static QString folder();

    explicit TScheduleAutosave(QString folder = TScheduleAutosave::folder());
    ~TScheduleAutosave();
    TScheduleAutosave(const TScheduleAutosave&) = delete;
    TScheduleAutosave& operator=(const TScheduleAutosave&) = delete;

    // From now on the copy is of the project at `documentPath` (empty: untitled). An earlier
    // copy of another project is removed.
    void follow(const QString& documentPath);
    // Takes over a copy left behind, as restored: it is the copy from now on.
    void adopt(const QString& autosavePath, const QString& documentPath);
    // The whole project, with its path and the time inside; false with a Persian message.
    [[nodiscard]] bool write(const Project::TProject& project, QString& message);
    // After a save, or when the changes are thrown away.
    void remove();
    [[nodiscard]] QString path() const { return FPath; }

    // A copy that its program left behind.
    struct TLeftBehind {
        QString AutosavePath;
        QString DocumentPath; // empty for an untitled project
        QDateTime SavedAt;
        Project::TProject Project; // as it was, without the copy's own keys
    };
    // The copies no running program holds, newest first. A copy older than its project's file
    // is stale (the project was saved after it) and is removed instead of offered.
    [[nodiscard]] static std::vector<TLeftBehind> leftBehind(const QString& folder = TScheduleAutosave::folder());
    // Removes a copy the user chose not to restore.
    static void throwAway(const QString& autosavePath);

private:
    void take(const QString& path);
    void release();

    QString FFolder;
    QString FDocumentPath;
    QString FPath;
    std::unique_ptr<QLockFile> FLock;
};
