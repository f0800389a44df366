// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDateTime>
#include <QString>
#include <QTimeZone>
#include <QVariantMap>

namespace imageio {
class ImageSource;
}

// The dates a photo carries in its metadata, as the date commands read and change them.
// A date that is absent, unparsable or the cameras' "0000:00:00 00:00:00" placeholder
// is invalid here: such a photo is never given a date it did not have.
struct PhotoDates {
    QDateTime original;  // Exif DateTimeOriginal
    QDateTime digitized; // Exif DateTimeDigitized
    QDateTime modified;  // TIFF DateTime

    // The capture date: DateTimeOriginal, failing that DateTimeDigitized, else invalid.
    QDateTime capture() const { return original.isValid() ? original : digitized; }

    // `properties` is a photo's property map as read.
    static PhotoDates read(const QVariantMap &properties, const QTimeZone &zone);
    // The photo's dates, from its property map or, for a photo that keeps them only in XMP
    // (every GIF, some PNG, WebP and JPEG files), from there.
    static PhotoDates read(const imageio::ImageSource &photo, const QTimeZone &zone);
};

// The reason given for a photo that has no capture date to work from.
QString noCaptureDateReason();

// The overlay that writes `changed` into the photo: each valid date of `changed` goes
// into its own Exif field. The rewrite moves the IPTC and XMP dates that held the same
// moment along with it, so no reader sees two different capture times afterwards.
QVariantMap datesOverlay(const PhotoDates &changed, const QTimeZone &zone);
