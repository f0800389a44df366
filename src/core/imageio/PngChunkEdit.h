// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Internal to the image I/O layer: metadata edits of PNG files done chunk by chunk. The
// Exif block (an eXIf chunk, or the hex "Raw profile" text other tools write) is patched in
// place, removed profiles lose their chunk, and every other chunk is kept byte for byte.

#include <QByteArray>
#include <QString>

namespace imageio {

class ImageSource;
struct ExifEdits;
struct OverlayPlan;

enum class PngEditOutcome { Done, NotApplicable, Failed };

// The copy of `png` with the plan's removals and value edits made; `exact`, when given, is
// the plan's Exif edit as entries (new tags included). NotApplicable when the plan needs
// more (a new tag without `exact`); Failed with a reason when the
// file is not a PNG whose chunks can be walked or the Exif edit cannot be made.
PngEditOutcome editPngChunks(const ImageSource &source, const OverlayPlan &plan, const ExifEdits *exact, QByteArray *out,
                             QString *error);

// Gives the freshly encoded PNG `target` the metadata chunks of the PNG `source` as stored,
// before its image data: eXIf and Exif raw profiles for ExifPart (the pixel density and
// other text chunks, a title or an author, ride along with them), XMP for XmpPart, IPTC
// raw profiles for IptcPart. Colour chunks are the encoder's. False when either is no PNG whose chunks can
// be walked.
bool carryPngChunks(const QByteArray &source, QByteArray &target, int parts);

} // namespace imageio
