// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

namespace imageio {

// The photo without its metadata, pixels untouched (no re-encode): for a JPEG every
// Exif, XMP, IPTC/Photoshop and comment segment is dropped, for a PNG every text,
// eXIf and time chunk. What the pixels need to display right stays: the JFIF header,
// the ICC profile, Adobe's colour transform flag, and an orientation other than 1 and
// a colour space named only by the Exif (as a minimal Exif block holding only them; a PNG
// whose colour only its eXIf names is refused). Empty with a reason for other containers or
// data that does not parse.
QByteArray stripMetadataLosslessly(const QByteArray &data, const QString &type, int orientation,
                                   QString *error = nullptr);

} // namespace imageio
