// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The four kinds of compression job. They differ only in how the input list becomes
// source paths; the work per photo is the same.
enum class CompressionJobKind {
    Files,  // paths as given
    Folder, // only the first item is used, a folder: its direct entries, sorted by name,
            // names beginning with "." skipped
    Import, // paths as given
    Resize, // paths as given, paths beginning with "." skipped
};
