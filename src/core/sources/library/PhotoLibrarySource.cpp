// SPDX-License-Identifier: GPL-3.0-or-later
#include "PhotoLibrarySource.h"

#include "PhotoLibraryScan.h"

#include "sources/LocalImport.h"
#include "sources/Thumbnailer.h"

#include <QFileInfo>
#include <QMetaObject>

PhotoLibrarySource::PhotoLibrarySource(Thumbnailer *thumbnailer, QObject *parent)
    : PhotoSource(parent)
    , m_scan(new PhotoLibraryScan(this))
    , m_thumbnailer(thumbnailer ? thumbnailer : new Thumbnailer(QSize(176, 176), 16 * 1024 * 1024, this))
{
    connect(m_scan, &PhotoLibraryScan::photosFound, this, [this](const QStringList &paths) {
        const QList<PhotoItem> batch = localimport::itemsFromPaths(paths);
        m_items += batch;
        Q_EMIT itemsChanged();
        Q_EMIT photosFound(batch);
    });
    connect(m_scan, &PhotoLibraryScan::finished, this, &PhotoLibrarySource::finished);
    connect(m_thumbnailer, &Thumbnailer::thumbnailReady, this, [this](const QString &path, const QImage &image) {
        for (int i = 0; i < m_items.size(); ++i) {
            if (m_items.at(i).filePath == path)
                Q_EMIT thumbnailReady(i, image);
        }
    });
}

PhotoLibrarySource::~PhotoLibrarySource() = default;

bool PhotoLibrarySource::scan(const QString &libraryPath)
{
    if (m_scan->isRunning())
        return false;
    m_libraryPath = libraryPath;
    m_items.clear();
    Q_EMIT itemsChanged();
    return m_scan->start(libraryPath);
}

void PhotoLibrarySource::stop()
{
    m_scan->stop();
}

bool PhotoLibrarySource::isScanning() const
{
    return m_scan->isRunning();
}

void PhotoLibrarySource::requestThumbnail(int index)
{
    if (index >= 0 && index < m_items.size())
        m_thumbnailer->request(m_items.at(index).filePath);
}

void PhotoLibrarySource::materialise(int index, const QString &)
{
    QString path;
    QString why;
    if (index < 0 || index >= m_items.size())
        why = tr("no such item");
    else if (!QFileInfo::exists(m_items.at(index).filePath))
        why = tr("the library's file is gone (is its disk still attached?)");
    else
        path = m_items.at(index).filePath;
    QMetaObject::invokeMethod(
        this, [this, index, path, why] { Q_EMIT materialised(index, path, why); }, Qt::QueuedConnection);
}

LocalFileResolver PhotoLibrarySource::resolver(const QString &) const
{
    // Jobs read the library's file in place; they write their copies elsewhere.
    return [](const PhotoItem &item, QString *) { return item.filePath; };
}
