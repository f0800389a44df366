// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDateTime>
#include <QList>
#include <QMetaType>
#include <QString>

// One file on a camera, as its folder listing describes it. A plain value: the device
// keeps no per-item state, so an item stays valid after the session that listed it
// (a request for a file that has gone simply fails).
struct CameraItem {
    QString folder; // "/DCIM/100CANON"
    QString name;   // "IMG_0001.JPG"
    QString mimeType;
    qint64 size = -1; // -1 when the camera does not say
    QDateTime modified;

    // Identity on the device: folder and name.
    QString key() const;
    // "Movie" for the movie extensions (MOV, mp4, m4v, MPEG in any case), else "Image".
    QString fileType() const;
    bool isMovie() const { return fileType() == QLatin1String("Movie"); }

    static bool isMovieName(const QString &name);
    // Whether a listing shows the file: photos and movies by MIME type, or by
    // extension when the camera gives a generic type.
    static bool isListed(const QString &mimeType, const QString &name);

    friend bool operator==(const CameraItem &a, const CameraItem &b) { return a.key() == b.key(); }
};

Q_DECLARE_METATYPE(CameraItem)

// An attached camera as libgphoto2 names it: the model picks the driver, the port
// ("usb:001,007", "disk:/media/card") the device.
struct CameraInfo {
    QString model;
    QString port;

    friend bool operator==(const CameraInfo &a, const CameraInfo &b)
    {
        return a.model == b.model && a.port == b.port;
    }
};

Q_DECLARE_METATYPE(CameraInfo)
