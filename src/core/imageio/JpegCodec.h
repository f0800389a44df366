// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>

namespace imageio {

// The one place that talks to libjpeg. Every call works on its own buffers and may run
// on any thread; libjpeg errors come back as a message, never as a jump or exception.
class JpegCodec
{
public:
    struct Decoded {
        // Format_RGB888 for colour, Format_Grayscale8 for greyscale; null on failure.
        QImage image;
        // The embedded ICC profile, when it still describes `image` (a CMYK profile is
        // dropped, because the pixels come back as RGB).
        QByteArray iccProfile;
        // The stored size before any DCT scaling.
        QSize storedSize;
        bool wasCmyk = false;
        QString error;
        bool ok() const { return !image.isNull(); }
    };

    // The stored width and height from the header; invalid when it is not a JPEG.
    static QSize storedSize(const QByteArray &data);

    // Decodes the whole photo. With `minimumSize` given, libjpeg's DCT scaling picks the
    // smallest of 1/8 .. 8/8 whose result still covers it in both directions, which makes
    // decoding for a small target several times faster. CMYK and YCCK photos come back as
    // sRGB, through their own ICC profile when they carry one (as a colour-managed viewer
    // shows them), else by the plain ink formula. Data that is cut short or corrupt inside the scan is an error: a compressor
    // must not bake grey blocks into a photo and call it done.
    static Decoded decode(const QByteArray &data, const QSize &minimumSize = QSize());

    enum class Quantisation {
        // libjpeg's standard tables, every coefficient rounded to its nearest step.
        Rounded,
        // JpegQuantiser's tables and trellis: fewer bytes for the same look.
        RateDistortion,
    };

    // Baseline JPEG with optimised Huffman tables and quantisation tables scaled to
    // `quality` (1..100, libjpeg's scale), colour photos with 4:2:0 chroma. Greyscale
    // images are written with one component. Any alpha channel is ignored: flatten first.
    // Embeds `iccProfile` when given. Empty on failure, with the reason in *error.
    static QByteArray encode(const QImage &image, int quality, const QByteArray &iccProfile = QByteArray(),
                             QString *error = nullptr, Quantisation quantisation = Quantisation::Rounded);
};

} // namespace imageio
