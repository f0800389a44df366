#include "ThumbnailLoader.h"

#include <QFileInfo>
#include <QImageReader>
#include <QMetaObject>

ThumbnailLoader::ThumbnailLoader(QSize maxSize, QObject *parent)
    : QObject(parent)
    , m_maxSize(maxSize)
    , m_generation(std::make_shared<std::atomic<quint64>>(0))
{
    // Decoding is mostly disk- and memory-bound; two threads keep the window responsive
    // on small machines while still filling a large list quickly.
    m_pool.setMaxThreadCount(qMax(1, qMin(2, QThread::idealThreadCount())));
}

ThumbnailLoader::~ThumbnailLoader()
{
    cancelAll();
    m_pool.waitForDone();
}

void ThumbnailLoader::request(const QString &path)
{
    const quint64 generation = m_generation->load();
    auto generations = m_generation;
    const QSize maxSize = m_maxSize;
    m_pool.start([this, path, generation, generations, maxSize] {
        if (generations->load() != generation)
            return;
        QImage image = makeThumbnail(path, maxSize);
        // The destructor waits for the pool, so `this` outlives every queued call posted here.
        QMetaObject::invokeMethod(
            this,
            [this, path, generation, generations, image = std::move(image)] {
                if (generations->load() == generation)
                    Q_EMIT thumbnailReady(path, image);
            },
            Qt::QueuedConnection);
    });
}

void ThumbnailLoader::cancelAll()
{
    m_generation->fetch_add(1);
    m_pool.clear();
}

void ThumbnailLoader::waitForDone()
{
    m_pool.waitForDone();
}

QImage ThumbnailLoader::makeThumbnail(const QString &path, QSize maxSize)
{
    // Opening a FIFO would block this worker for good; devices never end.
    if (!QFileInfo(path).isFile())
        return {};
    QImageReader reader(path);
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
    return image;
}
