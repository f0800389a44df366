#pragma once

#include "CompressionJobKind.h"
#include "CompressionOptions.h"
#include "CompressionReport.h"
#include "NSFileNode.h"

#include <QObject>
#include <QStringList>

#include <atomic>
#include <memory>

class BatchCompressor;

// Runs one compression job away from the caller's thread. Create and use it on one
// thread with an event loop (the GUI thread, or the CLI's main thread); every signal is
// delivered on that thread, in order: started, one progress per entry in input order,
// then exactly one of succeeded or failed. The worker never touches anything the
// caller owns: entries and the report arrive as copies.
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
    bool isRunning() const;
    // True while any job of the process runs.
    static bool anyJobRunning();

    // Asks the job to stop after the photos being written; it then reports succeeded()
    // with report.cancelled set. Photos already replaced stay replaced, none is left
    // half-written. Safe to call from any thread.
    void cancel();

Q_SIGNALS:
    void started();
    // After each entry: its 0-based position i in the input of `total` items, and the
    // progress text "%d%%" of i / total (the last photo of eight shows 87%).
    void progress(const NSFileNode &entry, int position, int total, const QString &percentText);
    void succeeded(const CompressionReport &report);
    // The job could not run at all (for example the folder cannot be listed).
    void failed(const QString &message);

private:
    struct Run;
    std::shared_ptr<Run> m_run;
};
