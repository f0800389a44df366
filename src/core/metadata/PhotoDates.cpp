// SPDX-License-Identifier: GPL-3.0-or-later
#include "PhotoDates.h"

#include "DateText.h"
#include "MetadataEdit.h"

#include "imageio/ImageProperties.h"
#include "imageio/ImageSource.h"

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

} // namespace

PhotoDates PhotoDates::read(const QVariantMap &properties, const QTimeZone &zone)
{
    const QVariantMap exif = properties.value(QLatin1String(keys::ExifGroup)).toMap();
    const QVariantMap tiff = properties.value(QLatin1String(keys::TiffGroup)).toMap();
    PhotoDates dates;
    dates.original = storedDate(exif, keys::ExifDateTimeOriginal, zone);
    dates.digitized = storedDate(exif, keys::ExifDateTimeDigitized, zone);
    dates.modified = storedDate(tiff, keys::TiffDateTime, zone);
    return dates;
}

PhotoDates PhotoDates::read(const ImageSource &photo, const QTimeZone &zone)
{
    return read(photo.propertiesWithXmpDates(), zone);
}

QString noCaptureDateReason()
{
    return Text::tr("no capture date");
}

QVariantMap datesOverlay(const PhotoDates &changed, const QTimeZone &zone)
{
    MetadataEdit edit;
    edit.zone = zone;
    if (changed.original.isValid())
        edit.captureDate = changed.original;
    if (changed.digitized.isValid())
        edit.digitizedDate = changed.digitized;
    if (changed.modified.isValid())
        edit.modifyDate = changed.modified;
    // The IPTC and XMP dates that held the same moment follow in the rewrite itself.
    return edit.overlay();
}
