// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCache>
#include <QHash>
#include <QImage>
#include <QObject>
#include <QSize>
#include <QString>

#include "jobs/WorkerPool.h"

// The one maker of photo thumbnails, for the result table, the editor list and the
// camera list alike. Pictures are decoded on the thumbnailer's own pool (never the
// main thread) and kept in a cache bounded by memory, so long
// lists scroll smoothly. A file rewritten at the same path (a resize) is a new
// picture: the cache key includes its size and modification time.
//
// Create and use it on one thread with an event loop; answers arrive there, queued.
class Thumbnailer : public QObject
{
    Q_OBJECT
public:
    // `maxSize`: the box a thumbnail fits in; `maxBytes`: memory the cached pictures may take.
    explicit Thumbnailer(QSize maxSize, qint64 maxBytes = 32 * 1024 * 1024, QObject *parent = nullptr);
    ~Thumbnailer() override;

    // The cached picture, or a null image after scheduling it once (thumbnailReady follows).
    QImage thumbnail(const QString &path);
    // Answers once with thumbnailReady, from the cache when it can (an empty image when
    // the file is not an image), unless cancelAll() runs first.
    void request(const QString &path);
    // Drops queued work and discards answers still on their way (the list was cleared).
    // The cache stays.
    void cancelAll();
    // cancelAll() and an empty cache.
    void clear();
    // Blocks until every running decode has finished (tests, shutdown).
    void waitForDone();

    bool contains(const QString &path) const;
    int pendingCount() const { return int(m_pending.size()); }
    qint64 cachedBytes() const { return qint64(m_cache.totalCost()) * 1024; }
    int cachedCount() const { return int(m_cache.count()); }

    // The thumbnail itself: decoded at reduced size where the format allows it, turned
    // upright by its orientation tag, fitted into maxSize. Null when the file is not an
    // image. Callable from any thread.
    static QImage makeThumbnail(const QString &path, QSize maxSize);

Q_SIGNALS:
    void thumbnailReady(const QString &path, const QImage &image);

private:
    QString keyFor(const QString &path) const;
    void schedule(const QString &key, const QString &path);
    void deliver(const QString &key, const QString &path, const QImage &image);

    QSize m_maxSize;
    QCache<QString, QImage> m_cache; // cost in KiB
    QHash<QString, QString> m_pending; // key -> path
    // Decoding is mostly disk- and memory-bound; two threads keep the window responsive
    // on small machines while still filling a large list quickly. cancelAll() cancels its
    // run: an answer of an earlier run is dropped.
    jobs::WorkerPool m_pool;
};
