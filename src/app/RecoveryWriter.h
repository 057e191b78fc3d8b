#pragma once

#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>

#include <QByteArray>

#include "app/RecoveryStore.h"

// Writes and removes recovery copies on a thread of its own, in the order asked, so the
// drawing never waits for the disk. A newer copy of a drawing replaces one still waiting.
class RecoveryWriter final
{
public:
    explicit RecoveryWriter(RecoveryStore& store);
    // Finishes what is waiting.
    ~RecoveryWriter();
    RecoveryWriter(const RecoveryWriter&) = delete;
    RecoveryWriter& operator=(const RecoveryWriter&) = delete;

    void Write(int key, QByteArray bytes, RecoveryNote note);
    void Remove(int key);
    // Waits until everything asked so far is on the disk (or has failed).
    void Flush();
    int Failures() const;

private:
    struct Job
    {
        int key = 0;
        bool remove = false;
        QByteArray bytes;
        RecoveryNote note;
    };

    void Queue(Job job);
    void Run();

    RecoveryStore& m_store;
    mutable std::mutex m_mutex;
    std::condition_variable m_wake;
    std::condition_variable m_idle;
    std::deque<Job> m_jobs;
    bool m_busy = false;
    bool m_stopping = false;
    int m_failures = 0;
    std::thread m_thread; // last: starts once the rest is there
};
