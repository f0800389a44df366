// SPDX-License-Identifier: GPL-3.0-or-later
#include "PhotoComparison.h"

#include "imageio/Orientation.h"
#include "PhotoDecoder.h"

#include "imageio/ImageProperties.h"
#include "imageio/ImageSource.h"
#include "imageio/PhotoFiles.h"
#include "imageio/Ssim.h"

#include <QCoreApplication>

#include <limits>

namespace compress {

namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(PhotoComparison)
};

} // namespace

UprightPhoto decodeUpright(const QString &path)
{
    UprightPhoto photo;
    QByteArray bytes;
    QString error;
    if (!imageio::readPhotoFile(path, &bytes, &error)) {
        photo.error = error;
        return photo;
    }
    photo.fileSize = bytes.size();
    const std::unique_ptr<imageio::ImageSource> source = imageio::ImageSource::create(std::move(bytes), &error);
    if (!source) {
        photo.error = error.isEmpty() ? Text::tr("not a photo this program reads") : error;
        return photo;
    }
    DecodedPhoto decoded = decodeFirstImage(*source);
    if (!decoded.ok()) {
        photo.error = decoded.error.isEmpty() ? Text::tr("the pixels could not be decoded") : decoded.error;
        return photo;
    }
    bool known = false;
    const int orientation = source->properties().value(QLatin1String(imageio::keys::Orientation)).toInt(&known);
    photo.image = imageio::orientedImage(decoded.image, decoded.upright || !known ? 1 : orientation);
    return photo;
}

PhotoComparison comparePhotos(const QString &originalPath, const QString &resultPath)
{
    PhotoComparison comparison;
    comparison.original = decodeUpright(originalPath);
    comparison.result = decodeUpright(resultPath);
    comparison.ssim = comparison.original.ok() && comparison.result.ok()
        ? ssim::meanSsim(comparison.original.image, comparison.result.image)
        : std::numeric_limits<double>::quiet_NaN();
    return comparison;
}

} // namespace compress
