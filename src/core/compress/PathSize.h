// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QtGlobal>

namespace compress {

// Size of a path in bytes: a file by its size attribute; a folder by "/usr/bin/du -k -d 0"
// (so in 1024-byte blocks); a missing path (or a folder du cannot measure) is 0.
// Blocks the calling thread while du runs.
quint64 fastFolderSizeAtFilePath(const QString &path);

// The leading integer of du's output times 1024 (du prints "<kilobytes>\t<path>").
quint64 duOutputToBytes(const QByteArray &duOutput);

} // namespace compress
