// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

// Generated photo libraries for the scan tests.
namespace libraryfixture {

// Creates "<parent>/Photos Library.photoslibrary" with the given entries, paths relative
// to the package ("Masters/2019/05/01/a.jpg"). What a file holds follows its name: a
// name ending in "/" is a folder; ".jpg", ".jpeg" and ".png" (any case) are small real
// photos unless the name starts with "fake"; anything else is a few bytes of text.
// Returns the package path.
QString makeLibrary(const QString &parent, const QStringList &entries);

} // namespace libraryfixture
