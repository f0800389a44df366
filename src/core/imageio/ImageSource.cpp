// SPDX-License-Identifier: GPL-3.0-or-later
#include "ImageSource.h"

#include <algorithm>

#include "ContainerCheck.h"
#include "ExivImage.h"
#include "ImageProperties.h"
#include "PhotoFiles.h"
#include "XmpEdit.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QImageReader>

namespace imageio {

namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(ImageSource)
};

int frameCount(const QByteArray &data, const QString &type)
{
    if (type == QLatin1String(filetypes::Jpeg) || type == QLatin1String(filetypes::Png) || type == QLatin1String(filetypes::Bmp)
        || type == QLatin1String(filetypes::Heic))
        return 1;
    QBuffer buffer;
    buffer.setData(data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    const int count = reader.imageCount();
    return count > 0 ? count : 1;
}

QSize readerSize(const QByteArray &data)
{
    QBuffer buffer;
    buffer.setData(data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    reader.setAutoTransform(false);
    return reader.size();
}

} // namespace

ImageSource::~ImageSource() = default;

std::unique_ptr<ImageSource> ImageSource::create(QByteArray data, QString *error, Reading reading)
{
    const auto xmp = reading == Reading::WithoutXmp ? ExivImage::Xmp::Skip : ExivImage::Xmp::Parse;
    auto exiv = ExivImage::openForReading(data, error, xmp);
    if (!exiv)
        return nullptr;
    const QString type = exiv->typeIdentifier();
    if ((type == QLatin1String(filetypes::Jpeg) && !jpegIsComplete(data))
        || (type == QLatin1String(filetypes::Png) && !pngIsSound(data))) {
        if (error)
            *error = Text::tr("the image data is incomplete (truncated file)");
        return nullptr;
    }

    auto source = std::unique_ptr<ImageSource>(new ImageSource);
    QVariantMap props;
    QSize size;
    const bool ok = guarded(
        [&] {
            props = propertiesFromMetadata(exiv->image());
            size = QSize(exiv->image().pixelWidth(), exiv->image().pixelHeight());
        },
        error);
    if (!ok)
        return nullptr;
    if (size.width() <= 0 || size.height() <= 0)
        size = readerSize(data);
    if (size.width() > 0 && size.height() > 0) {
        props.insert(QLatin1String(keys::PixelWidth), size.width());
        props.insert(QLatin1String(keys::PixelHeight), size.height());
    }
    props.insert(QLatin1String(keys::FileSize), qlonglong(data.size()));

    source->m_count = frameCount(data, type);
    source->m_type = type;
    source->m_properties = props;
    source->m_exiv = std::move(exiv);
    source->m_data = std::move(data);
    return source;
}

QVariantMap ImageSource::propertiesWithXmpDates() const
{
    QVariantMap properties = m_properties;
    guarded([&] { properties = withXmpDates(m_properties, m_exiv->image().xmpData()); }, nullptr);
    return properties;
}

QImage ImageSource::image(int index) const
{
    QBuffer buffer;
    buffer.setData(m_data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    reader.setAutoTransform(false);
    if (index > 0 && !reader.jumpToImage(index))
        return {};
    return reader.read();
}

ImageSourcePtr imageSourceFromFile(const QString &path, QString *error)
{
    QByteArray bytes;
    if (!readPhotoFile(path, &bytes, error))
        return nullptr;
    try {
        return ImageSource::create(std::move(bytes), error);
    } catch (const std::exception &e) {
        if (error)
            *error = QString::fromLocal8Bit(e.what());
        return nullptr;
    }
}

bool holdsMakerNote(const ImageSource &source)
{
    const Exiv2::ExifData &exif = source.exiv().image().exifData();
    return std::any_of(exif.begin(), exif.end(), [](const Exiv2::Exifdatum &d) {
        return d.tagName() == "MakerNote" || Exiv2::ExifTags::isMakerGroup(d.groupName());
    });
}

QVariantMap readProperties(const QString &path, QString *error)
{
    const auto source = imageSourceFromFile(path, error);
    return source ? source->properties() : QVariantMap{};
}

} // namespace imageio
