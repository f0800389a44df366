// SPDX-License-Identifier: GPL-3.0-or-later
#include "DateText.h"

#include <QCoreApplication>
#include <QRegularExpression>

namespace datetext {

namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(DateText)
};

// Date and time are parsed apart and then placed in the zone, so a wall-clock time
// that falls into a daylight-saving gap of the machine's own zone cannot shift the result.
QDateTime parseInZone(const QString &text, Format format, const QTimeZone &zone)
{
    const qsizetype space = text.indexOf(QLatin1Char(' '));
    if (space < 0)
        return {};
    const QString datePattern = format == Format::Exif ? QStringLiteral("yyyy:MM:dd")
                                                       : QStringLiteral("yyyy-MM-dd");
    const QDate date = QDate::fromString(text.left(space), datePattern);
    const QTime time = QTime::fromString(text.mid(space + 1), QStringLiteral("HH:mm:ss"));
    if (!date.isValid() || !time.isValid())
        return {};
    return QDateTime(date, time, zone);
}

} // namespace

QDateTime parse(const QString &text, Format format, const QTimeZone &zone)
{
    static const QRegularExpression withOffset(
        QStringLiteral("^(\\S+ \\S+) ([+-])(\\d\\d):?(\\d\\d)$"));
    const QRegularExpressionMatch m = withOffset.match(text);
    if (m.hasMatch()) {
        const int seconds = (m.captured(3).toInt() * 60 + m.captured(4).toInt()) * 60;
        const QTimeZone fixed(m.captured(2) == QLatin1String("-") ? -seconds : seconds);
        return parseInZone(m.captured(1), format, fixed);
    }
    return parseInZone(text, format, zone);
}

QDateTime parseTwoFormats(const QString &text, const QTimeZone &zone)
{
    const QDateTime exif = parse(text, Format::Exif, zone);
    return exif.isValid() ? exif : parse(text, Format::File, zone);
}

TypedDate parseTyped(const QString &text, const QTimeZone &zone)
{
    static const QRegularExpression withOffset(QStringLiteral("^(\\S+ \\S+) [+-]\\d\\d:?\\d\\d$"));
    const QString trimmed = text.trimmed();
    TypedDate typed;
    typed.date = parseTwoFormats(trimmed, zone);
    if (!typed.date.isValid())
        return typed;
    const QRegularExpressionMatch m = withOffset.match(trimmed);
    const QString wallClock = m.hasMatch() ? m.captured(1) : trimmed;
    // The wall-clock text as typed, in the Exif form; the offset (if any) goes apart.
    const QDateTime plain = parseTwoFormats(wallClock, QTimeZone::utc());
    typed.exif = plain.toString(QLatin1String(ExifFormat));
    if (m.hasMatch())
        typed.offset = exifOffsetText(typed.date.offsetFromUtc());
    return typed;
}

QString notADateMessage(const QString &field, const QString &text)
{
    return Text::tr("%1: \"%2\" is not a date; type it as yyyy:MM:dd HH:mm:ss (or yyyy-MM-dd HH:mm:ss).")
        .arg(field, text);
}

QDateTime parseStored(const QString &text, const QTimeZone &zone)
{
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return {};
    return parseTwoFormats(trimmed, zone);
}

QString exifOffsetText(int offsetSeconds)
{
    const int minutes = qAbs(offsetSeconds) / 60;
    return QStringLiteral("%1%2:%3")
        .arg(offsetSeconds < 0 ? QLatin1Char('-') : QLatin1Char('+'))
        .arg(minutes / 60, 2, 10, QLatin1Char('0'))
        .arg(minutes % 60, 2, 10, QLatin1Char('0'));
}

QString exifText(const QDateTime &date, const QTimeZone &zone)
{
    return date.toTimeZone(zone).toString(QLatin1String(ExifFormat));
}

QString fileText(const QDateTime &date, const QTimeZone &zone)
{
    return date.toTimeZone(zone).toString(QLatin1String(FileFormat));
}

QString fileTextWithOffset(const QDateTime &date, const QTimeZone &zone)
{
    const QDateTime local = date.toTimeZone(zone);
    const int offset = zone.offsetFromUtc(local);
    const int minutes = qAbs(offset) / 60;
    return local.toString(QLatin1String(FileFormat))
        + QStringLiteral(" %1%2%3")
              .arg(offset < 0 ? QLatin1Char('-') : QLatin1Char('+'))
              .arg(minutes / 60, 2, 10, QLatin1Char('0'))
              .arg(minutes % 60, 2, 10, QLatin1Char('0'));
}

} // namespace datetext
