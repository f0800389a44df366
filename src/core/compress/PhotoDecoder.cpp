// SPDX-License-Identifier: GPL-3.0-or-later
#include "PhotoDecoder.h"

#include "imageio/ContainerCheck.h"
#include "imageio/HeifCodec.h"
#include "imageio/ImageProperties.h"
#include "imageio/ImageSource.h"
#include "imageio/JpegCodec.h"

#include <QBuffer>
#include <QColorSpace>
#include <QCoreApplication>
#include <QImageReader>

namespace compress {

namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(PhotoDecoder)
};

// Qt's default limit (256 MB) turns away large scans and 16-bit TIFFs.
constexpr int ReaderAllocationLimitMB = 2048;

} // namespace

DecodedPhoto decodeFirstImage(const QByteArray &data, const QString &type, const QSize &minimumSize)
{
    DecodedPhoto photo;
    if (type == QLatin1String(imageio::filetypes::Jpeg)) {
        imageio::JpegCodec::Decoded jpeg = imageio::JpegCodec::decode(data, minimumSize);
        photo.image = std::move(jpeg.image);
        photo.iccProfile = std::move(jpeg.iccProfile);
        photo.error = std::move(jpeg.error);
        photo.colourSpaceStated = !photo.iccProfile.isEmpty() || jpeg.wasCmyk;
        return photo;
    }
    if (type == QLatin1String(imageio::filetypes::Heic)) {
        imageio::HeifCodec::Decoded heif = imageio::HeifCodec::decode(data);
        photo.image = std::move(heif.image);
        photo.iccProfile = std::move(heif.iccProfile);
        photo.error = std::move(heif.error);
        photo.upright = true;
        photo.colourSpaceStated = true;
        return photo;
    }
    // A chunk that claims more bytes than the file holds makes the PNG reader allocate that
    // much before it finds out: 387 bytes can ask for gigabytes.
    if (type == QLatin1String(imageio::filetypes::Png) && !imageio::pngIsSound(data)) {
        photo.error = Text::tr("the PNG is damaged or cut short");
        return photo;
    }
    QBuffer buffer;
    buffer.setData(data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    reader.setAutoTransform(false);
    reader.setAllocationLimit(ReaderAllocationLimitMB);
    // Qt's BMP reader leaves pixels that broken run-length data never reaches as the
    // allocator gave them: a blank canvas keeps stray memory out of the result. Only there,
    // since a reader that picks another format than it announced would allocate twice.
    const QSize size = reader.size();
    const QImage::Format format = reader.imageFormat();
    if (type == QLatin1String(imageio::filetypes::Bmp) && size.isValid() && format != QImage::Format_Invalid
        && qint64(size.width()) * size.height() * QImage::toPixelFormat(format).bitsPerPixel() / 8
               <= qint64(ReaderAllocationLimitMB) * 1024 * 1024) {
        photo.image = QImage(size, format);
        photo.image.fill(0);
    }
    if (!reader.read(&photo.image)) {
        photo.error = reader.errorString();
        photo.image = QImage();
        return photo;
    }
    // Qt builds a colour space from sRGB and gamma chunks too; only a real profile other
    // than sRGB (which every reader assumes anyway) is worth carrying.
    const QColorSpace space = photo.image.colorSpace();
    photo.colourSpaceStated = space.isValid();
    if (space.isValid() && space != QColorSpace(QColorSpace::SRgb))
        photo.iccProfile = space.iccProfile();
    return photo;
}

DecodedPhoto decodeFirstImage(const imageio::ImageSource &source, const QSize &minimumSize)
{
    return decodeFirstImage(source.data(), source.type(), minimumSize);
}

} // namespace compress
