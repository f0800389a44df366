// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDateTime>
#include <QStringList>
#include <QTimeZone>
#include <QVariantMap>

#include <optional>

// What one metadata edit changes, as typed values: every editor command that writes
// metadata builds one, validates it before anything is written, and turns it into the
// property overlay the image I/O layer lays over each photo. A field left unset is left
// as the photo has it.
struct MetadataEdit {
    // Groups dropped whole before anything else is laid over.
    enum Group { NoGroup = 0, ExifGroup = 1, GpsGroup = 2, IptcGroup = 4 };
    int removedGroups = NoGroup;

    // Dates are written as the photo's local wall time in `zone` (Exif dates carry no offset).
    std::optional<QDateTime> captureDate;   // DateTimeOriginal
    std::optional<QDateTime> digitizedDate; // DateTimeDigitized
    std::optional<QDateTime> modifyDate;    // the TIFF DateTime
    QTimeZone zone = QTimeZone::systemTimeZone();

    struct GpsPoint {
        double latitude = 0;  // degrees, [-90, 90], negative is south
        double longitude = 0; // degrees, [-180, 180], negative is west
        std::optional<double> altitude; // metres, negative is below sea level
        QDateTime time;       // when the fix was taken; written in UTC; invalid: not written
    };
    std::optional<GpsPoint> gps;

    std::optional<QString> artist;
    std::optional<QString> description;
    std::optional<QString> copyright;
    std::optional<QString> comment; // the Exif user comment
    std::optional<QStringList> keywords;
    std::optional<QString> make;
    std::optional<QString> model;

    // Empty when the edit can be written; otherwise why not, naming the field.
    QString validate() const;

    // The overlay for the image I/O layer: {GPS}, {TIFF}, {Exif}, {IPTC} groups, a
    // removed group mapped to null. GPS coordinates go in as magnitudes with their
    // N/S/E/W refs and the altitude with its ref, never as signed numbers; every other
    // GPS tag maps to null, for a new position replaces the old fix whole. No speed or
    // track is written: a made-up 0 would claim the photo was taken standing still facing
    // north. Call on an edit that validates.
    QVariantMap overlay() const;

    // A GPS group that replaces the photo's fix whole: every GPS tag it does not set maps to
    // null. The old fix's time, speed, heading, precision or datum left beside new
    // coordinates would describe another moment and place.
    static QVariantMap replacingGpsFix(QVariantMap gps);
};
