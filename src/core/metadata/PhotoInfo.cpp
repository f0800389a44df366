// SPDX-License-Identifier: GPL-3.0-or-later
#include "PhotoInfo.h"

#include "DateText.h"

#include "compress/SizeText.h"
#include "imageio/FileDates.h"
#include "imageio/ImageProperties.h"
#include "imageio/ImageSource.h"

#include <QFileInfo>
#include <QLocale>

using namespace imageio;

namespace {

QString text(const QVariantMap &group, const char *key)
{
    const QVariant value = group.value(QLatin1String(key));
    if (value.userType() == QMetaType::QStringList || value.userType() == QMetaType::QVariantList)
        return value.toStringList().join(QStringLiteral(", "));
    return value.toString().trimmed();
}

QString number(const QVariant &value)
{
    bool ok = false;
    const double n = value.toDouble(&ok);
    return ok ? QLocale::c().toString(n, 'g', 10) : value.toString();
}

QString coordinate(const QVariantMap &gps, const char *key, const char *refKey)
{
    const QVariant value = gps.value(QLatin1String(key));
    if (!value.isValid())
        return {};
    const QString ref = gps.value(QLatin1String(refKey)).toString();
    return ref.isEmpty() ? number(value) : number(value) + QLatin1Char(' ') + ref;
}

} // namespace

PhotoInfo PhotoInfo::read(const QString &path, const QTimeZone &zone)
{
    PhotoInfo info;
    const QFileInfo file(path);
    info.photoName = file.fileName();
    if (!file.exists())
        return info;
    const QDateTime created = filedates::creationDate(path);
    const QDateTime modified = filedates::modificationDate(path);
    if (created.isValid())
        info.createDate = datetext::fileTextWithOffset(created, zone);
    if (modified.isValid())
        info.modDate = datetext::fileTextWithOffset(modified, zone);
    // The same units as the compression list, so one file never reads as two sizes.
    info.fileSize = compress::sizeText(quint64(file.size()));

    const QVariantMap props = readProperties(path);
    if (props.isEmpty())
        return info;
    const QVariantMap tiff = props.value(QLatin1String(keys::TiffGroup)).toMap();
    const QVariantMap exif = props.value(QLatin1String(keys::ExifGroup)).toMap();
    const QVariantMap gps = props.value(QLatin1String(keys::GpsGroup)).toMap();
    const QVariantMap iptc = props.value(QLatin1String(keys::IptcGroup)).toMap();

    const QVariant width = props.value(QLatin1String(keys::PixelWidth));
    const QVariant height = props.value(QLatin1String(keys::PixelHeight));
    if (width.isValid() && height.isValid())
        info.imageSize = QStringLiteral("%1 x %2").arg(width.toString(), height.toString());
    const QVariant dpiX = props.value(QLatin1String(keys::DpiWidth));
    const QVariant dpiY = props.value(QLatin1String(keys::DpiHeight));
    if (dpiX.isValid())
        info.dpi = dpiY.isValid() && number(dpiY) != number(dpiX)
            ? QStringLiteral("%1 x %2").arg(number(dpiX), number(dpiY))
            : number(dpiX);

    info.artist = text(tiff, keys::TiffArtist);
    info.imageDescription = text(tiff, keys::TiffImageDescription);
    info.copyright = text(tiff, keys::TiffCopyright);
    info.cameraMake = text(tiff, keys::TiffMake);
    info.cameraModel = text(tiff, keys::TiffModel);
    info.comments = text(exif, keys::ExifUserComment);
    info.dateTaken = text(exif, keys::ExifDateTimeOriginal);
    info.dateDigitized = text(exif, keys::ExifDateTimeDigitized);
    info.takenOffset = text(exif, "OffsetTimeOriginal");
    info.keywords = text(iptc, keys::IptcKeywords);
    info.gpsDate = text(gps, keys::GpsDateStamp);
    info.gpsTime = text(gps, keys::GpsTimeStamp);
    const QVariant altitude = gps.value(QLatin1String(keys::GpsAltitude));
    if (altitude.isValid()) {
        // Reference 1 means below sea level.
        const bool below = gps.value(QLatin1String(keys::GpsAltitudeRef)).toInt() == 1;
        info.gpsAltitude = (below ? QStringLiteral("-") : QString()) + number(altitude) + QStringLiteral(" m");
    }
    info.gpsLatitude = coordinate(gps, keys::GpsLatitude, keys::GpsLatitudeRef);
    info.gpsLongitude = coordinate(gps, keys::GpsLongitude, keys::GpsLongitudeRef);
    return info;
}
