#pragma once

#include "EditReport.h"
#include "EditTarget.h"

#include "imageio/MetadataRewrite.h"

#include <QByteArray>
#include <QVariantMap>

// Steps shared by the editor commands. Internal to the metadata folder.
namespace editsteps {

// Creates the Working folder before the first copy. Photos dropped on the list never
// pass the import panel, which is what otherwise creates it.
void prepareWorkingFolder(const EditTarget &target);

// Starts a command: the selected sources in list order, with the Working folder ready.
// With nothing selected it marks the report and returns no sources.
QList<EditSource> startEdit(const EditTarget &target, EditReport &report);

// Records a rewrite's outcome in the report; true when the copy was written.
bool record(EditReport &report, const EditSource &source, const QString &outputPath,
            const imageio::RewriteResult &result);

// In camera mode a selected item whose copy is not yet in the Working folder is
// skipped; this records that and returns false.
bool sourcePresent(EditReport &report, const EditSource &source, bool blocalMode);

// Reads the whole source file; records a skip and returns false when it cannot be read.
bool readSource(EditReport &report, const EditSource &source, QByteArray *bytes);

// Writes bytes as the copy, recording the outcome; true when written.
bool writeCopy(EditReport &report, const EditSource &source, const QString &outputPath,
               const QByteArray &bytes);

QString unreadableReason(const QString &error);

} // namespace editsteps
