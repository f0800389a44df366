// SPDX-License-Identifier: GPL-3.0-or-later
// The metadata rewrite behind strip and the date commands, with a fixed overlay that
// both removes groups and sets values, written through the real atomic writer.

#include "FuzzSupport.h"

#include "imageio/ImageProperties.h"
#include "imageio/ImageSource.h"
#include "imageio/MetadataRewrite.h"

#include <QTemporaryDir>

namespace {

QVariantMap overlay()
{
    using namespace imageio;
    QVariantMap exif;
    exif.insert(QLatin1String(keys::ExifDateTimeOriginal), QStringLiteral("2021:02:03 04:05:06"));
    QVariantMap map;
    map.insert(QLatin1String(keys::ExifGroup), exif);
    map.insert(QLatin1String(keys::GpsGroup), QVariant()); // removed
    map.insert(QLatin1String(keys::IptcGroup), QVariant()); // removed
    map.insert(QLatin1String(keys::Orientation), 1);
    return map;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    fuzzsupport::initialize();
    static const QVariantMap properties = overlay();
    static QTemporaryDir folder;
    static const QString output = folder.filePath(QStringLiteral("copy"));
    const auto source = imageio::ImageSource::create(QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)));
    if (!source)
        return 0;
    QFile::remove(output);
    const imageio::RewriteResult result = imageio::rewriteMetadata(*source, output, properties);
    if (!result.ok() && result.error.isEmpty())
        qFatal("a failed rewrite gave no reason");
    // A copy reported as written must read back: anything else is a photo the user loses.
    QString error;
    if (result.ok() && !imageio::imageSourceFromFile(output, &error))
        qFatal("the written copy does not read back: %s", qPrintable(error));
    return 0;
}
