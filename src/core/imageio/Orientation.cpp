// SPDX-License-Identifier: GPL-3.0-or-later
#include "Orientation.h"

#include <QTransform>

namespace imageio {

namespace {

QImage turned(const QImage &image, qreal degrees)
{
    // Quarter turns are exact pixel moves in QImage::transformed: no resampling.
    return image.transformed(QTransform().rotate(degrees));
}

} // namespace

bool swapsDimensions(int orientation) { return orientation >= 5 && orientation <= 8; }

QImage orientedImage(const QImage &image, int orientation)
{
    switch (orientation) {
    case 2:
        return image.mirrored(true, false);
    case 3:
        return image.mirrored(true, true);
    case 4:
        return image.mirrored(false, true);
    case 5:
        return turned(image, 90).mirrored(true, false);
    case 6:
        return turned(image, 90);
    case 7:
        return turned(image, 90).mirrored(false, true);
    case 8:
        return turned(image, 270);
    default:
        return image;
    }
}

} // namespace imageio
