#pragma once

#include <memory>
#include <vector>

#include <QElapsedTimer>
#include <QObject>

#include "app/RecoveryStore.h"

class AutoSaver;
class DocumentManager;
class QTimer;
class RecoveryWriter;

// Autosave and recovery for one run of the program: recovery copies of the open drawings
// while it runs, none left after a clean exit, and the copies an earlier run left behind.
class DrawingRecovery final : public QObject
{
public:
    // intervalMs 0 or less: no copies are written (those of earlier runs are still offered).
    DrawingRecovery(DocumentManager& documents, QString folder, qint64 intervalMs);
    ~DrawingRecovery() override;

    // Copies of runs that did not end cleanly; then exactly one of the three calls below.
    std::vector<RecoveryCopy> LeftOver() { return m_store.LeftOver(); }
    // The left-over copies are open as drawings now: they get copies of this run, then the
    // old ones go.
    void Recovered();
    void Discard() { m_store.DiscardLeftOver(); }
    void KeepForLater() { m_store.KeepLeftOverForLater(); }

    // Before an operation that keeps the program busy for long.
    void BeforeLongWork();
    // Waits for the copies being written (tests look at the disk after it).
    void Flush();
    // A clean exit: no copy is left behind.
    void EndCleanly();

private:
    qint64 Now() const { return m_clock.elapsed(); }

    DocumentManager& m_documents;
    RecoveryStore m_store;
    std::unique_ptr<RecoveryWriter> m_writer;
    std::unique_ptr<AutoSaver> m_saver;
    QTimer* m_timer = nullptr;
    QElapsedTimer m_clock;
};
