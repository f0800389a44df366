// SPDX-License-Identifier: GPL-3.0-or-later
#include "LibraryScanReport.h"

#include <QCoreApplication>
#include <QStringList>

namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(LibraryScanReport)
};

} // namespace

QString LibraryScanReport::summary() const
{
    if (!ok())
        return error;
    QStringList parts;
    parts << (photoCount == 1 ? Text::tr("1 photo") : Text::tr("%1 photos").arg(photoCount));
    if (!skipped.isEmpty())
        parts << (skipped.size() == 1 ? Text::tr("1 file skipped")
                                      : Text::tr("%1 files skipped").arg(skipped.size()));
    if (!failed.isEmpty())
        parts << (failed.size() == 1 ? Text::tr("1 folder could not be read")
                                     : Text::tr("%1 folders could not be read").arg(failed.size()));
    if (stopped)
        parts << Text::tr("stopped");
    return parts.join(QStringLiteral("; "));
}
