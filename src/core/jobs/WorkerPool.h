// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMutex>
#include <QString>
#include <QThreadPool>

#include <atomic>
#include <functional>
#include <memory>

namespace jobs {

// The cancel flag of one run of a pool's tasks, shared by the owner and those tasks, so a
// task that outlives a cancel (its answer still queued) still sees it.
class CancelToken
{
public:
    CancelToken()
        : m_flag(std::make_shared<std::atomic_bool>(false))
    {
    }
    bool cancelled() const { return m_flag->load(); }
    void cancel() const { m_flag->store(true); }
    // For code that polls a plain flag (JobContext, the library walker, the pixel budget).
    const std::atomic_bool *flag() const { return m_flag.get(); }

private:
    std::shared_ptr<std::atomic_bool> m_flag;
};

// The one way background work runs: every job, the thumbnailer, the library scan and the
// camera browser own one of these, never Qt's global pool, so nothing else can delay or
// outlive their work. Tasks of one run share a CancelToken; cancel() raises it and starts
// a new run, so tasks queued afterwards are not cancelled.
//
// run() and cancel() may be called from any thread, the rest by the owner. Destroying the
// pool cancels the current run and waits for every started task, so a task may post
// queued calls to its owner: the owner is still whole when they are posted, and Qt drops
// them once it is gone (declare the pool last, so it is destroyed first).
class WorkerPool
{
public:
    using Task = std::function<void(const CancelToken &run)>;

    WorkerPool(const QString &name, int threads);
    ~WorkerPool();
    WorkerPool(const WorkerPool &) = delete;
    WorkerPool &operator=(const WorkerPool &) = delete;

    void run(Task task);
    CancelToken currentRun() const;
    void cancel();
    // Forgets the tasks not started yet; they never run. Only for owners that track their
    // queued work themselves (a job waits for its one task's answer).
    void dropQueued();
    void waitForDone();

    // Workers for photos that do not depend on each other: a photo's step waits on the
    // disk (every copy is synced before its rename) about as long as it computes, so
    // twice as many workers as cores keep the cores busy meanwhile.
    static int photoWorkers();

private:
    mutable QMutex m_lock;
    CancelToken m_run;
    QThreadPool m_pool;
};

} // namespace jobs
