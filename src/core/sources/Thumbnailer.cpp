// SPDX-License-Identifier: GPL-3.0-or-later
#include "Thumbnailer.h"

#include "imageio/ContainerCheck.h"

#include <QBuffer>
#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QMetaObject>
#include <QThread>

Thumbnailer::Thumbnailer(QSize maxSize, qint64 maxBytes, QObject *parent)
    : QObject(parent)
    , m_maxSize(maxSize)
    , m_pool(QStringLiteral("Thumbnailer"), qMin(2, QThread::idealThreadCount()))
{
    m_cache.setMaxCost(qMax<qint64>(1, maxBytes / 1024));
}

Thumbnailer::~Thumbnailer()
{
    m_pool.dropQueued();
}

QString Thumbnailer::keyFor(const QString &path) const
{
    const QFileInfo info(path);
    return path + QLatin1Char('|') + QString::number(info.size()) + QLatin1Char('|')
        + QString::number(info.lastModified().toMSecsSinceEpoch());
}

bool Thumbnailer::contains(const QString &path) const { return m_cache.contains(keyFor(path)); }

QImage Thumbnailer::thumbnail(const QString &path)
{
    const QString key = keyFor(path);
    if (const QImage *cached = m_cache.object(key))
        return *cached;
    if (!m_pending.contains(key))
        schedule(key, path);
    return {};
}

void Thumbnailer::request(const QString &path)
{
    const QString key = keyFor(path);
    if (const QImage *cached = m_cache.object(key)) {
        QMetaObject::invokeMethod(
            this,
            [this, path, run = m_pool.currentRun(), image = *cached] {
                if (!run.cancelled())
                    Q_EMIT thumbnailReady(path, image);
            },
            Qt::QueuedConnection);
        return;
    }
    if (!m_pending.contains(key))
        schedule(key, path);
}

void Thumbnailer::schedule(const QString &key, const QString &path)
{
    m_pending.insert(key, path);
    const QSize maxSize = m_maxSize;
    m_pool.run([this, key, path, maxSize](const jobs::CancelToken &run) {
        if (run.cancelled())
            return;
        QImage image = makeThumbnail(path, maxSize);
        QMetaObject::invokeMethod(
            this,
            [this, key, path, run, image = std::move(image)] {
                if (!run.cancelled())
                    deliver(key, path, image);
            },
            Qt::QueuedConnection);
    });
}

void Thumbnailer::deliver(const QString &key, const QString &path, const QImage &image)
{
    if (!m_pending.remove(key))
        return;
    // An unreadable file still gets an entry, so it is not decoded again on every paint.
    QImage stored = image;
    if (stored.isNull()) {
        stored = QImage(1, 1, QImage::Format_ARGB32_Premultiplied);
        stored.fill(Qt::transparent);
    }
    m_cache.insert(key, new QImage(stored), qMax<qsizetype>(1, stored.sizeInBytes() / 1024));
    Q_EMIT thumbnailReady(path, image);
}

void Thumbnailer::cancelAll()
{
    m_pool.cancel();
    m_pool.dropQueued();
    m_pending.clear();
}

void Thumbnailer::clear()
{
    cancelAll();
    m_cache.clear();
}

void Thumbnailer::waitForDone() { m_pool.waitForDone(); }

QImage Thumbnailer::makeThumbnail(const QString &path, QSize maxSize)
{
    // Opening a FIFO would block this worker for good; devices never end.
    if (!QFileInfo(path).isFile())
        return {};
    QImageReader reader(path);
    QBuffer bytes;
    if (reader.format() == "png") {
        // A chunk claiming more bytes than the file holds would be allocated in full first;
        // the bytes read for the check are the ones decoded.
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            return {};
        bytes.setData(file.readAll());
        if (!imageio::pngIsSound(bytes.data()) || !bytes.open(QIODevice::ReadOnly))
            return {};
        reader.setDevice(&bytes);
        reader.setFormat("png");
    }
    reader.setAutoTransform(true);
    const QSize stored = reader.size();
    // Decoding at reduced size is what keeps large photos cheap; a rotated result that
    // overshoots a non-square bound is scaled once more below.
    if (stored.isValid() && (stored.width() > maxSize.width() || stored.height() > maxSize.height()))
        reader.setScaledSize(stored.scaled(maxSize, Qt::KeepAspectRatio));
    QImage image = reader.read();
    if (image.isNull())
        return {};
    if (image.width() > maxSize.width() || image.height() > maxSize.height())
        image = image.scaled(maxSize, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    return image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}
