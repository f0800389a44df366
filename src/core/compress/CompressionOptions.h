#pragma once

#include <QString>

#include <functional>

// What a compression job needs to know, captured once on the caller's thread and copied
// into the job: workers never read widgets or the settings store.
struct CompressionOptions {
    // Carry the source's Exif/TIFF/GPS, IPTC and XMP into JPEG results. The ICC profile
    // is always kept so colours do not shift.
    bool bKeepMetadata = false;
    // True: results go into the Output folder under the source's file name.
    // False: each result replaces its source (atomically).
    bool bKeepOrigialPhoto = true;
    // The Output folder, used when photoLocation is not set.
    QString outputFolder;
    // When set, asked once per photo, in list order, on the job's own thread (so it must
    // be thread-safe): a new Output folder chosen while a job runs applies from the next
    // photo on.
    std::function<QString()> photoLocation;
    // Photos compressed at the same time; 0 means one per core.
    int workers = 0;
};
