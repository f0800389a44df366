// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QSize>

namespace compress {

// A new image of exactly width × height pixels (rounded, at least 1): the whole receiver
// stretched into it over white, so transparent parts come out white. The receiver is
// unchanged.
QImage resizeTo(const QImage &image, double width, double height);

// A new image of `size`, scaled with high-quality interpolation; null (and the trace
// "Invalid Image") when the receiver is not a valid image.
QImage thumbnailImage(const QImage &image, const QSize &size);

// The image over white with its alpha channel gone; images without alpha come back as
// they are. JPEG has no alpha, and black behind a transparent logo would be a surprise.
QImage flattenOnWhite(const QImage &image);

} // namespace compress
