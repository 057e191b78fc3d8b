#include "app/RecoveryStore.h"

#include <algorithm>
#include <optional>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLockFile>
#include <QStandardPaths>
#include <QUuid>

#include "app/SafeFileWrite.h"

namespace
{
const QString kLockName = QStringLiteral("lock");
constexpr qint64 kMaxNoteSize = 64 * 1024;

std::unique_ptr<QLockFile> MakeLock(const QString& folder)
{
    auto lock = std::make_unique<QLockFile>(folder + u'/' + kLockName);
    // Only a dead owner makes a lock stale, however long the run has held it.
    lock->setStaleLockTime(0);
    return lock;
}

QByteArray NoteBytes(const RecoveryNote& note)
{
    const QJsonObject object{
        {QStringLiteral("path"), note.originalPath},
        {QStringLiteral("title"), note.title},
        {QStringLiteral("written"), note.written.toUTC().toString(Qt::ISODateWithMs)},
    };
    return QJsonDocument(object).toJson();
}

std::optional<RecoveryNote> ReadNote(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > kMaxNoteSize)
        return std::nullopt;
    const QJsonObject object = QJsonDocument::fromJson(file.readAll()).object();
    RecoveryNote note{object.value(QStringLiteral("path")).toString(),
                      object.value(QStringLiteral("title")).toString(),
                      QDateTime::fromString(object.value(QStringLiteral("written")).toString(),
                                            Qt::ISODateWithMs)};
    if (note.title.isEmpty())
        return std::nullopt;
    return note;
}
} // namespace

struct RecoveryStore::Abandoned
{
    QString folder;
    std::unique_ptr<QLockFile> lock; // held by this run while it decides
};

QString RecoveryStore::DefaultFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)
           + QStringLiteral("/recovery");
}

RecoveryStore::RecoveryStore(QString folder) : m_folder(std::move(folder)) {}

RecoveryStore::~RecoveryStore() = default;

bool RecoveryStore::Begin()
{
    const QString name = QStringLiteral("%1-%2").arg(QCoreApplication::applicationPid())
                             .arg(QUuid::createUuid().toString(QUuid::WithoutBraces));
    const QString session = m_folder + u'/' + name;
    if (!QDir().mkpath(session))
        return false;
    m_lock = MakeLock(session);
    if (!m_lock->tryLock(0)) {
        m_lock.reset();
        return false;
    }
    m_session = session;
    return true;
}

QString RecoveryStore::CopyPath(int key) const
{
    return m_session + QStringLiteral("/%1.dbr").arg(key);
}

QString RecoveryStore::NotePath(int key) const
{
    return m_session + QStringLiteral("/%1.json").arg(key);
}

bool RecoveryStore::Write(int key, const QByteArray& bytes, const RecoveryNote& note)
{
    if (m_session.isEmpty())
        return false;
    return WriteFileSafely(CopyPath(key), bytes) && WriteFileSafely(NotePath(key), NoteBytes(note));
}

void RecoveryStore::Remove(int key)
{
    if (m_session.isEmpty())
        return;
    // The side file first: a copy without one is never offered.
    QFile::remove(NotePath(key));
    QFile::remove(CopyPath(key));
}

void RecoveryStore::EndCleanly()
{
    if (m_session.isEmpty())
        return;
    m_lock.reset(); // unlocks
    QDir(m_session).removeRecursively();
    m_session.clear();
    QDir().rmdir(m_folder); // only when no other run keeps copies there
}

std::vector<RecoveryCopy> RecoveryStore::LeftOver()
{
    std::vector<RecoveryCopy> copies;
    const QDir root(m_folder);
    for (const QString& name : root.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        const QString folder = root.filePath(name);
        if (folder == m_session)
            continue;
        auto lock = MakeLock(folder);
        if (!lock->tryLock(0))
            continue; // a program still running owns it
        const qsizetype before = qsizetype(copies.size());
        for (const QString& noteName : QDir(folder).entryList({QStringLiteral("*.json")}, QDir::Files)) {
            const QString copy = folder + u'/' + noteName.chopped(5) + QStringLiteral(".dbr");
            if (const auto note = ReadNote(folder + u'/' + noteName); note && QFile::exists(copy))
                copies.push_back({copy, *note});
        }
        if (qsizetype(copies.size()) == before) {
            lock.reset();
            QDir(folder).removeRecursively(); // nothing in it worth offering
            continue;
        }
        m_abandoned.push_back(std::make_unique<Abandoned>(Abandoned{folder, std::move(lock)}));
    }
    std::stable_sort(copies.begin(), copies.end(), [](const RecoveryCopy& a, const RecoveryCopy& b) {
        return a.note.written < b.note.written;
    });
    return copies;
}

void RecoveryStore::DiscardLeftOver()
{
    for (const auto& abandoned : m_abandoned) {
        abandoned->lock.reset();
        QDir(abandoned->folder).removeRecursively();
    }
    m_abandoned.clear();
}

void RecoveryStore::KeepLeftOverForLater()
{
    // Unlocked, the folders read as abandoned again at the next start.
    m_abandoned.clear();
}
