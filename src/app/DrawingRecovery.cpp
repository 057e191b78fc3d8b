#include "app/DrawingRecovery.h"

#include <algorithm>

#include <QTimer>

#include "app/AutoSaver.h"
#include "app/DocumentManager.h"
#include "app/RecoveryWriter.h"

DrawingRecovery::DrawingRecovery(DocumentManager& documents, QString folder, qint64 intervalMs)
    : m_documents(documents), m_store(std::move(folder))
{
    m_clock.start();
    m_store.Begin();
    m_writer = std::make_unique<RecoveryWriter>(m_store);
    m_saver = std::make_unique<AutoSaver>(*m_writer, intervalMs);
    m_documents.SetWatcher([this](DocumentManager::Drawing& drawing, DocumentManager::Event event) {
        m_saver->Note(drawing, event, Now());
    });
    if (!m_saver->Enabled())
        return;
    m_timer = new QTimer(this);
    connect(m_timer, &QTimer::timeout, this, [this] { m_saver->Tick(Now()); });
    m_timer->start(int(std::clamp<qint64>(intervalMs / 4, 50, 1000)));
}

DrawingRecovery::~DrawingRecovery()
{
    m_documents.SetWatcher({});
}

void DrawingRecovery::Recovered()
{
    m_saver->WriteAllNow();
    m_writer->Flush();
    m_store.DiscardLeftOver();
}

void DrawingRecovery::BeforeLongWork()
{
    m_saver->WriteAllNow();
}

void DrawingRecovery::Flush()
{
    m_writer->Flush();
}

void DrawingRecovery::EndCleanly()
{
    if (m_timer)
        m_timer->stop();
    m_documents.SetWatcher({});
    m_writer->Flush();
    m_store.EndCleanly();
}
