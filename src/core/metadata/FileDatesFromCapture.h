#pragma once

#include "jobs/JobReport.h"
#include "EditTarget.h"

#include <QString>
#include <QTimeZone>

// Gives each selected photo a "NewDate_" copy, byte for byte the source, whose file
// date is the photo's capture date. Linux cannot set a file's creation date, so the
// capture date becomes the copy's modification date (see fileDateNote()).
namespace filedatesfromcapture {

JobReport copyCaptureDateToFileDate(const EditTarget &target, const QTimeZone &zone,
                                     const JobContext &hooks = {});

// Where the capture date lands on this platform, for the window to say once.
QString fileDateNote();

} // namespace filedatesfromcapture
