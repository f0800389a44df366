// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "jobs/JobContext.h"
#include "jobs/JobReport.h"
#include "EditTarget.h"

#include <QString>
#include <QVariantMap>

#include <optional>

// Moving a photo's metadata through property-list files: the exports write the
// current photo's dictionaries into the Working folder, the imports write "After_"
// copies of the selected photos carrying a file's values. A file that does not look
// like what its import expects is refused as a whole, before any copy is written.
namespace plistexchange {

enum class Kind {
    Whole,       // every dictionary of the photo: "<name>.plist"
    Exif,        // "<name>_Exif.plist"
    Tiff,        // "<name>_Tiff.plist"
    ExifAndTiff, // both under their group keys: "<name>.plist"
};

// Where an export of the photo named `photoFileName` goes.
QString exportPath(Kind kind, const QString &folder, const QString &photoFileName);

// What an export writes, taken from a photo's properties; empty when the photo has
// nothing of that kind. The Exif-and-TIFF file holds whichever of the two exists.
QVariantMap exportRoot(Kind kind, const QVariantMap &properties);

struct ExportResult {
    QString path;  // the file written (or that would have been)
    QString error; // empty when written
    bool ok() const { return error.isEmpty(); }
};

// Reads the photo and writes its export into `folder` (created when missing); an existing
// file of that name stays and the export takes the next free " (2)" name.
ExportResult exportPhoto(Kind kind, const QString &photoPath, const QString &folder);
// The same into the file the user chose (its folder exists); an earlier file is replaced.
ExportResult exportPhotoTo(Kind kind, const QString &photoPath, const QString &file);

// The properties laid over each photo for a file's root dictionary; nothing, with a
// reason naming the offending key, when the file is not what this import reads.
// Every kind loses what describes the donor's own pixels (sizes, orientation,
// resolution, bits per sample, compression, strip and tile layout, thumbnail) so those
// of the photos it lands on stay; a GPS group replaces the photo's fix whole, and only
// when it holds both coordinates.
std::optional<QVariantMap> importOverlay(Kind kind, const QVariantMap &root, QString *error);

// Reads the file and writes an "After_" copy of each selected photo with its values.
// A refused file sets report.note and writes nothing.
JobReport importPlist(Kind kind, const QString &plistPath, const EditTarget &target,
                      const JobContext &context = {});

} // namespace plistexchange
