// SPDX-License-Identifier: GPL-3.0-or-later
#include "LibraryScanReport.h"

#include <QStringList>

QString LibraryScanReport::summary() const
{
    if (!ok())
        return error;
    QStringList parts;
    parts << (photoCount == 1 ? QStringLiteral("1 photo") : QStringLiteral("%1 photos").arg(photoCount));
    if (!skipped.isEmpty())
        parts << (skipped.size() == 1 ? QStringLiteral("1 file skipped")
                                      : QStringLiteral("%1 files skipped").arg(skipped.size()));
    if (!failed.isEmpty())
        parts << (failed.size() == 1 ? QStringLiteral("1 folder could not be read")
                                     : QStringLiteral("%1 folders could not be read").arg(failed.size()));
    if (stopped)
        parts << QStringLiteral("stopped");
    return parts.join(QStringLiteral("; "));
}
