// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Internal to the image I/O layer: metadata edits of PNG files done chunk by chunk. The
// Exif block (an eXIf chunk, or the hex "Raw profile" text other tools write) is patched in
// place, removed profiles lose their chunk, and every other chunk is kept byte for byte.

#include <QByteArray>
#include <QString>

namespace imageio {

struct OverlayPlan;

enum class PngEditOutcome { Done, NotApplicable, Failed };

// The copy of `png` with the plan's removals and same-size value edits made. NotApplicable
// when the plan needs more than a patch (a new tag, a changed IPTC dataset); Failed with a
// reason when the file is not a PNG whose chunks can be walked.
PngEditOutcome editPngChunks(const QByteArray &png, const OverlayPlan &plan, QByteArray *out, QString *error);

} // namespace imageio
