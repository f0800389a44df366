// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QVariantMap>

// The thirteen texts of the edit sheet, as typed. They are what a template file
// stores (every value a string, keywords as the one text typed), and what the apply
// validates into a typed edit.
struct EditSheetFields {
    QString artist;
    QString imageDescription;
    QString copyright;
    QString cameraMake;
    QString cameraModel;
    QString cameraDate;
    QString comments;
    QString keywords;
    QString gpsDate;
    QString gpsTime;
    QString gpsAltitude;
    QString gpsLatitude;
    QString gpsLongitude;

    bool isEmpty() const;

    // The template file's flat dictionary: one key per non-empty field (make and
    // model under their TIFF and their Exif lens key).
    QVariantMap toTemplate() const;
    // The fields a template holds. A key of the wrong kind (not a string) is refused
    // with a message naming it; keys the template does not know are ignored.
    static bool fromTemplate(const QVariantMap &map, EditSheetFields *out, QString *error);
};
