// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDateTime>
#include <QString>
#include <QTimeZone>


// The date texts of the editor. Exif and TIFF dates are stored as "yyyy:MM:dd HH:mm:ss";
// file dates are shown as "yyyy-MM-dd HH:mm:ss", optionally followed by the zone's
// offset ("+0100"). Every function takes the zone it works in, so callers pass the
// local zone and tests fix one.
namespace datetext {

inline constexpr char ExifFormat[] = "yyyy:MM:dd HH:mm:ss";
inline constexpr char FileFormat[] = "yyyy-MM-dd HH:mm:ss";

enum class Format { Exif, File };

// Parses `text` in one format, in `zone`. A trailing " +HHMM" / " -HHMM" offset (as
// fileTextWithOffset writes it) is honoured instead of the zone. Invalid when the text
// does not fit the format.
QDateTime parse(const QString &text, Format format, const QTimeZone &zone);

// The two-format parse: the Exif form, failing that the file form. Invalid when neither fits.
QDateTime parseTwoFormats(const QString &text, const QTimeZone &zone);

// A date the user typed, checked before anything is written.
struct TypedDate {
    QDateTime date;
    QString exif;   // "yyyy:MM:dd HH:mm:ss", the wall-clock time as typed
    QString offset; // "+01:00" when the text carried an offset, else empty
};

// The one parse of every typed date: either form, optionally followed by an offset
// (" +0100", as the single-photo window shows file dates). Surrounding spaces are
// ignored. Invalid (date invalid) when the text is not a real date of the years 1 to 9999.
TypedDate parseTyped(const QString &text, const QTimeZone &zone);

// The message that refuses a typed text, naming the field it came from.
QString notADateMessage(const QString &field, const QString &text);

// A date stored in the photo (Exif form, or the file form some writers use). Empty,
// unparsable and the cameras' "0000:00:00 00:00:00" placeholder all give an invalid date.
QDateTime parseStored(const QString &text, const QTimeZone &zone);

// "+01:00" for an offset of 3600 seconds, as OffsetTimeOriginal holds it.
QString exifOffsetText(int offsetSeconds);

QString exifText(const QDateTime &date, const QTimeZone &zone);
QString fileText(const QDateTime &date, const QTimeZone &zone);
// "yyyy-MM-dd HH:mm:ss +hhmm", the offset being the zone's at that date.
QString fileTextWithOffset(const QDateTime &date, const QTimeZone &zone);

} // namespace datetext
