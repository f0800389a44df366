// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "jobs/JobReport.h"
#include "EditTarget.h"

#include <QString>
#include <QTimeZone>

// Gives each selected photo a "NewDate_" copy, byte for byte the source, whose file
// date is the photo's capture date. Linux cannot set a file's creation date, so the
// capture date becomes the copy's modification date (see fileDateNote()). A photo
// without a capture date (DateTimeOriginal, else DateTimeDigitized) gets its own file's
// creation date (its modification date where the file system keeps no creation date),
// so the copy still carries when the photo was first stored rather than when it was copied.
namespace filedatesfromcapture {

JobReport copyCaptureDateToFileDate(const EditTarget &target, const QTimeZone &zone,
                                     const JobContext &hooks = {});

// Where the capture date lands on this platform, for the window to say once.
QString fileDateNote();

} // namespace filedatesfromcapture
