// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "LibraryScanReport.h"

#include <QObject>
#include <QStringList>

#include "jobs/WorkerPool.h"

// Scans a photo library on a worker of its own and hands the photos back in batches,
// so a list shows them while the walk goes on without reloading once per photo. One
// scan at a time: a second start while one runs is refused. Signals arrive queued on
// the thread that owns the scan (the main thread in the window): started, then
// photosFound any number of times, then finished exactly once, also after stop().
class PhotoLibraryScan : public QObject
{
    Q_OBJECT
public:
    // A batch goes out when it holds this many photos or has waited this long.
    static constexpr int BatchSize = 256;
    static constexpr int BatchIntervalMs = 100;
    // The first photos go out sooner, so the list is not empty for long.
    static constexpr int FirstBatchSize = 32;

    explicit PhotoLibraryScan(QObject *parent = nullptr);
    // Stops a running walk and waits for it; no signal follows.
    ~PhotoLibraryScan() override;

    // False, with nothing emitted, while a scan runs (see busyMessage()).
    bool start(const QString &libraryPath);
    // The walk ends after the entry it is on; finished() reports what was found so far.
    void stop();
    bool isRunning() const { return m_running; }

    static QString busyMessage();

Q_SIGNALS:
    void started(const QString &libraryPath);
    void photosFound(const QStringList &paths);
    void finished(const LibraryScanReport &report);

private:
    bool m_running = false;
    jobs::WorkerPool m_pool{QStringLiteral("PhotoLibraryScan"), 1};
};
