#pragma once

#include <memory>
#include <vector>

#include <QByteArray>
#include <QDateTime>
#include <QString>

class QLockFile;

// What a recovery copy's side file says about the drawing it keeps.
struct RecoveryNote
{
    QString originalPath; // empty for a drawing never saved
    QString title;
    QDateTime written;
};

// A copy left by an earlier run that did not end cleanly.
struct RecoveryCopy
{
    QString copyPath; // the drawing's file
    RecoveryNote note;
};

// The recovery copies on the disk. Each run keeps its copies in a folder of its own, locked
// while it runs; a folder whose lock no running program holds was left by a run that did
// not end cleanly. Never touches the user's own files. Write and Remove may run on another
// thread than the rest, one call at a time.
class RecoveryStore final
{
public:
    // The user's data folder's "recovery" folder.
    static QString DefaultFolder();

    explicit RecoveryStore(QString folder);
    ~RecoveryStore();
    RecoveryStore(const RecoveryStore&) = delete;
    RecoveryStore& operator=(const RecoveryStore&) = delete;

    // Makes and locks this run's folder; false when the disk refuses (no copies then).
    bool Begin();
    // The drawing's bytes, then the side file, each through a temporary file: a failure
    // keeps the previous copy whole.
    bool Write(int key, const QByteArray& bytes, const RecoveryNote& note);
    void Remove(int key);
    // A clean exit: this run's folder goes.
    void EndCleanly();

    // The copies of runs that ended without cleaning up, oldest first. Their folders stay
    // locked by this run until one of the two calls below.
    std::vector<RecoveryCopy> LeftOver();
    void DiscardLeftOver();
    void KeepLeftOverForLater();

    QString Folder() const { return m_folder; }

private:
    QString CopyPath(int key) const;
    QString NotePath(int key) const;

    QString m_folder;
    QString m_session; // this run's folder, empty until Begin
    std::unique_ptr<QLockFile> m_lock;
    struct Abandoned;
    std::vector<std::unique_ptr<Abandoned>> m_abandoned;
};
