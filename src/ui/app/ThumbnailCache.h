#pragma once

#include <QCache>
#include <QHash>
#include <QImage>
#include <QObject>
#include <QSize>
#include <QThreadPool>

#include <memory>

// Row pictures of the result table: made from the photo files on the cache's own pool
// (never on the main thread) and kept in a cache bounded by memory, so a long table
// scrolls smoothly. A file rewritten at the same path (a resize) is a new picture: the
// key includes its size and modification time.
class ThumbnailCache : public QObject
{
    Q_OBJECT
public:
    // `edge`: the longest side of a thumbnail in pixels; `maxBytes`: memory the cached
    // pictures may take.
    explicit ThumbnailCache(int edge, qint64 maxBytes, QObject *parent = nullptr);
    ~ThumbnailCache() override;

    // The cached picture, or a null image after scheduling it (thumbnailReady follows).
    // Main thread only.
    QImage thumbnail(const QString &path);
    bool contains(const QString &path) const;
    int pendingCount() const { return int(m_pending.size()); }
    qint64 cachedBytes() const { return qint64(m_cache.totalCost()) * 1024; }
    int cachedCount() const { return int(m_cache.count()); }
    void clear();
    void waitForDone();

    // Decodes at reduced size where the format allows and applies the orientation tag.
    // Any thread.
    static QImage makeThumbnail(const QString &path, int edge);

Q_SIGNALS:
    void thumbnailReady(const QString &path);

private:
    QString keyFor(const QString &path) const;
    void deliver(const QString &key, const QString &path, const QImage &image);

    int m_edge;
    QThreadPool m_pool;
    QCache<QString, QImage> m_cache; // cost in KiB
    QHash<QString, QString> m_pending; // key -> path
    std::shared_ptr<int> m_alive;
};
