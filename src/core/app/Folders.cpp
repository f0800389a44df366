// SPDX-License-Identifier: GPL-3.0-or-later
#include "Folders.h"

#include "AppSettings.h"

#include <QDir>

namespace folders {

QString defaultOutputFolder() { return QDir::homePath() + QStringLiteral("/Pictures/Glimmerset"); }

QString workingFolder() { return QDir::homePath() + QStringLiteral("/Pictures/com.Vantoric.tessaloupe"); }

bool makePath(const QString &path) { return !path.isEmpty() && QDir().mkpath(path); }

QString prepareOutputFolder(AppSettings &settings)
{
    QString folder = settings.photoLocation();
    if (folder.isEmpty()) {
        folder = defaultOutputFolder();
        settings.setPhotoLocation(folder);
    }
    // Recreated at every launch, so a folder deleted since then comes back.
    makePath(folder);
    return folder;
}

QString ensureWorkingFolder()
{
    const QString folder = workingFolder();
    makePath(folder);
    return folder;
}

QString displayPath(const QString &path)
{
    const QString home = QDir::homePath();
    if (path == home || path.startsWith(home + QLatin1Char('/')))
        return QDir::toNativeSeparators(QLatin1Char('~') + path.mid(home.size()));
    return QDir::toNativeSeparators(path);
}

} // namespace folders
