// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Internal to the image I/O layer: what an overlay asks of a photo's metadata, worked out
// once so the writer can tell edits that keep the layout (patched in place) from those
// that need the metadata re-serialised, and the check can tell what was meant to change.

#include "XmpEdit.h"

#include <QByteArray>
#include <QList>
#include <QSize>
#include <QVariantMap>

#include <optional>
#include <set>
#include <string>

namespace imageio {

struct OverlayPlan {
    struct DatePatch {
        quint16 tag;
        bool inExifDirectory; // else IFD0
        QByteArray text;
    };

    bool removeExif = false; // the Exif IFD with its maker note and interoperability IFD
    bool removeGps = false;
    bool removeIptc = false;
    QList<DatePatch> dates;  // same-length date texts
    std::optional<quint32> orientation;
    std::optional<quint32> pixelWidth, pixelHeight; // new pixel dimensions for the Exif size tags
    bool exifStructureChanges = false; // something only a re-serialisation can write
    QVariantMap iptcChanges;           // changed IPTC datasets (property names), not a removal
    std::set<std::string> touchedExifKeys; // Exiv2 keys an edit may change
    bool touchesGpsGroup = false;
    XmpChange xmp;

    bool changesExif() const;
    // Only values that a same-size patch of the TIFF block can write (dates, orientation, sizes).
    bool onlyValueEdits() const;
};

class TiffBlock;

// `current` is the photo's property map, `pixelSize` its real size.
OverlayPlan planOverlay(const QVariantMap &overlay, const QVariantMap &current, QSize pixelSize);

// Makes the plan's removals in `block`: the GPS and Exif IFDs and IFD0's IPTC copy are blanked.
void removeInPlace(TiffBlock &block, const OverlayPlan &plan);

// Writes the plan's value edits into `block` in place; false when one cannot be
// (its tag is absent or the value does not fit), the block then partly patched.
bool patchValuesInPlace(TiffBlock &block, const OverlayPlan &plan);

} // namespace imageio
