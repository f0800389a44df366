#include "BatchDateShift.h"

#include "DateText.h"
#include "EditSteps.h"

#include "imageio/FileDates.h"
#include "imageio/ImageProperties.h"
#include "imageio/ImageSource.h"
#include "imageio/MetadataRewrite.h"

#include <limits>

namespace batchdateshift {

using namespace imageio;

namespace {

qint64 saturatingProduct(qint64 value, qint64 unit)
{
    if (value <= 0)
        return 0;
    qint64 product = 0;
    if (__builtin_mul_overflow(value, unit, &product))
        return std::numeric_limits<qint64>::max();
    return product;
}

qint64 saturatingSum(qint64 a, qint64 b)
{
    qint64 sum = 0;
    if (__builtin_add_overflow(a, b, &sum))
        return std::numeric_limits<qint64>::max();
    return sum;
}

// Exif dates have a four-digit year; anything outside is refused rather than written.
bool inExifRange(const QDateTime &date)
{
    return date.isValid() && date.date().year() >= 1 && date.date().year() <= 9999;
}

QDateTime shifted(const QDateTime &date, qint64 seconds)
{
    const QDateTime result = date.addSecs(seconds);
    return inExifRange(result) ? result : QDateTime();
}

QVariantMap dateOverlay(const QString &original, const QString &digitized)
{
    QVariantMap exif;
    exif.insert(QLatin1String(kCGImagePropertyExifDateTimeOriginal), original);
    exif.insert(QLatin1String(kCGImagePropertyExifDateTimeDigitized), digitized);
    QVariantMap tiff;
    tiff.insert(QLatin1String(kCGImagePropertyTIFFDateTime), original);
    QVariantMap overlay;
    overlay.insert(QLatin1String(kCGImagePropertyExifDictionary), exif);
    overlay.insert(QLatin1String(kCGImagePropertyTIFFDictionary), tiff);
    return overlay;
}

QString exifValue(const ImageSource &source, const char *key)
{
    return source.properties()
        .value(QLatin1String(kCGImagePropertyExifDictionary))
        .toMap()
        .value(QLatin1String(key))
        .toString();
}

editsteps::PhotoPlan outOfRange()
{
    return editsteps::PhotoPlan::fail(QStringLiteral("the shifted date falls outside the years 1 to 9999"));
}

editsteps::PhotoPlan referencePhoto(const editsteps::Photo &photo, const Deltas &deltas, const QTimeZone &zone)
{
    if (!photo.image)
        return editsteps::PhotoPlan::skip(editsteps::unreadableReason(photo.readError));
    QString original = exifValue(*photo.image, kCGImagePropertyExifDateTimeOriginal);
    QString digitized = exifValue(*photo.image, kCGImagePropertyExifDateTimeDigitized);
    if (original.isEmpty() || digitized.isEmpty()) {
        original = datetext::fileText(filedates::creationDate(photo.source.filePath), zone);
        digitized = datetext::fileText(filedates::modificationDate(photo.source.filePath), zone);
    }
    auto [originalDate, digitizedDate] = datetext::parsePair(original, digitized, zone);
    if (originalDate.isValid()) {
        originalDate = shifted(originalDate, deltas.original);
        if (!originalDate.isValid())
            return outOfRange();
        original = datetext::exifText(originalDate, zone);
    }
    if (digitizedDate.isValid()) {
        digitizedDate = shifted(digitizedDate, deltas.digitized);
        if (!digitizedDate.isValid())
            return outOfRange();
        digitized = datetext::exifText(digitizedDate, zone);
    }
    editsteps::PhotoPlan plan = editsteps::PhotoPlan::rewrite(dateOverlay(original, digitized));
    if (originalDate.isValid())
        plan.creation = originalDate;
    if (digitizedDate.isValid())
        plan.modification = digitizedDate;
    return plan;
}

editsteps::PhotoPlan absolutePhoto(const QString &dateText, const QDateTime &fileDate)
{
    editsteps::PhotoPlan plan = editsteps::PhotoPlan::rewrite(dateOverlay(dateText, dateText));
    if (fileDate.isValid()) {
        plan.creation = fileDate;
        plan.modification = fileDate;
    }
    return plan;
}

editsteps::PhotoPlan offsetPhoto(const editsteps::Photo &photo, qint64 offset, const QTimeZone &zone)
{
    const QString digitized = photo.image ? exifValue(*photo.image, kCGImagePropertyExifDateTimeDigitized) : QString();
    editsteps::PhotoPlan plan;
    if (!digitized.isEmpty()) {
        QString text;
        const QDateTime date = datetext::parseTwoFormats(digitized, zone);
        if (date.isValid()) {
            const QDateTime moved = shifted(date, offset);
            if (!moved.isValid())
                return outOfRange();
            text = datetext::exifText(moved, zone);
        } else {
            // An unreadable digitized date leaves the capture date's text in all three
            // places; without a capture date the digitized text stays as it was.
            const QString original = exifValue(*photo.image, kCGImagePropertyExifDateTimeOriginal);
            text = original.isEmpty() ? digitized : original;
        }
        plan = editsteps::PhotoPlan::rewrite(dateOverlay(text, text));
    } else {
        // No date to shift: the copy is the source as it is, replacing any earlier copy
        // so the Working folder never keeps a stale result under this name.
        plan = editsteps::PhotoPlan::copyAsIs();
    }
    const QDateTime sourceCreation = filedates::creationDate(photo.source.sourcePath);
    if (sourceCreation.isValid()) {
        const QDateTime creation = sourceCreation.addSecs(offset);
        if (creation.isValid())
            plan.creation = creation;
    }
    return plan;
}

} // namespace

qint64 DateOffset::totalSeconds() const
{
    qint64 total = 0;
    total = saturatingSum(total, saturatingProduct(years, SecondsPerYear));
    total = saturatingSum(total, saturatingProduct(months, SecondsPerMonth));
    total = saturatingSum(total, saturatingProduct(days, SecondsPerDay));
    total = saturatingSum(total, saturatingProduct(hours, SecondsPerHour));
    total = saturatingSum(total, saturatingProduct(minutes, SecondsPerMinute));
    total = saturatingSum(total, saturatingProduct(seconds, 1));
    return add ? total : -total;
}

BatchDateChange::Mode BatchDateChange::chooseMode(bool referenceChosen, const QString &absoluteText)
{
    if (referenceChosen)
        return Mode::Reference;
    if (!absoluteText.isEmpty())
        return Mode::Absolute;
    return Mode::Offset;
}

Deltas referenceDeltas(const ReferenceDates &dates, const QTimeZone &zone)
{
    const datetext::Format format =
        datetext::parse(dates.beforeOriginal, datetext::Format::Exif, zone).isValid() ? datetext::Format::Exif
                                                                                       : datetext::Format::File;
    const QDateTime beforeOriginal = datetext::parse(dates.beforeOriginal, format, zone);
    const QDateTime beforeDigitized = datetext::parse(dates.beforeDigitized, format, zone);
    const QDateTime afterOriginal = datetext::parse(dates.afterOriginal, format, zone);
    const QDateTime afterDigitized = datetext::parse(dates.afterDigitized, format, zone);

    Deltas deltas;
    // A pair with either side unreadable moves nothing: guessing a delta from half a
    // pair would shift every photo by an arbitrary amount.
    if (beforeOriginal.isValid() && afterOriginal.isValid())
        deltas.original = beforeOriginal.secsTo(afterOriginal);
    else
        deltas.parsed = false;
    if (beforeDigitized.isValid() && afterDigitized.isValid())
        deltas.digitized = beforeDigitized.secsTo(afterDigitized);
    else
        deltas.parsed = false;
    return deltas;
}

JobReport shiftDates(const EditTarget &target, const BatchDateChange &change, const QTimeZone &zone,
                      const JobContext &hooks)
{
    if (change.mode == BatchDateChange::Mode::Reference && !target.sourceIsLocalList && !target.selection.isEmpty()) {
        JobReport report;
        report.note = QStringLiteral("A reference photo shifts local photos only; nothing was written.");
        return report;
    }
    // The batch window always reads the photos' own files, whatever the source mode.
    EditTarget local = target;
    local.sourceIsLocalList = true;
    local.resolve = {};

    Deltas deltas;
    QString note;
    if (change.mode == BatchDateChange::Mode::Reference) {
        deltas = referenceDeltas(change.reference, zone);
        if (!deltas.parsed)
            note = QStringLiteral("Some reference dates are not dates; those dates were copied unchanged.");
    }
    QString absoluteText = change.absoluteDate;
    absoluteText.replace(QLatin1Char('-'), QLatin1Char(':'));
    const QDateTime absoluteFileDate = datetext::parseTwoFormats(change.absoluteDate, zone);
    const qint64 offset = change.offset.totalSeconds();

    JobReport report = editsteps::runEdit(local, QString(), hooks, [&](const editsteps::Photo &photo) {
        switch (change.mode) {
        case BatchDateChange::Mode::Reference:
            return referencePhoto(photo, deltas, zone);
        case BatchDateChange::Mode::Absolute:
            return absolutePhoto(absoluteText, absoluteFileDate);
        case BatchDateChange::Mode::Offset:
            break;
        }
        return offsetPhoto(photo, offset, zone);
    });
    if (!report.emptySelection)
        report.note = note;
    return report;
}

} // namespace batchdateshift
