// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Internal to the image I/O layer: a written copy read back before it may replace anything.

#include <QByteArray>
#include <QString>

#include <set>
#include <string>

namespace imageio {

struct OverlayPlan;

struct CopyCheck {
    const OverlayPlan *plan = nullptr;
    std::set<std::string> droppedKeys; // entries left out on purpose (invalid types)
    // The Exif block was re-serialised: Exiv2 then leaves out the pixel-layout tags of IFD0,
    // which the JPEG stream itself defines.
    bool exifReserialised = false;
};

// Empty when the copy reads back with every removal done and every value it did not mean to
// change as the source held it; else the first fault found.
QString checkCopy(const QByteArray &source, const QByteArray &copy, const CopyCheck &check);

// Every Exif, XMP and APP13 segment of a JPEG, not only the first of each that libraries read.
QString checkJpegRemovals(const QByteArray &jpeg, const OverlayPlan &plan);

} // namespace imageio
