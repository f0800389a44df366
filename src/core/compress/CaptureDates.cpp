// SPDX-License-Identifier: GPL-3.0-or-later
#include "CaptureDates.h"

#include "imageio/FileDates.h"
#include "imageio/ImageProperties.h"

namespace compress {

namespace {

// QDateTime::fromString reads the text as local time, as the capture dates are meant.
QDateTime parseLocal(const QString &text, const QString &format)
{
    return QDateTime::fromString(text.trimmed(), format);
}

// A file date as its text form without sub-seconds or zone, ready to be parsed back.
QString fileDateText(const QDateTime &date)
{
    if (!date.isValid())
        return {};
    return date.toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
}

std::optional<QDateTime> validOrNone(const QDateTime &date)
{
    return date.isValid() ? std::optional<QDateTime>(date) : std::nullopt;
}

} // namespace

QDateTime parseExifDate(const QString &text) { return parseLocal(text, QStringLiteral("yyyy:MM:dd HH:mm:ss")); }

QDateTime parseDashedDate(const QString &text) { return parseLocal(text, QStringLiteral("yyyy-MM-dd HH:mm:ss")); }

CaptureDates captureDatesFor(const QVariantMap &metadata, const QString &sourcePath)
{
    const QVariantMap exif = metadata.value(QLatin1String(imageio::keys::ExifGroup)).toMap();
    QString original = exif.value(QLatin1String(imageio::keys::ExifDateTimeOriginal)).toString();
    QString digitized = exif.value(QLatin1String(imageio::keys::ExifDateTimeDigitized)).toString();
    // Both dates come from one place: a photo never gets one capture date and one file date.
    if (original.trimmed().isEmpty() || digitized.trimmed().isEmpty()) {
        original = fileDateText(filedates::creationDate(sourcePath));
        digitized = fileDateText(filedates::modificationDate(sourcePath));
    }
    QDateTime a = parseExifDate(original);
    QDateTime b = parseExifDate(digitized);
    if (!a.isValid()) {
        a = parseDashedDate(original);
        b = parseDashedDate(digitized);
    }
    return {validOrNone(a), validOrNone(b)};
}

} // namespace compress
