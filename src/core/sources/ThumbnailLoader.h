#pragma once

#include <QImage>
#include <QObject>
#include <QSize>
#include <QString>
#include <QThreadPool>

#include <atomic>
#include <memory>

// Makes the pictures of the editor list away from the main thread, so a list of a
// thousand photos fills without freezing the window. Requests are served by the
// loader's own pool; results come back as queued signals on the loader's thread.
class ThumbnailLoader : public QObject
{
    Q_OBJECT
public:
    explicit ThumbnailLoader(QSize maxSize, QObject *parent = nullptr);
    ~ThumbnailLoader() override;

    // Main thread only. Each request answers once with thumbnailReady (an empty image
    // when the file is not an image), unless cancelAll() runs first.
    void request(const QString &path);
    // Drops queued requests and discards answers still on their way (for example
    // when the list is cleared).
    void cancelAll();
    // Blocks until every running request has finished (tests, shutdown).
    void waitForDone();

    // The thumbnail itself: decoded at reduced size where the format allows it,
    // turned upright by its orientation tag. Callable from any thread.
    static QImage makeThumbnail(const QString &path, QSize maxSize);

Q_SIGNALS:
    void thumbnailReady(const QString &path, const QImage &image);

private:
    QSize m_maxSize;
    QThreadPool m_pool;
    // Bumped by cancelAll(); an answer carrying an older generation is dropped.
    std::shared_ptr<std::atomic<quint64>> m_generation;
};
