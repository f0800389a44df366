// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "JobContext.h"
#include "JobReport.h"
#include "WorkerPool.h"

#include <QObject>
#include <QString>

#include <functional>

// Runs one batch job at a time away from the creating thread, so a large selection does
// not freeze the window. The work gets its parameters copied in (capture them by value)
// and never touches anything the caller owns; it runs on this object's own pool.
//
// Create and use it on a thread with an event loop: started is emitted by start() itself;
// progress and finished are delivered there, queued and in order, and finished comes
// exactly once per start.
class BatchJob : public QObject
{
    Q_OBJECT
public:
    using Work = std::function<JobReport(const JobContext &context)>;

    explicit BatchJob(QObject *parent = nullptr);
    // Cancels a running job and waits for the photo being written.
    ~BatchJob() override;

    // False (and nothing started) while this job still runs.
    bool start(const QString &name, Work work);
    bool isRunning() const { return m_running; }
    // Stops after the photo being written; the report then has `cancelled` set. Any thread.
    void cancel();
    // Blocks until the running job has finished and its report was delivered (tests, shutdown).
    void waitForDone();

Q_SIGNALS:
    void started(const QString &name);
    void progress(int done, int total);
    void finished(const QString &name, const JobReport &report);

private:
    bool m_running = false;
    // One job at a time: the work runs its photos on workers of its own (PhotoLoops.h).
    jobs::WorkerPool m_pool{QStringLiteral("BatchJob"), 1};
};
