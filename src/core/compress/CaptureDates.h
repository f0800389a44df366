// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDateTime>
#include <QString>
#include <QVariantMap>

#include <optional>

namespace compress {

// The file dates a result kept with its metadata is given: the photo's capture dates
// (DateTimeOriginal as creation, DateTimeDigitized as modification) or, when either is
// missing, the source file's own creation and modification dates, to the second.
struct CaptureDates {
    std::optional<QDateTime> creation;
    std::optional<QDateTime> modification;
};

// `metadata` is the source's property map; `sourcePath` is read for its file dates only
// when a capture date is missing. Dates that do not parse stay empty.
CaptureDates captureDatesFor(const QVariantMap &metadata, const QString &sourcePath);

// Exif's "yyyy:MM:dd HH:mm:ss" in the local time zone; invalid when it does not parse.
QDateTime parseExifDate(const QString &text);
// "yyyy-MM-dd HH:mm:ss" in the local time zone.
QDateTime parseDashedDate(const QString &text);

} // namespace compress
