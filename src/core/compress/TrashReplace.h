// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

#include <functional>

namespace compress {

// Replaces the photo at `path` with a result, moving the original to the desktop Trash
// (freedesktop.org trash, QFile::moveToTrash) first so the user can restore it. `write`
// commits the result atomically at `path`. When the original cannot go to the Trash
// nothing is written; when the write fails the original is put back from the Trash.
// False with a reason in both cases.
// A name the Trash cannot hold (past 239 bytes) is refused the same way, before anything
// is written.
bool replaceThroughTrash(const QString &path, const std::function<bool(QString *error)> &write,
                         QString *error);

// The reason given when the photo's disk has no Trash, so that a front end can say how
// to replace originals without one.
QString noTrashHere();

} // namespace compress
