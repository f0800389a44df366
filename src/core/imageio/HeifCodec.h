// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>

namespace imageio {

// The one place that talks to libheif: HEIC/HEIF photos as phones write them. Each call
// works on its own context and may run on any thread.
class HeifCodec
{
public:
    struct Decoded {
        // The primary image upright (the container's rotation and mirroring applied, as
        // HEIF requires), Format_RGB888 or Format_RGBA8888; null on failure.
        QImage image;
        QByteArray iccProfile;
        QString error;
        bool ok() const { return !image.isNull(); }
    };

    // The primary image's displayed size from the container; invalid when unreadable.
    static QSize displayedSize(const QByteArray &data);
    static Decoded decode(const QByteArray &data);
    // The primary image's Exif block as a JPEG's APP1 carries it after "Exif\0\0" (from
    // the TIFF header on); empty when there is none.
    static QByteArray exif(const QByteArray &data);
};

} // namespace imageio
