// SPDX-License-Identifier: GPL-3.0-or-later
#include "BatchDateShift.h"

#include "DateText.h"
#include "EditSteps.h"
#include "PhotoDates.h"

#include "imageio/FileDates.h"
#include "imageio/ImageProperties.h"
#include "imageio/ImageSource.h"
#include "imageio/MetadataRewrite.h"

#include <QCoreApplication>

#include <limits>

namespace batchdateshift {

using namespace imageio;

namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(BatchDateShift)
};

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

QString outOfRangeReason()
{
    return Text::tr("the shifted date falls outside the years 1 to 9999");
}

// Each date the photo has moves from its own value; a date it lacks stays absent, so
// the copy never gains a date the camera did not record.
editsteps::PhotoPlan shiftEach(const editsteps::Photo &photo, qint64 originalDelta, qint64 digitizedDelta,
                               const QTimeZone &zone, PhotoDates *moved)
{
    if (!photo.image)
        return editsteps::PhotoPlan::skip(editsteps::unreadableReason(photo.readError));
    const PhotoDates before = PhotoDates::read(*photo.image, zone);
    if (!before.capture().isValid())
        return editsteps::PhotoPlan::skip(noCaptureDateReason());
    PhotoDates after;
    const std::pair<const QDateTime *, QDateTime *> dates[] = {
        {&before.original, &after.original}, {&before.digitized, &after.digitized}, {&before.modified, &after.modified}};
    const qint64 deltas[] = {originalDelta, digitizedDelta, originalDelta};
    for (int i = 0; i < 3; ++i) {
        if (!dates[i].first->isValid())
            continue;
        *dates[i].second = shifted(*dates[i].first, deltas[i]);
        if (!dates[i].second->isValid())
            return editsteps::PhotoPlan::fail(outOfRangeReason());
    }
    *moved = after;
    return editsteps::PhotoPlan::rewrite(datesOverlay(after, zone));
}

editsteps::PhotoPlan referencePhoto(const editsteps::Photo &photo, const Deltas &deltas, const QTimeZone &zone)
{
    PhotoDates after;
    editsteps::PhotoPlan plan = shiftEach(photo, deltas.original, deltas.digitized, zone, &after);
    if (plan.action != editsteps::PhotoPlan::Action::Rewrite)
        return plan;
    plan.creation = after.capture();
    plan.modification = after.digitized.isValid() ? after.digitized : after.capture();
    return plan;
}

editsteps::PhotoPlan absolutePhoto(const editsteps::Photo &photo, const datetext::TypedDate &date)
{
    if (!photo.image)
        return editsteps::PhotoPlan::skip(editsteps::unreadableReason(photo.readError));
    PhotoDates after;
    after.original = after.digitized = after.modified = date.date;
    // The date is written as typed (its wall-clock time); a typed offset goes beside it.
    QVariantMap overlay = datesOverlay(after, date.date.timeZone());
    if (!date.offset.isEmpty()) {
        QVariantMap exif = overlay.value(QLatin1String(keys::ExifGroup)).toMap();
        for (const char *key : {"OffsetTime", "OffsetTimeOriginal", "OffsetTimeDigitized"})
            exif.insert(QLatin1String(key), date.offset);
        overlay.insert(QLatin1String(keys::ExifGroup), exif);
    }
    editsteps::PhotoPlan plan = editsteps::PhotoPlan::rewrite(overlay);
    plan.creation = date.date;
    plan.modification = date.date;
    return plan;
}

editsteps::PhotoPlan offsetPhoto(const editsteps::Photo &photo, qint64 offset, const QTimeZone &zone)
{
    PhotoDates after;
    editsteps::PhotoPlan plan = shiftEach(photo, offset, offset, zone, &after);
    if (plan.action != editsteps::PhotoPlan::Action::Rewrite)
        return plan;
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
    const QDateTime beforeOriginal = datetext::parseTyped(dates.beforeOriginal, zone).date;
    const QDateTime beforeDigitized = datetext::parseTyped(dates.beforeDigitized, zone).date;
    const QDateTime afterOriginal = datetext::parseTyped(dates.afterOriginal, zone).date;
    const QDateTime afterDigitized = datetext::parseTyped(dates.afterDigitized, zone).date;

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

QString refusal(const BatchDateChange &change, const QTimeZone &zone)
{
    QList<std::pair<QString, QString>> typed; // field, text
    if (change.mode == BatchDateChange::Mode::Absolute) {
        typed = {{Text::tr("Date"), change.absoluteDate}};
    } else if (change.mode == BatchDateChange::Mode::Reference) {
        const ReferenceDates &r = change.reference;
        typed = {{Text::tr("Taken (it shows)"), r.beforeOriginal},
                 {Text::tr("Digitized (it shows)"), r.beforeDigitized},
                 {Text::tr("Taken (it should show)"), r.afterOriginal},
                 {Text::tr("Digitized (it should show)"), r.afterDigitized}};
    }
    for (const auto &[field, text] : typed)
        if (!datetext::parseTyped(text, zone).date.isValid())
            return datetext::notADateMessage(field, text);
    return {};
}

JobReport shiftDates(const EditTarget &target, const BatchDateChange &change, const QTimeZone &zone,
                      const JobContext &hooks)
{
    if (change.mode == BatchDateChange::Mode::Reference && !target.capabilities.readsInPlace && !target.selection.isEmpty()) {
        JobReport report;
        report.note = Text::tr("A reference photo shifts local photos only; nothing was written.");
        return report;
    }
    // The batch window always reads the photos' own files, whatever the source mode.
    EditTarget local = target;
    local.capabilities.readsInPlace = true;
    local.resolve = {};

    const QString refused = target.selection.isEmpty() ? QString() : refusal(change, zone);
    if (!refused.isEmpty()) {
        JobReport report;
        report.note = refused;
        return report;
    }
    const Deltas deltas = change.mode == BatchDateChange::Mode::Reference ? referenceDeltas(change.reference, zone)
                                                                          : Deltas();
    const datetext::TypedDate absolute = datetext::parseTyped(change.absoluteDate, zone);
    const qint64 offset = change.offset.totalSeconds();

    return editsteps::runEdit(local, QString(), hooks, [&](const editsteps::Photo &photo) {
        switch (change.mode) {
        case BatchDateChange::Mode::Reference:
            return referencePhoto(photo, deltas, zone);
        case BatchDateChange::Mode::Absolute:
            return absolutePhoto(photo, absolute);
        case BatchDateChange::Mode::Offset:
            break;
        }
        return offsetPhoto(photo, offset, zone);
    });
}

} // namespace batchdateshift
