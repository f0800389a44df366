// SPDX-License-Identifier: GPL-3.0-or-later
#include "CompressionJob.h"

#include "BatchCompressor.h"
#include "JobItems.h"
#include "ResizeRecompress.h"
#include "SizeText.h"

#include "jobs/BatchJob.h"

namespace {

// One job per process: two jobs must never add to one result list or one set of totals.
std::atomic_bool anyRunning{false};

} // namespace

struct CompressionJob::Outcome {
    CompressionReport report;
    QString error; // set when the job could not run at all
};

CompressionJob::CompressionJob(QObject *parent)
    : QObject(parent)
    , m_batch(new BatchJob(this))
{
    qRegisterMetaType<ResultRow>();
    qRegisterMetaType<CompressionReport>();
    qRegisterMetaType<JobReport>();
}

CompressionJob::~CompressionJob()
{
    // Before this object is half gone: the worker posts its entries to it until it returns.
    delete m_batch;
    if (m_active)
        anyRunning = false;
}

bool CompressionJob::isRunning() const { return m_active; }

void CompressionJob::cancel() { m_batch->cancel(); }

bool CompressionJob::begin(const CompressionOptions &options, QString *reason,
                           std::function<bool(const std::atomic_bool *cancel, Outcome &outcome)> work)
{
    const auto refuse = [reason](const QString &why) {
        if (reason)
            *reason = why;
        return false;
    };
    if (options.keepOriginalPhoto && options.outputFolder.isEmpty() && !options.photoLocation)
        return refuse(tr("No Output folder is set."));
    bool expected = false;
    if (!anyRunning.compare_exchange_strong(expected, true))
        return refuse(tr("Another compression job is still running. Wait until it has finished."));

    m_active = true;
    QMetaObject::invokeMethod(this, [this] { Q_EMIT started(); }, Qt::QueuedConnection);
    auto outcome = std::make_shared<Outcome>();
    // Queued after every entry the worker posted, so the list is complete when it arrives.
    auto *connection = new QMetaObject::Connection;
    *connection = connect(m_batch, &BatchJob::finished, this, [this, outcome, connection] {
        disconnect(*connection);
        delete connection;
        deliver(outcome);
    });
    m_batch->start(QStringLiteral("compression"), [work = std::move(work), outcome](const JobContext &context) {
        if (!work(context.cancel, *outcome))
            return JobReport();
        return outcome->report.toJobReport();
    });
    return true;
}

void CompressionJob::deliver(const std::shared_ptr<Outcome> &outcome)
{
    m_active = false;
    anyRunning = false;
    if (!outcome->error.isEmpty()) {
        Q_EMIT failed(outcome->error);
        return;
    }
    Q_EMIT succeeded(outcome->report);
    Q_EMIT finished(outcome->report.toJobReport());
}

std::function<void(const ResultRow &, int, int)> CompressionJob::entryPoster()
{
    return [this](const ResultRow &entry, int position, int total) {
        QMetaObject::invokeMethod(
            this,
            [this, entry, position, total] {
                Q_EMIT progress(entry, position, total,
                                compress::progressPercentText(compress::progressFraction(position, total)));
            },
            Qt::QueuedConnection);
    };
}

bool CompressionJob::start(CompressionJobKind kind, const QStringList &items, const CompressionOptions &options,
                           QString *reason)
{
    return begin(options, reason, [this, kind, items, options](const std::atomic_bool *cancel, Outcome &outcome) {
        QList<compress::JobItem> expanded;
        if (!compress::expandJobItems(kind, items, &expanded, &outcome.error, options.includeSubfolders))
            return false;
        BatchCompressor compressor(options, cancel);
        outcome.report = compressor.run(kind, expanded, entryPoster());
        return true;
    });
}

bool CompressionJob::startResize(const QStringList &restPaths, const compress::ResizeRequest &request,
                                 const CompressionOptions &options, QString *reason)
{
    return begin(options, reason, [this, restPaths, request, options](const std::atomic_bool *cancel, Outcome &outcome) {
        outcome.report = compress::resizeAndRecompress(restPaths, request, options, cancel, entryPoster());
        return true;
    });
}
