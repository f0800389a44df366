// SPDX-License-Identifier: GPL-3.0-or-later
#include "SingleDateChange.h"

#include "DateText.h"
#include "EditSteps.h"
#include "PhotoDates.h"

#include "imageio/FileDates.h"
#include "imageio/ImageProperties.h"
#include "imageio/ImageSource.h"
#include "imageio/MetadataRewrite.h"

#include <QCoreApplication>

namespace singledatechange {

namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(SingleDateChange)
};

} // namespace

using namespace imageio;

DateFields readDateFields(const QString &path, FileDateStyle style, const QTimeZone &zone)
{
    DateFields fields;
    const QVariantMap exif = readProperties(path).value(QLatin1String(keys::ExifGroup)).toMap();
    const QString original = exif.value(QLatin1String(keys::ExifDateTimeOriginal)).toString();
    const QString digitized = exif.value(QLatin1String(keys::ExifDateTimeDigitized)).toString();
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

QString currentSource(bool readsInPlace, const QString &currentChooseFilePath,
                      const QString &currentFileName, const QString &workingFolder)
{
    if (readsInPlace)
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

QString refusal(const QString &original, const QString &digitized, const QTimeZone &zone)
{
    if (!datetext::parseTyped(original, zone).date.isValid())
        return datetext::notADateMessage(Text::tr("Date taken"), original);
    if (!datetext::parseTyped(digitized, zone).date.isValid())
        return datetext::notADateMessage(Text::tr("Date digitized"), digitized);
    return {};
}

JobReport saveDates(const EditTarget &target, const QString &original, const QString &digitized,
                     const QTimeZone &zone, const JobContext &hooks)
{
    // An empty selection is reported as such first: the typed texts were never going anywhere.
    const QString refused = target.selection.isEmpty() ? QString() : refusal(original, digitized, zone);
    if (!refused.isEmpty()) {
        JobReport report;
        report.note = refused;
        return report;
    }
    const datetext::TypedDate taken = datetext::parseTyped(original, zone);
    const datetext::TypedDate made = datetext::parseTyped(digitized, zone);
    PhotoDates after;
    after.original = taken.date;
    after.digitized = made.date;
    if (target.capabilities.dateEditMovesFileDates)
        after.modified = taken.date;

    return editsteps::runEdit(target, QStringLiteral("NewDate_"), hooks, [&](const editsteps::Photo &photo) {
        if (!photo.image)
            return editsteps::PhotoPlan::skip(editsteps::unreadableReason(photo.readError));
        QVariantMap overlay = datesOverlay(after, zone);
        // Written as typed: the wall-clock text, and the typed offset beside it.
        QVariantMap exif = overlay.value(QLatin1String(keys::ExifGroup)).toMap();
        exif.insert(QLatin1String(keys::ExifDateTimeOriginal), taken.exif);
        exif.insert(QLatin1String(keys::ExifDateTimeDigitized), made.exif);
        if (!taken.offset.isEmpty())
            exif.insert(QStringLiteral("OffsetTimeOriginal"), taken.offset);
        if (!made.offset.isEmpty())
            exif.insert(QStringLiteral("OffsetTimeDigitized"), made.offset);
        overlay.insert(QLatin1String(keys::ExifGroup), exif);
        editsteps::PhotoPlan plan;
        if (target.capabilities.dateEditMovesFileDates) {
            QVariantMap tiff;
            tiff.insert(QLatin1String(keys::TiffDateTime), taken.exif);
            overlay.insert(QLatin1String(keys::TiffGroup), tiff);
            if (!taken.offset.isEmpty())
                exif.insert(QStringLiteral("OffsetTime"), taken.offset);
            overlay.insert(QLatin1String(keys::ExifGroup), exif);
            plan.creation = taken.date;
            plan.modification = taken.date;
        }
        plan.overlay = overlay;
        return plan;
    });
}

} // namespace singledatechange
