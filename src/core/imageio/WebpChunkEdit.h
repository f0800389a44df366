// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Internal to the image I/O layer: metadata edits of WebP files done chunk by chunk. The
// EXIF chunk's TIFF block is edited as in a JPEG (what grows is appended, maker notes stay
// where they are), the XMP chunk's packet as stored, and every other chunk is kept byte
// for byte.

#include <QByteArray>
#include <QString>

namespace imageio {

struct ExifEdits;
struct OverlayPlan;

enum class WebpEditOutcome { Done, NotApplicable, Failed };

// NotApplicable when the photo has no EXIF chunk to edit (a new one also needs the
// extended header's flags, which the general path writes), or the plan needs more than the
// chunks can take; Failed with a reason when the Exif edit cannot be made without damage.
// A non-empty `iccProfile` becomes the photo's ICCP chunk when it has none.
WebpEditOutcome editWebpChunks(const QByteArray &webp, const OverlayPlan &plan, const ExifEdits *exact,
                               const QByteArray &iccProfile, QByteArray *out, QString *error);

} // namespace imageio
