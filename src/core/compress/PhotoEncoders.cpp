// SPDX-License-Identifier: GPL-3.0-or-later
#include "PhotoEncoders.h"

#include "ImageScaling.h"
#include "PhotoDecoder.h"
#include "ResizePresets.h"

#include "imageio/ExifColour.h"
#include "imageio/FileDates.h"
#include "imageio/HeifCodec.h"
#include "imageio/ImageDestination.h"
#include "imageio/ImageProperties.h"
#include "imageio/Orientation.h"
#include "imageio/ImageSource.h"
#include "imageio/JpegCodec.h"
#include "imageio/MetadataRewrite.h"
#include "imageio/PngCodec.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <cmath>
#include <memory>

namespace compress {

namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(PhotoEncoders)
};

int orientationOf(const QVariantMap &metadata)
{
    bool ok = false;
    const int orientation = metadata.value(QLatin1String(imageio::keys::Orientation)).toInt(&ok);
    return ok ? orientation : 1;
}

bool isQuarterTurn(int orientation) { return orientation == 6 || orientation == 8; }

EncodedPhoto failure(const QString &reason)
{
    EncodedPhoto photo;
    photo.error = reason;
    return photo;
}

EncodedPhoto undecodable(const DecodedPhoto &decoded)
{
    EncodedPhoto photo = failure(Text::tr("cannot decode: %1").arg(decoded.error));
    photo.undecodable = true;
    return photo;
}

// The decode size a resize needs: the stored pixels that still cover the target, so a
// large JPEG decodes at a reduced DCT scale. Invalid: decode whole.
QSize minimumDecodeSize(const imageio::ImageSource &source, const ResizeRequest *resize, int orientation)
{
    if (!resize)
        return {};
    const QSize shown = displayedSize(source);
    const QSize target = resizedPixelSize(*resize, shown);
    if (!target.isValid() || target == shown)
        return {};
    return imageio::swapsDimensions(orientation) ? target.transposed() : target;
}

// `image` upright (its own size, or the header's when decoded at a reduced scale)
// scaled for the resize; unchanged without one.
QImage scaledForResize(const QImage &image, const imageio::ImageSource &source, const ResizeRequest *resize)
{
    if (!resize)
        return image;
    QSize shown = displayedSize(source);
    if (!shown.isValid())
        shown = image.size();
    const QSize target = resizedPixelSize(*resize, shown);
    if (!target.isValid() || target == image.size())
        return image;
    // Transparency stays for PNG; JPEG pixels were flattened on white before.
    return image.scaled(target, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

// A photo whose colour space only its Exif names loses it with the Exif, and every viewer
// then shows its Adobe RGB pixels as if they were sRGB: dull and shifted. Turning them into
// sRGB keeps them right in every viewer, colour-managed or not, and costs no bytes; an
// embedded profile would cost about half a kilobyte and is lost on viewers that ignore
// profiles. The price is that the few colours outside sRGB are clipped. With the metadata
// kept the pixels stay as they are, since the Exif travels with them and still says what they are.
bool keepColoursWithoutExif(QImage &image, const DecodedPhoto &decoded, const imageio::ImageSource &source,
                            QString *error)
{
    if (decoded.colourSpaceStated || !imageio::exifSaysAdobeRgb(source))
        return true;
    return imageio::convertAdobeRgbToSrgb(image, error);
}

EncodedPhoto encodePng(const imageio::ImageSource &source, const QVariantMap &metadata, bool keepMetadata,
                       const QString &sourcePath, const ResizeRequest *resize)
{
    DecodedPhoto decoded = decodeFirstImage(source);
    if (!decoded.ok())
        return undecodable(decoded);
    const int orientation = decoded.upright ? 1 : orientationOf(metadata);
    QImage image = imageio::orientedImage(decoded.image, orientation);
    decoded.image = QImage();
    const QSize stored = imageio::swapsDimensions(orientation) ? image.size().transposed() : image.size();
    if (resize)
        image = scaledForResize(image, source, resize);
    QString error;
    if (!keepMetadata && !keepColoursWithoutExif(image, decoded, source, &error))
        return failure(error);
    const imageio::PngCodec::Encoded png = imageio::PngCodec::encodeSmallest(image, decoded.iccProfile);
    if (!png.ok())
        return failure(Text::tr("cannot encode PNG: %1").arg(png.error));
    EncodedPhoto photo;
    photo.bytes = png.bytes;
    if (!keepMetadata)
        return photo;

    // The pixels are upright now: a kept tag says so (a photo without one gains none).
    QVariantMap overlay;
    if (orientationOf(metadata) != 1)
        overlay.insert(QLatin1String(imageio::keys::Orientation), 1);
    if (image.size() != stored) {
        overlay.insert(QLatin1String(imageio::keys::PixelWidth), image.width());
        overlay.insert(QLatin1String(imageio::keys::PixelHeight), image.height());
    }
    const int parts = imageio::ExifPart | imageio::IptcPart | imageio::XmpPart
        | (decoded.iccProfile.isEmpty() ? 0 : imageio::IccProfilePart);
    // As for a JPEG: a result without the metadata the user asked to keep fails the photo.
    if (!imageio::copyMetadata(source, photo.bytes, parts, overlay, &error))
        return failure(Text::tr("cannot carry the metadata over: %1").arg(error));
    photo.applyDates = true;
    photo.dates = captureDatesFor(metadata, sourcePath);
    return photo;
}

// Exiv2 0.27 does not find the Exif of every HEIF photo; libheif does. Its copy rides in a
// JPEG made for the purpose (the result with that Exif laid in), which the metadata is then
// copied from. Null for other containers, or when there is no Exif.
std::unique_ptr<imageio::ImageSource> heifExifCarrier(const imageio::ImageSource &source, const QByteArray &result)
{
    if (source.type() != QLatin1String(imageio::filetypes::Heic) || !result.startsWith("\xFF\xD8"))
        return nullptr;
    const QByteArray payload = QByteArray("Exif\0\0", 6) + imageio::HeifCodec::exif(source.data());
    if (payload.size() <= 6 || payload.size() + 2 > 0xFFFF)
        return nullptr;
    QByteArray segment("\xFF\xE1", 2);
    segment.append(char((payload.size() + 2) >> 8)).append(char((payload.size() + 2) & 0xFF)).append(payload);
    return imageio::ImageSource::create(QByteArray(result).insert(2, segment));
}

EncodedPhoto encodeJpeg(const imageio::ImageSource &source, const QVariantMap &metadata, bool keepMetadata,
                        const QString &sourcePath, const ResizeRequest *resize)
{
    const int storedOrientation = orientationOf(metadata);
    DecodedPhoto decoded = decodeFirstImage(source, minimumDecodeSize(source, resize, storedOrientation));
    if (!decoded.ok())
        return undecodable(decoded);
    const int orientation = decoded.upright ? 1 : storedOrientation;
    // A resize target is upright, so a resized photo is always turned.
    const bool turn = keepMetadata && !resize ? isQuarterTurn(orientation) : true;
    QImage image = flattenOnWhite(decoded.image);
    decoded.image = QImage();
    if (turn)
        image = imageio::orientedImage(image, orientation);
    const QSize before = image.size();
    image = scaledForResize(image, source, resize);

    QString error;
    if (!keepMetadata && !keepColoursWithoutExif(image, decoded, source, &error))
        return failure(error);
    EncodedPhoto photo;
    const int quality = jpegQualityForCompressionFactor(fixedCompressionFactor);
    photo.bytes = imageio::JpegCodec::encode(image, quality, decoded.iccProfile, &error,
                                             imageio::JpegCodec::Quantisation::RateDistortion);
    if (photo.bytes.isEmpty())
        return failure(Text::tr("cannot encode JPEG: %1").arg(error));
    if (!keepMetadata)
        return photo;

    QVariantMap overlay;
    // Pixels turned here (or by the container, as HEIF does) display upright as they are.
    if ((turn && orientation != 1) || decoded.upright || (resize && storedOrientation != 1))
        overlay.insert(QLatin1String(imageio::keys::Orientation), 1);
    if (isQuarterTurn(orientation) || image.size() != before) {
        overlay.insert(QLatin1String(imageio::keys::PixelWidth), image.width());
        overlay.insert(QLatin1String(imageio::keys::PixelHeight), image.height());
    }
    // A CMYK profile was dropped by the decoder: the pixels are RGB now.
    const int parts = imageio::ExifPart | imageio::IptcPart | imageio::XmpPart
        | (decoded.iccProfile.isEmpty() ? 0 : imageio::IccProfilePart);
    // Writing the photo without the metadata the user asked to keep would lose it for
    // good when the result replaces the source, so this fails the photo instead.
    const auto carrier = heifExifCarrier(source, photo.bytes);
    if (!imageio::copyMetadata(carrier ? *carrier : source, photo.bytes, parts, overlay, &error)
        || (carrier && !imageio::completeJpegPixelSize(photo.bytes, &error)))
        return failure(Text::tr("cannot carry the metadata over: %1").arg(error));
    photo.applyDates = true;
    photo.dates = captureDatesFor(metadata, sourcePath);
    return photo;
}

EncodedPhoto encodeWithMetadata(PhotoEncoder encoder, const imageio::ImageSource &source, const QVariantMap &metadata,
                                const QString &sourcePath, const ResizeRequest *resize = nullptr)
{
    switch (encoder) {
    case PhotoEncoder::Png:
        return encodePng(source, metadata, false, sourcePath, resize);
    case PhotoEncoder::PngKeepingMetadata:
        return encodePng(source, metadata, true, sourcePath, resize);
    case PhotoEncoder::JpgWithoutMetadata:
        return encodeJpeg(source, metadata, false, sourcePath, resize);
    case PhotoEncoder::JpgKeepingMetadata:
        return encodeJpeg(source, metadata, true, sourcePath, resize);
    }
    return failure(Text::tr("unknown encoder"));
}

} // namespace

int jpegQualityForCompressionFactor(double factor)
{
    return qBound(1, int(std::lround(45.0 + 50.0 * qBound(0.0, factor, 1.0))), 100);
}

PhotoEncoder chooseEncoder(const QString &fileName, bool keepMetadata)
{
    if (QFileInfo(fileName).suffix().compare(QLatin1String("png"), Qt::CaseInsensitive) == 0)
        return keepMetadata ? PhotoEncoder::PngKeepingMetadata : PhotoEncoder::Png;
    return keepMetadata ? PhotoEncoder::JpgKeepingMetadata : PhotoEncoder::JpgWithoutMetadata;
}

EncodedPhoto encodePhoto(PhotoEncoder encoder, const imageio::ImageSource &source, const QString &sourcePath,
                         const ResizeRequest *resize)
{
    return encodeWithMetadata(encoder, source, source.properties(), sourcePath, resize);
}

bool writeEncodedPhoto(const EncodedPhoto &photo, const QString &outputPath, QString *error)
{
    if (!photo.ok()) {
        if (error)
            *error = photo.error;
        return false;
    }
    if (!imageio::writeFileAtomically(outputPath, photo.bytes, error))
        return false;
    if (photo.applyDates)
        filedates::setFileDates(outputPath, photo.dates.creation, photo.dates.modification);
    return true;
}

} // namespace compress
