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
};

} // namespace imageio
