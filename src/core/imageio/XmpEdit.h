// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Internal to the image I/O layer: which XMP properties a removal takes with it, and
// which XMP dates follow the Exif dates an edit changes.

#include <QByteArray>
#include <QList>
#include <QString>
#include <QVariantMap>

#include <exiv2/xmp_exiv2.hpp>

namespace imageio {

enum XmpRemoval {
    XmpGps = 1,  // exif:GPS* and IPTC Extension locations that carry coordinates
    XmpIptc = 2, // the IPTC Core and Extension namespaces, photoshop: and the dc: fields IPTC maps to
};

// An Exif date the edit changes, both as Exif stores them ("yyyy:MM:dd HH:mm:ss").
struct XmpDateMove {
    enum Field { Original, Digitized, Modified };
    Field field;
    QString from;
    QString to;
};

// What an edit does to a photo's XMP: removals, and dates that held the moment an Exif
// date held before the edit and so move with it (no reader is to see two capture times).
struct XmpChange {
    int removals = 0; // XmpRemoval flags
    QList<XmpDateMove> dates; // every Exif date the photo has; `to` equals `from` for those that stay
    bool isEmpty() const;
};

// The change an overlay makes, `current` being the photo's property map before it.
XmpChange xmpChangeFor(const QVariantMap &overlay, const QVariantMap &current);

// Makes the change in `xmp`; true when anything changed.
bool editXmpProperties(Exiv2::XmpData &xmp, const XmpChange &change);

// The same on a serialised packet. Returns false with a reason when the packet does not
// parse or cannot be written again; *changed says whether `packet` was rewritten.
bool editXmpProperties(QByteArray &packet, const XmpChange &change, bool *changed, QString *error);

} // namespace imageio
