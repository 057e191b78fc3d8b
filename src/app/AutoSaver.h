#pragma once

#include <map>

#include "app/AutoSavePolicy.h"
#include "app/DocumentManager.h"

class RecoveryWriter;

// Keeps a recovery copy of every drawing with unsaved changes: the drawing is turned into
// bytes here, on the caller's thread, and the writer puts them on the disk. A save or a
// close takes the drawing's copy away. Times are in milliseconds of any steady clock.
class AutoSaver final
{
public:
    AutoSaver(RecoveryWriter& writer, qint64 intervalMs);

    bool Enabled() const { return m_intervalMs > 0; }
    void Note(DocumentManager::Drawing& drawing, DocumentManager::Event event, qint64 nowMs);
    // Writes the copies that are due.
    void Tick(qint64 nowMs);
    // Before long work: a copy of every drawing with changes no copy holds yet.
    void WriteAllNow();

private:
    struct Kept
    {
        int key;
        AutoSavePolicy policy;
        bool hasCopy = false;
    };

    Kept& KeptFor(DocumentManager::Drawing& drawing);
    void WriteCopy(DocumentManager::Drawing& drawing, Kept& kept);
    void Forget(DocumentManager::Drawing& drawing, bool closed);

    RecoveryWriter& m_writer;
    qint64 m_intervalMs;
    int m_nextKey = 1;
    std::map<DocumentManager::Drawing*, Kept> m_kept;
};
