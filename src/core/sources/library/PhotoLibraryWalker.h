// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "LibraryScanReport.h"

#include <QString>

#include <atomic>
#include <functional>

// Walks a library's photo folder depth first, entries of each folder in name order,
// and calls back once per photo. The same rules hold at every level: names starting
// with "." are passed over, movies and folders named like movies are skipped, and a
// file becomes a photo only when the image layer reads its format. Folders reached
// through symbolic links are not entered, so a link cannot make the walk go round.
// Runs on the calling thread; it checks `stop` between entries.
class PhotoLibraryWalker
{
public:
    using PhotoFound = std::function<void(const QString &path)>;

    explicit PhotoLibraryWalker(const std::atomic_bool *stop = nullptr);

    LibraryScanReport walk(const QString &libraryPath, const PhotoFound &found);

private:
    void walkFolder(const QString &folder, const PhotoFound &found, LibraryScanReport &report);
    bool stopRequested() const;

    const std::atomic_bool *m_stop;
};
