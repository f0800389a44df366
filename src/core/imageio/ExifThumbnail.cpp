// SPDX-License-Identifier: GPL-3.0-or-later
#include "ExifThumbnail.h"

#include "ContainerCheck.h"
#include "ExivImage.h"

#include "Orientation.h"

#include <QFile>

namespace imageio {

QImage exifThumbnail(const QString &path)
{
    initializeExiv2();
    try {
        auto image = Exiv2::ImageFactory::open(QFile::encodeName(path).toStdString());
        if (!image.get())
            return {};
        {
            const auto lock = lockXmpToolkit();
            image->readMetadata();
        }
        const Exiv2::ExifData &exif = image->exifData();
        const Exiv2::ExifThumbC thumbnail(exif);
        const Exiv2::DataBuf data = thumbnail.copy();
        if (data.size_ == 0)
            return {};
        QImage picture = imageFromData(QByteArray::fromRawData(reinterpret_cast<const char *>(data.pData_), qsizetype(data.size_)));
        const auto orientation = exif.findKey(Exiv2::ExifKey("Exif.Image.Orientation"));
        if (!picture.isNull() && orientation != exif.end() && orientation->count() > 0)
            picture = orientedImage(picture, int(orientation->toLong()));
        return picture;
    } catch (const std::exception &) {
        return {};
    }
}

} // namespace imageio
