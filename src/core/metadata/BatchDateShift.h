#pragma once

#include "jobs/JobReport.h"
#include "EditTarget.h"

#include <QString>
#include <QTimeZone>

// The batch date window: the capture dates of many photos changed at once, by a
// reference photo's delta, to one absolute date, or by an offset. Each result is a
// copy in the Working folder under the photo's own file name, with its file dates
// following the new dates. Always works on the editor list.
namespace batchdateshift {

// Seconds per unit: a month is 30 days and a year 365 days, whatever the calendar says.
inline constexpr qint64 SecondsPerYear = 31536000;
inline constexpr qint64 SecondsPerMonth = 2592000;
inline constexpr qint64 SecondsPerDay = 86400;
inline constexpr qint64 SecondsPerHour = 3600;
inline constexpr qint64 SecondsPerMinute = 60;

struct DateOffset {
    qint64 years = 0;
    qint64 months = 0;
    qint64 days = 0;
    qint64 hours = 0;
    qint64 minutes = 0;
    qint64 seconds = 0;
    bool add = false; // "Add Time" on; otherwise the offset is taken away

    // Fields at or below zero count nothing. Computed in 64 bits and saturated, so a
    // huge field gives a date out of range (reported per photo), never a wrapped one.
    qint64 totalSeconds() const;
};

struct ReferenceDates {
    QString beforeOriginal;
    QString beforeDigitized;
    QString afterOriginal;
    QString afterDigitized;
};

struct BatchDateChange {
    enum class Mode { Reference, Absolute, Offset };
    Mode mode = Mode::Offset;
    ReferenceDates reference;
    QString absoluteDate;
    DateOffset offset;

    // The first mode that applies: a chosen reference photo, else a typed absolute date, else the offset.
    static Mode chooseMode(bool referenceChosen, const QString &absoluteText);
};

struct Deltas {
    qint64 original = 0;
    qint64 digitized = 0;
    bool parsed = true; // false when a before or after date did not parse (its delta is then 0)
};

// after - before for each pair, in seconds; the format of all four is chosen by the
// before-capture text.
Deltas referenceDeltas(const ReferenceDates &dates, const QTimeZone &zone);

// Applies the change to the selected photos of the editor list (the target must be in
// local mode for the reference mode; in camera mode that mode writes nothing).
JobReport shiftDates(const EditTarget &target, const BatchDateChange &change, const QTimeZone &zone,
                      const JobContext &hooks = {});

} // namespace batchdateshift
