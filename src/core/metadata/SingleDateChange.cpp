#include "SingleDateChange.h"

#include "DateText.h"
#include "EditSteps.h"

#include "imageio/FileDates.h"
#include "imageio/ImageProperties.h"
#include "imageio/ImageSource.h"
#include "imageio/MetadataRewrite.h"

namespace singledatechange {

using namespace imageio;

DateFields readDateFields(const QString &path, FileDateStyle style, const QTimeZone &zone)
{
    DateFields fields;
    const QVariantMap exif = readProperties(path).value(QLatin1String(kCGImagePropertyExifDictionary)).toMap();
    const QString original = exif.value(QLatin1String(kCGImagePropertyExifDateTimeOriginal)).toString();
    const QString digitized = exif.value(QLatin1String(kCGImagePropertyExifDateTimeDigitized)).toString();
    if (!original.isEmpty() && !digitized.isEmpty()) {
        fields.original = original;
        fields.digitized = digitized;
        fields.fromExif = true;
        return fields;
    }
    const auto text = [&](const QDateTime &date) {
        if (!date.isValid())
            return QString();
        return style == FileDateStyle::WithOffset ? datetext::fileTextWithOffset(date, zone)
                                                  : datetext::fileText(date, zone);
    };
    fields.original = text(filedates::creationDate(path));
    fields.digitized = text(filedates::modificationDate(path));
    return fields;
}

QString currentSource(bool blocalMode, const QString &currentChooseFilePath,
                      const QString &currentFileName, const QString &workingFolder)
{
    if (blocalMode)
        return currentChooseFilePath;
    if (currentFileName.isEmpty())
        return {};
    return workingFolder + QLatin1Char('/') + currentFileName;
}

QString batchPlaceholder(const QString &createDateText)
{
    const QStringList parts = createDateText.split(QLatin1Char(' '));
    if (parts.size() == 3)
        return parts.at(0) + QLatin1Char(' ') + parts.at(1);
    return createDateText;
}

EditReport saveDates(const EditTarget &target, const QString &original, const QString &digitized,
                     const QTimeZone &zone, const EditHooks &hooks)
{
    EditReport report;
    const QList<EditSource> sources = editsteps::startEdit(target, report);
    if (report.emptySelection)
        return report;

    QVariantMap exif;
    exif.insert(QLatin1String(kCGImagePropertyExifDateTimeOriginal), original);
    exif.insert(QLatin1String(kCGImagePropertyExifDateTimeDigitized), digitized);
    QVariantMap overlay;
    overlay.insert(QLatin1String(kCGImagePropertyExifDictionary), exif);
    if (!target.blocalMode) {
        QVariantMap tiff;
        tiff.insert(QLatin1String(kCGImagePropertyTIFFDateTime), original);
        overlay.insert(QLatin1String(kCGImagePropertyTIFFDictionary), tiff);
    }
    const QDateTime fileDate = target.blocalMode ? QDateTime() : datetext::parseTwoFormats(original, zone);

    int done = 0;
    for (const EditSource &source : sources) {
        if (hooks.cancelled()) {
            report.cancelled = true;
            break;
        }
        if (editsteps::sourcePresent(report, source, target.blocalMode)) {
            const QString output = outputPathFor(target, QStringLiteral("NewDate_"), source.fileName);
            const bool written =
                editsteps::record(report, source, output, rewriteMetadata(source.sourcePath, output, overlay));
            if (written && fileDate.isValid())
                filedates::setFileDates(output, fileDate, fileDate);
        }
        hooks.report(++done, sources.size());
    }
    return report;
}

} // namespace singledatechange
