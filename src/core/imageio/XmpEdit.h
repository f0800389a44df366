// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Internal to the image I/O layer: which XMP properties a removal takes with it, which XMP
// dates follow the Exif dates an edit changes, and which XMP properties take the values an
// edit writes into their Exif, TIFF, GPS or IPTC twins (the Metadata Working Group's pairs).

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <QVariantMap>

#include <exiv2/xmp_exiv2.hpp>

#include <string>

namespace imageio {

enum XmpRemoval {
    XmpGps = 1,  // exif:GPS* and the coordinates inside IPTC Extension locations
    XmpIptc = 2, // the IPTC Core and Extension namespaces and the photoshop: and dc: fields IPTC maps to
    XmpExif = 4, // the copies of Exif and TIFF tags: exif: (but its GPS fields), exifEX:, aux:, tiff:
};

// One XMP property set to the value its twin gets, or removed (no values) where the twin is.
struct XmpSet {
    enum Form { Text, Seq, Bag, LangAlt };
    std::string key; // Exiv2's name, "Xmp.dc.creator"
    Form form = Text;
    QStringList values;
    bool onlyWhereHeld = false; // a twin the packet lacks is not added
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
    QList<XmpSet> sets;       // only made in a packet the photo has: no XMP is added to a photo without
    // The container keeps its metadata only as XMP (GIF): the twins are made in an empty
    // packet too, for there is no other place they could go.
    bool onlyXmp = false;
    bool isEmpty() const;
};

// For a container whose only metadata is XMP: the Exif fields `overlay` sets that have an
// XMP twin beyond the common ones (make, model, comment, lens) are set on it, and its Exif
// dates, having no Exif for the XMP dates to follow, on the properties of `xmp` that mirror
// them, or on the first of those where it holds none. A date `change` already moves (the
// photo's XMP held it) is left to that move, which keeps each property's own form.
void setExifInXmp(XmpChange &change, const QVariantMap &overlay, const Exiv2::XmpData &xmp);

// For a container that holds no IPTC (WebP, GIF): the IPTC fields `overlay` sets are set on
// their XMP twins as the IPTC Core schema names them, where the change sets none already.
// Returns the fields that have no such twin (or a date that is not one), which the copy
// cannot keep.
QStringList setIptcInXmp(XmpChange &change, const QVariantMap &overlay);
// `properties` with, when they hold no Exif capture date, each Exif or TIFF date they lack
// taken from the XMP property of `xmp` that mirrors it, in Exif's spelling; a date without a
// time is left out. An editor's export may keep only its modify date in Exif and the capture
// dates in XMP. With a capture date in Exif, Exif is the record and the XMP dates its twins.
QVariantMap withXmpDates(const QVariantMap &properties, const Exiv2::XmpData &xmp);

// The reason a copy is refused when setIptcInXmp leaves `fields` out.
QString iptcWithoutXmpTwin(const QStringList &fields);

// The change for a packet that continues another (a JPEG's extended XMP): twins are set in
// the main packet only, as a property belongs to one of the two.
inline XmpChange continuationChange(XmpChange change)
{
    change.sets.clear();
    return change;
}

// The change an overlay makes, `current` being the photo's property map before it.
XmpChange xmpChangeFor(const QVariantMap &overlay, const QVariantMap &current);

// Makes the change in `xmp`; true when anything changed.
bool editXmpProperties(Exiv2::XmpData &xmp, const XmpChange &change);

// Sets the change's twins in `xmp` even when it is empty: for a container where XMP is the
// only place a value can go.
bool makeXmpTwins(Exiv2::XmpData &xmp, const XmpChange &change);

// The same on a serialised packet. Returns false with a reason when the packet does not
// parse or cannot be written again; *changed says whether `packet` was rewritten.
bool editXmpProperties(QByteArray &packet, const XmpChange &change, bool *changed, QString *error);

} // namespace imageio
