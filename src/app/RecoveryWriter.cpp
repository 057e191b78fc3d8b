#include "app/RecoveryWriter.h"

#include <algorithm>

RecoveryWriter::RecoveryWriter(RecoveryStore& store) : m_store(store), m_thread([this] { Run(); }) {}

RecoveryWriter::~RecoveryWriter()
{
    {
        std::lock_guard lock(m_mutex);
        m_stopping = true;
    }
    m_wake.notify_one();
    m_thread.join();
}

void RecoveryWriter::Write(int key, QByteArray bytes, RecoveryNote note)
{
    Queue(Job{key, false, std::move(bytes), std::move(note)});
}

void RecoveryWriter::Remove(int key)
{
    Queue(Job{key, true, {}, {}});
}

void RecoveryWriter::Queue(Job job)
{
    {
        std::lock_guard lock(m_mutex);
        // A waiting copy of the same drawing is out of date either way.
        std::erase_if(m_jobs, [&](const Job& waiting) { return waiting.key == job.key; });
        m_jobs.push_back(std::move(job));
    }
    m_wake.notify_one();
}

void RecoveryWriter::Flush()
{
    std::unique_lock lock(m_mutex);
    m_idle.wait(lock, [this] { return m_jobs.empty() && !m_busy; });
}

int RecoveryWriter::Failures() const
{
    std::lock_guard lock(m_mutex);
    return m_failures;
}

void RecoveryWriter::Run()
{
    std::unique_lock lock(m_mutex);
    for (;;) {
        m_wake.wait(lock, [this] { return m_stopping || !m_jobs.empty(); });
        if (m_jobs.empty())
            return; // stopping, and nothing left to write
        Job job = std::move(m_jobs.front());
        m_jobs.pop_front();
        m_busy = true;
        lock.unlock();
        bool ok = true;
        if (job.remove)
            m_store.Remove(job.key);
        else
            ok = m_store.Write(job.key, job.bytes, job.note);
        lock.lock();
        m_busy = false;
        m_failures += ok ? 0 : 1;
        if (m_jobs.empty())
            m_idle.notify_all();
    }
}
