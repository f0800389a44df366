// SPDX-License-Identifier: GPL-3.0-or-later
// The metadata rewrite behind strip and the date commands, with a fixed overlay that
// both removes groups and sets values, serialised into memory.

#include "FuzzSupport.h"

#include "imageio/ImageDestination.h"
#include "imageio/ImageProperties.h"
#include "imageio/ImageSource.h"

namespace {

QVariantMap overlay()
{
    using namespace imageio;
    QVariantMap exif;
    exif.insert(QLatin1String(kCGImagePropertyExifDateTimeOriginal), QStringLiteral("2021:02:03 04:05:06"));
    QVariantMap map;
    map.insert(QLatin1String(kCGImagePropertyExifDictionary), exif);
    map.insert(QLatin1String(kCGImagePropertyGPSDictionary), QVariant()); // removed
    map.insert(QLatin1String(kCGImagePropertyIPTCDictionary), QVariant()); // removed
    map.insert(QLatin1String(kCGImagePropertyOrientation), 1);
    return map;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    fuzzsupport::initialize();
    static const QVariantMap properties = overlay();
    const auto source = imageio::ImageSource::create(QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)));
    if (!source)
        return 0;
    QByteArray buffer;
    const int count = imageio::CGImageSourceGetCount(*source);
    auto destination = imageio::CGImageDestinationCreateWithData(&buffer, imageio::CGImageSourceGetType(*source), count);
    if (!destination)
        return 0;
    for (int i = 0; i < count; ++i)
        imageio::CGImageDestinationAddImageFromSource(*destination, *source, i, properties);
    if (imageio::CGImageDestinationFinalize(*destination)) {
        // What was written must read back: a rewrite that produces an unreadable copy is a fault.
        QString error;
        if (!imageio::ImageSource::create(buffer, &error))
            qFatal("the rewritten copy does not read back: %s", qPrintable(error));
    }
    return 0;
}
