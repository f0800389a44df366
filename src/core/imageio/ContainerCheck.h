// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

namespace imageio {

// True when the JPEG's image data runs to its end-of-image marker. A photo cut short
// (an interrupted copy or download) would otherwise pass for a photo: its metadata
// parses fine, but a rewrite would carry the damage into every copy.
bool jpegIsComplete(const QByteArray &data);

// True when the PNG has image data and its closing chunk, no chunk claims more bytes than
// the file holds, and its compressed text and profile chunks unpack to a sane size. The
// PNG reader allocates whatever a chunk claims, so only such a PNG is safe to decode.
bool pngIsSound(const QByteArray &data);

// QImage::fromData for bytes from inside other files (an Exif thumbnail, a camera's
// preview), which may be a PNG of any shape.
QImage imageFromData(const QByteArray &data);

} // namespace imageio
