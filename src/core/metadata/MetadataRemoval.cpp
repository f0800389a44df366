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
        map.insert(QLatin1String(imageio::kCGImagePropertyExifDictionary), removed);
        break;
    case Removal::GPS:
        map.insert(QLatin1String(imageio::kCGImagePropertyGPSDictionary), removed);
        break;
    case Removal::IPTC:
        // The rewrite lays the same properties over every image of a container, so
        // every image loses its IPTC group in either source mode.
        map.insert(QLatin1String(imageio::kCGImagePropertyIPTCDictionary), removed);
        break;
    case Removal::ExifAndGPS:
        map.insert(QLatin1String(imageio::kCGImagePropertyExifDictionary), removed);
        map.insert(QLatin1String(imageio::kCGImagePropertyGPSDictionary), removed);
        break;
    }
    return map;
}

EditReport removeMetadata(const EditTarget &target, Removal removal, const EditHooks &hooks)
{
    EditReport report;
    const QList<EditSource> sources = editsteps::startEdit(target, report);
    if (report.emptySelection)
        return report;
    const QVariantMap overlay = properties(removal);
    const QString namePrefix = prefix(removal);
    int done = 0;
    for (const EditSource &source : sources) {
        if (hooks.cancelled()) {
            report.cancelled = true;
            break;
        }
        if (editsteps::sourcePresent(report, source, target.blocalMode)) {
            const QString output = outputPathFor(target, namePrefix, source.fileName);
            editsteps::record(report, source, output,
                              imageio::rewriteMetadata(source.sourcePath, output, overlay));
        }
        hooks.report(++done, sources.size());
    }
    return report;
}

} // namespace metadataremoval
