// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>

// What a library scan found and what it left out, with reasons. The window and the
// command line only display it.
struct LibraryScanReport {
    struct Entry {
        QString path;
        QString reason;
    };

    QString libraryPath;
    int photoCount = 0;
    QList<Entry> skipped; // movies, sidecars and other files that are not photos we read
    QList<Entry> failed;  // folders that could not be read
    int hiddenCount = 0;  // entries whose names start with "." (system files), not listed
    bool stopped = false;
    // Set when the scan could not start: no such library, no photo folder in it.
    QString error;

    bool ok() const { return error.isEmpty(); }
    // One line: "1234 photos; 12 files skipped; 1 folder could not be read", "stopped" when so.
    QString summary() const;
};
