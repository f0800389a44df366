// SPDX-License-Identifier: GPL-3.0-or-later
#include "PhotoLibraryWalker.h"

#include "PhotoLibrary.h"

#include "imageio/PhotoType.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(PhotoLibraryWalker)
};

} // namespace

PhotoLibraryWalker::PhotoLibraryWalker(const std::atomic_bool *stop)
    : m_stop(stop)
{
}

bool PhotoLibraryWalker::stopRequested() const
{
    return m_stop && m_stop->load(std::memory_order_relaxed);
}

LibraryScanReport PhotoLibraryWalker::walk(const QString &libraryPath, const PhotoFound &found)
{
    LibraryScanReport report;
    report.libraryPath = libraryPath;
    if (!QFileInfo(libraryPath).isDir()) {
        report.error = Text::tr("The photo library \"%1\" is not there any more.")
                           .arg(QDir::toNativeSeparators(libraryPath));
        return report;
    }
    const QString folder = photolibrary::photoFolder(libraryPath);
    if (folder.isEmpty()) {
        report.error = Text::tr("The photo library \"%1\" has neither a \"Masters\" nor an \"originals\" folder.")
                           .arg(QDir::toNativeSeparators(libraryPath));
        return report;
    }
    walkFolder(folder, found, report);
    report.stopped = stopRequested();
    return report;
}

void PhotoLibraryWalker::walkFolder(const QString &folder, const PhotoFound &found, LibraryScanReport &report)
{
    const QDir dir(folder);
    if (!dir.isReadable()) {
        report.failed.append({folder, Text::tr("the folder could not be read")});
        return;
    }
    const QStringList names =
        dir.entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System, QDir::Name);
    for (const QString &name : names) {
        if (stopRequested())
            return;
        if (name.startsWith(QLatin1Char('.'))) {
            ++report.hiddenCount;
            continue;
        }
        const QString path = folder + QLatin1Char('/') + name;
        // Before the folder test: a folder named like a movie (an exported clip bundle) is not entered either.
        if (photolibrary::hasMovieExtension(name)) {
            report.skipped.append({path, Text::tr("a movie")});
            continue;
        }
        const QFileInfo info(path);
        if (info.isDir()) {
            if (info.isSymLink())
                report.skipped.append({path, Text::tr("a link to a folder, not followed")});
            else
                walkFolder(path, found, report);
        } else if (!info.isFile()) {
            report.skipped.append({path, Text::tr("not a file")});
        } else if (imageio::photoTypeOfFile(path).isEmpty()) {
            report.skipped.append({path, Text::tr("not a photo Glimmerset reads")});
        } else {
            ++report.photoCount;
            found(path);
        }
    }
}
