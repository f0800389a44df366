#pragma once

#include "sources/IKImageItem.h"

#include <QList>
#include <QString>

#include <atomic>
#include <functional>

// What every editor command works on, captured once by the window: the list of the
// current source mode, the browser's selection, the mode and the Working folder.
struct EditTarget {
    QList<IKImageItem> items;
    QList<int> selection; // indices into items, any order; duplicates and strays are ignored
    // True: the editor list, sources are the items' own files. False: the camera list,
    // sources are the copies already downloaded into the Working folder.
    bool blocalMode = true;
    QString workingFolder;

    // Local files in the given order, all selected (the command line's target).
    static EditTarget forFiles(const QStringList &paths, const QString &workingFolder);
};

// One selected photo, resolved for the target's mode.
struct EditSource {
    int index = -1;
    QString fileName;
    QString filePath;   // the item's own path (for camera items, what the device layer set)
    QString sourcePath; // the file the command reads
};

// The selected items in list order, with their sources.
QList<EditSource> selectedSources(const EditTarget &target);

// Working folder + "/" + prefix + file name.
QString outputPathFor(const EditTarget &target, const QString &prefix, const QString &fileName);

// Optional hooks for a command run off the main thread. Both are called on the
// command's thread; cancel is checked between photos.
struct EditHooks {
    const std::atomic_bool *cancel = nullptr;
    std::function<void(int done, int total)> progress;

    bool cancelled() const { return cancel && cancel->load(); }
    void report(int done, int total) const
    {
        if (progress)
            progress(done, total);
    }
};
