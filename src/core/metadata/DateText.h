// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDateTime>
#include <QString>
#include <QTimeZone>

#include <utility>

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

// Parses two texts together: both in the Exif form when the first text is in that
// form, else both in the file form.
std::pair<QDateTime, QDateTime> parsePair(const QString &first, const QString &second,
                                          const QTimeZone &zone);

QString exifText(const QDateTime &date, const QTimeZone &zone);
QString fileText(const QDateTime &date, const QTimeZone &zone);
// "yyyy-MM-dd HH:mm:ss +hhmm", the offset being the zone's at that date.
QString fileTextWithOffset(const QDateTime &date, const QTimeZone &zone);

} // namespace datetext
