// SPDX-License-Identifier: GPL-3.0-or-later
#include "MetadataTwins.h"

#include "ImageProperties.h"

namespace imageio {

namespace {

// IPTC keeps a date ("yyyy-MM-dd" as read) and a time ("HH:mm:ss" and a zone) apart. They
// follow the Exif date only when they held its moment to the second; a time without a date,
// or one that names another moment, was written for another reason.
void followDate(QVariantMap &iptc, const QVariantMap &currentIptc, const QString &dateKey, const QString &timeKey,
                const QString &before, const QString &after)
{
    if (before.size() != 19 || after.size() != 19 || before == after || iptc.contains(dateKey))
        return;
    auto isoDate = [](const QString &exif) { return exif.left(10).replace(QLatin1Char(':'), QLatin1Char('-')); };
    const QString date = currentIptc.value(dateKey).toString();
    const QString time = currentIptc.value(timeKey).toString();
    if (date != isoDate(before) || (!time.isEmpty() && time.left(8) != before.mid(11, 8)))
        return;
    iptc.insert(dateKey, isoDate(after));
    if (time.isEmpty())
        return;
    // The zone the photo gave its time stays (a time stored without one reads as UTC, and
    // the writer keeps it bare).
    iptc.insert(timeKey, after.mid(11, 8) + time.mid(8));
}

} // namespace

QVariantMap withIptcTwins(const QVariantMap &overlay, const QVariantMap &current)
{
    const QLatin1String iptcGroup(keys::IptcGroup);
    const QVariant given = overlay.value(iptcGroup);
    const QVariantMap currentIptc = current.value(iptcGroup).toMap();
    if ((overlay.contains(iptcGroup) && given.isNull()) || (currentIptc.isEmpty() && given.toMap().isEmpty()))
        return overlay;
    QVariantMap iptc = given.toMap();
    const QVariantMap tiff = overlay.value(QLatin1String(keys::TiffGroup)).toMap();
    const QVariantMap currentTiff = current.value(QLatin1String(keys::TiffGroup)).toMap();
    const struct {
        const char *tiffKey, *iptcKey;
    } texts[] = {{keys::TiffArtist, "By-line"},
                 {keys::TiffCopyright, keys::IptcCopyrightNotice},
                 {keys::TiffImageDescription, keys::IptcCaptionAbstract}};
    for (const auto &t : texts) {
        const QVariant v = tiff.value(QLatin1String(t.tiffKey));
        // An emptied field empties its twin rather than leave the old text beside it.
        if (v.typeId() == QMetaType::QString && v != currentTiff.value(QLatin1String(t.tiffKey))
            && !iptc.contains(QLatin1String(t.iptcKey)))
            iptc.insert(QLatin1String(t.iptcKey), v.toString().isEmpty() ? QVariant() : v);
    }
    const QVariantMap exif = overlay.value(QLatin1String(keys::ExifGroup)).toMap();
    const QVariantMap currentExif = current.value(QLatin1String(keys::ExifGroup)).toMap();
    auto exifDate = [](const QVariantMap &group, const char *key) { return group.value(QLatin1String(key)).toString(); };
    followDate(iptc, currentIptc, QStringLiteral("DateCreated"), QStringLiteral("TimeCreated"),
               exifDate(currentExif, keys::ExifDateTimeOriginal), exifDate(exif, keys::ExifDateTimeOriginal));
    followDate(iptc, currentIptc, QStringLiteral("DigitalCreationDate"), QStringLiteral("DigitalCreationTime"),
               exifDate(currentExif, keys::ExifDateTimeDigitized),
               exifDate(exif, keys::ExifDateTimeDigitized));
    if (iptc.isEmpty())
        return overlay;
    QVariantMap out = overlay;
    out.insert(iptcGroup, iptc);
    return out;
}

} // namespace imageio
