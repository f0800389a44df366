// SPDX-License-Identifier: GPL-3.0-or-later
#include "ImageScaling.h"

#include <QDebug>

#include <cmath>

namespace compress {

QImage flattenOnWhite(const QImage &image)
{
    if (!image.hasAlphaChannel())
        return image;
    // Straight (not premultiplied) alpha: out = c * a + 255 * (1 - a).
    QImage out = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < out.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x) {
            const QRgb p = line[x];
            const unsigned a = unsigned(qAlpha(p));
            const unsigned white = 255 * (255 - a);
            line[x] = qRgb(int((unsigned(qRed(p)) * a + white + 127) / 255),
                           int((unsigned(qGreen(p)) * a + white + 127) / 255),
                           int((unsigned(qBlue(p)) * a + white + 127) / 255));
        }
    }
    return out.convertToFormat(QImage::Format_RGB32);
}

QImage resizeTo(const QImage &image, double width, double height)
{
    if (image.isNull())
        return {};
    const QSize size(qMax(1, int(std::lround(width))), qMax(1, int(std::lround(height))));
    const QImage flat = flattenOnWhite(image);
    if (flat.size() == size)
        return flat.copy();
    return flat.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

QImage thumbnailImage(const QImage &image, const QSize &size)
{
    if (image.isNull() || !size.isValid() || size.isEmpty()) {
        qWarning("Invalid Image");
        return {};
    }
    return image.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

} // namespace compress
