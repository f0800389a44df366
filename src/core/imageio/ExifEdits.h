// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Internal to the image I/O layer: an Exif edit as the entries it sets and removes, worked
// out once per photo from the metadata library's reading of it before and after the
// overlay, then made in each TIFF block of the photo by TiffBlock::setFields. So adding a
// GPS position or an artist never re-serialises the block: maker notes, thumbnails and
// everything else addressed by absolute offsets keep their bytes and their place.

#include "TiffBlock.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QVariantMap>

#include <set>
#include <string>

namespace Exiv2 {
class ExifData;
}

namespace imageio {

struct ExifEdits {
    struct Change {
        TiffBlock::Ifd ifd;
        quint16 tag;
        quint16 type; // 0: removed
        quint32 count;
        QByteArray little, big; // the value in either byte order
    };
    QList<Change> changes;
    // False when the edit reaches what entries of IFD0, the Exif, GPS and Interop IFDs
    // cannot express (a maker-note value, a thumbnail tag): why says what.
    bool exact = false;
    QString why;
    // The overlay holds a value the photo cannot take: the edit fails with this reason.
    QString refusal;
    std::set<std::string> changedKeys; // as the metadata library names them

    // The edit gives the photo a new make or model, by which readers tell maker notes apart.
    bool renamesCamera() const
    {
        return changedKeys.count("Exif.Image.Make") || changedKeys.count("Exif.Image.Model");
    }
};

// `source` is the photo's bytes, `overlay` what is laid over its properties. With `exif`,
// the Exif already read from them, `source` need hold no Exif of its own.
ExifEdits exifEditsFor(const QByteArray &source, const QVariantMap &overlay, const Exiv2::ExifData *exif = nullptr);

// Makes the edits in `block`; false with the reason when they cannot be made without damage.
bool applyExifEdits(TiffBlock &block, const ExifEdits &edits, QString *why);

} // namespace imageio
