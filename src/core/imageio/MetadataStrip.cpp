// SPDX-License-Identifier: GPL-3.0-or-later
#include "MetadataStrip.h"

#include "ExifColour.h"
#include "ExivImage.h"
#include "ImageProperties.h"

#include <QCoreApplication>

namespace imageio {

namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(MetadataStrip)
};

QByteArray fail(QString *error, const QString &reason)
{
    if (error)
        *error = reason;
    return {};
}

quint8 at(const QByteArray &data, qsizetype i) { return quint8(data.at(i)); }

bool keepJpegSegment(quint8 marker, const QByteArray &data, qsizetype payload, qsizetype length)
{
    const auto startsWith = [&](const char *tag, qsizetype size) {
        return length >= size && data.mid(payload, size) == QByteArray(tag, size);
    };
    if (marker == 0xE0)
        return startsWith("JFIF\0", 5);
    if (marker == 0xE2)
        return startsWith("ICC_PROFILE\0", 12);
    if (marker == 0xEE)
        return startsWith("Adobe", 5);
    // Every other application segment and comments carry metadata only.
    return !(marker >= 0xE1 && marker <= 0xEF) && marker != 0xFE;
}

QByteArray stripJpeg(const QByteArray &data, QString *error)
{
    if (data.size() < 4 || at(data, 0) != 0xFF || at(data, 1) != 0xD8)
        return fail(error, Text::tr("not a JPEG"));
    QByteArray out = data.left(2);
    qsizetype i = 2;
    while (i + 4 <= data.size()) {
        if (at(data, i) != 0xFF)
            return fail(error, Text::tr("damaged JPEG segment list"));
        const quint8 marker = at(data, i + 1);
        if (marker == 0xFF) { // fill byte
            ++i;
            continue;
        }
        if (marker == 0xDA || marker == 0xD9) { // scan data and everything after it stays as it is
            out += data.mid(i);
            return out;
        }
        const qsizetype length = (qsizetype(at(data, i + 2)) << 8) | at(data, i + 3);
        if (length < 2 || i + 2 + length > data.size())
            return fail(error, Text::tr("damaged JPEG segment length"));
        if (keepJpegSegment(marker, data, i + 4, length - 2))
            out += data.mid(i, 2 + length);
        i += 2 + length;
    }
    return fail(error, Text::tr("JPEG without image data"));
}

// Whether the photo's colour space is named only by the Exif about to go (see
// exifSaysAdobeRgb): without it, its pixels are shown wrongly.
bool colourNamedOnlyByExif(ExivImage &image)
{
    return !image.image().iccProfileDefined() && exifSaysAdobeRgb(image);
}

QByteArray stripPng(const QByteArray &data, QString *error)
{
    static const QByteArray signature("\x89PNG\r\n\x1a\n", 8);
    if (!data.startsWith(signature))
        return fail(error, Text::tr("not a PNG"));
    static const QList<QByteArray> dropped{"tEXt", "zTXt", "iTXt", "eXIf", "tIME"};
    QByteArray out = signature;
    bool statesColour = false;
    qsizetype i = signature.size();
    while (i + 12 <= data.size()) {
        const quint32 length = (quint32(at(data, i)) << 24) | (quint32(at(data, i + 1)) << 16)
            | (quint32(at(data, i + 2)) << 8) | at(data, i + 3);
        if (qsizetype(length) > data.size() - i - 12)
            return fail(error, Text::tr("damaged PNG chunk length"));
        const QByteArray type = data.mid(i + 4, 4);
        if (!dropped.contains(type))
            out += data.mid(i, 12 + length);
        statesColour = statesColour || type == "iCCP" || type == "sRGB" || type == "gAMA" || type == "cHRM";
        i += 12 + length;
        if (type != "IEND")
            continue;
        if (statesColour)
            return out;
        // A PNG's eXIf is not cut down to its colour entries here; the caller re-encodes
        // instead, which turns such pixels into sRGB.
        const auto image = ExivImage::open(data, error);
        if (!image)
            return {};
        if (colourNamedOnlyByExif(*image))
            return fail(error, Text::tr("its colour space is named only by the Exif"));
        return out;
    }
    return fail(error, Text::tr("PNG without its closing chunk"));
}

} // namespace

QByteArray stripMetadataLosslessly(const QByteArray &data, const QString &type, int orientation, QString *error)
{
    if (type == QLatin1String(filetypes::Png))
        return stripPng(data, error);
    if (type != QLatin1String(filetypes::Jpeg))
        return fail(error, Text::tr("metadata can be removed without re-encoding only from JPEG and PNG"));
    QByteArray stripped = stripJpeg(data, error);
    if (stripped.isEmpty())
        return stripped;
    const auto original = ExivImage::open(data, error);
    if (!original)
        return {};
    const bool turned = orientation >= 2 && orientation <= 8;
    const bool keepColour = colourNamedOnlyByExif(*original);
    if (!turned && !keepColour)
        return stripped;
    // A turned photo must still display upright: its orientation stays, with the IFD0 tags
    // a JPEG's Exif is required to carry beside it (as the source had them), and pixels
    // whose colour space only the Exif names keep the entries that name it, with those its
    // Exif IFD is required to carry; nothing else.
    const auto target = ExivImage::open(stripped, error);
    if (!target)
        return {};
    QByteArray out;
    const bool ok = guarded(
        [&] {
            const Exiv2::ExifData &from = original->image().exifData();
            Exiv2::ExifData kept;
            const struct {
                const char *key;
                bool wanted;
            } keys[] = {
                {"Exif.Image.Orientation", turned}, {"Exif.Image.XResolution", true},
                {"Exif.Image.YResolution", true}, {"Exif.Image.ResolutionUnit", true},
                {"Exif.Image.YCbCrPositioning", true}, {"Exif.Photo.ColorSpace", keepColour},
                {"Exif.Iop.InteroperabilityIndex", keepColour}, {"Exif.Iop.InteroperabilityVersion", keepColour},
                {"Exif.Photo.ExifVersion", keepColour}, {"Exif.Photo.ComponentsConfiguration", keepColour},
                {"Exif.Photo.FlashpixVersion", keepColour}, {"Exif.Photo.PixelXDimension", keepColour},
                {"Exif.Photo.PixelYDimension", keepColour},
            };
            for (const auto &[key, wanted] : keys) {
                if (!wanted)
                    continue;
                const auto pos = from.findKey(Exiv2::ExifKey(key));
                if (pos != from.end())
                    kept.add(*pos);
            }
            Exiv2::Image &image = target->image();
            image.setExifData(kept);
            const auto lock = lockXmpToolkit();
            image.writeMetadata();
            Exiv2::BasicIo &io = image.io();
            if (io.open() != 0)
                throw Exiv2::Error(Exiv2::kerDataSourceOpenFailed, "memory", "open");
            out = QByteArray(qsizetype(io.size()), Qt::Uninitialized);
            const long read = io.read(reinterpret_cast<Exiv2::byte *>(out.data()), long(out.size()));
            io.close();
            if (read != long(out.size()))
                throw Exiv2::Error(Exiv2::kerFailedToReadImageData);
        },
        error);
    return ok ? out : QByteArray();
}

} // namespace imageio
