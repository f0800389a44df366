// SPDX-License-Identifier: GPL-3.0-or-later
#include "BatchCompressor.h"

#include "PhotoEncoders.h"
#include "PixelBudget.h"
#include "ResizePresets.h"
#include "SizeText.h"
#include "TrashReplace.h"

#include "imageio/ImageProperties.h"
#include "imageio/ImageSource.h"
#include "imageio/MetadataStrip.h"
#include "imageio/PhotoFiles.h"
#include "jobs/OutputNames.h"
#include "jobs/PhotoLoops.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSet>
#include <QLoggingCategory>
#include <QThread>

#include <exception>

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

// What a photo's output holds: the result, unless it is larger than the source (then the
// source's own bytes, without metadata when that was to go). A new JPEG is what was
// asked for, even when the other format was smaller.
void keepSmaller(PhotoOutcome &out, compress::EncodedPhoto encoded, const imageio::ImageSource &source,
                 const PhotoTask &task)
{
    if (task.newJpeg || quint64(encoded.bytes.size()) <= out.originalFileSize) {
        out.result = std::move(encoded);
        return;
    }
    if (task.keepMetadata) {
        // A larger result is not kept: the output holds the source's own bytes instead.
        out.keepSource = true;
        if (!task.replacesSource)
            out.result.bytes = source.data();
        return;
    }
    // Metadata was to go: the source's pixels as they are, without it.
    QString error;
    const QByteArray stripped
        = imageio::stripMetadataLosslessly(source.data(), source.type(), orientationOf(source), &error);
    if (stripped.isEmpty()) {
        // Cannot strip without re-encoding: the larger result at least has no metadata.
        out.result = std::move(encoded);
    } else if (stripped == source.data()) {
        out.keepSource = true;
        if (!task.replacesSource)
            out.result.bytes = stripped;
    } else {
        out.result.bytes = stripped;
    }
}

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
    out.originalFileSize = quint64(data.size());

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
    keepSmaller(out, std::move(encoded), *source, task);
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

// One run of a BatchCompressor: what is settled in list order on the job's thread.
class CompressionRun
{
public:
    CompressionRun(const CompressionOptions &options, CompressionJobKind kind, const QList<compress::JobItem> &items,
                   const BatchCompressor::EntryCallback &onEntry)
        : m_options(options)
        , m_items(items)
        , m_outputs(jobSources(items))
        , m_budget(options.pixelBudget > 0 ? options.pixelBudget : compress::PixelBudget::defaultPixels())
        , m_resizeJob(kind == CompressionJobKind::Resize)
        , m_throughTrash(options.moveReplacedToTrash && !options.keepOriginalPhoto)
        , m_onEntry(onEntry)
    {
        m_report.kind = kind;
        m_report.total = int(items.size());
    }

    jobs::Planned<PhotoOutcome> plan(int index, const std::atomic_bool *cancel);
    void commit(int position, PhotoOutcome outcome, bool worked);
    CompressionReport &report() { return m_report; }

private:
    // Every source of the job, so that no result is ever written over one of them.
    static QStringList jobSources(const QList<compress::JobItem> &items)
    {
        QStringList sources;
        for (const compress::JobItem &item : items)
            if (!item.skippedByRule && item.problem.isEmpty())
                sources << item.sourcePath;
        return sources;
    }
    QString outputFor(const compress::JobItem &item, const QString &outputFolder, bool newJpeg);
    void addEntry(const PhotoOutcome &outcome, int position);

    const CompressionOptions &m_options;
    const QList<compress::JobItem> &m_items;
    OutputNames m_outputs;
    // Each source once per job, however often it was given (by a link or another spelling too).
    QSet<QString> m_seenSources;
    compress::PixelBudget m_budget;
    // Output paths of photos taken up but not yet committed, with their counts.
    QHash<QString, int> m_pendingOutputs;
    const bool m_resizeJob;
    const bool m_throughTrash;
    const BatchCompressor::EntryCallback &m_onEntry;
    CompressionReport m_report;
};

QString CompressionRun::outputFor(const compress::JobItem &item, const QString &outputFolder, bool newJpeg)
{
    // A resize replaces the earlier result it was given, wherever that is.
    if (m_resizeJob && !newJpeg)
        return item.sourcePath;
    const QFileInfo source(item.sourcePath);
    const bool inPlace = !m_options.keepOriginalPhoto || outputFolder.isEmpty();
    if (inPlace && !newJpeg)
        return item.sourcePath;
    QString folder = inPlace ? source.path() : outputFolder;
    if (!inPlace && !item.relativeFolder.isEmpty())
        folder += QLatin1Char('/') + item.relativeFolder;
    const QString name = newJpeg ? source.completeBaseName() + QStringLiteral(".jpg") : source.fileName();
    // An earlier result in the Output folder is replaced; beside the source only new names
    // are taken: the user's other files live there.
    const bool besideSource = inPlace || OutputNames::samePath(folder) == OutputNames::samePath(source.path());
    return m_outputs.claim(folder + QLatin1Char('/') + name, !besideSource);
}

jobs::Planned<PhotoOutcome> CompressionRun::plan(int index, const std::atomic_bool *cancel)
{
    using Kind = jobs::Planned<PhotoOutcome>::Kind;
    const compress::JobItem &item = m_items[index];
    jobs::Planned<PhotoOutcome> planned;
    planned.outcome.sourcePath = item.sourcePath;
    const auto fail = [&planned](const QString &reason) {
        planned.outcome.status = PhotoOutcome::Failed;
        planned.outcome.reason = reason;
        return planned;
    };
    if (item.skippedByRule
        || (item.problem.isEmpty() && m_seenSources.contains(OutputNames::samePath(item.sourcePath)))) {
        planned.outcome.reason = item.skippedByRule ? Text::tr("hidden name") : Text::tr("given more than once in this job");
        return planned;
    }
    if (!item.problem.isEmpty())
        return fail(item.problem);
    // A photo reading a file an earlier photo is about to write waits for that write, as
    // it would if photos ran one after another.
    if (m_pendingOutputs.value(normalised(item.sourcePath)) > 0) {
        planned.kind = Kind::WaitForCommits;
        return planned;
    }
    m_seenSources.insert(OutputNames::samePath(item.sourcePath));
    const QString outputFolder = m_options.photoLocation ? m_options.photoLocation() : m_options.outputFolder;
    const bool newJpeg = !isJpegOrPng(item.sourcePath);
    // "/name" would be the root folder: fail the photo rather than guess.
    if (m_options.keepOriginalPhoto && outputFolder.isEmpty() && !(m_resizeJob && !newJpeg))
        return fail(Text::tr("no Output folder is set"));
    PhotoTask task;
    task.sourcePath = item.sourcePath;
    task.keepMetadata = m_options.keepMetadata;
    task.newJpeg = newJpeg;
    task.resize = m_options.resize ? &*m_options.resize : nullptr;
    task.budget = &m_budget;
    task.maxPhotoPixels = m_options.maxPhotoPixels;
    task.cancel = cancel;
    task.outputPath = outputFor(item, outputFolder, newJpeg);
    task.replacesSource = normalised(task.outputPath) == normalised(item.sourcePath);
    m_pendingOutputs[normalised(task.outputPath)] += 1;
    planned.kind = Kind::Work;
    planned.work = [task] {
        // Every photo taken up must hand back an outcome, or the commit order stalls.
        try {
            return compressOne(task);
        } catch (const std::exception &e) {
            PhotoOutcome outcome;
            outcome.status = PhotoOutcome::Failed;
            outcome.sourcePath = task.sourcePath;
            outcome.outputPath = task.outputPath;
            outcome.reason = QString::fromLocal8Bit(e.what());
            return outcome;
        }
    };
    return planned;
}

void CompressionRun::commit(int position, PhotoOutcome outcome, bool worked)
{
    if (!worked && outcome.status == PhotoOutcome::Unreadable) {
        m_report.skipped.append({outcome.sourcePath, outcome.reason});
        return;
    }
    if (worked) {
        const QString outputKey = normalised(outcome.outputPath);
        if (--m_pendingOutputs[outputKey] == 0)
            m_pendingOutputs.remove(outputKey);
    }
    if (outcome.status == PhotoOutcome::Unreadable) {
        qCDebug(lcBatch).noquote() << "skipping" << outcome.sourcePath << outcome.reason;
        m_report.unreadable.append({outcome.sourcePath, outcome.reason});
        return;
    }
    if (outcome.status == PhotoOutcome::Failed) {
        m_report.failed.append({outcome.sourcePath, outcome.reason});
        return;
    }
    if (!outcome.result.bytes.isEmpty()) {
        QString error;
        if (!commitResult(outcome, m_throughTrash, &error)) {
            qCWarning(lcBatch).noquote() << "cannot write" << outcome.outputPath << error;
            m_report.failed.append({outcome.sourcePath, error});
            return;
        }
    }
    addEntry(outcome, position);
}

void CompressionRun::addEntry(const PhotoOutcome &outcome, int position)
{
    ResultRow entry;
    entry.setOriginalPath(outcome.sourcePath);
    entry.setFileName(QFileInfo(outcome.newJpeg ? outcome.outputPath : outcome.sourcePath).fileName());
    entry.setOriginalFileSize(outcome.originalFileSize);
    entry.setOriginalFileSizeStr(compress::sizeText(outcome.originalFileSize));
    entry.setRestPath(outcome.outputPath);
    entry.setRestFileSize(outcome.keepSource ? outcome.originalFileSize
                                             : quint64(QFileInfo(outcome.outputPath).size()));
    entry.setRestFileSizeStr(compress::sizeText(entry.restFileSize()));
    m_report.allFileSize += entry.originalFileSize();
    if (entry.originalFileSize() > entry.restFileSize())
        m_report.savedFileSize += entry.originalFileSize() - entry.restFileSize();
    m_report.entries.append(entry);
    if (m_onEntry)
        m_onEntry(entry, position, m_report.total);
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
    CompressionRun run(m_options, kind, items, onEntry);
    JobContext context;
    context.cancel = m_cancel;
    const bool finished = jobs::forEachPhotoInOrder<PhotoOutcome>(
        int(items.size()), workerCount(), context, [&](int index) { return run.plan(index, m_cancel); },
        [&](int position, PhotoOutcome &&outcome, bool worked) { run.commit(position, std::move(outcome), worked); });
    run.report().cancelled = !finished;
    return run.report();
}
