// SPDX-License-Identifier: GPL-3.0-or-later
#include "BatchCompressor.h"

#include "OutputPlanner.h"
#include "PathSize.h"
#include "PhotoEncoders.h"
#include "PixelBudget.h"
#include "ResizePresets.h"
#include "SizeText.h"
#include "TrashReplace.h"

#include "imageio/ImageProperties.h"
#include "imageio/ImageSource.h"
#include "imageio/MetadataStrip.h"
#include "imageio/PhotoFiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSet>
#include <QLoggingCategory>
#include <QThread>
#include <QThreadPool>

#include <condition_variable>
#include <exception>
#include <map>
#include <mutex>

Q_LOGGING_CATEGORY(lcBatch, "glimmerset.compress.batch", QtWarningMsg)

namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(BatchCompressor)
};

// What a worker hands back for one photo. Nothing is written yet.
struct PhotoOutcome {
    enum Status { Unreadable, Failed, Ready };
    Status status = Unreadable;
    QString reason;
    QString sourcePath;
    QString outputPath;
    quint64 originalFileSize = 0;
    // The bytes to put at the output path; empty with keepSource when the source is
    // already there (a result not smaller than its source, written in place).
    compress::EncodedPhoto result;
    bool keepSource = false;
    // The output is the source itself: what is there now is replaced.
    bool replacesSource = false;
    // A new JPEG for a photo of another format: the row shows its name.
    bool newJpeg = false;
    // Settled when it was taken up, without a worker.
    bool settledEarly = false;
};

// One photo as a worker takes it up.
struct PhotoTask {
    QString sourcePath;
    QString outputPath;
    bool keepMetadata = false;
    bool newJpeg = false;
    bool replacesSource = false;
    const compress::ResizeRequest *resize = nullptr;
    compress::PixelBudget *budget = nullptr;
    qint64 maxPhotoPixels = 0;
    const std::atomic_bool *cancel = nullptr;
};

QString normalised(const QString &path) { return QDir::cleanPath(QFileInfo(path).absoluteFilePath()); }

// Only JPEG and PNG are rewritten under their own name; anything else becomes a new JPEG.
bool isJpegOrPng(const QString &path)
{
    // Opening a FIFO would block the job: anything but a regular file fails later, with its reason.
    if (!QFileInfo(path).isFile())
        return true;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return true; // unreadable: it fails later with the reason, under its own name
    const QByteArray head = file.read(8);
    return head.startsWith("\xFF\xD8\xFF") || head.startsWith("\x89PNG\r\n\x1a\n");
}

int orientationOf(const imageio::ImageSource &source)
{
    bool ok = false;
    const int o = source.properties().value(QLatin1String(imageio::keys::Orientation)).toInt(&ok);
    return ok ? o : 1;
}

// Gives the pixels back to the job's budget however the photo ends.
class BudgetShare
{
public:
    BudgetShare(compress::PixelBudget *budget, qint64 pixels)
        : m_budget(budget)
        , m_pixels(pixels)
    {
    }
    ~BudgetShare()
    {
        if (m_budget)
            m_budget->release(m_pixels);
    }
    BudgetShare(const BudgetShare &) = delete;
    BudgetShare &operator=(const BudgetShare &) = delete;

private:
    compress::PixelBudget *m_budget;
    qint64 m_pixels;
};

PhotoOutcome compressOne(const PhotoTask &task)
{
    PhotoOutcome out;
    out.sourcePath = task.sourcePath;
    out.outputPath = task.outputPath;
    out.replacesSource = task.replacesSource;
    out.newJpeg = task.newJpeg;
    const QString &sourcePath = task.sourcePath;

    const QFileInfo info(sourcePath);
    QByteArray data;
    QString error;
    // Regular files only, read within their size: a FIFO or a device never ends.
    if (!imageio::readPhotoFile(sourcePath, &data, &error)) {
        out.reason = error;
        return out;
    }
    const auto source = imageio::ImageSource::create(data, &error);
    if (!source) {
        out.reason = error.isEmpty() ? Text::tr("not a photo") : error;
        return out;
    }
    out.originalFileSize = compress::fastFolderSizeAtFilePath(sourcePath);

    // The header says how many pixels decoding will allocate: refuse or wait before that.
    QSize shown = compress::displayedSize(*source);
    if (!shown.isValid())
        shown = QSize(source->properties().value(QLatin1String(imageio::keys::PixelWidth)).toInt(),
                      source->properties().value(QLatin1String(imageio::keys::PixelHeight)).toInt());
    const qint64 pixels = qMax<qint64>(1, qint64(qMax(0, shown.width())) * qMax(0, shown.height()));
    const auto tooLarge = [&](const QString &limit) {
        out.status = PhotoOutcome::Failed;
        out.reason = Text::tr("too large: %1 × %2 pixels, %3").arg(shown.width()).arg(shown.height()).arg(limit);
        return out;
    };
    if (pixels > task.maxPhotoPixels)
        return tooLarge(Text::tr("more than %1 megapixels").arg(task.maxPhotoPixels / 1000000));
    if (task.budget && pixels > task.budget->total())
        return tooLarge(Text::tr("more than this computer's memory allows"));
    if (task.budget && !task.budget->acquire(pixels, task.cancel)) {
        out.status = PhotoOutcome::Failed;
        out.reason = Text::tr("stopped");
        return out;
    }
    const BudgetShare share(task.budget, pixels);

    const compress::PhotoEncoder encoder = task.newJpeg
        ? (task.keepMetadata ? compress::PhotoEncoder::JpgKeepingMetadata : compress::PhotoEncoder::JpgWithoutMetadata)
        : compress::chooseEncoder(info.fileName(), task.keepMetadata);
    compress::EncodedPhoto encoded = compress::encodePhoto(encoder, *source, sourcePath, task.resize);
    if (!encoded.ok()) {
        out.status = encoded.undecodable ? PhotoOutcome::Unreadable : PhotoOutcome::Failed;
        out.reason = encoded.error;
        return out;
    }
    out.status = PhotoOutcome::Ready;
    // A new JPEG is what was asked for, even when the other format was smaller.
    if (task.newJpeg || quint64(encoded.bytes.size()) <= out.originalFileSize) {
        out.result = std::move(encoded);
        return out;
    }
    if (task.keepMetadata) {
        // A larger result is not kept: the output holds the source's own bytes instead.
        out.keepSource = true;
        if (!task.replacesSource)
            out.result.bytes = source->data();
        return out;
    }
    // Metadata was to go: the source's pixels as they are, without it.
    const QByteArray stripped
        = imageio::stripMetadataLosslessly(source->data(), source->type(), orientationOf(*source), &error);
    if (stripped.isEmpty()) {
        // Cannot strip without re-encoding: the larger result at least has no metadata.
        out.result = std::move(encoded);
    } else if (stripped == source->data()) {
        out.keepSource = true;
        if (!task.replacesSource)
            out.result.bytes = stripped;
    } else {
        out.result.bytes = stripped;
    }
    return out;
}

// Puts a result at its output path; a replaced source goes to the Trash first when asked.
bool commitResult(const PhotoOutcome &outcome, bool throughTrash, QString *error)
{
    QDir().mkpath(QFileInfo(outcome.outputPath).absolutePath());
    const auto write = [&outcome](QString *reason) {
        return compress::writeEncodedPhoto(outcome.result, outcome.outputPath, reason);
    };
    if (throughTrash && outcome.replacesSource && QFileInfo::exists(outcome.outputPath))
        return compress::replaceThroughTrash(outcome.outputPath, write, error);
    return write(error);
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

    // Every source of the job, so that no result is ever written over one of them.
    QStringList sources;
    for (const compress::JobItem &item : items)
        if (!item.skippedByRule && item.problem.isEmpty())
            sources << item.sourcePath;
    compress::OutputPlanner planner(sources);
    // Each source once per job, however often it was given (by a link or another spelling too).
    QSet<QString> seenSources;
    compress::PixelBudget budget(m_options.pixelBudget > 0 ? m_options.pixelBudget
                                                           : compress::PixelBudget::defaultPixels());
    const bool resizeJob = kind == CompressionJobKind::Resize;
    const compress::ResizeRequest *resize = m_options.resize ? &*m_options.resize : nullptr;
    const bool throughTrash = m_options.moveReplacedToTrash && !m_options.keepOriginalPhoto;

    std::mutex mutex;
    std::condition_variable finishedChanged;
    std::map<int, PhotoOutcome> finished; // guarded by mutex
    // Output paths of photos dispatched but not yet committed, with their counts.
    QHash<QString, int> pendingOutputs;
    int nextDispatch = 0;
    int nextCommit = 0;
    int inFlight = 0;
    const auto cancelled = [this] { return m_cancel && m_cancel->load(); };
    const auto settle = [&](int index, PhotoOutcome outcome) {
        outcome.settledEarly = true;
        std::lock_guard lock(mutex);
        finished.emplace(index, std::move(outcome));
    };

    while (nextCommit < total) {
        while (!cancelled() && nextDispatch < total && inFlight < maxInFlight) {
            const compress::JobItem &item = items[nextDispatch];
            const int index = nextDispatch;
            PhotoOutcome early;
            early.sourcePath = item.sourcePath;
            if (item.skippedByRule || (item.problem.isEmpty() && seenSources.contains(
                                                                     compress::OutputPlanner::normalised(item.sourcePath)))) {
                early.reason = item.skippedByRule ? Text::tr("hidden name")
                                                  : Text::tr("given more than once in this job");
                settle(index, std::move(early));
                ++nextDispatch;
                continue;
            }
            if (!item.problem.isEmpty()) {
                early.status = PhotoOutcome::Failed;
                early.reason = item.problem;
                settle(index, std::move(early));
                ++nextDispatch;
                continue;
            }
            // A photo reading a file an earlier photo is about to write waits for that
            // write, as it would if photos ran one after another.
            if (pendingOutputs.value(normalised(item.sourcePath)) > 0)
                break;
            seenSources.insert(compress::OutputPlanner::normalised(item.sourcePath));
            const QString outputFolder = m_options.photoLocation ? m_options.photoLocation() : m_options.outputFolder;
            const bool newJpeg = !isJpegOrPng(item.sourcePath);
            if (m_options.keepOriginalPhoto && outputFolder.isEmpty() && !(resizeJob && !newJpeg)) {
                // "/name" would be the root folder: fail the photo rather than guess.
                early.status = PhotoOutcome::Failed;
                early.reason = Text::tr("no Output folder is set");
                settle(index, std::move(early));
                ++nextDispatch;
                continue;
            }
            PhotoTask task;
            task.sourcePath = item.sourcePath;
            task.keepMetadata = m_options.keepMetadata;
            task.newJpeg = newJpeg;
            task.resize = resize;
            task.budget = &budget;
            task.maxPhotoPixels = m_options.maxPhotoPixels;
            task.cancel = m_cancel;
            if (resizeJob && !newJpeg) {
                // A resize replaces the earlier result it was given, wherever that is.
                task.outputPath = item.sourcePath;
            } else {
                task.outputPath = planner.plan(item.sourcePath,
                                               m_options.keepOriginalPhoto ? outputFolder : QString(),
                                               item.relativeFolder, newJpeg);
            }
            task.replacesSource = normalised(task.outputPath) == normalised(item.sourcePath);
            pendingOutputs[normalised(task.outputPath)] += 1;
            ++inFlight;
            ++nextDispatch;
            pool.start([&, index, task] {
                PhotoOutcome outcome;
                // Every taken-up photo must hand back an outcome, or the commit order stalls.
                try {
                    outcome = compressOne(task);
                } catch (const std::exception &e) {
                    outcome.status = PhotoOutcome::Failed;
                    outcome.sourcePath = task.sourcePath;
                    outcome.outputPath = task.outputPath;
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
        if (outcome.settledEarly && outcome.status == PhotoOutcome::Unreadable) {
            report.skipped.append({outcome.sourcePath, outcome.reason});
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
            if (!commitResult(outcome, throughTrash, &error)) {
                qCWarning(lcBatch).noquote() << "cannot write" << outcome.outputPath << error;
                report.failed.append({outcome.sourcePath, error});
                continue;
            }
        }

        ResultRow entry;
        entry.setOriginalPath(outcome.sourcePath);
        entry.setFileName(QFileInfo(outcome.newJpeg ? outcome.outputPath : outcome.sourcePath).fileName());
        entry.setOriginalFileSize(outcome.originalFileSize);
        entry.setOriginalFileSizeStr(compress::sizeText(outcome.originalFileSize));
        entry.setRestPath(outcome.outputPath);
        entry.setRestFileSize(outcome.keepSource ? outcome.originalFileSize
                                                 : compress::fastFolderSizeAtFilePath(outcome.outputPath));
        entry.setRestFileSizeStr(compress::sizeText(entry.restFileSize()));
        report.allFileSize += entry.originalFileSize();
        if (entry.originalFileSize() > entry.restFileSize())
            report.savedFileSize += entry.originalFileSize() - entry.restFileSize();
        report.entries.append(entry);
        if (onEntry)
            onEntry(entry, position, total);
    }
    pool.waitForDone();
    return report;
}
