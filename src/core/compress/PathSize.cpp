// SPDX-License-Identifier: GPL-3.0-or-later
#include "PathSize.h"

#include <QFileInfo>
#include <QProcess>

namespace compress {

quint64 duOutputToBytes(const QByteArray &duOutput)
{
    // Only the leading digits count: du ends the number with a tab.
    const QByteArray first = duOutput.split(' ').value(0);
    quint64 kilobytes = 0;
    for (const char c : first) {
        if (c < '0' || c > '9')
            break;
        kilobytes = kilobytes * 10 + quint64(c - '0');
    }
    return kilobytes * 1024;
}

quint64 fastFolderSizeAtFilePath(const QString &path)
{
    const QFileInfo info(path);
    if (info.isDir()) {
        QProcess du;
        du.start(QStringLiteral("/usr/bin/du"), {QStringLiteral("-k"), QStringLiteral("-d"), QStringLiteral("0"), path});
        if (!du.waitForFinished(-1))
            return 0;
        return duOutputToBytes(du.readAllStandardOutput());
    }
    if (!info.exists())
        return 0;
    return quint64(info.size());
}

} // namespace compress
