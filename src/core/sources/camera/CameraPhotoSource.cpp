// SPDX-License-Identifier: GPL-3.0-or-later
#include "CameraPhotoSource.h"

#include <QFileInfo>
#include <QHash>
#include <QPointer>

CameraPhotoSource::CameraPhotoSource(CameraListing &camera, QObject *parent)
    : PhotoSource(parent)
    , m_camera(camera)
{
}

QList<PhotoItem> CameraPhotoSource::items() const
{
    return m_camera.cameraItems();
}

void CameraPhotoSource::requestThumbnail(int index)
{
    // The camera window asks for every item's picture as it is listed; answer with what is there.
    const QImage image = m_camera.cameraItems().value(index).fileImage;
    QMetaObject::invokeMethod(this, [this, index, image] { Q_EMIT thumbnailReady(index, image); },
                              Qt::QueuedConnection);
}

void CameraPhotoSource::materialise(int index, const QString &folder)
{
    const QList<CameraItem> listed = m_camera.listedItems();
    if (index < 0 || index >= listed.size()) {
        QMetaObject::invokeMethod(
            this, [this, index] { Q_EMIT materialised(index, {}, tr("The item is no longer on the camera.")); },
            Qt::QueuedConnection);
        return;
    }
    QPointer<CameraPhotoSource> self(this);
    m_camera.materialise({listed.at(index)}, folder,
                         [self, index](const QStringList &paths, const QStringList &failures) {
                             if (self)
                                 Q_EMIT self->materialised(index, paths.value(0), failures.value(0));
                         });
}

LocalFileResolver CameraPhotoSource::resolver(const QString &folder) const
{
    // Captured on the window's thread; the job reads only these values.
    QHash<QString, qint64> sizes;
    for (const CameraItem &item : m_camera.listedItems())
        sizes.insert(item.name, item.size);
    return [folder, sizes](const PhotoItem &item, QString *why) -> QString {
        const QFileInfo copy(folder + QLatin1Char('/') + item.fileName);
        const qint64 size = sizes.value(item.fileName, -1);
        if (copy.isFile() && (size < 0 || copy.size() == size))
            return copy.absoluteFilePath();
        if (why)
            *why = tr("not copied from the camera yet");
        return {};
    };
}
