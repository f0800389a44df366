// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "CompressionJobKind.h"
#include "CompressionOptions.h"
#include "CompressionReport.h"
#include "ResultRow.h"
#include "ResizePresets.h"

#include "jobs/JobReport.h"

#include <QObject>
#include <QStringList>

#include <atomic>
#include <functional>
#include <memory>

class BatchJob;

// Runs one compression job (or the resize workflow) away from the caller's thread, on
// the batch job shape every command uses. Create and use it on one thread with an event
// loop (the GUI thread, or the CLI's main thread); every signal is delivered on that
// thread, in order: started, one progress per entry in input order, then exactly one of
// succeeded (with finished carrying the same outcome as a JobReport) or failed. The
// worker never touches anything the caller owns: entries and the report arrive as copies.
//
// Only one compression job runs in the process at a time: a second start() while any
// job runs is refused, so two jobs never add to one result list or one set of totals.
class CompressionJob : public QObject
{
    Q_OBJECT
public:
    explicit CompressionJob(QObject *parent = nullptr);
    // Cancels a running job and waits for the photo being written to finish.
    ~CompressionJob() override;

    // Starts a job over `items` (see CompressionJobKind for what they hold). Returns false,
    // with the reason in *reason, when a job is already running or the options cannot
    // work (no Output folder while keeping originals).
    bool start(CompressionJobKind kind, const QStringList &items, const CompressionOptions &options,
               QString *reason = nullptr);
    // The resize workflow (see compress::resizeAndRecompress) as a job.
    bool startResize(const QStringList &restPaths, const compress::ResizeRequest &request,
                     const CompressionOptions &options, QString *reason = nullptr);
    bool isRunning() const;

    // Asks the job to stop after the photos being written; it then reports succeeded()
    // with report.cancelled set. Photos already replaced stay replaced, none is left
    // half-written. Safe to call from any thread.
    void cancel();

Q_SIGNALS:
    void started();
    // After each entry: its 0-based position i in the input of `total` items, and the
    // progress text "%d%%" of i / total (the last photo of eight shows 87%).
    void progress(const ResultRow &entry, int position, int total, const QString &percentText);
    void succeeded(const CompressionReport &report);
    // Right after succeeded: the same report in the form every job uses.
    void finished(const JobReport &report);
    // The job could not run at all (for example the folder cannot be listed).
    void failed(const QString &message);

private:
    struct Outcome;
    bool begin(const CompressionOptions &options, QString *reason,
               std::function<bool(const std::atomic_bool *cancel, Outcome &outcome)> work);
    void deliver(const std::shared_ptr<Outcome> &outcome);
    // Posts each entry to this object's thread as progress().
    std::function<void(const ResultRow &, int, int)> entryPoster();

    BatchJob *m_batch;
    bool m_active = false;
};
