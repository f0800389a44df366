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

void outOfRange(EditReport &report, const EditSource &source)
{
    report.failed.append({source.fileName, source.sourcePath,
                          QStringLiteral("the shifted date falls outside the years 1 to 9999")});
}

void referencePhoto(EditReport &report, const EditTarget &target, const EditSource &source,
                    const Deltas &deltas, const QTimeZone &zone)
{
    QString error;
    const ImageSourcePtr image = imageSourceFromFile(source.sourcePath, &error);
    if (!image) {
        report.skipped.append({source.fileName, source.sourcePath, editsteps::unreadableReason(error)});
        return;
    }
    QString original = exifValue(*image, kCGImagePropertyExifDateTimeOriginal);
    QString digitized = exifValue(*image, kCGImagePropertyExifDateTimeDigitized);
    if (original.isEmpty() || digitized.isEmpty()) {
        original = datetext::fileText(filedates::creationDate(source.filePath), zone);
        digitized = datetext::fileText(filedates::modificationDate(source.filePath), zone);
    }
    auto [originalDate, digitizedDate] = datetext::parsePair(original, digitized, zone);
    if (originalDate.isValid()) {
        originalDate = shifted(originalDate, deltas.original);
        if (!originalDate.isValid())
            return outOfRange(report, source);
        original = datetext::exifText(originalDate, zone);
    }
    if (digitizedDate.isValid()) {
        digitizedDate = shifted(digitizedDate, deltas.digitized);
        if (!digitizedDate.isValid())
            return outOfRange(report, source);
        digitized = datetext::exifText(digitizedDate, zone);
    }
    const QString output = outputPathFor(target, QString(), source.fileName);
    if (!editsteps::record(report, source, output, rewriteMetadata(*image, output, dateOverlay(original, digitized))))
        return;
    std::optional<QDateTime> creation, modification;
    if (originalDate.isValid())
        creation = originalDate;
    if (digitizedDate.isValid())
        modification = digitizedDate;
    filedates::setFileDates(output, creation, modification);
}

void absolutePhoto(EditReport &report, const EditTarget &target, const EditSource &source,
                   const QString &dateText, const QDateTime &fileDate)
{
    const QString output = outputPathFor(target, QString(), source.fileName);
    if (!editsteps::record(report, source, output,
                           rewriteMetadata(source.sourcePath, output, dateOverlay(dateText, dateText))))
        return;
    if (fileDate.isValid())
        filedates::setFileDates(output, fileDate, fileDate);
}

void offsetPhoto(EditReport &report, const EditTarget &target, const EditSource &source, qint64 offset,
                 const QTimeZone &zone)
{
    QByteArray bytes;
    if (!editsteps::readSource(report, source, &bytes))
        return;
    const QDateTime sourceCreation = filedates::creationDate(source.sourcePath);
    const QString output = outputPathFor(target, QString(), source.fileName);

    const ImageSourcePtr image = CGImageSourceCreateWithData(bytes);
    const QString digitized = image ? exifValue(*image, kCGImagePropertyExifDateTimeDigitized) : QString();
    bool written = false;
    if (!digitized.isEmpty()) {
        QString text;
        const QDateTime date = datetext::parseTwoFormats(digitized, zone);
        if (date.isValid()) {
            const QDateTime moved = shifted(date, offset);
            if (!moved.isValid())
                return outOfRange(report, source);
            text = datetext::exifText(moved, zone);
        } else {
            // An unreadable digitized date leaves the capture date's text in all three
            // places; without a capture date the digitized text stays as it was.
            const QString original = exifValue(*image, kCGImagePropertyExifDateTimeOriginal);
            text = original.isEmpty() ? digitized : original;
        }
        written = editsteps::record(report, source, output, rewriteMetadata(*image, output, dateOverlay(text, text)));
    } else {
        // No date to shift: the copy is the source as it is, replacing any earlier copy
        // so the Working folder never keeps a stale result under this name.
        written = editsteps::writeCopy(report, source, output, bytes);
    }
    if (!written || !sourceCreation.isValid())
        return;
    const QDateTime creation = sourceCreation.addSecs(offset);
    if (creation.isValid())
        filedates::setCreationDate(output, creation);
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

EditReport shiftDates(const EditTarget &target, const BatchDateChange &change, const QTimeZone &zone,
                      const EditHooks &hooks)
{
    EditReport report;
    // The batch window always reads the photos' own files, whatever the source mode.
    EditTarget local = target;
    local.blocalMode = true;
    const QList<EditSource> sources = selectedSources(local);
    if (target.selection.isEmpty()) {
        report.emptySelection = true;
        return report;
    }
    if (change.mode == BatchDateChange::Mode::Reference && !target.blocalMode) {
        report.note = QStringLiteral("A reference photo shifts local photos only; nothing was written.");
        return report;
    }
    editsteps::prepareWorkingFolder(target);

    Deltas deltas;
    if (change.mode == BatchDateChange::Mode::Reference) {
        deltas = referenceDeltas(change.reference, zone);
        if (!deltas.parsed)
            report.note = QStringLiteral("Some reference dates are not dates; those dates were copied unchanged.");
    }
    QString absoluteText = change.absoluteDate;
    absoluteText.replace(QLatin1Char('-'), QLatin1Char(':'));
    const QDateTime absoluteFileDate = datetext::parseTwoFormats(change.absoluteDate, zone);
    const qint64 offset = change.offset.totalSeconds();

    int done = 0;
    for (const EditSource &source : sources) {
        if (hooks.cancelled()) {
            report.cancelled = true;
            break;
        }
        switch (change.mode) {
        case BatchDateChange::Mode::Reference:
            referencePhoto(report, target, source, deltas, zone);
            break;
        case BatchDateChange::Mode::Absolute:
            absolutePhoto(report, target, source, absoluteText, absoluteFileDate);
            break;
        case BatchDateChange::Mode::Offset:
            offsetPhoto(report, target, source, offset, zone);
            break;
        }
        hooks.report(++done, sources.size());
    }
    return report;
}

} // namespace batchdateshift
