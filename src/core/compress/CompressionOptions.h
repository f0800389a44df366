// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ResizeRequest.h"

#include <QString>

#include <functional>
#include <optional>

// What a compression job needs to know, captured once on the caller's thread and copied
// into the job: workers never read widgets or the settings store.
struct CompressionOptions {
    // Carry the source's Exif/TIFF/GPS, IPTC and XMP into JPEG results. The ICC profile
    // is always kept so colours do not shift. Off: results have none, also when the
    // source is kept because the result was not smaller.
    bool keepMetadata = false;
    // True: results go into the Output folder under the source's file name.
    // False: each result replaces its source (atomically).
    bool keepOriginalPhoto = true;
    // A replaced photo goes to the desktop Trash first, so it can be restored. Off only
    // for scripts that asked for it.
    bool moveReplacedToTrash = true;
    // Folder jobs: compress the photos of subfolders too, keeping their place below the
    // Output folder.
    bool includeSubfolders = false;
    // The Output folder, used when photoLocation is not set.
    QString outputFolder;
    // When set, asked once per photo, in list order, on the job's own thread (so it must
    // be thread-safe): a new Output folder chosen while a job runs applies from the next
    // photo on.
    std::function<QString()> photoLocation;
    // Photos compressed at the same time; 0 means one per core.
    int workers = 0;
    // Resize jobs: scale every photo in memory before it is compressed again.
    std::optional<compress::ResizeRequest> resize;
    // Pixels all workers together may hold decoded; 0: a quarter of physical memory.
    qint64 pixelBudget = 0;
    // No camera makes more: a photo declaring more is refused as too large before any
    // of its pixels is allocated.
    qint64 maxPhotoPixels = 200'000'000;
};
