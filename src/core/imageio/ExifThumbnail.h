// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QString>

namespace imageio {

// The small picture a camera embeds in a photo's Exif data, turned upright by the
// photo's orientation; null when the file has none or cannot be read.
QImage exifThumbnail(const QString &path);

} // namespace imageio
