// SPDX-License-Identifier: GPL-3.0-or-later
#include "MetadataRemoval.h"

#include "EditSteps.h"

#include "imageio/ImageProperties.h"
#include "imageio/MetadataRewrite.h"

namespace metadataremoval {

QString prefix(Removal removal)
{
    switch (removal) {
    case Removal::Exif:
        return QStringLiteral("NoExif_");
    case Removal::GPS:
        return QStringLiteral("NoGPS_");
    case Removal::IPTC:
        return QStringLiteral("NoIPTC_");
    case Removal::ExifAndGPS:
        return QStringLiteral("NoExifAndGPS_");
    }
    return {};
}

QVariantMap properties(Removal removal)
{
    const QVariant removed; // a null value removes the whole group
    QVariantMap map;
    switch (removal) {
    case Removal::Exif:
        map.insert(QLatin1String(imageio::keys::ExifGroup), removed);
        break;
    case Removal::GPS:
        map.insert(QLatin1String(imageio::keys::GpsGroup), removed);
        break;
    case Removal::IPTC:
        // The rewrite lays the same properties over every image of a container, so
        // every image loses its IPTC group in either source mode.
        map.insert(QLatin1String(imageio::keys::IptcGroup), removed);
        break;
    case Removal::ExifAndGPS:
        map.insert(QLatin1String(imageio::keys::ExifGroup), removed);
        map.insert(QLatin1String(imageio::keys::GpsGroup), removed);
        break;
    }
    return map;
}

JobReport removeMetadata(const EditTarget &target, Removal removal, const JobContext &hooks)
{
    const QVariantMap overlay = properties(removal);
    // Removals work on the XMP packet's bytes, so it need not be parsed.
    return editsteps::runEdit(target, prefix(removal), hooks,
                              [&overlay](const editsteps::Photo &) { return editsteps::PhotoPlan::rewrite(overlay); },
                              imageio::ImageSource::Reading::WithoutXmp);
}

} // namespace metadataremoval
