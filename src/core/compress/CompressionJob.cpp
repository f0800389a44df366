#include "CompressionJob.h"

#include "BatchCompressor.h"
#include "JobItems.h"
#include "SizeText.h"

#include <thread>

namespace {

// One job per process: two jobs must never add to one result list or one set of totals.
std::atomic_bool anyRunning{false};

} // namespace

struct CompressionJob::Run {
    std::thread thread;
    std::atomic_bool cancel{false};
    bool active = false; // owner thread only
};

CompressionJob::CompressionJob(QObject *parent)
    : QObject(parent)
{
    qRegisterMetaType<NSFileNode>();
    qRegisterMetaType<CompressionReport>();
}

CompressionJob::~CompressionJob()
{
    if (m_run) {
        m_run->cancel = true;
        if (m_run->thread.joinable())
            m_run->thread.join();
        if (m_run->active)
            anyRunning = false;
    }
}

bool CompressionJob::isRunning() const { return m_run && m_run->active; }

bool CompressionJob::anyJobRunning() { return anyRunning.load(); }

void CompressionJob::cancel()
{
    if (m_run)
        m_run->cancel = true;
}

bool CompressionJob::start(CompressionJobKind kind, const QStringList &items, const CompressionOptions &options,
                           QString *reason)
{
    const auto refuse = [reason](const QString &why) {
        if (reason)
            *reason = why;
        return false;
    };
    if (options.bKeepOrigialPhoto && options.outputFolder.isEmpty() && !options.photoLocation)
        return refuse(QStringLiteral("No Output folder is set."));
    bool expected = false;
    if (!anyRunning.compare_exchange_strong(expected, true))
        return refuse(QStringLiteral("Another compression job is still running. Wait until it has finished."));

    if (m_run && m_run->thread.joinable())
        m_run->thread.join();
    auto run = std::make_shared<Run>();
    run->active = true;
    m_run = run;

    QMetaObject::invokeMethod(this, [this] { Q_EMIT started(); }, Qt::QueuedConnection);

    run->thread = std::thread([this, run, kind, items, options] {
        const auto finish = [this, run](auto emitResult) {
            QMetaObject::invokeMethod(
                this,
                [this, run, emitResult] {
                    if (!run->active)
                        return;
                    if (run->thread.joinable())
                        run->thread.join();
                    run->active = false;
                    anyRunning = false;
                    emitResult();
                },
                Qt::QueuedConnection);
        };

        QList<compress::JobItem> expanded;
        QString error;
        if (!compress::expandJobItems(kind, items, &expanded, &error, options.includeSubfolders)) {
            finish([this, error] { Q_EMIT failed(error); });
            return;
        }
        BatchCompressor compressor(options, &run->cancel);
        const CompressionReport report = compressor.run(kind, expanded, [this](const NSFileNode &entry, int position, int total) {
            QMetaObject::invokeMethod(
                this,
                [this, entry, position, total] {
                    Q_EMIT progress(entry, position, total,
                                    compress::progressPercentText(compress::progressFraction(position, total)));
                },
                Qt::QueuedConnection);
        });
        finish([this, report] { Q_EMIT succeeded(report); });
    });
    return true;
}
