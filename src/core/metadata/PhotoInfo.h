// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QTimeZone>

// The texts of the editor's photo information labels, read from one photo. A value
// the photo does not have is an empty text.
struct PhotoInfo {
    QString photoName;
    QString createDate; // "yyyy-MM-dd HH:mm:ss +hhmm"
    QString dateTaken;     // Exif DateTimeOriginal as stored
    QString dateDigitized; // Exif DateTimeDigitized as stored
    QString takenOffset;   // Exif OffsetTimeOriginal, "+01:00"
    QString fileSize;
    QString imageSize;  // "4000 x 3000"
    QString dpi;
    QString artist;
    QString imageDescription;
    QString copyright;
    QString cameraMake;
    QString cameraModel;
    QString modDate;
    QString comments;
    QString keywords;
    QString gpsDate;
    QString gpsTime;
    QString gpsAltitude;
    QString gpsLatitude;
    QString gpsLongitude;

    // Reads the file's dates and size and, when it is a photo, its metadata. Any thread.
    static PhotoInfo read(const QString &path, const QTimeZone &zone);
};
