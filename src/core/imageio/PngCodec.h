// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

namespace imageio {

// The one place that talks to libpng and libimagequant. Decoding is left to QImage;
// this writes. Every call works on its own buffers and may run on any thread.
class PngCodec
{
public:
    // libimagequant quality range (0..100) for palette PNGs. Below the floor a palette
    // visibly bands photos and smears screenshot text, so the photo stays truecolour.
    static constexpr int PaletteQualityFloor = 70;
    static constexpr int PaletteQualityTarget = 90;

    enum class Kind { Palette, Lossless };

    struct Encoded {
        QByteArray bytes; // empty on failure
        Kind kind = Kind::Lossless;
        QString error;
        bool ok() const { return !bytes.isEmpty(); }
    };

    // Palette PNG (up to 256 colours with alpha, dithered) when quantisation reaches the
    // quality floor, otherwise a lossless truecolour PNG. Maximum zlib compression either
    // way; `iccProfile` is embedded when given.
    static Encoded encodeSmallest(const QImage &image, const QByteArray &iccProfile = QByteArray());

    // Palette PNG: exact when the image holds 256 colours or fewer, else quantised and
    // dithered; an empty result when quantisation cannot meet the floor.
    static Encoded encodePalette(const QImage &image, int minimumQuality, int targetQuality,
                                 const QByteArray &iccProfile = QByteArray());
    // Every pixel kept: grey, RGB or RGBA, 8 or 16 bits a channel as the image holds them.
    static Encoded encodeLossless(const QImage &image, const QByteArray &iccProfile = QByteArray());
};

} // namespace imageio
