// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Internal to the image I/O layer: which XMP properties a removal takes with it.

#include <QByteArray>
#include <QString>

#include <exiv2/xmp_exiv2.hpp>

namespace imageio {

enum XmpRemoval {
    XmpGps = 1,  // exif:GPS* and IPTC Extension locations that carry coordinates
    XmpIptc = 2, // the IPTC Core and Extension namespaces, photoshop: and the dc: fields IPTC maps to
};

// Erases the properties of the removals from `xmp`; true when any was there.
bool removeXmpProperties(Exiv2::XmpData &xmp, int removals);

// The same on a serialised packet. Returns false with a reason when the packet does not
// parse or cannot be written again; *changed says whether `packet` was rewritten.
bool removeXmpProperties(QByteArray &packet, int removals, bool *changed, QString *error);

} // namespace imageio
