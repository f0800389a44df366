// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "PhotoFiles.h"

#include <QString>
#include <QStringList>
#include <QVariantMap>

namespace imageio {

struct RewriteResult {
    enum Status {
        Written,        // the copy is at the output path
        Unreadable,     // the source is not a photo we can read: skipped, nothing written
        WriteFailed,    // the container or the file could not be written: nothing written
        Refused,        // the source holds what this edit cannot change without damage: nothing written
    };
    Status status = Unreadable;
    QString error;
    // Entries of the source left out of the copy (invalid types no reader can use), with the reason.
    QStringList dropped;
    bool ok() const { return status == Written; }
};

// Writes a copy of the photo at sourcePath to outputPath with `properties` laid over
// the first image's own and applied to every image of the container. Pixels are
// copied as stored. The output is replaced atomically: a failure leaves an earlier
// file at outputPath as it was.
RewriteResult rewriteMetadata(const QString &sourcePath, const QString &outputPath,
                              const QVariantMap &properties);

// Same, for callers that already hold a source (to read its properties first).
class ImageSource;
RewriteResult rewriteMetadata(const ImageSource &source, const QString &outputPath,
                              const QVariantMap &properties);

} // namespace imageio
