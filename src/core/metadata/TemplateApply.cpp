// SPDX-License-Identifier: GPL-3.0-or-later
#include "TemplateApply.h"

#include "DateText.h"
#include "EditSteps.h"
#include "PropertyList.h"

#include "app/Folders.h"
#include "imageio/FileDates.h"
#include "imageio/ImageProperties.h"
#include "imageio/MetadataRewrite.h"

#include <QFileInfo>

#include <cmath>

namespace templateapply {

using namespace imageio;

namespace {

struct Number {
    bool given = false;
    double value = 0;
};

// Empty is "not given"; anything else must be a finite number within ±limit.
bool number(const QString &text, double limit, const QString &what, Number *out, QString *error)
{
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return true;
    bool ok = false;
    const double v = trimmed.toDouble(&ok);
    if (!ok || !std::isfinite(v) || std::fabs(v) > limit) {
        *error = limit < 1e6 ? QStringLiteral("The %1 must be a number from -%2 to %2.").arg(what).arg(limit)
                             : QStringLiteral("The %1 must be a number.").arg(what);
        return false;
    }
    *out = {true, v};
    return true;
}

bool isUnset(const QString &text, const char *placeholder)
{
    const QString trimmed = text.trimmed();
    return trimmed.isEmpty() || trimmed == QLatin1String(placeholder);
}

bool gpsDate(const QString &text, QDate *out, QString *error)
{
    if (isUnset(text, kDatePlaceholder))
        return true;
    for (const char *format : {"yyyy:MM:dd", "yyyy-MM-dd"}) {
        const QDate date = QDate::fromString(text.trimmed(), QLatin1String(format));
        if (date.isValid()) {
            *out = date;
            return true;
        }
    }
    *error = QStringLiteral("The GPS date \"%1\" is not a date like 2024:07:01.").arg(text);
    return false;
}

bool gpsTime(const QString &text, QTime *out, QString *error)
{
    if (isUnset(text, kTimePlaceholder))
        return true;
    const QTime time = QTime::fromString(text.trimmed(), QStringLiteral("HH:mm:ss"));
    if (!time.isValid()) {
        *error = QStringLiteral("The GPS time \"%1\" is not a time like 14:30:00.").arg(text);
        return false;
    }
    *out = time;
    return true;
}

bool keywords(const QString &text, QStringList *out, QString *error)
{
    for (const QString &part : text.split(QLatin1Char(','))) {
        const QString keyword = part.trimmed();
        if (keyword.isEmpty())
            continue;
        if (keyword.toUtf8().size() > kKeywordBytes) {
            *error = QStringLiteral("The keyword \"%1\" is longer than the %2 bytes IPTC allows.")
                         .arg(keyword)
                         .arg(kKeywordBytes);
            return false;
        }
        out->append(keyword);
    }
    return true;
}

void insertText(QVariantMap &map, const char *key, const QString &text)
{
    if (!text.isEmpty())
        map.insert(QLatin1String(key), text);
}

void insertGroup(QVariantMap &overlay, const char *group, const QVariantMap &map)
{
    if (!map.isEmpty())
        overlay.insert(QLatin1String(group), map);
}

void insertCoordinate(QVariantMap &gps, const char *key, const char *refKey, const Number &n, const char *positive,
                      const char *negative)
{
    gps.insert(QLatin1String(key), std::fabs(n.value));
    gps.insert(QLatin1String(refKey), QLatin1String(n.value < 0 ? negative : positive));
}

} // namespace

std::optional<Plan> plan(const EditSheetFields &f, Source source, bool withKeywords, const QTimeZone &zone,
                         QString *error)
{
    QString reason;
    auto refuse = [&](const QString &message) {
        if (error)
            *error = message;
        return std::nullopt;
    };

    Number latitude, longitude, altitude;
    QDate date;
    QTime time;
    QStringList words;
    if (!number(f.gpsLatitude, 90, QStringLiteral("latitude"), &latitude, &reason)
        || !number(f.gpsLongitude, 180, QStringLiteral("longitude"), &longitude, &reason)
        || !number(f.gpsAltitude, 1e9, QStringLiteral("altitude"), &altitude, &reason)
        || !gpsDate(f.gpsDate, &date, &reason) || !gpsTime(f.gpsTime, &time, &reason)
        || !keywords(f.keywords, &words, &reason))
        return refuse(reason);

    QDateTime cameraDate;
    if (!f.cameraDate.trimmed().isEmpty()) {
        cameraDate = datetext::parseTwoFormats(f.cameraDate.trimmed(), zone);
        if (!cameraDate.isValid())
            return refuse(QStringLiteral("The camera date \"%1\" is not a date like 2024:07:01 14:30:00.").arg(f.cameraDate));
    }

    if (source == Source::GpsWindow && !(latitude.given && longitude.given && altitude.given))
        return refuse(QStringLiteral("Latitude, longitude and altitude are all needed."));
    if (source == Source::Sheet && latitude.given != longitude.given)
        return refuse(QStringLiteral("Give both latitude and longitude, or neither to keep the photos' GPS."));

    QVariantMap tiff, exif, gps, iptc;
    insertText(tiff, kCGImagePropertyTIFFArtist, f.artist);
    insertText(tiff, kCGImagePropertyTIFFImageDescription, f.imageDescription);
    insertText(tiff, kCGImagePropertyTIFFCopyright, f.copyright);
    insertText(tiff, kCGImagePropertyTIFFMake, f.cameraMake);
    insertText(exif, kCGImagePropertyExifLensMake, f.cameraMake);
    insertText(tiff, kCGImagePropertyTIFFModel, f.cameraModel);
    insertText(exif, kCGImagePropertyExifLensModel, f.cameraModel);
    insertText(exif, kCGImagePropertyExifUserComment, f.comments);
    if (cameraDate.isValid()) {
        const QString text = datetext::exifText(cameraDate, zone);
        // A template has only ever carried the digitized date.
        if (source != Source::Template)
            exif.insert(QLatin1String(kCGImagePropertyExifDateTimeOriginal), text);
        exif.insert(QLatin1String(kCGImagePropertyExifDateTimeDigitized), text);
    }
    // Only the keywords change: the photo's other IPTC datasets stay.
    if (withKeywords && !words.isEmpty())
        iptc.insert(QLatin1String(kCGImagePropertyIPTCKeywords), words);

    const bool writeGps = source == Source::Template
        ? (latitude.given || longitude.given || altitude.given || date.isValid() || time.isValid())
        : latitude.given && longitude.given;
    if (writeGps) {
        if (latitude.given)
            insertCoordinate(gps, kCGImagePropertyGPSLatitude, kCGImagePropertyGPSLatitudeRef, latitude, "N", "S");
        if (longitude.given)
            insertCoordinate(gps, kCGImagePropertyGPSLongitude, kCGImagePropertyGPSLongitudeRef, longitude, "E", "W");
        if (altitude.given) {
            gps.insert(QLatin1String(kCGImagePropertyGPSAltitude), std::fabs(altitude.value));
            gps.insert(QLatin1String(kCGImagePropertyGPSAltitudeRef), altitude.value < 0 ? 1 : 0);
        }
        gps.insert(QLatin1String(kCGImagePropertyGPSVersion), QStringLiteral("2.2.0.0"));
        gps.insert(QLatin1String(kCGImagePropertyGPSSpeedRef), QStringLiteral("K"));
        gps.insert(QLatin1String(kCGImagePropertyGPSSpeed), 0.0);
        gps.insert(QLatin1String(kCGImagePropertyGPSTrackRef), QStringLiteral("T"));
        gps.insert(QLatin1String(kCGImagePropertyGPSTrack), 0.0);
        if (date.isValid())
            gps.insert(QLatin1String(kCGImagePropertyGPSDateStamp), date.toString(QStringLiteral("yyyy:MM:dd")));
        if (time.isValid())
            gps.insert(QLatin1String(kCGImagePropertyGPSTimeStamp), time.toString(QStringLiteral("HH:mm:ss")));
    }

    Plan result;
    insertGroup(result.overlay, kCGImagePropertyTIFFDictionary, tiff);
    insertGroup(result.overlay, kCGImagePropertyExifDictionary, exif);
    insertGroup(result.overlay, kCGImagePropertyGPSDictionary, gps);
    insertGroup(result.overlay, kCGImagePropertyIPTCDictionary, iptc);
    if (date.isValid() && time.isValid())
        result.fileDate = QDateTime(date, time, zone);
    return result;
}

EditReport write(const EditTarget &target, const Plan &plan, const QString &prefix, const EditHooks &hooks)
{
    EditReport report;
    const QList<EditSource> sources = editsteps::startEdit(target, report);
    int done = 0;
    for (const EditSource &source : sources) {
        if (hooks.cancelled()) {
            report.cancelled = true;
            break;
        }
        if (editsteps::sourcePresent(report, source, target.blocalMode)) {
            const QString output = outputPathFor(target, prefix, source.fileName);
            const bool written =
                editsteps::record(report, source, output, rewriteMetadata(source.sourcePath, output, plan.overlay));
            if (written && plan.fileDate.isValid())
                filedates::setFileDates(output, plan.fileDate, plan.fileDate);
        }
        hooks.report(++done, sources.size());
    }
    return report;
}

EditReport importTemplate(const QString &plistPath, const EditTarget &target, const QTimeZone &zone,
                          const EditHooks &hooks)
{
    EditReport report;
    if (target.selection.isEmpty()) {
        report.emptySelection = true;
        return report;
    }
    QString error;
    EditSheetFields fields;
    std::optional<Plan> planned;
    if (const auto root = propertylist::readFile(plistPath, &error); root && EditSheetFields::fromTemplate(*root, &fields, &error))
        planned = plan(fields, Source::Template, true, zone, &error);
    if (!planned) {
        report.failed.append({QFileInfo(plistPath).fileName(), plistPath, QStringLiteral("not imported: %1").arg(error)});
        return report;
    }
    return write(target, *planned, QStringLiteral("After_"), hooks);
}

QString exportTemplate(const EditSheetFields &fields, const QString &folder, QString *path)
{
    const QString file = folder + QStringLiteral("/templatefile.plist");
    if (path)
        *path = file;
    QString error;
    // A template that could not be applied is not worth keeping.
    if (!plan(fields, Source::Template, true, QTimeZone::systemTimeZone(), &error))
        return error;
    folders::makePath(folder);
    if (!propertylist::writeFile(file, fields.toTemplate(), &error))
        return error.isEmpty() ? QStringLiteral("the file could not be written") : error;
    return {};
}

} // namespace templateapply
