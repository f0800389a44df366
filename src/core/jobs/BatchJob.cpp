// SPDX-License-Identifier: GPL-3.0-or-later
#include "BatchJob.h"

#include <QCoreApplication>
#include <QMetaObject>

BatchJob::BatchJob(QObject *parent)
    : QObject(parent)
{
    qRegisterMetaType<JobReport>();
    // One job at a time: its work may use its own workers (compression does).
    m_pool.setMaxThreadCount(1);
}

BatchJob::~BatchJob()
{
    cancel();
    m_pool.waitForDone();
}

bool BatchJob::start(const QString &name, Work work)
{
    if (m_running)
        return false;
    m_running = true;
    m_cancel = std::make_shared<std::atomic_bool>(false);
    Q_EMIT started(name);
    auto cancelFlag = m_cancel;
    m_pool.start([this, name, work = std::move(work), cancelFlag] {
        JobContext context;
        context.cancel = cancelFlag.get();
        context.progress = [this](int done, int total) {
            QMetaObject::invokeMethod(this, [this, done, total] { Q_EMIT progress(done, total); },
                                      Qt::QueuedConnection);
        };
        JobReport report = work(context);
        // The destructor waits for the pool, so `this` is alive for every call queued here.
        QMetaObject::invokeMethod(
            this,
            [this, name, report = std::move(report)] {
                m_running = false;
                Q_EMIT finished(name, report);
            },
            Qt::QueuedConnection);
    });
    return true;
}

void BatchJob::cancel()
{
    if (m_cancel)
        m_cancel->store(true);
}

void BatchJob::waitForDone()
{
    m_pool.waitForDone();
    while (m_running)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
}
