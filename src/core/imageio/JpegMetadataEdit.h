// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Internal to the image I/O layer: metadata edits of JPEG files done segment by segment.
// What an edit does not touch is written back byte for byte (maker notes, vendor segments,
// IPTC datasets); edits that keep the Exif layout (a removed group, a date of the same
// length, an orientation) are patched in place; only structural changes go through Exiv2.

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>
#include <QVariantMap>

namespace imageio {

class ImageSource;

struct JpegEditResult {
    bool ok = false;
    // The copy is `head` (SOI and every segment) followed by `imageData`, a view of the
    // source's own bytes: the image data is most of a photo and is never copied.
    QByteArray head;
    QByteArrayView imageData;
    QString error;
    bool refused = false; // the source holds what the edit cannot change without damage
    QStringList dropped; // entries left out of the copy, with the reason
};

// The copy of the JPEG `source` with `overlay` laid over its metadata, checked by reading it back.
JpegEditResult editJpegMetadata(const ImageSource &source, const QVariantMap &overlay);

struct IptcDataSet;
struct OverlayPlan;
// The IPTC stream `original` with the plan's changed datasets encoded anew and every other
// one as stored (a re-encoded time would gain a zone). False with a reason when a value
// cannot be stored.
bool composeIptc(const QList<IptcDataSet> &original, const ImageSource &source, const OverlayPlan &plan,
                 QByteArray *stream, QString *error);

enum class CarryOutcome { Done, NotApplicable, Failed };

// Gives the freshly encoded JPEG `target` the metadata segments of the JPEG `source` as
// they are stored, patching only orientation and the Exif pixel dimensions, when the
// overlay asks for nothing else. NotApplicable leaves the work to the general path.
CarryOutcome carryJpegMetadata(const ImageSource &source, QByteArray &target, int parts,
                               const QVariantMap &overlay, QString *error);

} // namespace imageio
