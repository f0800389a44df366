// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>

namespace imageio {
class ImageSource;
}

namespace compress {

// The first image of a photo, as stored (orientation not applied), with the ICC profile
// that describes its pixels.
struct DecodedPhoto {
    QImage image;
    QByteArray iccProfile;
    QString error;
    // The container already turned the pixels (HEIF): any Exif orientation is not to be
    // applied again.
    bool upright = false;
    // The pixels' colour space is settled without the Exif: the container names it (an ICC
    // profile, a PNG's sRGB or gamma chunks, HEIF's colour box) or the decoder made sRGB
    // of CMYK. Only otherwise may the Exif's colour space say what the pixels are.
    bool colourSpaceStated = false;
    bool ok() const { return !image.isNull(); }
};

// JPEG goes through libjpeg (CMYK and greyscale included; `minimumSize` lets it decode at
// a reduced DCT scale that still covers that size); HEIC/HEIF through libheif; every other
// container through Qt's readers, first frame or page only.
DecodedPhoto decodeFirstImage(const QByteArray &data, const QString &type, const QSize &minimumSize = QSize());
DecodedPhoto decodeFirstImage(const imageio::ImageSource &source, const QSize &minimumSize = QSize());

} // namespace compress
