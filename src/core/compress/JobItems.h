#pragma once

#include "CompressionJobKind.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace compress {

// One position of a job's input list.
struct JobItem {
    QString sourcePath;
    // Left out by the job's rule (hidden name, "." path, given twice): counted, never read.
    bool skippedByRule = false;
    // Where below the dropped folder the photo was found ("2019/summer"), so its result
    // keeps that place in the Output folder; empty for photos given one by one.
    QString relativeFolder = {};
    // Set when the item cannot even be opened by name (a name that is not valid UTF-8,
    // shown escaped in sourcePath, or a subfolder that cannot be listed): it fails with
    // this reason without being read.
    QString problem = {};
};

// Turns a job's input into its positions. A folder job lists its folder's entries by
// name; without `includeSubfolders` subfolders stay in the list (and fail later as
// folders), with it their photos are listed after the folder's own, depth first. False
// with a reason when a folder job has no folder or cannot list it.
bool expandJobItems(CompressionJobKind kind, const QStringList &items, QList<JobItem> *out, QString *error,
                    bool includeSubfolders = false);

// The entries of one folder as the folder job takes them.
bool listFolder(const QString &folder, QList<JobItem> *out, QString *error, bool includeSubfolders = false);

} // namespace compress
