// SPDX-License-Identifier: GPL-3.0-or-later
#include "WorkerPool.h"

#include <QThread>

namespace jobs {

WorkerPool::WorkerPool(const QString &name, int threads)
{
    m_pool.setObjectName(name);
    m_pool.setMaxThreadCount(qMax(1, threads));
}

WorkerPool::~WorkerPool()
{
    cancel();
    m_pool.waitForDone();
}

void WorkerPool::run(Task task)
{
    m_pool.start([run = currentRun(), task = std::move(task)] { task(run); });
}

CancelToken WorkerPool::currentRun() const
{
    const QMutexLocker lock(&m_lock);
    return m_run;
}

void WorkerPool::cancel()
{
    const QMutexLocker lock(&m_lock);
    m_run.cancel();
    m_run = CancelToken();
}

void WorkerPool::dropQueued() { m_pool.clear(); }

void WorkerPool::waitForDone() { m_pool.waitForDone(); }

int WorkerPool::photoWorkers() { return qMax(1, 2 * QThread::idealThreadCount()); }

} // namespace jobs
