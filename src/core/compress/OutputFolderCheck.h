// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace compress {

// Whether results can be written into `folder`, tried for real (a file is created and
// removed: permission bits say nothing on a read-only mount or to root). False with a
// sentence for the user when it is not set, missing, not a folder or not writable.
bool outputFolderUsable(const QString &folder, QString *reason);

} // namespace compress
