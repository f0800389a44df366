// SPDX-License-Identifier: GPL-3.0-or-later
// The pixel path of compression: the JPEG decoder (libjpeg, full and DCT-scaled) and
// Qt's PNG reader, as the compressor calls them, and the JPEG encoder on whatever sizes and
// pixels they produce.

#include "FuzzSupport.h"

#include "compress/PhotoDecoder.h"
#include "imageio/ContainerCheck.h"
#include "imageio/ImageProperties.h"
#include "imageio/JpegCodec.h"

#include <QBuffer>
#include <QImageReader>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    fuzzsupport::initialize();
    const QByteArray bytes = fuzzsupport::bytesOf(data, size);
    const QSize jpegSize = imageio::JpegCodec::storedSize(bytes);
    if (jpegSize.isValid()) {
        if (qint64(jpegSize.width()) * jpegSize.height() > fuzzsupport::kMaxFuzzPixels)
            return 0;
        const compress::DecodedPhoto decoded = compress::decodeFirstImage(bytes, QLatin1String(imageio::filetypes::Jpeg));
        (void)compress::decodeFirstImage(bytes, QLatin1String(imageio::filetypes::Jpeg), QSize(16, 16));
        if (decoded.ok())
            (void)imageio::JpegCodec::encode(decoded.image, 50, {}, nullptr,
                                             imageio::JpegCodec::Quantisation::RateDistortion);
        return 0;
    }
    // The compressor only ever decodes a PNG that passed this check (ImageSource::create).
    if (!imageio::pngIsSound(bytes)) {
        (void)compress::decodeFirstImage(bytes, QLatin1String(imageio::filetypes::Png));
        return 0;
    }
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "png");
    const QSize pngSize = reader.size();
    if (!pngSize.isValid() || qint64(pngSize.width()) * pngSize.height() > fuzzsupport::kMaxFuzzPixels)
        return 0;
    const compress::DecodedPhoto decoded = compress::decodeFirstImage(bytes, QLatin1String(imageio::filetypes::Png));
    if (decoded.ok())
        (void)imageio::JpegCodec::encode(decoded.image, 50, {}, nullptr, imageio::JpegCodec::Quantisation::RateDistortion);
    return 0;
}
