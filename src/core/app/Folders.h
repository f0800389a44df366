// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class AppSettings;

// The two folders every job writes into. Both hang off the user's home folder
// (QDir::homePath(), so HOME redirects them).
namespace folders {

// <home>/Pictures/Glimmerset
QString defaultOutputFolder();
// <home>/Pictures/com.Vantoric.tessaloupe, built afresh at each call.
QString workingFolder();

// Launch step: the stored Output folder, or the default stored under "PhotoLocatoin"
// when absent; the folder is created with its parents (failure ignored). Returns it.
QString prepareOutputFolder(AppSettings &settings);

// How a folder is shown to the user: the home folder as "~".
QString displayPath(const QString &path);

// Creates a folder with its parents; an existing folder is no error.
bool makePath(const QString &path);
// The Working folder, created first (failure ignored).
QString ensureWorkingFolder();

} // namespace folders
