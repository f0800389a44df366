#pragma once

#include "jobs/JobReport.h"
#include "EditTarget.h"

#include <QVariantMap>

// The four removal commands: a copy of each selected photo without one or two of its
// metadata groups, named by the command's prefix, in the Working folder. Sources are
// never changed.
namespace metadataremoval {

enum class Removal { Exif, GPS, IPTC, ExifAndGPS };

// "NoExif_", "NoGPS_", "NoIPTC_", "NoExifAndGPS_".
QString prefix(Removal removal);
// The overlay that drops the groups: each removed group mapped to a null value.
QVariantMap properties(Removal removal);

// Runs the command over the target's selection, in list order. An empty selection
// writes nothing and is flagged in the report.
JobReport removeMetadata(const EditTarget &target, Removal removal, const JobContext &hooks = {});

} // namespace metadataremoval
