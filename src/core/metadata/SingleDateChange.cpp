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

QString currentSource(bool sourceIsLocalList, const QString &currentChooseFilePath,
                      const QString &currentFileName, const QString &workingFolder)
{
    if (sourceIsLocalList)
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

JobReport saveDates(const EditTarget &target, const QString &original, const QString &digitized,
                     const QTimeZone &zone, const JobContext &hooks)
{
    QVariantMap exif;
    exif.insert(QLatin1String(kCGImagePropertyExifDateTimeOriginal), original);
    exif.insert(QLatin1String(kCGImagePropertyExifDateTimeDigitized), digitized);
    QVariantMap overlay;
    overlay.insert(QLatin1String(kCGImagePropertyExifDictionary), exif);
    if (!target.sourceIsLocalList) {
        QVariantMap tiff;
        tiff.insert(QLatin1String(kCGImagePropertyTIFFDateTime), original);
        overlay.insert(QLatin1String(kCGImagePropertyTIFFDictionary), tiff);
    }
    const QDateTime fileDate = target.sourceIsLocalList ? QDateTime() : datetext::parseTwoFormats(original, zone);

    editsteps::PhotoPlan plan = editsteps::PhotoPlan::rewrite(overlay);
    if (fileDate.isValid()) {
        plan.creation = fileDate;
        plan.modification = fileDate;
    }
    return editsteps::runEdit(target, QStringLiteral("NewDate_"), hooks,
                              [&plan](const editsteps::Photo &) { return plan; });
}

} // namespace singledatechange
