// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Internal to the image I/O layer: the IPTC values an overlay's TIFF and Exif edits carry
// with them. Exif, IPTC and XMP hold the same artist, copyright, description and dates
// side by side (the Metadata Working Group's guidance pairs them); an edit of one that left
// its twin behind would have readers show the old value beside the new. XMP twins are
// XmpEdit's; these are the IPTC ones, made only in a photo that keeps IPTC or an edit that
// writes it, so no IPTC block is added for them alone.

#include <QVariantMap>

namespace imageio {

// `overlay` with its IPTC twins added; values the overlay gives IPTC itself win.
// `current` is the photo's property map before the edit.
QVariantMap withIptcTwins(const QVariantMap &overlay, const QVariantMap &current);

} // namespace imageio
