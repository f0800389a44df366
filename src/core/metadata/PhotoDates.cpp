// SPDX-License-Identifier: GPL-3.0-or-later
#include "PhotoDates.h"

#include "DateText.h"
#include "MetadataEdit.h"

#include "imageio/ImageProperties.h"

#include <QCoreApplication>

using namespace imageio;

namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(PhotoDates)
};

QDateTime storedDate(const QVariantMap &group, const char *key, const QTimeZone &zone)
{
    return datetext::parseStored(group.value(QLatin1String(key)).toString(), zone);
}

void insertInto(QVariantMap &overlay, const char *group, const QString &key, const QVariant &value)
{
    QVariantMap map = overlay.value(QLatin1String(group)).toMap();
    map.insert(key, value);
    overlay.insert(QLatin1String(group), map);
}

// IPTC keeps a date ("yyyy-MM-dd" as read) and a time ("HH:mm:ss" and a zone) apart.
// They follow the Exif date only when they held its moment to the second; a time
// without a date, or one that names another moment, was written for another reason.
void followInIptc(QVariantMap &overlay, const QVariantMap &iptc, const QString &dateKey, const QString &timeKey,
                  const QDateTime &before, const QDateTime &after, const QTimeZone &zone)
{
    if (!before.isValid() || !after.isValid() || before == after)
        return;
    const QString date = iptc.value(dateKey).toString();
    const QString time = iptc.value(timeKey).toString();
    const QDateTime old = before.toTimeZone(zone);
    if (date != old.toString(QStringLiteral("yyyy-MM-dd")))
        return;
    if (!time.isEmpty() && time.left(8) != old.toString(QStringLiteral("HH:mm:ss")))
        return;
    const QDateTime moved = after.toTimeZone(zone);
    insertInto(overlay, kCGImagePropertyIPTCDictionary, dateKey, moved.toString(QStringLiteral("yyyy-MM-dd")));
    // The zone the photo gave its time stays: only the wall-clock time moves.
    if (!time.isEmpty())
        insertInto(overlay, kCGImagePropertyIPTCDictionary, timeKey,
                   moved.toString(QStringLiteral("HH:mm:ss")) + time.mid(8));
}

} // namespace

PhotoDates PhotoDates::read(const QVariantMap &properties, const QTimeZone &zone)
{
    const QVariantMap exif = properties.value(QLatin1String(kCGImagePropertyExifDictionary)).toMap();
    const QVariantMap tiff = properties.value(QLatin1String(kCGImagePropertyTIFFDictionary)).toMap();
    PhotoDates dates;
    dates.original = storedDate(exif, kCGImagePropertyExifDateTimeOriginal, zone);
    dates.digitized = storedDate(exif, kCGImagePropertyExifDateTimeDigitized, zone);
    dates.modified = storedDate(tiff, kCGImagePropertyTIFFDateTime, zone);
    return dates;
}

QString noCaptureDateReason()
{
    return Text::tr("no capture date");
}

QVariantMap datesOverlay(const QVariantMap &properties, const PhotoDates &before, const PhotoDates &changed,
                         const QTimeZone &zone)
{
    MetadataEdit edit;
    edit.zone = zone;
    if (changed.original.isValid())
        edit.captureDate = changed.original;
    if (changed.digitized.isValid())
        edit.digitizedDate = changed.digitized;
    if (changed.modified.isValid())
        edit.modifyDate = changed.modified;
    QVariantMap overlay = edit.overlay();

    const QVariantMap iptc = properties.value(QLatin1String(kCGImagePropertyIPTCDictionary)).toMap();
    followInIptc(overlay, iptc, QStringLiteral("DateCreated"), QStringLiteral("TimeCreated"), before.original,
                 changed.original, zone);
    followInIptc(overlay, iptc, QStringLiteral("DigitalCreationDate"), QStringLiteral("DigitalCreationTime"),
                 before.digitized, changed.digitized, zone);
    return overlay;
}
