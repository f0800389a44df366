// SPDX-License-Identifier: GPL-3.0-or-later
#include "OutputFolderCheck.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QTemporaryFile>

namespace compress {

namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(OutputFolderCheck)
};

} // namespace

bool outputFolderUsable(const QString &folder, QString *reason)
{
    const auto refuse = [reason](const QString &why) {
        if (reason)
            *reason = why;
        return false;
    };
    if (folder.isEmpty())
        return refuse(Text::tr("No Output folder is set. Choose one in Preferences."));
    const QFileInfo info(folder);
    if (!info.exists())
        return refuse(Text::tr("The Output folder %1 does not exist. Choose another one in Preferences, "
                               "or connect the disk it is on.")
                          .arg(folder));
    if (!info.isDir())
        return refuse(Text::tr("The Output folder %1 is not a folder. Choose another one in Preferences.")
                          .arg(folder));
    QTemporaryFile probe(folder + QStringLiteral("/.glimmerset-probe-XXXXXX"));
    if (!probe.open())
        return refuse(Text::tr("Photos cannot be written into the Output folder %1 (%2). Choose another one "
                               "in Preferences.")
                          .arg(folder, probe.errorString()));
    return true;
}

} // namespace compress
