// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

namespace imageio {

// True when the JPEG's image data runs to its end-of-image marker. A photo cut short
// (an interrupted copy or download) would otherwise pass for a photo: its metadata
// parses fine, but a rewrite would carry the damage into every copy.
bool jpegIsComplete(const QByteArray &data);

// True when the PNG has image data and its closing chunk.
bool pngIsComplete(const QByteArray &data);

} // namespace imageio
