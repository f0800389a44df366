// SPDX-License-Identifier: GPL-3.0-or-later
#include "LocalPhotoSource.h"

#include "Thumbnailer.h"

#include <QFileInfo>
#include <QMetaObject>

LocalPhotoSource::LocalPhotoSource(Thumbnailer *thumbnailer, QObject *parent)
    : PhotoSource(parent)
    , m_thumbnailer(thumbnailer ? thumbnailer : new Thumbnailer(QSize(176, 176), 16 * 1024 * 1024, this))
{
    connect(m_thumbnailer, &Thumbnailer::thumbnailReady, this, [this](const QString &path, const QImage &image) {
        for (int i = 0; i < m_items.size(); ++i) {
            if (m_items.at(i).filePath == path)
                Q_EMIT thumbnailReady(i, image);
        }
    });
}

void LocalPhotoSource::setItems(const QList<PhotoItem> &items)
{
    m_items = items;
    Q_EMIT itemsChanged();
}

void LocalPhotoSource::requestThumbnail(int index)
{
    if (index >= 0 && index < m_items.size())
        m_thumbnailer->request(m_items.at(index).filePath);
}

void LocalPhotoSource::materialise(int index, const QString &folder)
{
    QString path;
    QString why;
    if (index < 0 || index >= m_items.size())
        why = tr("no such item");
    else if (!QFileInfo::exists(path = resolver(folder)(m_items.at(index), &why))) {
        path.clear();
        why = tr("the file is gone");
    }
    QMetaObject::invokeMethod(
        this, [this, index, path, why] { Q_EMIT materialised(index, path, why); }, Qt::QueuedConnection);
}

LocalFileResolver LocalPhotoSource::resolver(const QString &) const
{
    // A file that cannot be read is the read step's to report, with the system's reason.
    return [](const PhotoItem &item, QString *) { return item.filePath; };
}
