// SPDX-License-Identifier: GPL-3.0-or-later
#include "BatchJob.h"

#include <QCoreApplication>
#include <QMetaObject>

BatchJob::BatchJob(QObject *parent)
    : QObject(parent)
{
    qRegisterMetaType<JobReport>();
}

// The pool cancels the job and waits for the photo being written.
BatchJob::~BatchJob() = default;

bool BatchJob::start(const QString &name, Work work)
{
    if (m_running)
        return false;
    m_running = true;
    Q_EMIT started(name);
    m_pool.run([this, name, work = std::move(work)](const jobs::CancelToken &run) {
        JobContext context;
        context.cancel = run.flag();
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

void BatchJob::cancel() { m_pool.cancel(); }

void BatchJob::waitForDone()
{
    m_pool.waitForDone();
    while (m_running)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
}
