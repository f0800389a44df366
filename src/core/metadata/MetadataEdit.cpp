// SPDX-License-Identifier: GPL-3.0-or-later
#include "MetadataEdit.h"

#include "imageio/ImageProperties.h"

#include <QCoreApplication>

#include <cmath>

using namespace imageio;

namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(MetadataEdit)
};

// Every tag of the GPS directory (Exif 2.3), as property names.
constexpr const char *kGpsFixKeys[] = {
    "GPSVersion", "LatitudeRef", "Latitude", "LongitudeRef", "Longitude", "AltitudeRef", "Altitude", "TimeStamp",
    "Satellites", "Status", "MeasureMode", "DOP", "SpeedRef", "Speed", "TrackRef", "Track", "ImgDirectionRef",
    "ImgDirection", "MapDatum", "DestLatitudeRef", "DestLatitude", "DestLongitudeRef", "DestLongitude",
    "DestBearingRef", "DestBearing", "DestDistanceRef", "DestDistance", "ProcessingMethod", "AreaInformation",
    "DateStamp", "Differential", "HPositioningError"};

// Exif dates have four-digit years and no offset.
QString dateError(const char *field, const std::optional<QDateTime> &date)
{
    if (!date)
        return {};
    if (!date->isValid())
        return Text::tr("%1: not a valid date").arg(Text::tr(field));
    const int year = date->date().year();
    if (year < 1 || year > 9999)
        return Text::tr("%1: the year must be between 1 and 9999").arg(Text::tr(field));
    return {};
}

QString exifDateText(const QDateTime &date, const QTimeZone &zone)
{
    return date.toTimeZone(zone).toString(QStringLiteral("yyyy:MM:dd HH:mm:ss"));
}

void insertText(QVariantMap &group, const char *key, const std::optional<QString> &text)
{
    if (text)
        group.insert(QLatin1String(key), *text);
}

void insertGroup(QVariantMap &overlay, const char *name, const QVariantMap &group)
{
    if (!group.isEmpty())
        overlay.insert(QLatin1String(name), group);
}

} // namespace

QString MetadataEdit::validate() const
{
    for (const auto &[field, date] : {std::pair{QT_TRANSLATE_NOOP("MetadataEdit", "capture date"), captureDate},
                                      std::pair{QT_TRANSLATE_NOOP("MetadataEdit", "digitized date"), digitizedDate},
                                      std::pair{QT_TRANSLATE_NOOP("MetadataEdit", "modify date"), modifyDate}}) {
        const QString error = dateError(field, date);
        if (!error.isEmpty())
            return error;
    }
    if (gps) {
        if (!std::isfinite(gps->latitude) || gps->latitude < -90 || gps->latitude > 90)
            return Text::tr("GPS latitude: must be between -90 and 90 degrees");
        if (!std::isfinite(gps->longitude) || gps->longitude < -180 || gps->longitude > 180)
            return Text::tr("GPS longitude: must be between -180 and 180 degrees");
        if (gps->altitude && !std::isfinite(*gps->altitude))
            return Text::tr("GPS altitude: not a number");
        if (gps->time.isValid() && (gps->time.toUTC().date().year() < 1 || gps->time.toUTC().date().year() > 9999))
            return Text::tr("GPS date: the year must be between 1 and 9999");
        if ((removedGroups & GpsGroup) != 0)
            return Text::tr("GPS: cannot be both removed and set");
    }
    if (keywords) {
        for (const QString &keyword : *keywords) {
            // IPTC keywords are at most 64 bytes each.
            if (keyword.toUtf8().size() > 64)
                return Text::tr("keywords: \"%1\" is longer than 64 bytes").arg(keyword);
        }
    }
    return {};
}

QVariantMap MetadataEdit::overlay() const
{
    QVariantMap overlay;
    const QVariant removed;
    if (removedGroups & ExifGroup)
        overlay.insert(QLatin1String(keys::ExifGroup), removed);
    if (removedGroups & GpsGroup)
        overlay.insert(QLatin1String(keys::GpsGroup), removed);
    if (removedGroups & IptcGroup)
        overlay.insert(QLatin1String(keys::IptcGroup), removed);

    QVariantMap exif;
    if (captureDate)
        exif.insert(QLatin1String(keys::ExifDateTimeOriginal), exifDateText(*captureDate, zone));
    if (digitizedDate)
        exif.insert(QLatin1String(keys::ExifDateTimeDigitized), exifDateText(*digitizedDate, zone));
    insertText(exif, keys::ExifUserComment, comment);
    insertGroup(overlay, keys::ExifGroup, exif);

    QVariantMap tiff;
    if (modifyDate)
        tiff.insert(QLatin1String(keys::TiffDateTime), exifDateText(*modifyDate, zone));
    insertText(tiff, keys::TiffArtist, artist);
    insertText(tiff, keys::TiffImageDescription, description);
    insertText(tiff, keys::TiffCopyright, copyright);
    insertText(tiff, keys::TiffMake, make);
    insertText(tiff, keys::TiffModel, model);
    insertGroup(overlay, keys::TiffGroup, tiff);

    // The twins of the artist, description and copyright in IPTC and XMP follow in the rewrite,
    // where the photo keeps those blocks.
    QVariantMap iptc;
    if (keywords)
        iptc.insert(QLatin1String(keys::IptcKeywords), *keywords);
    insertGroup(overlay, keys::IptcGroup, iptc);

    if (gps) {
        QVariantMap group;
        group.insert(QLatin1String(keys::GpsVersion), QStringLiteral("2.2.0.0"));
        group.insert(QLatin1String(keys::GpsLatitude), std::fabs(gps->latitude));
        group.insert(QLatin1String(keys::GpsLatitudeRef),
                     gps->latitude < 0 ? QStringLiteral("S") : QStringLiteral("N"));
        group.insert(QLatin1String(keys::GpsLongitude), std::fabs(gps->longitude));
        group.insert(QLatin1String(keys::GpsLongitudeRef),
                     gps->longitude < 0 ? QStringLiteral("W") : QStringLiteral("E"));
        if (gps->altitude) {
            group.insert(QLatin1String(keys::GpsAltitude), std::fabs(*gps->altitude));
            group.insert(QLatin1String(keys::GpsAltitudeRef), *gps->altitude < 0 ? 1 : 0);
        }
        if (gps->time.isValid()) {
            const QDateTime utc = gps->time.toUTC();
            group.insert(QLatin1String(keys::GpsDateStamp), utc.toString(QStringLiteral("yyyy:MM:dd")));
            group.insert(QLatin1String(keys::GpsTimeStamp), utc.toString(QStringLiteral("HH:mm:ss")));
        }
        overlay.insert(QLatin1String(keys::GpsGroup), replacingGpsFix(group));
    }
    return overlay;
}

QVariantMap MetadataEdit::replacingGpsFix(QVariantMap gps)
{
    // The old fix's version goes with it, and a GPS directory without one is invalid: a
    // donor that never wrote the version (many phones) still gives the copy one.
    if (gps.value(QLatin1String(keys::GpsVersion)).toString().isEmpty())
        gps.insert(QLatin1String(keys::GpsVersion), QStringLiteral("2.2.0.0"));
    for (const char *key : kGpsFixKeys)
        if (!gps.contains(QLatin1String(key)))
            gps.insert(QLatin1String(key), QVariant());
    return gps;
}
