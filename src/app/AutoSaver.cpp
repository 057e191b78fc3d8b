#include "app/AutoSaver.h"

#include <QDateTime>

#include "app/RecoveryWriter.h"

AutoSaver::AutoSaver(RecoveryWriter& writer, qint64 intervalMs)
    : m_writer(writer), m_intervalMs(intervalMs)
{
}

void AutoSaver::Note(DocumentManager::Drawing& drawing, DocumentManager::Event event, qint64 nowMs)
{
    switch (event) {
    case DocumentManager::Event::Changed:
        if (Enabled())
            KeptFor(drawing).policy.Changed(nowMs);
        break;
    case DocumentManager::Event::Saved: Forget(drawing, false); break;
    case DocumentManager::Event::Closed: Forget(drawing, true); break;
    }
}

void AutoSaver::Tick(qint64 nowMs)
{
    for (auto& [drawing, kept] : m_kept) {
        if (kept.policy.Due(nowMs))
            WriteCopy(*drawing, kept);
    }
}

void AutoSaver::WriteAllNow()
{
    for (auto& [drawing, kept] : m_kept) {
        if (kept.policy.Pending())
            WriteCopy(*drawing, kept);
    }
}

AutoSaver::Kept& AutoSaver::KeptFor(DocumentManager::Drawing& drawing)
{
    auto found = m_kept.find(&drawing);
    if (found == m_kept.end())
        found = m_kept.emplace(&drawing, Kept{m_nextKey++, AutoSavePolicy(m_intervalMs)}).first;
    return found->second;
}

void AutoSaver::WriteCopy(DocumentManager::Drawing& drawing, Kept& kept)
{
    SavedDrawing saved = drawing.document->Write();
    if (!saved.ok())
        return; // the drawing cannot be written at all; the previous copy stays
    m_writer.Write(kept.key, std::move(saved.bytes),
                   RecoveryNote{drawing.path, drawing.title, QDateTime::currentDateTimeUtc()});
    kept.hasCopy = true;
    kept.policy.Covered();
}

void AutoSaver::Forget(DocumentManager::Drawing& drawing, bool closed)
{
    const auto found = m_kept.find(&drawing);
    if (found == m_kept.end())
        return;
    if (found->second.hasCopy)
        m_writer.Remove(found->second.key);
    found->second.hasCopy = false;
    found->second.policy.Covered();
    if (closed)
        m_kept.erase(found);
}
