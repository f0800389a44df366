// SPDX-License-Identifier: GPL-3.0-or-later
#include "CameraItem.h"

#include <QFileInfo>
#include <QStringList>

QString CameraItem::key() const
{
    return folder.endsWith(QLatin1Char('/')) ? folder + name : folder + QLatin1Char('/') + name;
}

QString CameraItem::fileType() const
{
    return isMovieName(name) ? QStringLiteral("Movie") : QStringLiteral("Image");
}

bool CameraItem::isMovieName(const QString &name)
{
    static const QStringList movies = {QStringLiteral("mov"), QStringLiteral("mp4"), QStringLiteral("m4v"),
                                       QStringLiteral("mpeg")};
    return movies.contains(QFileInfo(name).suffix(), Qt::CaseInsensitive);
}

bool CameraItem::isListed(const QString &mimeType, const QString &name)
{
    if (mimeType.startsWith(QLatin1String("image/")) || mimeType.startsWith(QLatin1String("video/")))
        return true;
    // Drivers that cannot tell a type report application/octet-stream or nothing;
    // raw formats and HEIC often come that way.
    static const QStringList photos = {
        QStringLiteral("jpg"), QStringLiteral("jpeg"), QStringLiteral("png"), QStringLiteral("heic"),
        QStringLiteral("heif"), QStringLiteral("tif"), QStringLiteral("tiff"), QStringLiteral("dng"),
        QStringLiteral("cr2"), QStringLiteral("cr3"), QStringLiteral("nef"), QStringLiteral("arw"),
        QStringLiteral("orf"), QStringLiteral("raf"), QStringLiteral("rw2"), QStringLiteral("webp"),
        QStringLiteral("gif"), QStringLiteral("bmp"), QStringLiteral("avi"), QStringLiteral("mts"),
    };
    return isMovieName(name) || photos.contains(QFileInfo(name).suffix(), Qt::CaseInsensitive);
}
