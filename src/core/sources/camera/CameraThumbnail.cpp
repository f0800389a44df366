// SPDX-License-Identifier: GPL-3.0-or-later
#include "CameraThumbnail.h"

#include "imageio/ContainerCheck.h"
#include "imageio/ExifThumbnail.h"
#include "sources/Thumbnailer.h"

#include <QAtomicInteger>
#include <QFile>

namespace camerathumbnail {

constexpr qint64 HeadBytes = 128 * 1024;

static QImage fitted(QImage image, QSize maxSize)
{
    if (!image.isNull() && (image.width() > maxSize.width() || image.height() > maxSize.height()))
        image = image.scaled(maxSize, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    return image;
}

QImage make(CameraBackend &backend, const CameraItem &item, QSize maxSize, const QString &scratchFolder,
            CameraResult *result)
{
    CameraResult ignored;
    CameraResult &outcome = result ? *result : ignored;

    QByteArray preview;
    outcome = backend.preview(item, &preview);
    if (outcome.ok()) {
        QImage image = imageio::imageFromData(preview);
        if (!image.isNull())
            return fitted(image, maxSize);
    }
    if (outcome.error == CameraError::Gone || item.isMovie())
        return {};

    // Names on a camera repeat across folders; a counter keeps scratch copies apart.
    static QAtomicInteger<quint64> counter;
    const QString scratch = scratchFolder + QStringLiteral("/fetch-%1").arg(counter.fetchAndAddRelaxed(1));
    QImage image;
    // The Exif block sits at the start of a JPEG: its head is usually enough for the
    // embedded thumbnail, which spares fetching a whole 12 MP photo for a 160-pixel picture.
    for (const qint64 limit : {HeadBytes, qint64(-1)}) {
        QFile file(scratch);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
            outcome = CameraResult::failure(CameraError::Other, file.errorString());
            return {};
        }
        outcome = backend.download(item, &file, [limit](qint64 done, qint64) { return limit < 0 || done < limit; });
        file.close();
        const bool partial = outcome.error == CameraError::Cancelled && limit > 0;
        if (!outcome.ok() && !partial)
            break;
        image = imageio::exifThumbnail(scratch);
        if (!image.isNull()) {
            outcome = CameraResult::success();
            break;
        }
        if (!partial) {
            image = Thumbnailer::makeThumbnail(scratch, maxSize);
            break;
        }
    }
    QFile::remove(scratch);
    return fitted(image, maxSize);
}

} // namespace camerathumbnail
