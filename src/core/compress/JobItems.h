#pragma once

#include "CompressionJobKind.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace compress {

// One position of a job's input list.
struct JobItem {
    QString sourcePath;
    // Left out by the job's rule (hidden name, "." path): counted, never read.
    bool skippedByRule = false;
};

// Turns a job's input into its positions. A folder job lists its folder's direct
// entries by name (no descent; subfolders stay in the list and are found unreadable
// later). False with a reason when a folder job has no folder or cannot list it.
bool expandJobItems(CompressionJobKind kind, const QStringList &items, QList<JobItem> *out, QString *error);

// The entries of one folder as the folder job takes them.
bool listFolder(const QString &folder, QList<JobItem> *out, QString *error);

} // namespace compress
