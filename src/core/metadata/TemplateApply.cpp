// SPDX-License-Identifier: GPL-3.0-or-later
#include "TemplateApply.h"

#include "DateText.h"
#include "EditSteps.h"
#include "MetadataEdit.h"
#include "PropertyList.h"

#include "app/Folders.h"
#include "jobs/OutputNames.h"
#include "imageio/ImageProperties.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <cmath>

namespace templateapply {

using namespace imageio;

namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(TemplateApply)
};

struct Number {
    bool given = false;
    double value = 0;
};

// Empty is "not given"; anything else must be a number (ranges are the edit's to check).
bool number(const QString &text, const QString &what, Number *out, QString *error)
{
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return true;
    bool ok = false;
    const double v = trimmed.toDouble(&ok);
    if (!ok || !std::isfinite(v)) {
        *error = Text::tr("GPS %1: \"%2\" is not a number").arg(what, text);
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
    *error = Text::tr("GPS date: \"%1\" is not a date like 2024:07:01").arg(text);
    return false;
}

bool gpsTime(const QString &text, QTime *out, QString *error)
{
    if (isUnset(text, kTimePlaceholder))
        return true;
    const QTime time = QTime::fromString(text.trimmed(), QStringLiteral("HH:mm:ss"));
    if (!time.isValid()) {
        *error = Text::tr("GPS time: \"%1\" is not a time like 14:30:00").arg(text);
        return false;
    }
    *out = time;
    return true;
}

QStringList keywordList(const QString &text)
{
    QStringList words;
    for (const QString &part : text.split(QLatin1Char(','))) {
        const QString keyword = part.trimmed();
        if (!keyword.isEmpty())
            words.append(keyword);
    }
    return words;
}

std::optional<QString> given(const QString &text)
{
    return text.isEmpty() ? std::nullopt : std::optional<QString>(text);
}

void insertInGroup(QVariantMap &overlay, const char *group, const char *key, const QVariant &value)
{
    QVariantMap map = overlay.value(QLatin1String(group)).toMap();
    map.insert(QLatin1String(key), value);
    overlay.insert(QLatin1String(group), map);
}

// The GPS fields as typed: each one empty or valid on its own.
struct GpsFields {
    Number latitude, longitude, altitude;
    QDate date;
    QTime time;
};

bool readGps(const EditSheetFields &f, Source source, GpsFields *gps, QString *error)
{
    if (!number(f.gpsLatitude, Text::tr("latitude"), &gps->latitude, error)
        || !number(f.gpsLongitude, Text::tr("longitude"), &gps->longitude, error)
        || !number(f.gpsAltitude, Text::tr("altitude"), &gps->altitude, error)
        || !gpsDate(f.gpsDate, &gps->date, error) || !gpsTime(f.gpsTime, &gps->time, error))
        return false;
    if (source == Source::GpsWindow && !(gps->latitude.given && gps->longitude.given && gps->altitude.given)) {
        *error = Text::tr("GPS: latitude, longitude and altitude are all needed");
        return false;
    }
    if (source == Source::Sheet && gps->latitude.given != gps->longitude.given) {
        *error = Text::tr("GPS: give both latitude and longitude, or neither to keep the photos' position");
        return false;
    }
    return true;
}

// The typed texts, the camera date and the keywords; the edit's own validate() checks
// their ranges afterwards.
bool fillTexts(const EditSheetFields &f, Source source, const QTimeZone &zone, MetadataEdit *edit, QString *error)
{
    edit->artist = given(f.artist);
    edit->description = given(f.imageDescription);
    edit->copyright = given(f.copyright);
    edit->make = given(f.cameraMake);
    edit->model = given(f.cameraModel);
    edit->comment = given(f.comments);
    if (!f.cameraDate.trimmed().isEmpty()) {
        const QDateTime cameraDate = datetext::parseTwoFormats(f.cameraDate.trimmed(), zone);
        if (!cameraDate.isValid()) {
            *error = Text::tr("camera date: \"%1\" is not a date like 2024:07:01 14:30:00").arg(f.cameraDate);
            return false;
        }
        // A template has only ever carried the digitized date.
        if (source != Source::Template)
            edit->captureDate = cameraDate;
        edit->digitizedDate = cameraDate;
    }
    const QStringList words = keywordList(f.keywords);
    if (!words.isEmpty())
        edit->keywords = words;
    return true;
}

// Only a whole position is written: one coordinate alone would pair with the other
// coordinate of another fix, a place the photo was never taken.
void fillPosition(const GpsFields &gps, MetadataEdit *edit)
{
    if (!gps.latitude.given || !gps.longitude.given)
        return;
    MetadataEdit::GpsPoint point;
    point.latitude = gps.latitude.value;
    point.longitude = gps.longitude.value;
    if (gps.altitude.given)
        point.altitude = gps.altitude.value;
    // GPS stamps are UTC by definition: the typed texts are written as they are.
    if (gps.date.isValid() && gps.time.isValid())
        point.time = QDateTime(gps.date, gps.time, QTimeZone::utc());
    edit->gps = point;
}

// The edit's overlay with what the sheet has always written beside it.
Plan planOf(const MetadataEdit &edit, const GpsFields &gps, bool withKeywords, const QTimeZone &zone)
{
    Plan result;
    result.overlay = edit.overlay();
    // Camera copies have always kept their IPTC data.
    if (!withKeywords)
        result.overlay.remove(QLatin1String(keys::IptcGroup));
    // The lens fields have always carried the typed make and model as well.
    if (edit.make)
        insertInGroup(result.overlay, keys::ExifGroup, keys::ExifLensMake, *edit.make);
    if (edit.model)
        insertInGroup(result.overlay, keys::ExifGroup, keys::ExifLensModel, *edit.model);

    const char *gpsGroup = keys::GpsGroup;
    // A date or a time alone is still stamped, where the GPS block is written at all.
    if (result.overlay.contains(QLatin1String(gpsGroup)) && gps.date.isValid() != gps.time.isValid()) {
        if (gps.date.isValid())
            insertInGroup(result.overlay, gpsGroup, keys::GpsDateStamp, gps.date.toString(QStringLiteral("yyyy:MM:dd")));
        else
            insertInGroup(result.overlay, gpsGroup, keys::GpsTimeStamp, gps.time.toString(QStringLiteral("HH:mm:ss")));
    }
    if (gps.date.isValid() && gps.time.isValid())
        result.fileDate = QDateTime(gps.date, gps.time, zone);
    return result;
}

} // namespace

std::optional<Plan> plan(const EditSheetFields &f, Source source, bool withKeywords, const QTimeZone &zone,
                         QString *error)
{
    QString reason;
    GpsFields gps;
    MetadataEdit edit;
    edit.zone = zone;
    if (readGps(f, source, &gps, &reason) && fillTexts(f, source, zone, &edit, &reason)) {
        fillPosition(gps, &edit);
        reason = edit.validate();
        if (reason.isEmpty())
            return planOf(edit, gps, withKeywords, zone);
    }
    if (error)
        *error = reason;
    return std::nullopt;
}

JobReport write(const EditTarget &target, const Plan &plan, const QString &prefix, const JobContext &context)
{
    editsteps::PhotoPlan photoPlan = editsteps::PhotoPlan::rewrite(plan.overlay);
    if (plan.fileDate.isValid()) {
        photoPlan.creation = plan.fileDate;
        photoPlan.modification = plan.fileDate;
    }
    return editsteps::runEdit(target, prefix, context, [&photoPlan](const editsteps::Photo &) { return photoPlan; });
}

JobReport importTemplate(const QString &plistPath, const EditTarget &target, const QTimeZone &zone,
                         const JobContext &context)
{
    JobReport report;
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
        report.addFailed(QFileInfo(plistPath).fileName(), plistPath, QString(), Text::tr("not imported: %1").arg(error));
        return report;
    }
    return write(target, *planned, QStringLiteral("After_"), context);
}

QString templatePath(const QString &folder)
{
    return folder + QStringLiteral("/templatefile.plist");
}

QString exportTemplate(const EditSheetFields &fields, const QString &folder, QString *path)
{
    // Nobody is asked here: an earlier template keeps its file and this one takes the next name.
    const QString file = OutputNames({}).claim(templatePath(folder));
    if (path)
        *path = file;
    folders::makePath(folder);
    return exportTemplateTo(fields, file);
}

QString exportTemplateTo(const EditSheetFields &fields, const QString &file)
{
    QString error;
    // A template that could not be applied is not worth keeping.
    if (!plan(fields, Source::Template, true, QTimeZone::systemTimeZone(), &error))
        return error;
    if (!propertylist::writeFile(file, fields.toTemplate(), &error))
        return error.isEmpty() ? Text::tr("the file could not be written") : error;
    return {};
}

} // namespace templateapply
