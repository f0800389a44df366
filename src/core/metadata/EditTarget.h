// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "jobs/JobContext.h"
#include "sources/PhotoItem.h"
#include "sources/PhotoSource.h"

#include <QList>
#include <QString>

// What every editor command works on, captured once by the window: the list of the
// current source mode, the browser's selection, the mode and the Working folder.
struct EditTarget {
    QList<PhotoItem> items;
    QList<int> selection; // indices into items, any order; duplicates and strays are ignored
    // The current source's answers (PhotoSource::capabilities); the default is the local list's.
    SourceCapabilities capabilities;
    QString workingFolder;
    // The current source's resolver (PhotoSource::resolver). Unset: items read in place
    // are their own files, any others are the copies in the Working folder.
    LocalFileResolver resolve;

    // Local files in the given order, all selected (the command line's target).
    static EditTarget forFiles(const QStringList &paths, const QString &workingFolder);
};

// One selected photo, resolved for the target's mode.
struct EditSource {
    int index = -1;
    QString fileName;
    QString filePath;   // the item's own path (for camera items, what the device layer set)
    QString sourcePath; // the file the command reads; empty when there is none yet
    QString unavailable; // why sourcePath is empty
};

// The selected items in list order, with their sources.
QList<EditSource> selectedSources(const EditTarget &target);

// Working folder + "/" + prefix + file name.
QString outputPathFor(const EditTarget &target, const QString &prefix, const QString &fileName);
