// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>

namespace imageio {

// The pixels of `image` as a viewer shows them for an Exif orientation (1..8): mirrored
// for 2, turned half way for 3, flipped for 4, transposed for 5, turned a quarter
// clockwise for 6, transversed for 7 and a quarter anticlockwise for 8. Other values
// leave the image as stored.
QImage orientedImage(const QImage &image, int orientation);

// True for the orientations whose displayed width is the stored height (5 to 8).
bool swapsDimensions(int orientation);

} // namespace imageio
