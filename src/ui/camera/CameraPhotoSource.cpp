// SPDX-License-Identifier: GPL-3.0-or-later
#include "CameraPhotoSource.h"

#include "CameraController.h"
#include "CameraItemModel.h"

#include <QFileInfo>
#include <QHash>
#include <QPointer>

CameraPhotoSource::CameraPhotoSource(CameraController &camera, QObject *parent)
    : PhotoSource(parent)
    , m_camera(camera)
{
    CameraItemModel *model = camera.model();
    connect(model, &QAbstractItemModel::rowsInserted, this, &PhotoSource::itemsChanged);
    connect(model, &QAbstractItemModel::rowsRemoved, this, &PhotoSource::itemsChanged);
    connect(model, &QAbstractItemModel::modelReset, this, &PhotoSource::itemsChanged);
}

QList<IKImageItem> CameraPhotoSource::items() const
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
    CameraItemModel *model = m_camera.model();
    if (index < 0 || index >= model->rowCount()) {
        QMetaObject::invokeMethod(
            this, [this, index] { Q_EMIT materialised(index, {}, tr("The item is no longer on the camera.")); },
            Qt::QueuedConnection);
        return;
    }
    QPointer<CameraPhotoSource> self(this);
    m_camera.materialise({model->item(index)}, folder,
                         [self, index](const QStringList &paths, const QStringList &failures) {
                             if (self)
                                 Q_EMIT self->materialised(index, paths.value(0), failures.value(0));
                         });
}

LocalFileResolver CameraPhotoSource::resolver(const QString &folder) const
{
    // Captured on the window's thread; the job reads only these values.
    QHash<QString, qint64> sizes;
    const CameraItemModel *model = m_camera.model();
    for (int row = 0; row < model->rowCount(); ++row)
        sizes.insert(model->item(row).name, model->item(row).size);
    return [folder, sizes](const IKImageItem &item, QString *why) -> QString {
        const QFileInfo copy(folder + QLatin1Char('/') + item.fileName);
        const qint64 size = sizes.value(item.fileName, -1);
        if (copy.isFile() && (size < 0 || copy.size() == size))
            return copy.absoluteFilePath();
        if (why)
            *why = tr("not copied from the camera yet");
        return {};
    };
}
