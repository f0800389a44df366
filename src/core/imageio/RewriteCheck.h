// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Internal to the image I/O layer: a written copy read back before it may replace anything.

#include <QByteArray>
#include <QString>

#include <set>
#include <string>

namespace imageio {

class ExivImage;
struct OverlayPlan;

struct CopyCheck {
    const OverlayPlan *plan = nullptr;
    std::set<std::string> droppedKeys; // entries left out on purpose (invalid types)
    // The Exif block was re-serialised: Exiv2 then leaves out the pixel-layout tags of IFD0,
    // which the JPEG stream itself defines.
    bool exifReserialised = false;
    // Entries the edit set or removed in place, as the metadata library names them.
    std::set<std::string> editedKeys;
    // Directories the edit grew moved to the end of the block: their pointers changed.
    bool directoriesMoved = false;
    // The edit gave the photo a new make or model, by which readers tell maker notes apart:
    // the maker note keeps its bytes but may no longer read as before.
    bool makerNoteKeptAsBytes = false;
    // The source as the edit read it (ExivImage::openForReading), when nothing has changed it
    // since; null: the check reads the source afresh.
    const ExivImage *sourceReading = nullptr;
    // The copy's XMP packets are checked by other means (checkJpegRemovals): the check does
    // not parse the copy's packet.
    bool xmpCheckedElsewhere = false;
};

// Empty when the copy reads back with every removal done and every value it did not mean to
// change as the source held it; else the first fault found.
QString checkCopy(const QByteArray &source, const QByteArray &copy, const CopyCheck &check);

// Every Exif, XMP and APP13 segment of a JPEG, not only the first of each that libraries read.
QString checkJpegRemovals(const QByteArray &jpeg, const OverlayPlan &plan);

} // namespace imageio
