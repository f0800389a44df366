// SPDX-License-Identifier: GPL-3.0-or-later
#include "PhotoLibrary.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace photolibrary {

namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(PhotoLibrary)
};

} // namespace

bool isLibraryPackage(const QString &path)
{
    return QFileInfo(QDir::cleanPath(path)).fileName() == QLatin1String(PackageName);
}

QString notALibraryMessage(const QString &path)
{
    return Text::tr("\"%1\" is not a photo library. Please choose a library folder named \"%2\".")
        .arg(QDir::toNativeSeparators(path), QLatin1String(PackageName));
}

QString photoFolder(const QString &libraryPath)
{
    for (const char *name : {"Masters", "originals"}) {
        const QString folder = QDir::cleanPath(libraryPath) + QLatin1Char('/') + QLatin1String(name);
        if (QFileInfo(folder).isDir())
            return folder;
    }
    return {};
}

bool hasMovieExtension(const QString &name)
{
    const int dot = name.lastIndexOf(QLatin1Char('.'));
    if (dot < 0)
        return false;
    const QStringView extension = QStringView(name).mid(dot + 1);
    for (const char *movie : {"MOV", "mp4", "m4v", "MPEG"}) {
        if (extension.compare(QLatin1String(movie), Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

} // namespace photolibrary
