#include "BatchCompressor.h"

#include "PathSize.h"
#include "PhotoEncoders.h"
#include "SizeText.h"

#include "imageio/ImageSource.h"
#include "imageio/MetadataRewrite.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QLoggingCategory>
#include <QThread>
#include <QThreadPool>

#include <condition_variable>
#include <exception>
#include <map>
#include <mutex>

Q_LOGGING_CATEGORY(lcBatch, "glimmerset.compress.batch", QtWarningMsg)

namespace {

// What a worker hands back for one photo. Nothing is written yet.
struct PhotoOutcome {
    enum Status { Unreadable, Failed, Ready };
    Status status = Unreadable;
    QString reason;
    QString sourcePath;
    QString outputPath;
    quint64 orignalFileSize = 0;
    // The bytes to put at the output path; empty with keepSource when the source is
    // already there (a result not smaller than its source, written in place).
    compress::EncodedPhoto result;
    bool keepSource = false;
    // Settled when it was taken up, without a worker.
    bool settledEarly = false;
};

QString normalised(const QString &path) { return QDir::cleanPath(QFileInfo(path).absoluteFilePath()); }

PhotoOutcome compressOne(const QString &sourcePath, const QString &outputPath, bool keepMetadata)
{
    PhotoOutcome out;
    out.sourcePath = sourcePath;
    out.outputPath = outputPath;

    QByteArray data;
    QString error;
    if (!imageio::readPhotoFile(sourcePath, &data, &error)) {
        out.reason = error;
        return out;
    }
    const auto source = imageio::ImageSource::create(data, &error);
    if (!source) {
        out.reason = error.isEmpty() ? QStringLiteral("not a photo") : error;
        return out;
    }
    out.orignalFileSize = compress::fastFolderSizeAtFilePath(sourcePath);

    const compress::PhotoEncoder encoder = compress::chooseEncoder(QFileInfo(sourcePath).fileName(), keepMetadata);
    compress::EncodedPhoto encoded = compress::encodePhoto(encoder, *source, sourcePath);
    if (!encoded.ok()) {
        out.status = encoded.undecodable ? PhotoOutcome::Unreadable : PhotoOutcome::Failed;
        out.reason = encoded.error;
        return out;
    }
    out.status = PhotoOutcome::Ready;
    if (quint64(encoded.bytes.size()) > out.orignalFileSize) {
        // A larger result is not kept: the output holds the source's own bytes instead.
        out.keepSource = true;
        if (normalised(outputPath) != normalised(sourcePath))
            out.result.bytes = source->data();
    } else {
        out.result = std::move(encoded);
    }
    return out;
}

} // namespace

BatchCompressor::BatchCompressor(CompressionOptions options, const std::atomic_bool *cancel)
    : m_options(std::move(options))
    , m_cancel(cancel)
{
}

int BatchCompressor::workerCount() const
{
    return m_options.workers > 0 ? m_options.workers : qMax(1, QThread::idealThreadCount());
}

CompressionReport BatchCompressor::run(CompressionJobKind kind, const QList<compress::JobItem> &items,
                                       const EntryCallback &onEntry)
{
    CompressionReport report;
    report.kind = kind;
    report.total = int(items.size());
    const int total = report.total;
    const int workers = workerCount();
    const int maxInFlight = 2 * workers;

    QThreadPool pool;
    pool.setMaxThreadCount(workers);

    std::mutex mutex;
    std::condition_variable finishedChanged;
    std::map<int, PhotoOutcome> finished; // guarded by mutex
    // Output paths of photos dispatched but not yet committed, with their counts.
    QHash<QString, int> pendingOutputs;
    int nextDispatch = 0;
    int nextCommit = 0;
    int inFlight = 0;
    const auto cancelled = [this] { return m_cancel && m_cancel->load(); };

    while (nextCommit < total) {
        while (!cancelled() && nextDispatch < total && inFlight < maxInFlight) {
            const compress::JobItem &item = items[nextDispatch];
            const int index = nextDispatch;
            if (item.skippedByRule) {
                PhotoOutcome skipped;
                skipped.sourcePath = item.sourcePath;
                std::lock_guard lock(mutex);
                finished.emplace(index, std::move(skipped));
                ++nextDispatch;
                continue;
            }
            // A photo reading a file an earlier photo is about to write waits for that
            // write, as it would if photos ran one after another.
            if (pendingOutputs.value(normalised(item.sourcePath)) > 0)
                break;
            const QString outputFolder = m_options.photoLocation ? m_options.photoLocation() : m_options.outputFolder;
            if (m_options.bKeepOrigialPhoto && outputFolder.isEmpty()) {
                // "/name" would be the root folder: fail the photo rather than guess.
                PhotoOutcome nowhere;
                nowhere.status = PhotoOutcome::Failed;
                nowhere.sourcePath = item.sourcePath;
                nowhere.reason = QStringLiteral("no Output folder is set");
                nowhere.settledEarly = true;
                std::lock_guard lock(mutex);
                finished.emplace(index, std::move(nowhere));
                ++nextDispatch;
                continue;
            }
            const QString outputPath = m_options.bKeepOrigialPhoto
                ? outputFolder + QLatin1Char('/') + QFileInfo(item.sourcePath).fileName()
                : item.sourcePath;
            pendingOutputs[normalised(outputPath)] += 1;
            ++inFlight;
            ++nextDispatch;
            const QString sourcePath = item.sourcePath;
            const bool keepMetadata = m_options.bKeepMetadata;
            pool.start([&, index, sourcePath, outputPath, keepMetadata] {
                PhotoOutcome outcome;
                // Every taken-up photo must hand back an outcome, or the commit order stalls.
                try {
                    outcome = compressOne(sourcePath, outputPath, keepMetadata);
                } catch (const std::exception &e) {
                    outcome.status = PhotoOutcome::Failed;
                    outcome.sourcePath = sourcePath;
                    outcome.outputPath = outputPath;
                    outcome.reason = QString::fromLocal8Bit(e.what());
                }
                std::lock_guard lock(mutex);
                finished.emplace(index, std::move(outcome));
                finishedChanged.notify_all();
            });
        }

        PhotoOutcome outcome;
        {
            std::unique_lock lock(mutex);
            if (cancelled() && finished.count(nextCommit) == 0) {
                // Stop here: photos still being compressed are dropped unwritten.
                lock.unlock();
                pool.waitForDone();
                report.cancelled = true;
                break;
            }
            // The timeout only bounds how late a cancel is noticed; results always notify.
            finishedChanged.wait_for(lock, std::chrono::milliseconds(200),
                                     [&] { return finished.count(nextCommit) > 0 || cancelled(); });
            auto it = finished.find(nextCommit);
            if (it == finished.end())
                continue;
            outcome = std::move(it->second);
            finished.erase(it);
        }
        const int position = nextCommit++;
        if (items[position].skippedByRule) {
            report.skipped.append(outcome.sourcePath);
            continue;
        }
        if (!outcome.settledEarly) {
            --inFlight;
            const QString outputKey = normalised(outcome.outputPath);
            if (--pendingOutputs[outputKey] == 0)
                pendingOutputs.remove(outputKey);
        }

        if (outcome.status == PhotoOutcome::Unreadable) {
            qCDebug(lcBatch).noquote() << "skipping" << outcome.sourcePath << outcome.reason;
            report.unreadable.append({outcome.sourcePath, outcome.reason});
            continue;
        }
        if (outcome.status == PhotoOutcome::Failed) {
            report.failed.append({outcome.sourcePath, outcome.reason});
            continue;
        }
        if (!outcome.result.bytes.isEmpty()) {
            QString error;
            QDir().mkpath(QFileInfo(outcome.outputPath).absolutePath());
            if (!compress::writeEncodedPhoto(outcome.result, outcome.outputPath, &error)) {
                qCWarning(lcBatch).noquote() << "cannot write" << outcome.outputPath << error;
                report.failed.append({outcome.sourcePath, error});
                continue;
            }
        }

        NSFileNode entry;
        entry.setOrignalPath(outcome.sourcePath);
        entry.setFileName(QFileInfo(outcome.sourcePath).fileName());
        entry.setOrignalFileSize(outcome.orignalFileSize);
        entry.setOrignalFileSizeStr(compress::sizeText(outcome.orignalFileSize));
        entry.setRestPath(outcome.outputPath);
        entry.setRestFileSize(outcome.keepSource ? outcome.orignalFileSize
                                                 : compress::fastFolderSizeAtFilePath(outcome.outputPath));
        entry.setRestFileSizeStr(compress::sizeText(entry.restFileSize()));
        report.allFileSize += entry.orignalFileSize();
        report.savedFileSize += entry.orignalFileSize() - entry.restFileSize();
        report.entries.append(entry);
        if (onEntry)
            onEntry(entry, position, total);
    }
    pool.waitForDone();
    return report;
}
