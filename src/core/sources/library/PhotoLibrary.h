// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// A photo library package as it reaches a Linux machine: a folder named
// "Photos Library.photoslibrary" copied from another computer. Its photos sit below
// "Masters" or, in newer libraries, below "originals". The package is only ever read.
namespace photolibrary {

inline constexpr char PackageName[] = "Photos Library.photoslibrary";

// True when the last component of `path` is exactly the package name.
bool isLibraryPackage(const QString &path);

// Said when a chosen folder is not a library.
QString notALibraryMessage(const QString &path);

// "Masters" when the library has one, else "originals"; empty when it has neither.
QString photoFolder(const QString &libraryPath);

// Movies are skipped by name wherever they are: "MOV", "mp4", "m4v" and "MPEG" in any case.
bool hasMovieExtension(const QString &name);

} // namespace photolibrary
