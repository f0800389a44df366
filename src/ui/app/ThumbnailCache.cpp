#include "ThumbnailCache.h"

#include <QDateTime>
#include <QFileInfo>
#include <QImageReader>
#include <QPointer>

ThumbnailCache::ThumbnailCache(int edge, qint64 maxBytes, QObject *parent)
    : QObject(parent)
    , m_edge(edge)
    , m_alive(std::make_shared<int>(0))
{
    m_pool.setMaxThreadCount(2);
    m_cache.setMaxCost(qMax<qint64>(1, maxBytes / 1024));
}

ThumbnailCache::~ThumbnailCache()
{
    m_alive.reset();
    m_pool.clear();
    m_pool.waitForDone();
}

QString ThumbnailCache::keyFor(const QString &path) const
{
    const QFileInfo info(path);
    return path + QLatin1Char('|') + QString::number(info.size()) + QLatin1Char('|')
        + QString::number(info.lastModified().toMSecsSinceEpoch());
}

bool ThumbnailCache::contains(const QString &path) const
{
    return m_cache.contains(keyFor(path));
}

QImage ThumbnailCache::thumbnail(const QString &path)
{
    const QString key = keyFor(path);
    if (const QImage *cached = m_cache.object(key))
        return *cached;
    if (m_pending.contains(key))
        return {};
    m_pending.insert(key, path);
    std::weak_ptr<int> alive = m_alive;
    QPointer<ThumbnailCache> self(this);
    const int edge = m_edge;
    m_pool.start([alive, self, key, path, edge] {
        QImage image = makeThumbnail(path, edge);
        if (alive.expired())
            return;
        QMetaObject::invokeMethod(
            self.data(),
            [alive, self, key, path, image] {
                if (!alive.expired() && self)
                    self->deliver(key, path, image);
            },
            Qt::QueuedConnection);
    });
    return {};
}

void ThumbnailCache::deliver(const QString &key, const QString &path, const QImage &image)
{
    if (!m_pending.remove(key))
        return; // cleared meanwhile
    // An unreadable file still gets an entry, so it is not decoded again on every paint.
    QImage stored = image.isNull() ? QImage(1, 1, QImage::Format_ARGB32_Premultiplied) : image;
    if (image.isNull())
        stored.fill(Qt::transparent);
    const int cost = qMax<qsizetype>(1, stored.sizeInBytes() / 1024);
    m_cache.insert(key, new QImage(stored), cost);
    Q_EMIT thumbnailReady(path);
}

void ThumbnailCache::clear()
{
    m_cache.clear();
    m_pending.clear();
}

void ThumbnailCache::waitForDone()
{
    m_pool.waitForDone();
}

QImage ThumbnailCache::makeThumbnail(const QString &path, int edge)
{
    QImageReader reader(path);
    reader.setAutoTransform(true);
    QSize size = reader.size();
    if (size.isValid()) {
        // Orientations 5 to 8 swap the sides; the scaled size is set before rotation.
        size.scale(QSize(edge, edge), Qt::KeepAspectRatioByExpanding);
        if (size.width() < reader.size().width())
            reader.setScaledSize(size);
    }
    QImage image = reader.read();
    if (image.isNull())
        return {};
    if (image.width() > edge || image.height() > edge)
        image = image.scaled(edge, edge, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    return image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}
